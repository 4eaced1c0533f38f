#include "modules/music/MusicModule.h"

#include "base/LogClient.h"
#include "include/VarnoModuleEvents.h"
#include "include/VarnoViewNames.h"
#include "modules/music/MusicConvertRunner.h"
#include "modules/music/MusicPlaybackView.h"
#include "modules/music/MusicSettings.h"
#include "modules/music/MusicTaskListView.h"
#include "winfx/WinApp.h"

CMusicModule::CMusicModule() : CPlaybackModule(m_musicTasks, false) {
  m_moduleId = CLSID_MusicModule;
}

HRESULT CMusicModule::QueryInterface(const IID* iid, void** out) {
  if (!out) return E_POINTER;
  HRESULT hr = E_NOINTERFACE;
  if (!iid || !QueryPlaybackInterface(iid, out, &hr)) return E_NOINTERFACE;
  return hr;
}

HRESULT CMusicModule::InitInstance() {
  LogInitialize(WinFxModuleInstance());
  StartPlayer();
  return InitConverterManager();
}

HRESULT CMusicModule::ExitInstance() {
  EndPlayer();
  LogRelease();
  return S_OK;
}

HRESULT CMusicModule::CreateView(const char* viewName, HWND hParent, const RECT* rect,
                                 const char* skinData, IConverterView** out) {
  if (!viewName || !hParent || !rect) return E_INVALIDARG;
  HRESULT hr = S_OK;
  if (lstrcmpiA(viewName, kMusicTaskListViewName) == 0)
    hr = CreateTaskListView(std::unique_ptr<CTaskListView>(new CMusicTaskListView()), hParent,
                            rect, skinData, out);
  else if (lstrcmpiA(viewName, kMusicPlaybackViewName) == 0)
    hr = CreatePlaybackView(std::unique_ptr<CSkinWnd>(new CMusicPlaybackView()), hParent, rect,
                            out);
  // A failed creation is reported by its own code and leaves nothing behind.
  if (FAILED(hr)) return hr;
  return CConverterModuleBase::CreateView(viewName, hParent, rect, skinData, out);
}

CMusicTaskListView* CMusicModule::GetTaskListView() const {
  return static_cast<CMusicTaskListView*>(TaskListView());
}

int CMusicModule::ApplyOutputSettings() {
  IVarnoConfigEx* config = NULL;
  // Without the configuration the summary keeps its last value.
  if (SUCCEEDED(QueryConfigModule(&IID_IVarnoConfigEx, reinterpret_cast<void**>(&config))))
    m_summaryText = SyncMp3Settings(config, m_manager);
  Notify(MEV_MUSIC_INFO, 1, reinterpret_cast<INT_PTR>(m_summaryText.c_str()), 0);
  return m_taskList.ApplyOutputType();
}

BOOL CMusicModule::Notify(int code, INT_PTR p1, INT_PTR p2, INT_PTR p3) {
  if (code == MEV_PLAY_PROGRESS) CompletePlayProgress(&p1, &p2);
  if (code == MEV_MEDIA_INFO) p2 = reinterpret_cast<INT_PTR>(RebuildFileSizeText().c_str());
  return SUCCEEDED(FireModuleEvent(code, p1, p2, p3));
}

int CMusicModule::RunConversion(ILanguageTranslater* translator, IVarnoConfigEx* config) {
  CMusicConvertRunner runner;
  return RunBatch(runner, translator, config);
}
