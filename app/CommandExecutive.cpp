#include "app/CommandExecutive.h"

#include <string.h>

#include "base/Borders.h"
#include "base/LogClient.h"
#include "include/VarnoSkinCommand.h"
#include "winfx/AppMessageBox.h"
#include "winfx/Seams.h"
#include "winfx/WinApp.h"

namespace {
bool RealKeyDown(int virtualKey) { return (GetAsyncKeyState(virtualKey) & 0x8000) != 0; }
PFN_KeyDown g_keyDown = RealKeyDown;

const char* const kTextControls[] = {"BrowseEdit", "Time",           "FileSize",
                                     "VideoSize",  "Progress",       "Information",
                                     "Estimated Time", "MusicInfo"};

bool IsTextControl(const char* name) {
  for (const char* text : kTextControls)
    if (lstrcmpiA(text, name) == 0) return true;
  return false;
}

}  // namespace

void CCommandExecutive::SetKeyStateSeam(PFN_KeyDown keyDown) {
  g_keyDown = keyDown ? keyDown : RealKeyDown;
}

CCommandExecutive::CCommandExecutive()
    : m_skinCommand(this),
      m_eventSink(this),
      m_bConverting(false),
      m_bAddingFiles(false),
      m_nRefCount(1),
      m_nCurrentPage(-1),
      m_nKeptPercents() {
  Table();
}

CCommandExecutive::~CCommandExecutive() {}

HRESULT CCommandExecutive::QueryInterface(const IID* iid, void** out) {
  if (!out) return E_POINTER;
  if (VrcSameGuid(iid, &IID_ISkinCommand)) {
    *out = &m_skinCommand;
    return S_OK;
  }
  if (VrcSameGuid(iid, &IID_IModuleEvents)) {
    *out = &m_eventSink;
    AddRef();
    return S_OK;
  }
  return E_NOINTERFACE;
}

ULONG CCommandExecutive::AddRef() { return InterlockedIncrement(&m_nRefCount); }

ULONG CCommandExecutive::Release() {
  LONG count = InterlockedDecrement(&m_nRefCount);
  if (count == 0) delete this;
  return count;
}

HRESULT CCommandExecutive::InitInstance() {
  LogPrint(LOG_TRACE, "Varno Reel Craft command InitInstance!\n");
  HRESULT hr = CModuleBase::InitInstance();
  hr = QueryModuleInterface(&CLSID_ConfigModule, &IID_IVarnoConfigEx, m_pIConfigEx.Out());
  if (FAILED(hr)) {
    LogPrint(LOG_ERROR, "Query config module IVarnoConfigEx interface! hr=0x%x\n", hr);
    return hr;
  }
  hr = QueryModuleInterface(&CLSID_ConfigModule, &IID_ILanguageTranslater, m_pITranslater.Out());
  if (FAILED(hr)) {
    LogPrint(LOG_ERROR, "Query config module ILanguageTranslater interface! hr=0x%x\n", hr);
    return hr;
  }
  hr = GetCurrentConverter();
  if (FAILED(hr)) {
    LogPrint(LOG_ERROR, "Failed to get currrent converter! hr=0x%x\n", hr);
    return hr;
  }
  for (int i = 0; i < kPageCount; ++i) {
    const PageInfo& page = *PageAt(i);
    ModuleConnection& connection = m_connections[i];
    CUncounted<IModule> module;
    hr = GetHostObject(page.moduleId, module.Out());
    if (FAILED(hr) || !module) {
      if (SUCCEEDED(hr)) hr = E_POINTER;
      LogPrint(LOG_ERROR, page.missingModuleLog, hr);
      return hr;
    }
    CComPtr<IConnectionPointContainer> container;
    hr = module->QueryInterface(&IID_IConnectionPointContainer, container.Out());
    if (FAILED(hr) || !container) {
      LogPrint(LOG_ERROR, page.missingModuleLog, FAILED(hr) ? hr : E_NOINTERFACE);
      return FAILED(hr) ? hr : E_NOINTERFACE;
    }
    if (!connection.point) hr = container->FindConnectionPoint(IID_IModuleEvents, &connection.point);
    container.Release();
    if (FAILED(hr) || !connection.point) {
      LogPrint(LOG_ERROR, page.missingModuleLog, FAILED(hr) ? hr : E_NOINTERFACE);
      return FAILED(hr) ? hr : E_NOINTERFACE;
    }
    hr = connection.point->Advise(reinterpret_cast<IUnknown*>(&m_eventSink), &connection.cookie);
    if (FAILED(hr)) {
      LogPrint(LOG_ERROR, page.missingModuleLog, hr);
      return hr;
    }
  }
  FlushUpdates();
  return hr;
}

