#include "modules/video/VideoModule.h"

#include <stdio.h>
#include <string.h>

#include "base/LogClient.h"
#include "base/MessagePump.h"
#include "base/Paths.h"
#include "modules/framework/player/DirectShowPlayer.h"
#include "modules/video/PlaybackView.h"
#include <SkinScrollBar.h>
#include "include/VarnoModuleEvents.h"
#include "include/VarnoViewNames.h"
#include "modules/framework/views/TaskListRows.h"
#include "modules/video/VideoConvertRunner.h"
#include "modules/video/VideoTaskListView.h"

namespace {

// The folder of the running program's file, without the last backslash.
std::string ProgramFolder() {
  std::string folder = ModuleFolder();
  if (!folder.empty()) folder.erase(folder.size() - 1);
  return folder;
}

}  // namespace

LRESULT CListHolderWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NOTIFY) {
    LRESULT handled = SkinSB_ParentWndProc(m_hWnd, message, wParam, lParam);
    if (handled) return handled;
  }
  return CWnd::WindowProc(message, wParam, lParam);
}

CVideoModule::CVideoModule() : m_bConverting(false), m_pRunner(NULL), m_pRunningRows(NULL) {
  m_moduleId = CLSID_VideoModule;
}

CVideoModule::~CVideoModule() {
  FreeTaskListView();
  FreePlaybackView();
  m_pPlayer.reset();
}

HRESULT CVideoModule::QueryInterface(const IID* iid, void** out) {
  if (!out) return E_POINTER;
  if (!iid) return E_NOINTERFACE;
  if (IsEqualIID(*iid, IID_IViewFactory)) {
    *out = static_cast<IViewFactory*>(this);
  } else if (IsEqualIID(*iid, IID_IConverter)) {
    *out = static_cast<IConverter*>(this);
  } else if (IsEqualIID(*iid, IID_IPlayer)) {
    *out = static_cast<IPlayer*>(this);
  } else if (IsEqualIID(*iid, IID_VrcConnectionPointContainer)) {
    return QueryContainer(iid, out);
  } else {
    return E_NOINTERFACE;
  }
  return S_OK;
}

// ---- life cycle ----

HRESULT CVideoModule::InitInstance() {
  LogInitialize(WinFxModuleInstance());
  LogPrint(LOG_TRACE, "MP4 converter InitInstance!\n");
  if (!m_pPlayer) {
    m_pPlayer.reset(new CDirectShowPlayer());
    m_pPlayer->Init();
  }
  HRESULT hr = InitConverterManager();
  if (FAILED(hr)) {
    LogPrint(LOG_WARNING, "Fail to MP4 converter manager! hr=0x%x\n", static_cast<unsigned>(hr));
    return hr;
  }
  return S_OK;
}

HRESULT CVideoModule::QueryConfigModule(const IID* iid, void** out) {
  IModule* config = NULL;
  HRESULT hr = GetHostObject(&CLSID_ConfigModule, reinterpret_cast<void**>(&config));
  if (FAILED(hr)) return hr;
  if (!config) return E_POINTER;
  hr = config->QueryInterface(iid, out);
  if (SUCCEEDED(hr) && !*out) return E_NOINTERFACE;
  return hr;
}

HRESULT CVideoModule::InitConverterManager() {
  LogPrint(LOG_TRACE, "Init MP4 converter manager!\n");
  IVarnoConfigEx* config = NULL;
  HRESULT hr = QueryConfigModule(&IID_IVarnoConfigEx, reinterpret_cast<void**>(&config));
  if (FAILED(hr)) return hr;
  char folder[MAX_PATH] = "";
  config->GetString("InstallDirectory", folder, sizeof(folder), 0);
  std::string install = folder[0] ? std::string(folder) : ProgramFolder();
  m_manager.SetConfig(config);
  if (!m_manager.Init(install.c_str())) {
    LogPrint(LOG_WARNING, "Fail to init MP4 converter manager!\n");
    return E_FAIL;
  }
  m_taskList.SetConfig(config);
  m_taskList.SetConverterManager(&m_manager);
  return S_OK;
}

