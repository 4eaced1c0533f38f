#include "modules/video/VideoModule.h"

#include <stdio.h>

#include "base/LogClient.h"
#include "base/Paths.h"
#include "include/VarnoModuleEvents.h"
#include "include/VarnoViewNames.h"
#include "modules/video/PlaybackView.h"
#include "modules/video/VideoConvertRunner.h"
#include "modules/video/VideoTaskListView.h"
#include "winfx/WinApp.h"

CVideoModule::CVideoModule() : CPlaybackModule(m_videoTasks, true) {
  m_moduleId = CLSID_VideoModule;
}

HRESULT CVideoModule::QueryInterface(const IID* iid, void** out) {
  if (!out) return E_POINTER;
  HRESULT hr = E_NOINTERFACE;
  if (!iid || !QueryPlaybackInterface(iid, out, &hr)) return E_NOINTERFACE;
  return hr;
}

HRESULT CVideoModule::InitInstance() {
  LogInitialize(WinFxModuleInstance());
  LogPrint(LOG_TRACE, "MP4 converter InitInstance!\n");
  StartPlayer();
  LogPrint(LOG_TRACE, "Init MP4 converter manager!\n");
  HRESULT hr = InitConverterManager();
  if (FAILED(hr)) {
    if (hr == E_FAIL) LogPrint(LOG_WARNING, "Fail to init MP4 converter manager!\n");
    LogPrint(LOG_WARNING, "Fail to MP4 converter manager! hr=0x%x\n", static_cast<unsigned>(hr));
    return hr;
  }
  return S_OK;
}

HRESULT CVideoModule::ExitInstance() {
  EndPlayer();
  LogPrint(LOG_TRACE, "MP4 converter ExitInstance!\n");
  LogRelease();
  return S_OK;
}

HRESULT CVideoModule::CreateView(const char* viewName, HWND hParent, const RECT* rect,
                                 const char* skinData, IConverterView** out) {
  if (!viewName || !hParent || !rect) return E_INVALIDARG;
  HRESULT hr = S_OK;
  if (lstrcmpiA(viewName, kVideoTaskListViewName) == 0)
    hr = CreateTaskListView(std::unique_ptr<CTaskListView>(new CVideoTaskListView()), hParent,
                            rect, skinData, out);
  else if (lstrcmpiA(viewName, kVideoPlaybackViewName) == 0)
    hr = CreatePlaybackView(std::unique_ptr<CSkinWnd>(new CPlaybackView()), hParent, rect, out);
  // A failed creation is reported by its own code and leaves nothing behind.
  if (FAILED(hr)) return hr;
  return CConverterModuleBase::CreateView(viewName, hParent, rect, skinData, out);
}

CVideoTaskListView* CVideoModule::GetTaskListView() const {
  return static_cast<CVideoTaskListView*>(TaskListView());
}

int CVideoModule::RunConversion(ILanguageTranslater* translator, IVarnoConfigEx* config) {
  CVideoConvertRunner runner;
  return RunBatch(runner, translator, config);
}

BOOL CVideoModule::Notify(int code, INT_PTR p1, INT_PTR p2, INT_PTR p3) {
  if (code == MEV_PLAY_PROGRESS) {
    CompletePlayProgress(&p1, &p2);
  } else if (code == MEV_MEDIA_INFO) {
    RebuildMediaInfoTexts();
    p2 = reinterpret_cast<INT_PTR>(m_fileSizeText.c_str());
    p3 = reinterpret_cast<INT_PTR>(m_videoSizeText.c_str());
  }
  return SUCCEEDED(FireModuleEvent(code, p1, p2, p3));
}

void CVideoModule::RebuildMediaInfoTexts() {
  if (!TaskListView()) return;
  RebuildFileSizeText();
  m_videoSizeText = TranslatedMiscText("Video Size:");

  CTaskRecord* task = m_taskList.GetTask(FirstSelectedRow());
  if (!task) return;
  if (task->sourceWidth && task->sourceHeight) {
    char text[32];
    snprintf(text, sizeof(text), " %dx%d", task->sourceWidth, task->sourceHeight);
    m_videoSizeText += text;
  }
}
