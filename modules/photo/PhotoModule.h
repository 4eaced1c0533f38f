// The photo module object: the framework's module with the still-image task
// list, the preview window in the place of a player, and IPhotoPreview.
#pragma once
#include <memory>

#include "include/VarnoPhotoPreview.h"
#include "modules/framework/views/ConversionModule.h"
#include "modules/photo/PhotoTaskList.h"

class CPhotoTaskListView;
class CPhotoWndView;

// Deletes the thumbnails ("QTF*.tmp") that an earlier run left in the
// temporary folder `folder` (with a trailing backslash); nothing for "".
void DeleteLeftoverThumbnails(const std::string& folder);
// The user's temporary folder; "" when it cannot be had.
std::string TemporaryFolder();

class CPhotoModule : public CConversionModule, public IPhotoPreview {
 public:
  CPhotoModule();
  ~CPhotoModule() override;

  HRESULT STDMETHODCALLTYPE QueryInterface(const IID* iid, void** out) override;
  ULONG STDMETHODCALLTYPE AddRef() override { return CModuleBase::AddRef(); }
  ULONG STDMETHODCALLTYPE Release() override { return CModuleBase::Release(); }

  HRESULT STDMETHODCALLTYPE InitInstance() override;
  HRESULT STDMETHODCALLTYPE ExitInstance() override;

  HRESULT STDMETHODCALLTYPE CreateView(const char* viewName, HWND hParent, const RECT* rect,
                                       const char* skinData, IConverterView** out) override;
  HRESULT STDMETHODCALLTYPE DestroyView(IConverterView* view) override;

  int STDMETHODCALLTYPE DeleteFiles() override;
  BOOL STDMETHODCALLTYPE Notify(int code, INT_PTR p1, INT_PTR p2, INT_PTR p3) override;

  // IPhotoPreview
  BOOL STDMETHODCALLTYPE ShowSelectedPreview() override;

  CPhotoTaskList& GetPhotoTaskList() { return m_photoTasks; }
  CPhotoTaskListView* GetTaskListView() const;
  CPhotoWndView* GetPreviewWindow() const { return m_pPreview.get(); }
  int GetPreviewRow() const { return m_nPreviewRow; }

 protected:
  int RunConversion(ILanguageTranslater* translator, IVarnoConfigEx* config) override;

 private:
  HRESULT CreatePreviewWindow(HWND hParent, const RECT* rect, IConverterView** out);
  void FreePreviewWindow();
  // The skin's default picture, shown when no task is.
  void LoadDefaultPicture();

  CPhotoTaskList m_photoTasks;
  std::unique_ptr<CPhotoWndView> m_pPreview;
  int m_nPreviewRow;  // the task whose thumbnail is shown; -1 none
};