HRESULT CVideoModule::ExitInstance() {
  if (m_pPlayer) {
    if (m_pPlayer->IsPlaying()) m_pPlayer->CloseGraph();
    m_pPlayer->Cleanup();
    m_pPlayer.reset();
  }
  LogPrint(LOG_TRACE, "MP4 converter ExitInstance!\n");
  LogRelease();
  return S_OK;
}

// ---- views ----

HRESULT CVideoModule::CreateView(const char* viewName, HWND hParent, const RECT* rect,
                                 const char* skinData, IConverterView** out) {
  if (!viewName || !hParent || !rect) return E_INVALIDARG;
  HRESULT hr = S_OK;
  if (lstrcmpiA(viewName, kVideoTaskListViewName) == 0)
    hr = CreateTaskListView(hParent, rect, skinData, out);
  else if (lstrcmpiA(viewName, kVideoPlaybackViewName) == 0)
    hr = CreatePlaybackView(hParent, rect, out);
  // A failed creation is reported by its own code and leaves nothing behind.
  if (FAILED(hr)) return hr;
  return CConverterModuleBase::CreateView(viewName, hParent, rect, skinData, out);
}

HRESULT CVideoModule::CreateTaskListView(HWND hParent, const RECT* rect, const char* skinData,
                                         IConverterView** out) {
  if (!out) return E_POINTER;
  if (m_pTaskListView) return E_FAIL;  // one task list per module
  m_pHolder.reset(new CListHolderWnd());
  if (!m_pHolder->Create(NULL, NULL, WS_CHILD | WS_VISIBLE, *rect, hParent,
                         CListHolderWnd::kControlId)) {
    FreeTaskListView();
    return E_FAIL;
  }
  m_pTaskListView.reset(new CVideoTaskListView());
  RECT client;
  GetClientRect(m_pHolder->m_hWnd, &client);
  if (!m_pTaskListView->Create(&client, m_pHolder->m_hWnd, skinData)) {
    FreeTaskListView();
    return E_FAIL;
  }

  IModule* configModule = NULL;
  HRESULT hr = GetHostObject(&CLSID_ConfigModule, reinterpret_cast<void**>(&configModule));
  if (SUCCEEDED(hr) && configModule) {
    IVarnoConfigEx* config = NULL;
    ILanguageTranslater* translator = NULL;
    hr = configModule->QueryInterface(&IID_IVarnoConfigEx, reinterpret_cast<void**>(&config));
    if (SUCCEEDED(hr))
      hr = configModule->QueryInterface(&IID_ILanguageTranslater,
                                        reinterpret_cast<void**>(&translator));
    if (FAILED(hr)) {
      FreeTaskListView();
      return hr;
    }
    m_pTaskListView->SetConfig(config);
    m_pTaskListView->SetTranslator(translator);
    m_pTaskListView->SetNotify(static_cast<IModuleNotify*>(this));
  }
  if (!m_pTaskListView->ApplySkin(NULL)) {
    FreeTaskListView();
    return E_FAIL;
  }
  for (int i = 0; i < m_taskList.GetCount(); ++i)
    m_pTaskListView->AddTaskRow(m_taskList.GetTask(i));
  // A batch that runs on (the view was re-created during it) shows its tasks here.
  if (m_pRunningRows) m_pRunningRows->SetView(m_pTaskListView.get());
  *out = static_cast<IConverterView*>(m_pTaskListView.get());
  return S_OK;
}

HRESULT CVideoModule::CreatePlaybackView(HWND hParent, const RECT* rect, IConverterView** out) {
  if (!out) return E_POINTER;
  if (m_pPlaybackView) return E_FAIL;  // one playback window per module
  m_pPlaybackView.reset(new CPlaybackView());
  if (!m_pPlaybackView->Create(rect, hParent, NULL)) {
    FreePlaybackView();
    return E_FAIL;
  }
  m_pPlaybackView->SetNotify(static_cast<IModuleNotify*>(this));
  if (m_pPlayer) m_pPlayer->SetOwner(m_pPlaybackView->m_hWnd);
  *out = static_cast<IConverterView*>(m_pPlaybackView.get());
  return S_OK;
}