HRESULT CCommandExecutive::ExitInstance() {
  LogPrint(LOG_TRACE, "Varno Reel Craft command ExitInstance!\n");
  m_pIPlayer = NULL;
  m_pIConverter = NULL;
  m_pIPhotoPreview = NULL;
  m_pIConfigEx = NULL;
  m_pITranslater = NULL;
  for (ModuleConnection& connection : m_connections) {
    if (connection.point) {
      if (connection.cookie) connection.point->Unadvise(connection.cookie);
      connection.point.Release();
      connection.cookie = 0;
    }
  }
  return S_OK;
}

int CCommandExecutive::IsControlEnabled(const char* name) {
  int row = FindRow(name);
  return row < 0 ? 0 : Table()[row].enabled;
}

INT_PTR CCommandExecutive::GetControlValue(const char* name) {
  int row = FindRow(name);
  if (row < 0) return -1;
  SkinCommandEntry& entry = Table()[row];
  if (IsTextControl(entry.name)) return reinterpret_cast<INT_PTR>(entry.text);
  return entry.value;
}

HRESULT CCommandExecutive::ExecuteSkinCommand(const char* name, int argument,
                                              SkinCommandParam* param) {
  LogPrint(LOG_TRACE, "Execute Skin Command!\n");
  int row = FindRow(name);
  if (row < 0) {
    LogPrint(LOG_WARNING, "Don't find control %s!\n", name ? name : "");
    return E_FAIL;
  }
  SkinCommandEntry& entry = Table()[row];
  entry.argument = argument;
  bool forced = param && param->nForce3 == 1 && param->nForce1 == 1 && param->nForce2 == 1;
  if (entry.handler && (entry.enabled || forced)) {
    m_pending.clear();
    // The row's own name is logged: the caller's may belong to a control
    // that the command destroyed (a skin reload).
    HRESULT hr = (this->*entry.handler)(name, argument, param);
    LogPrint(LOG_INFO, "Run control %s! hr=0x%x\n", entry.name, hr);
    return hr;
  }
  LogPrint(LOG_WARNING, "Don't enable control %s!\n", name);
  return E_FAIL;
}

HRESULT CCommandExecutive::ExecuteHotKeyCommand(int virtualKey) {
  LogPrint(LOG_TRACE, "Execute Hot Key Command!\n");
  SkinCommandEntry* rows = Table();
  int found = -1;
  for (int i = 0; i < TableSize() && found < 0; ++i) {
    if (rows[i].hotKey != virtualKey) continue;
    int modifier = rows[i].modifier;
    bool held = (modifier == VK_CONTROL || modifier == VK_SHIFT || modifier == VK_MENU)
                    ? g_keyDown(modifier)
                    : !g_keyDown(VK_CONTROL) && !g_keyDown(VK_SHIFT) && !g_keyDown(VK_MENU);
    if (held) found = i;
  }
  if (found < 0) {
    LogPrint(LOG_WARNING, "Don't find hot key %d!\n", virtualKey);
    return E_FAIL;
  }
  char title[260] = {0};
  HWND active = GetActiveWindow();
  if (active) GetWindowTextA(active, title, sizeof(title));
  if (strstr(title, "URL")) return 1;
  SkinCommandEntry& entry = rows[found];
  if (!entry.enabled) {
    LogPrint(LOG_WARNING, "Don't enable hot key %d!\n", virtualKey);
    return 1;
  }
  if (!entry.handler) return E_FAIL;
  m_pending.clear();
  HRESULT hr = (this->*entry.handler)(entry.name, entry.argument, NULL);
  LogPrint(LOG_INFO, "Run hot key %d! hr=0x%x\n", virtualKey, hr);
  return hr;
}

void CCommandExecutive::SetControlEnabled(const char* name, int enabled) {
  int row = FindRow(name);
  if (row < 0 || Table()[row].enabled == enabled) return;
  Table()[row].enabled = enabled;
  m_pending += Table()[row].name;
  m_pending += ",";
}

BOOL CCommandExecutive::SetControlValue(const char* name, int value) {
  int row = FindRow(name);
  if (row < 0) return FALSE;
  SkinCommandEntry& entry = Table()[row];
  if (lstrcmpiA(entry.name, "BrowseEdit") == 0) return TRUE;
  if (entry.value != value) {
    entry.value = value;
    m_pending += entry.name;
    m_pending += ",";
  }
  return TRUE;
}

