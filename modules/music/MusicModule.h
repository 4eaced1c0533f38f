// The music module object: the framework's module with the music task list,
// its playback window, the MP3 settings summary and the music runner.
#pragma once
#include <string>

#include "modules/framework/views/PlaybackModule.h"
#include "modules/music/MusicTaskList.h"

class CMusicTaskListView;

class CMusicModule : public CPlaybackModule {
 public:
  CMusicModule();

  HRESULT STDMETHODCALLTYPE QueryInterface(const IID* iid, void** out) override;
  ULONG STDMETHODCALLTYPE AddRef() override { return CModuleBase::AddRef(); }
  ULONG STDMETHODCALLTYPE Release() override { return CModuleBase::Release(); }

  HRESULT STDMETHODCALLTYPE InitInstance() override;
  HRESULT STDMETHODCALLTYPE ExitInstance() override;

  HRESULT STDMETHODCALLTYPE CreateView(const char* viewName, HWND hParent, const RECT* rect,
                                       const char* skinData, IConverterView** out) override;

  // The MP3 settings of the chosen music output type put in force.
  int STDMETHODCALLTYPE ApplyOutputSettings() override;

  BOOL STDMETHODCALLTYPE Notify(int code, INT_PTR p1, INT_PTR p2, INT_PTR p3) override;

  CMusicTaskListView* GetTaskListView() const;
  const std::string& SummaryText() const { return m_summaryText; }

 protected:
  int RunConversion(ILanguageTranslater* translator, IVarnoConfigEx* config) override;

 private:
  CMusicTaskList m_musicTasks;
  std::string m_summaryText;  // MEV_MUSIC_INFO's text, alive until the next
};
