#include "app/MainUIModule.h"

#include <string.h>

#include "base/LogClient.h"
#include "include/VarnoGuids.h"
#include "include/VarnoViewNames.h"
#include "ui/AppDialogIds.h"
#include "winfx/WinApp.h"

namespace {

enum { kViewNameRoom = 128 };

// Which module makes a view; NULL: a converter page that this module makes.
struct ViewOwner {
  const char* view;
  const GUID* module;
};

const ViewOwner kViewOwners[] = {
    {kVideoTaskListViewName, &CLSID_VideoModule},
    {kVideoPlaybackViewName, &CLSID_VideoModule},
    {kMusicTaskListViewName, &CLSID_MusicModule},
    {kMusicPlaybackViewName, &CLSID_MusicModule},
    {kPhotoTaskListViewName, &CLSID_PhotoModule},
    {kPhotoWndViewName, &CLSID_PhotoModule},
    {"VideoConverterDialog", NULL},
    {"MusicConverterDialog", NULL},
    {"StillCastDialog", NULL},
};

}  // namespace

CMainUIModule::CMainUIModule()
    : m_factoryPart(this), m_skinUIPart(this), m_commandPart(this), m_hMainWnd(NULL) {}

CMainUIModule::~CMainUIModule() {
  // The pages go with the main window, through this module's factory.
  if (m_mainDialog.m_hWnd) m_mainDialog.DestroyWindow();
}

HRESULT CMainUIModule::QueryInterface(const IID* iid, void** out) {
  if (!out) return E_POINTER;
  if (VrcSameGuid(iid, &IID_ISkinUI)) {
    *out = static_cast<ISkinUI*>(&m_skinUIPart);
    return S_OK;
  }
  if (VrcSameGuid(iid, &IID_IViewFactory)) {
    *out = static_cast<IViewFactory*>(&m_factoryPart);
    return S_OK;
  }
  return E_NOINTERFACE;
}

void CMainUIModule::HandPartners(CSkinAppDialog& dialog) {
  dialog.SetSkinCommand(&m_commandPart);
  dialog.SetViewFactory(&m_factoryPart);
  dialog.SetConfig(m_pIConfigEx);
  dialog.SetTranslator(m_pITranslater);
}

HRESULT CMainUIModule::InitInstance() {
  HRESULT hr = QueryModuleInterface(&CLSID_CommandExecutive, &IID_ISkinCommand, m_pISkinCommand.Out());
  CUncounted<IModule> config;
  HRESULT found = GetHostObject(&CLSID_ConfigModule, config.Out());
  hr |= found;
  if (SUCCEEDED(found) && config) {
    hr |= config->QueryInterface(&IID_IVarnoConfigEx, m_pIConfigEx.Out());
    hr |= config->QueryInterface(&IID_ILanguageTranslater, m_pITranslater.Out());
  }
  HandPartners(m_mainDialog);
  if (m_mainDialog.CreateFromTemplate(IDD_MAIN_WINDOW)) {
    m_hMainWnd = m_mainDialog.GetConverterView()->GetViewWnd();
    if (CWinFxApp* app = WinFxGetApp()) app->SetMainWnd(m_hMainWnd);
  } else {
    LogPrint(LOG_ERROR, "Varno Reel Craft main window not made! error=%lu\n", GetLastError());
  }
  LogPrint(LOG_TRACE, "Varno Reel Craft UI InitInstance! hr=0x%x\n", hr);
  return S_OK;
}

HRESULT CMainUIModule::ExitInstance() {
  if (m_mainDialog.m_hWnd) m_mainDialog.DestroyWindow();
  m_hMainWnd = NULL;
  LogPrint(LOG_TRACE, "Varno Reel Craft UI ExitInstance!\n");
  return S_OK;
}

HRESULT CMainUIModule::FindViewFactory(const char* viewName, IViewFactory** factory) {
  *factory = NULL;
  LogPrint(LOG_TRACE, "Varno Reel Craft find UI %s!\n", viewName ? viewName : "");
  if (!viewName) return E_FAIL;
  for (const ViewOwner& owner : kViewOwners) {
    if (lstrcmpiA(owner.view, viewName) != 0) continue;
    if (!owner.module) return S_OK;
    CUncounted<IModule> module;
    HRESULT hr = GetHostObject(owner.module, module.Out());
    if (SUCCEEDED(hr) && module) hr = module->QueryInterface(&IID_IViewFactory, reinterpret_cast<void**>(factory));
    else if (SUCCEEDED(hr)) hr = E_NOINTERFACE;
    LogPrint(LOG_TRACE, "Varno Reel Craft find UICtrl! hr=0x%x\n", hr);
    return hr;
  }
  return E_FAIL;
}