BOOL CCommandExecutive::SetControlText(const char* name, const char* text) {
  if (!text) return FALSE;
  int row = FindRow(name);
  if (row < 0) return FALSE;
  SkinCommandEntry& entry = Table()[row];
  if (lstrcmpiA(entry.text, text) != 0) {
    lstrcpynA(entry.text, text, sizeof(entry.text));
    m_pending += entry.name;
    m_pending += ",";
  }
  return TRUE;
}

void CCommandExecutive::FlushUpdates() {
  CUncounted<ISkinUI> skinUI;
  if (SUCCEEDED(QueryModuleInterface(&CLSID_MainUIModule, &IID_ISkinUI, skinUI.Out())) && skinUI)
    skinUI->UpdateUI(m_pending.c_str());
  m_pending.clear();
}

void CCommandExecutive::UpdateButtonStates() {
  if (!m_pIConverter) return;
  bool idle = !m_bAddingFiles && !m_bConverting;
  int count = m_pIConverter->GetItemCount();
  int selected = m_pIConverter->GetSelectedCount();
  SetControlEnabled("AddFiles", idle);
  SetControlEnabled("DeleteFiles", idle && count > 0 && selected > 0);
  SetControlEnabled("SelectAll", idle && count > 0);
  SetControlEnabled("Convert", !m_bAddingFiles && count > 0);
  SetControlEnabled("Play", idle && m_pIPlayer && !m_pIPlayer->IsPlaying() && selected == 1);
  SetControlEnabled("Play_Progress",
                    m_pIPlayer && m_pIPlayer->IsPlaying() && m_pIPlayer->GetPosition());
  for (const char* name : {"OutputFormat", "Setting", "Browse", "OpenFolder", "Option"})
    SetControlEnabled(name, idle);
  for (int i = 0; i < kPageCount; ++i) SetControlEnabled(PageAt(i)->buttonName, idle);
  for (int i = 0; i < kPageCount; ++i)
    for (const PageValue* value = PageAt(i)->values; value->control; ++value)
      SetControlEnabled(value->control, idle);
  FlushUpdates();
}

std::string CCommandExecutive::GetConfigString(const char* name) {
  char buffer[260] = {0};
  if (m_pIConfigEx) m_pIConfigEx->GetString(name, buffer, sizeof(buffer), 0);
  buffer[sizeof(buffer) - 1] = 0;
  return buffer;
}

HRESULT CCommandExecutive::GetCurrentConverter() {
  LogPrint(LOG_TRACE, "Get Currrent Converter!\n");
  if (!m_pIConfigEx) return E_FAIL;
  RunCommand("UpdateBtnState");
  m_nCurrentPage = m_pIConfigEx->GetInt("ReelCraftLastPage", 0, 1);
  ShowPageFileSizeText();
  const PageInfo* page = PageAt(m_nCurrentPage);
  std::string path;
  int index = -1;
  int data = -1;
  HRESULT hr = E_FAIL;
  if (page) {
    hr = TakePageInterfaces(*page);
    if (FAILED(hr)) return hr;
    path = GetConfigString(page->savePathKey);
    index = m_pIConfigEx->GetInt(page->lastTypeIndexKey, 0, 1);
    data = m_pIConfigEx->GetInt(page->lastTypeDataKey, 0, 1);
    if (page->playerFolderType >= 0 && data == page->playerFolderType) {
      char player[260] = {0};
      if (m_pIConfigEx->GetString("GetPSPMP4Directory", player, sizeof(player), 0)) {
        player[sizeof(player) - 1] = 0;
        path = player;
      }
    }
    if (page->describeSettings) {
      char info[260];
      page->describeSettings(m_pIConfigEx, info, sizeof(info));
      SetControlText(page->settingsInfoControl, info);
    }
    for (const PageValue* value = page->values; value->control; ++value)
      SetControlValue(value->control, m_pIConfigEx->GetInt(value->key, 0, 1));
  }
  m_pIConfigEx->SetString("CurrentSavePath", path.c_str(), 0);
  m_pIConfigEx->SetInt("CurrentLastOutputTypeIndex", index, 0);
  m_pIConfigEx->SetInt("CurrentLastOutputTypeData", data, 0);
  SetControlValue("OutputFormat", index);
  SetControlText("BrowseEdit", path.c_str());
  LogPrint(LOG_TRACE, "Get Currrent Converter param = %s!\n", m_pending.c_str());
  FlushUpdates();
  RunCommand("UpdateBtnState");
  return hr;
}

