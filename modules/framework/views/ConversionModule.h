// What a conversion module object does the same on every page: the task
// list through IConverter, the task-list view inside its holder window, the
// converter manager's start-up from the configuration module, and the batch
// with the module's own runner. A module adds its names, columns, task-list
// rules and runner class, and answers QueryInterface.
#pragma once
#include <memory>

#include "include/VarnoConfig.h"
#include "include/VarnoTranslator.h"
#include "modules/framework/model/ConverterManager.h"
#include "modules/framework/model/TaskList.h"
#include "modules/framework/runner/ConvertRunner.h"
#include "modules/framework/views/ConverterModuleBase.h"
#include "modules/framework/views/TaskListRows.h"
#include "modules/framework/views/TaskListView.h"
#include "winfx/Wnd.h"

// The plain child window that holds a task list; the scroll-bar library
// sees its notifications first.
class CTaskListHolder : public CWnd {
 public:
  enum { kControlId = 4114 };

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};

class CConversionModule : public CConverterModuleBase, public IConverter, public IModuleNotify {
 public:
  // taskList: the module's own, a member of the derived object.
  explicit CConversionModule(CTaskList& taskList);
  ~CConversionModule() override;

  ULONG STDMETHODCALLTYPE AddRef() override { return CModuleBase::AddRef(); }
  ULONG STDMETHODCALLTYPE Release() override { return CModuleBase::Release(); }

  // IViewFactory: frees the task-list view when it is the one handed in;
  // the derived module frees its other views first.
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

  CTaskList& GetTaskList() { return m_taskList; }
  CConverterManager& GetManager() { return m_manager; }

 protected:
  // IID_IViewFactory, IID_IConverter and the container; FALSE for others.
  BOOL QueryCommonInterface(const IID* iid, void** out, HRESULT* hr);
  // The configuration module's interface by IID; its failure code, or S_OK.
  HRESULT QueryConfigModule(const IID* iid, void** out);
  // The manager from the configuration's install folder (or the program's),
  // then the task list wired to both; E_FAIL when no engine loaded.
  HRESULT InitConverterManager();
  // Makes the holder and the view over it, wires the view to the
  // configuration, translator and this module, applies the skin and shows
  // every task; the view is kept only when all of it worked.
  HRESULT CreateTaskListView(std::unique_ptr<CTaskListView> view, HWND hParent, const RECT* rect,
                             const char* skinData, IConverterView** out);
  void FreeTaskListView();
  int FirstSelectedRow() const;
  CTaskListView* TaskListView() const { return m_pTaskListView.get(); }
  // MEV_MEDIA_INFO's file-size text: the translated "File Size:", with the
  // size of the selected task's source when a task is selected. Each page
  // shows its own; the text lives until the next call.
  const std::string& RebuildFileSizeText();
  // A caption through the translator's "MiscStrings"; itself without one.
  std::string TranslatedMiscText(const char* text);

  // The batch with the module's own runner (made on the caller's stack).
  virtual int RunConversion(ILanguageTranslater* translator, IVarnoConfigEx* config) = 0;
  // Wires the runner to the module and runs it; StopConvert reaches it meanwhile.
  int RunBatch(CConvertRunner& runner, ILanguageTranslater* translator, IVarnoConfigEx* config);

  CTaskList& m_taskList;
  CConverterManager m_manager;
  std::string m_fileSizeText;

 private:
  std::unique_ptr<CTaskListView> m_pTaskListView;
  std::unique_ptr<CTaskListHolder> m_pHolder;
  bool m_bConverting;  // while Convert runs (StopConvert arrives re-entrantly)
  CConvertRunner* m_pRunner;  // the running batch's runner, or NULL
  CTaskListRows* m_pRunningRows;  // the running batch's view of the list, or NULL
};