HRESULT CMainUIModule::CreateView(const char* viewName, HWND parent, const RECT* rect,
                                  const char* skinData, IConverterView** out) {
  LogPrint(LOG_TRACE, "Varno Reel Craft UI create view!\n");
  if (!out || !rect) return E_POINTER;
  *out = NULL;
  // The module views' factories are theirs, held uncounted like every
  // interface the modules hand each other.
  IViewFactory* factory = NULL;
  HRESULT hr = FindViewFactory(viewName, &factory);
  if (FAILED(hr)) {
    LogPrint(LOG_ERROR, "Don't find view %s! hr=0x%x\n", viewName ? viewName : "", hr);
    return hr;
  }
  if (factory) {
    hr = factory->CreateView(viewName, parent, rect, skinData, out);
    LogPrint(LOG_TRACE, "Varno Reel Craft UI create View! hr=0x%x\n", hr);
    return hr;
  }
  LogPrint(LOG_TRACE, "Varno Reel Craft UI create dialog!\n");
  if (!parent || !CWnd::FromHandle(parent)) return E_INVALIDARG;
  std::unique_ptr<CSkinAppDialog> page(new CSkinAppDialog(IDD_SKIN_APP_PAGE, parent));
  HandPartners(*page);
  if (!page->CreateInParent(*rect, parent, skinData, IDD_SKIN_APP_PAGE)) return E_FAIL;
  page->ApplySkin(viewName);
  MoveWindow(*page, rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top, TRUE);
  *out = page->GetConverterView();
  m_pages.push_back(std::move(page));
  return S_OK;
}

HRESULT CMainUIModule::DestroyView(IConverterView* view) {
  if (!view) return E_POINTER;
  LogPrint(LOG_TRACE, "Varno Reel Craft UI destroy view!\n");
  char name[kViewNameRoom] = {0};
  HRESULT hr = view->GetViewName(name, kViewNameRoom - 1);
  if (FAILED(hr)) {
    LogPrint(LOG_ERROR, "Don't find view name %s! hr=0x%x\n", name, hr);
    return hr;
  }
  IViewFactory* factory = NULL;
  hr = FindViewFactory(name, &factory);
  if (FAILED(hr)) {
    LogPrint(LOG_ERROR, "Don't find view %s! hr=0x%x\n", name, hr);
    return hr;
  }
  if (factory) {
    hr = factory->DestroyView(view);
    LogPrint(LOG_TRACE, "Varno Reel Craft UI destroy View! hr=0x%x\n", hr);
    return hr;
  }
  LogPrint(LOG_TRACE, "Varno Reel Craft UI destroy dialog!\n");
  for (size_t i = 0; i < m_pages.size(); ++i) {
    if (m_pages[i]->GetConverterView() != view) continue;
    // Out of the list first: the page's destruction comes back here for
    // nothing, but must not find itself half gone.
    std::unique_ptr<CSkinAppDialog> page = std::move(m_pages[i]);
    m_pages.erase(m_pages.begin() + static_cast<std::ptrdiff_t>(i));
    if (page->m_hWnd) page->DestroyWindow();
    return S_OK;
  }
  return E_INVALIDARG;
}

void CMainUIModule::UpdateUI(const char* names) {
  m_mainDialog.UpdateUI(names, 1);
  LogPrint(LOG_TRACE, "Varno Reel Craft update UI %s!\n", names ? names : "");
}

void CMainUIModule::ReloadSkin() {
  if (!m_mainDialog.m_hWnd) return;
  ShowWindow(m_mainDialog, SW_HIDE);
  m_mainDialog.ReloadSkin();
  ShowWindow(m_mainDialog, SW_SHOW);
}

BOOL CMainUIModule::PreTranslateMessage(MSG* msg) {
  if (!msg || msg->message < WM_KEYFIRST || msg->message > WM_KEYLAST) return FALSE;
  if (!m_hMainWnd || msg->hwnd != m_hMainWnd) return FALSE;
  if (msg->message != WM_KEYUP && msg->message != WM_SYSKEYUP) return FALSE;
  if (!m_pISkinCommand) return FALSE;
  return m_pISkinCommand->ExecuteHotKeyCommand(static_cast<int>(msg->wParam), 0, 0, 0) >= 0;
}

int CMainUIModule::IsControlEnabled(const char* name) {
  // The windows run these themselves: an object, a period and an operation.
  if (name && strchr(name, '.')) return 1;
  return m_pISkinCommand ? m_pISkinCommand->IsControlEnabled(name) : 0;
}

INT_PTR CMainUIModule::GetControlValue(const char* name) {
  return m_pISkinCommand ? m_pISkinCommand->GetControlValue(name) : -1;
}

HRESULT CMainUIModule::ExecuteSkinCommand(const char* name, int argument, SkinCommandParam* param) {
  if (m_mainDialog.m_hWnd && m_mainDialog.ShowConverterPage(name)) return S_OK;
  return m_pISkinCommand ? m_pISkinCommand->ExecuteSkinCommand(name, argument, param) : E_FAIL;
}

HRESULT CMainUIModule::ExecuteHotKeyCommand(int virtualKey, int a, int b, int c) {
  return m_pISkinCommand ? m_pISkinCommand->ExecuteHotKeyCommand(virtualKey, a, b, c) : E_FAIL;
}
