#include "modules/framework/views/ConversionModule.h"

#include <stdio.h>

#include "base/LogClient.h"
#include "base/MessagePump.h"
#include "base/Paths.h"
#include "modules/framework/views/TaskListRows.h"
#include <SkinScrollBar.h>

namespace {

// The folder of the running program's file, without the last backslash.
std::string ProgramFolderWithoutSlash() {
  std::string folder = ModuleFolder();
  if (!folder.empty()) folder.erase(folder.size() - 1);
  return folder;
}

}  // namespace

LRESULT CTaskListHolder::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NOTIFY) {
    LRESULT handled = SkinSB_ParentWndProc(m_hWnd, message, wParam, lParam);
    if (handled) return handled;
  }
  return CWnd::WindowProc(message, wParam, lParam);
}

CConversionModule::CConversionModule(CTaskList& taskList)
    : m_taskList(taskList), m_bConverting(false), m_pRunner(NULL), m_pRunningRows(NULL) {}

CConversionModule::~CConversionModule() { FreeTaskListView(); }

BOOL CConversionModule::QueryCommonInterface(const IID* iid, void** out, HRESULT* hr) {
  *hr = S_OK;
  if (IsEqualIID(*iid, IID_IViewFactory)) {
    *out = static_cast<IViewFactory*>(this);
  } else if (IsEqualIID(*iid, IID_IConverter)) {
    *out = static_cast<IConverter*>(this);
  } else if (IsEqualIID(*iid, IID_VrcConnectionPointContainer)) {
    *hr = QueryContainer(iid, out);
  } else {
    return FALSE;
  }
  return TRUE;
}

HRESULT CConversionModule::QueryConfigModule(const IID* iid, void** out) {
  IModule* config = NULL;
  HRESULT hr = GetHostObject(&CLSID_ConfigModule, reinterpret_cast<void**>(&config));
  if (FAILED(hr)) return hr;
  if (!config) return E_POINTER;
  hr = config->QueryInterface(iid, out);
  if (SUCCEEDED(hr) && !*out) return E_NOINTERFACE;
  return hr;
}

HRESULT CConversionModule::InitConverterManager() {
  IVarnoConfigEx* config = NULL;
  HRESULT hr = QueryConfigModule(&IID_IVarnoConfigEx, reinterpret_cast<void**>(&config));
  if (FAILED(hr)) return hr;
  char folder[MAX_PATH] = "";
  config->GetString("InstallDirectory", folder, sizeof(folder), 0);
  std::string install = folder[0] ? std::string(folder) : ProgramFolderWithoutSlash();
  m_manager.SetConfig(config);
  if (!m_manager.Init(install.c_str())) return E_FAIL;
  m_taskList.SetConfig(config);
  m_taskList.SetConverterManager(&m_manager);
  return S_OK;
}

HRESULT CConversionModule::CreateTaskListView(std::unique_ptr<CTaskListView> view, HWND hParent,
                                              const RECT* rect, const char* skinData,
                                              IConverterView** out) {
  if (!out) return E_POINTER;
  if (m_pTaskListView) return E_FAIL;  // one task list per module
  m_pHolder.reset(new CTaskListHolder());
  m_pTaskListView = std::move(view);
  if (!m_pHolder->Create(NULL, NULL, WS_CHILD | WS_VISIBLE, *rect, hParent,
                         CTaskListHolder::kControlId)) {
    FreeTaskListView();
    return E_FAIL;
  }
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

void CConversionModule::FreeTaskListView() {
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

HRESULT CConversionModule::DestroyView(IConverterView* view) {
  if (!view) return E_POINTER;
  HRESULT hr = CConverterModuleBase::DestroyView(view);
  if (m_pTaskListView && view == static_cast<IConverterView*>(m_pTaskListView.get()))
    FreeTaskListView();
  return hr;
}

int CConversionModule::FirstSelectedRow() const {
  if (!m_pTaskListView) return -1;
  return m_pTaskListView->ListView().GetNextSelected();
}

int CConversionModule::Convert() {
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

int CConversionModule::RunBatch(CConvertRunner& runner, ILanguageTranslater* translator,
                                IVarnoConfigEx* config) {
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

int CConversionModule::StopConvert(int force) {
  // Only a running batch can be stopped.
  return m_pRunner ? m_pRunner->ConfirmAbort(force) : 0;
}

int CConversionModule::AddFile(const char* path) {
  CTaskRecord* task = m_taskList.AddFile(path);
  if (!task) return m_taskList.ProbeUnanswered() ? kAddFileNoAnswer : 0;
  // Without a view yet the task waits: CreateView shows every task.
  if (m_pTaskListView) m_pTaskListView->AddTaskRow(task);
  PumpMessages();
  return 1;
}

int CConversionModule::DeleteFiles() {
  if (!m_pTaskListView) return 0;
  for (int row = FirstSelectedRow(); row >= 0; row = FirstSelectedRow()) {
    m_pTaskListView->ListView().DeleteItem(row);
    m_taskList.DeleteTasks(row, 1);
  }
  return 0;
}

int CConversionModule::GetItemCount() {
  return m_pTaskListView ? m_pTaskListView->ListView().GetItemCount() : 0;
}

int CConversionModule::GetSelectedCount() {
  return m_pTaskListView ? m_pTaskListView->ListView().GetSelectedCount() : 0;
}

std::string CConversionModule::TranslatedMiscText(const char* text) {
  char translated[260] = "";
  lstrcpynA(translated, text, sizeof(translated));
  ILanguageTranslater* translator = NULL;
  if (SUCCEEDED(QueryConfigModule(&IID_ILanguageTranslater, reinterpret_cast<void**>(&translator)))) {
    translator->TranslateString(translated, "MiscStrings");
    translated[sizeof(translated) - 1] = '\0';
  }
  return translated;
}

const std::string& CConversionModule::RebuildFileSizeText() {
  m_fileSizeText = TranslatedMiscText("File Size:");
  CTaskRecord* task = m_taskList.GetTask(FirstSelectedRow());
  ULONGLONG bytes = 0;
  if (task && GetFileSizeOf(task->sourcePath, &bytes)) {
    char text[32];
    snprintf(text, sizeof(text), " %.1fMB", static_cast<double>(bytes) / 1048576.0);
    m_fileSizeText += text;
  }
  return m_fileSizeText;
}

int CConversionModule::UpdateOutputNames() { return m_taskList.UpdateOutputNames(); }

int CConversionModule::ApplyOutputSettings() { return m_taskList.ApplyOutputType(); }