void CVideoModule::FreeTaskListView() {
  // A running batch (this call came through its message pump) lets go first.
  if (m_pRunningRows) m_pRunningRows->SetView(NULL);
  // The list's window goes through its own class before the object does.
  if (m_pTaskListView) m_pTaskListView->DestroyWindow();
  m_pTaskListView.reset();
  if (m_pHolder) {
    m_pHolder->DestroyWindow();
    m_pHolder.reset();
  }
}

void CVideoModule::FreePlaybackView() {
  if (m_pPlaybackView) {
    if (m_pPlayer && m_pPlayer->GetOwner() == m_pPlaybackView->m_hWnd) {
      // The graph must not outlive its window: stopped and released, its
      // video window no longer a child and its events no longer sent here.
      m_pPlayer->Cleanup();
      m_pPlayer->SetOwner(NULL);
    }
    m_pPlaybackView->DestroyWindow();
    m_pPlaybackView.reset();
  }
}

HRESULT CVideoModule::DestroyView(IConverterView* view) {
  if (!view) return E_POINTER;
  HRESULT hr = CConverterModuleBase::DestroyView(view);
  // Only the module's own views are freed, whatever else is handed in.
  if (m_pTaskListView && view == static_cast<IConverterView*>(m_pTaskListView.get()))
    FreeTaskListView();
  else if (m_pPlaybackView && view == static_cast<IConverterView*>(m_pPlaybackView.get()))
    FreePlaybackView();
  return hr;
}

// ---- task list and conversion ----

int CVideoModule::FirstSelectedRow() const {
  if (!m_pTaskListView) return -1;
  return m_pTaskListView->ListView().GetNextSelected();
}

int CVideoModule::Convert() {
  ILanguageTranslater* translator = NULL;
  IVarnoConfigEx* config = NULL;
  if (FAILED(QueryConfigModule(&IID_ILanguageTranslater, reinterpret_cast<void**>(&translator))) ||
      FAILED(QueryConfigModule(&IID_IVarnoConfigEx, reinterpret_cast<void**>(&config))))
    return 0;
  if (m_bConverting) return 0;  // a batch is already running further up the stack
  m_bConverting = true;
  int result = RunConversion(translator, config);
  m_bConverting = false;
  return result;
}

int CVideoModule::RunConversion(ILanguageTranslater* translator, IVarnoConfigEx* config) {
  CVideoConvertRunner runner;
  CTaskListRows rows(m_pTaskListView.get());
  runner.SetTaskList(&m_taskList);
  runner.SetConverterManager(&m_manager);
  runner.SetListControl(m_pTaskListView ? &rows : NULL);
  runner.SetNotify(static_cast<IModuleNotify*>(this));
  runner.SetTranslator(translator);
  runner.SetConfig(config);
  m_pRunner = &runner;
  if (m_pTaskListView) m_pRunningRows = &rows;
  int result = runner.Run();
  m_pRunningRows = NULL;
  m_pRunner = NULL;
  return result;
}

int CVideoModule::StopConvert(int force) {
  // Only a running batch can be stopped.
  return m_pRunner ? m_pRunner->ConfirmAbort(force) : 0;
}

int CVideoModule::AddFile(const char* path) {
  CTaskRecord* task = m_taskList.AddFile(path);
  if (!task) return 0;
  // Without a view yet the task waits: CreateView shows every task.
  if (m_pTaskListView) m_pTaskListView->AddTaskRow(task);
  PumpMessages();
  return 1;
}

int CVideoModule::DeleteFiles() {
  if (!m_pTaskListView) return 0;
  for (int row = FirstSelectedRow(); row >= 0; row = FirstSelectedRow()) {
    m_pTaskListView->ListView().DeleteItem(row);
    m_taskList.DeleteTasks(row, 1);
  }
  return 0;
}

int CVideoModule::GetItemCount() {
  return m_pTaskListView ? m_pTaskListView->ListView().GetItemCount() : 0;
}