// A failed query returns at once and leaves the later interfaces as they were.
HRESULT CCommandExecutive::TakePageInterfaces(const PageInfo& page) {
  HRESULT hr = S_OK;
  if (page.hasPlayer) {
    hr = QueryModuleInterface(page.moduleId, &IID_IPlayer, m_pIPlayer.Out());
    if (FAILED(hr)) return hr;
  }
  hr = QueryModuleInterface(page.moduleId, &IID_IConverter, m_pIConverter.Out());
  if (FAILED(hr)) return hr;
  if (page.hasPreview) {
    hr = QueryModuleInterface(page.moduleId, &IID_IPhotoPreview, m_pIPhotoPreview.Out());
    if (FAILED(hr)) return hr;
  }
  // A module without a player: a preview of another page must not be driven
  // from this page.
  if (!page.hasPlayer) m_pIPlayer = NULL;
  return hr;
}

HWND CCommandExecutive::MainWindow() const {
  CWinFxApp* app = WinFxGetApp();
  return app ? app->GetMainWnd() : NULL;
}

HWND CCommandExecutive::OwnerFor(const SkinCommandParam* param) const {
  return param && param->hWnd ? param->hWnd : MainWindow();
}

int CCommandExecutive::ShowMessageBox(const char* text, const char* caption, UINT flags) {
  // The texts are cut to what a 260-character buffer holds.
  const AppBoxRules kExecutiveBoxes = {259, false};
  return ShowAppBox(MainWindow(), m_pITranslater, m_pIConfigEx, text, caption, flags,
                    kExecutiveBoxes);
}

HRESULT CCommandExecutive::RunCommand(const char* name, INT_PTR force3, INT_PTR force1,
                                      INT_PTR force2) {
  SkinCommandParam param = {};
  param.nForce3 = force3;
  param.nForce1 = force1;
  param.nForce2 = force2;
  return ExecuteSkinCommand(name, 0, &param);
}

HRESULT CCommandExecutive::RunCommand(const char* name) { return ExecuteSkinCommand(name, 0, NULL); }

// The interface parts forward to the one object and its one count.
HRESULT CCommandExecutive::CSkinCommandPart::QueryInterface(const IID* iid, void** out) {
  return m_pOwner->QueryInterface(iid, out);
}
ULONG CCommandExecutive::CSkinCommandPart::AddRef() { return m_pOwner->AddRef(); }
ULONG CCommandExecutive::CSkinCommandPart::Release() { return m_pOwner->Release(); }
int CCommandExecutive::CSkinCommandPart::IsControlEnabled(const char* name) {
  return CallAtBorder("Varno Reel Craft command state", 0,
                      [&] { return m_pOwner->IsControlEnabled(name); });
}
INT_PTR CCommandExecutive::CSkinCommandPart::GetControlValue(const char* name) {
  return CallAtBorder("Varno Reel Craft command value", static_cast<INT_PTR>(-1),
                      [&] { return m_pOwner->GetControlValue(name); });
}
HRESULT CCommandExecutive::CSkinCommandPart::ExecuteSkinCommand(const char* name, int argument,
                                                                SkinCommandParam* param) {
  return HResultAtBorder("Varno Reel Craft command",
                         [&] { return m_pOwner->ExecuteSkinCommand(name, argument, param); });
}
HRESULT CCommandExecutive::CSkinCommandPart::ExecuteHotKeyCommand(int virtualKey, int, int, int) {
  return HResultAtBorder("Varno Reel Craft hot key",
                         [&] { return m_pOwner->ExecuteHotKeyCommand(virtualKey); });
}

HRESULT CCommandExecutive::CEventSinkPart::QueryInterface(const IID* iid, void** out) {
  return m_pOwner->QueryInterface(iid, out);
}
ULONG CCommandExecutive::CEventSinkPart::AddRef() { return m_pOwner->AddRef(); }
ULONG CCommandExecutive::CEventSinkPart::Release() { return m_pOwner->Release(); }
HRESULT CCommandExecutive::CEventSinkPart::OnModuleEvent(const GUID* moduleId, int code, INT_PTR p1,
                                                         INT_PTR p2, INT_PTR p3) {
  return HResultAtBorder("Varno Reel Craft module event",
                         [&] { return m_pOwner->OnModuleEvent(moduleId, code, p1, p2, p3); });
}
