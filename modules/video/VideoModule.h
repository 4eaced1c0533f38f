// The video module object: the framework's module with the video task list,
// its playback window, the media information of the selected task and the
// video runner.
#pragma once
#include <string>

#include "modules/framework/model/TaskList.h"
#include "modules/framework/views/PlaybackModule.h"

class CVideoTaskListView;

class CVideoModule : public CPlaybackModule {
 public:
  CVideoModule();

  HRESULT STDMETHODCALLTYPE QueryInterface(const IID* iid, void** out) override;
  ULONG STDMETHODCALLTYPE AddRef() override { return CModuleBase::AddRef(); }
  ULONG STDMETHODCALLTYPE Release() override { return CModuleBase::Release(); }

  // IModule
  HRESULT STDMETHODCALLTYPE InitInstance() override;
  HRESULT STDMETHODCALLTYPE ExitInstance() override;

  // IViewFactory
  HRESULT STDMETHODCALLTYPE CreateView(const char* viewName, HWND hParent, const RECT* rect,
                                       const char* skinData, IConverterView** out) override;

  // IModuleNotify
  BOOL STDMETHODCALLTYPE Notify(int code, INT_PTR p1, INT_PTR p2, INT_PTR p3) override;

  CVideoTaskListView* GetTaskListView() const;
  const std::string& FileSizeText() const { return m_fileSizeText; }
  const std::string& VideoSizeText() const { return m_videoSizeText; }

 protected:
  int RunConversion(ILanguageTranslater* translator, IVarnoConfigEx* config) override;

 private:
  void RebuildMediaInfoTexts();

  CTaskList m_videoTasks;
  std::string m_videoSizeText;  // MEV_MEDIA_INFO's text, alive until the next
};