int CVideoModule::GetSelectedCount() {
  return m_pTaskListView ? m_pTaskListView->ListView().GetSelectedCount() : 0;
}

int CVideoModule::UpdateOutputNames() { return m_taskList.UpdateOutputNames(); }

int CVideoModule::ApplyOutputSettings() { return m_taskList.ApplyOutputType(); }

// ---- preview playback ----

HRESULT CVideoModule::Play() {
  if (!m_pPlayer || !m_pTaskListView) return E_FAIL;
  int row = FirstSelectedRow();
  if (row < 0) return E_FAIL;
  CTaskRecord* task = m_taskList.GetTask(row);
  if (!task || !m_pPlayer->PlayFile(task->sourcePath.c_str())) return E_FAIL;
  Notify(MEV_PLAY_STARTING, 0, 0, 0);
  if (m_pPlaybackView) ShowWindow(m_pPlaybackView->m_hWnd, SW_SHOW);
  return S_OK;
}

HRESULT CVideoModule::Stop() {
  if (!m_pPlayer) return E_FAIL;
  // A graph that refused to stop is released and playback is over all the
  // same: the window goes out of sight in both cases.
  BOOL stopped = m_pPlayer->CloseGraph();
  if (m_pPlaybackView) ShowWindow(m_pPlaybackView->m_hWnd, SW_HIDE);
  return stopped ? S_OK : E_FAIL;
}

HRESULT CVideoModule::HandleGraphEvent() {
  return m_pPlayer ? m_pPlayer->HandleGraphEvents() : E_FAIL;
}

BOOL CVideoModule::IsPlaying() { return m_pPlayer ? m_pPlayer->IsPlaying() : FALSE; }

BOOL CVideoModule::GetPosition() { return m_pPlayer ? m_pPlayer->RefreshDuration() : FALSE; }

BOOL CVideoModule::Seek(int percent) {
  if (!m_pPlayer || percent < 0 || percent > 100) return FALSE;
  return m_pPlayer->Seek(percent);
}

// ---- events of the module's own components ----

BOOL CVideoModule::Notify(int code, INT_PTR p1, INT_PTR p2, INT_PTR p3) {
  if (code == MEV_PLAY_PROGRESS) {
    p1 = m_pPlayer ? m_pPlayer->GetPosition() : 0;
    m_positionText = m_pPlayer ? m_pPlayer->GetPositionText() : std::string();
    p2 = reinterpret_cast<INT_PTR>(m_positionText.c_str());
  } else if (code == MEV_MEDIA_INFO) {
    RebuildMediaInfoTexts();
    p2 = reinterpret_cast<INT_PTR>(m_fileSizeText.c_str());
    p3 = reinterpret_cast<INT_PTR>(m_videoSizeText.c_str());
  }
  return SUCCEEDED(FireModuleEvent(code, p1, p2, p3));
}

void CVideoModule::RebuildMediaInfoTexts() {
  if (!m_pTaskListView) return;
  char fileSize[260] = "File Size:";
  char videoSize[260] = "Video Size:";
  ILanguageTranslater* translator = NULL;
  if (SUCCEEDED(QueryConfigModule(&IID_ILanguageTranslater, reinterpret_cast<void**>(&translator)))) {
    translator->TranslateString(fileSize, "MiscStrings");
    translator->TranslateString(videoSize, "MiscStrings");
    fileSize[sizeof(fileSize) - 1] = videoSize[sizeof(videoSize) - 1] = '\0';
  }
  m_fileSizeText = fileSize;
  m_videoSizeText = videoSize;

  CTaskRecord* task = m_taskList.GetTask(FirstSelectedRow());
  if (!task) return;
  ULONGLONG bytes = 0;
  if (GetFileSizeOf(task->sourcePath, &bytes)) {
    char text[32];
    snprintf(text, sizeof(text), " %.1fMB", static_cast<double>(bytes) / 1048576.0);
    m_fileSizeText += text;
  }
  if (task->sourceWidth && task->sourceHeight) {
    char text[32];
    snprintf(text, sizeof(text), " %dx%d", task->sourceWidth, task->sourceHeight);
    m_videoSizeText += text;
  }
}
