// The video module object: the whole surface of MovieCast towards the
// program - its life cycle, the views by name, the task list and the
// conversion, the preview player, and the events it fires through its
// connection-point container. Its own views report through IModuleNotify.
#pragma once
#include <memory>
#include <string>

#include "include/VarnoConfig.h"
#include "include/VarnoTranslator.h"
#include "modules/framework/model/ConverterManager.h"
#include "modules/framework/model/TaskList.h"
#include "modules/framework/views/ConverterModuleBase.h"
#include "modules/framework/views/TaskListRows.h"
#include "winfx/Wnd.h"

class CVideoTaskListView;
class CPlaybackView;
class CDirectShowPlayer;

// The plain child window that holds the task list; the scroll-bar library
// sees its notifications first.
class CListHolderWnd : public CWnd {
 public:
  enum { kControlId = 4114 };

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};

class CVideoConvertRunner;

class CVideoModule : public CConverterModuleBase,
                     public IPlayer,
                     public IConverter,
                     public IModuleNotify {
 public:
  CVideoModule();
  ~CVideoModule() override;

  // Every interface of the object shares these.
  HRESULT STDMETHODCALLTYPE QueryInterface(const IID* iid, void** out) override;
  ULONG STDMETHODCALLTYPE AddRef() override { return CModuleBase::AddRef(); }
  ULONG STDMETHODCALLTYPE Release() override { return CModuleBase::Release(); }

  // IModule
  HRESULT STDMETHODCALLTYPE InitInstance() override;
  HRESULT STDMETHODCALLTYPE ExitInstance() override;

  // IViewFactory
  HRESULT STDMETHODCALLTYPE CreateView(const char* viewName, HWND hParent, const RECT* rect,
                                       const char* skinData, IConverterView** out) override;
  HRESULT STDMETHODCALLTYPE DestroyView(IConverterView* view) override;

  // IConverter
  int STDMETHODCALLTYPE Convert() override;
  int STDMETHODCALLTYPE StopConvert(int force) override;
  int STDMETHODCALLTYPE AddFile(const char* path) override;
  int STDMETHODCALLTYPE DeleteFiles() override;
  int STDMETHODCALLTYPE GetItemCount() override;
  int STDMETHODCALLTYPE GetSelectedCount() override;
  int STDMETHODCALLTYPE UpdateOutputNames() override;
  int STDMETHODCALLTYPE ApplyOutputSettings() override;

  // IPlayer
  HRESULT STDMETHODCALLTYPE Play() override;
  HRESULT STDMETHODCALLTYPE Stop() override;
  HRESULT STDMETHODCALLTYPE HandleGraphEvent() override;
  BOOL STDMETHODCALLTYPE IsPlaying() override;
  BOOL STDMETHODCALLTYPE GetPosition() override;
  BOOL STDMETHODCALLTYPE Seek(int percent) override;

  // IModuleNotify
  BOOL STDMETHODCALLTYPE Notify(int code, INT_PTR p1, INT_PTR p2, INT_PTR p3) override;

  CTaskList& GetTaskList() { return m_taskList; }
  CVideoTaskListView* GetTaskListView() const { return m_pTaskListView.get(); }
  CPlaybackView* GetPlaybackView() const { return m_pPlaybackView.get(); }
  CDirectShowPlayer* GetPlayer() const { return m_pPlayer.get(); }
  const std::string& FileSizeText() const { return m_fileSizeText; }
  const std::string& VideoSizeText() const { return m_videoSizeText; }

 protected:
  // The batch itself: a conversion runner on this stack frame, wired to the
  // module's task list, manager and view, runs every task.
  virtual int RunConversion(ILanguageTranslater* translator, IVarnoConfigEx* config);

 private:
  HRESULT InitConverterManager();
  HRESULT CreateTaskListView(HWND hParent, const RECT* rect, const char* skinData,
                             IConverterView** out);
  HRESULT CreatePlaybackView(HWND hParent, const RECT* rect, IConverterView** out);
  void FreeTaskListView();
  void FreePlaybackView();
  // The configuration module's interface by IID; its failure code, or S_OK.
  HRESULT QueryConfigModule(const IID* iid, void** out);
  int FirstSelectedRow() const;
  void RebuildMediaInfoTexts();

  // The views live until DestroyView or the module's end, whoever holds
  // their IConverterView meanwhile.
  std::unique_ptr<CVideoTaskListView> m_pTaskListView;
  std::unique_ptr<CListHolderWnd> m_pHolder;
  std::unique_ptr<CPlaybackView> m_pPlaybackView;
  std::unique_ptr<CDirectShowPlayer> m_pPlayer;
  CTaskList m_taskList;
  CConverterManager m_manager;
  bool m_bConverting;  // while Convert runs (StopConvert arrives re-entrantly)
  CVideoConvertRunner* m_pRunner;  // the running batch's runner, or NULL
  CTaskListRows* m_pRunningRows;  // the running batch's view of the list, or NULL
  std::string m_positionText;
  std::string m_fileSizeText;
  std::string m_videoSizeText;
};
