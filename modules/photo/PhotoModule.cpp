#include "modules/photo/PhotoModule.h"

#include "base/LogClient.h"
#include "base/Paths.h"
#include "include/VarnoModuleEvents.h"
#include "include/VarnoViewNames.h"
#include "modules/photo/PhotoConvertRunner.h"
#include "modules/photo/PhotoTaskListView.h"
#include "modules/photo/PhotoWndView.h"
#include "winfx/WinApp.h"

std::string TemporaryFolder() {
  char folder[MAX_PATH] = "";
  DWORD length = GetTempPathA(sizeof(folder), folder);
  // A failed or cut answer would aim the clean-up at the root of the drive.
  if (length == 0 || length >= sizeof(folder)) return "";
  return folder;
}

void DeleteLeftoverThumbnails(const std::string& folder) {
  if (folder.empty()) return;
  std::string pattern = JoinPath(folder, "QTF*.tmp");
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA(pattern.c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
      DeleteFileA(JoinPath(folder, found.cFileName).c_str());
  } while (FindNextFileA(search, &found));
  FindClose(search);
}

CPhotoModule::CPhotoModule() : CConversionModule(m_photoTasks), m_nPreviewRow(-1) {
  m_moduleId = CLSID_PhotoModule;
  DeleteLeftoverThumbnails(TemporaryFolder());
}

CPhotoModule::~CPhotoModule() { FreePreviewWindow(); }

HRESULT CPhotoModule::QueryInterface(const IID* iid, void** out) {
  if (!out) return E_POINTER;
  if (!iid) return E_NOINTERFACE;
  if (IsEqualIID(*iid, IID_IPhotoPreview)) {
    *out = static_cast<IPhotoPreview*>(this);
    return S_OK;
  }
  HRESULT hr = E_NOINTERFACE;
  return QueryCommonInterface(iid, out, &hr) ? hr : E_NOINTERFACE;
}

HRESULT CPhotoModule::InitInstance() {
  LogInitialize(WinFxModuleInstance());
  return InitConverterManager();
}

HRESULT CPhotoModule::ExitInstance() {
  LogRelease();
  return S_OK;
}

HRESULT CPhotoModule::CreateView(const char* viewName, HWND hParent, const RECT* rect,
                                 const char* skinData, IConverterView** out) {
  if (!viewName || !hParent || !rect) return E_INVALIDARG;
  HRESULT hr = S_OK;
  if (lstrcmpiA(viewName, kPhotoTaskListViewName) == 0)
    hr = CreateTaskListView(std::unique_ptr<CTaskListView>(new CPhotoTaskListView()), hParent,
                            rect, skinData, out);
  else if (lstrcmpiA(viewName, kPhotoWndViewName) == 0)
    hr = CreatePreviewWindow(hParent, rect, out);
  if (FAILED(hr)) return hr;
  return CConverterModuleBase::CreateView(viewName, hParent, rect, skinData, out);
}

HRESULT CPhotoModule::CreatePreviewWindow(HWND hParent, const RECT* rect, IConverterView** out) {
  if (!out) return E_POINTER;
  if (m_pPreview) return E_FAIL;  // one preview window per module
  std::unique_ptr<CPhotoWndView> preview(new CPhotoWndView());
  if (!preview->Create(rect, hParent, NULL)) return E_FAIL;
  // Handed to the task list only once it exists.
  m_pPreview = std::move(preview);
  m_photoTasks.SetPreviewWindow(m_pPreview.get());
  m_pPreview->SetNotify(static_cast<IModuleNotify*>(this));
  ShowWindow(m_pPreview->m_hWnd, SW_SHOW);
  LoadDefaultPicture();
  *out = static_cast<IConverterView*>(m_pPreview.get());
  return S_OK;
}

void CPhotoModule::FreePreviewWindow() {
  if (!m_pPreview) return;
  // Neither the task list nor the preview row may point at a gone window.
  m_photoTasks.SetPreviewWindow(NULL);
  m_nPreviewRow = -1;
  m_pPreview->DestroyWindow();
  m_pPreview.reset();
}

HRESULT CPhotoModule::DestroyView(IConverterView* view) {
  if (!view) return E_POINTER;
  if (m_pPreview && view == static_cast<IConverterView*>(m_pPreview.get())) {
    CConverterModuleBase::DestroyView(view);
    FreePreviewWindow();
    return S_OK;
  }
  CConversionModule::DestroyView(view);
  return S_OK;
}

void CPhotoModule::LoadDefaultPicture() {
  if (!m_pPreview) return;
  // A picture that was deleted must not stay on screen, even when the
  // skin's default picture cannot be shown in its place.
  if (!m_pPreview->LoadPreviewImage((ModuleFolder() + "Skins\\default\\Photo.JPG").c_str(), NULL))
    m_pPreview->ClearPreviewImage();
  InvalidateRect(m_pPreview->m_hWnd, NULL, TRUE);
}

CPhotoTaskListView* CPhotoModule::GetTaskListView() const {
  return static_cast<CPhotoTaskListView*>(TaskListView());
}

int CPhotoModule::DeleteFiles() {
  if (!TaskListView() || FirstSelectedRow() < 0) return 0;
  CConversionModule::DeleteFiles();
  m_nPreviewRow = -1;
  LoadDefaultPicture();
  return 0;
}

BOOL CPhotoModule::Notify(int code, INT_PTR p1, INT_PTR p2, INT_PTR p3) {
  if (code == MEV_MEDIA_INFO) p2 = reinterpret_cast<INT_PTR>(RebuildFileSizeText().c_str());
  return SUCCEEDED(FireModuleEvent(code, p1, p2, p3));
}

BOOL CPhotoModule::ShowSelectedPreview() {
  if (!TaskListView() || !m_pPreview) return FALSE;
  int row = FirstSelectedRow();
  if (row < 0) return FALSE;
  if (row == m_nPreviewRow) return TRUE;
  m_nPreviewRow = row;
  CTaskRecord* task = m_taskList.GetTask(row);
  if (!task) return FALSE;
  m_pPreview->LoadPreviewImage(task->tempPath.c_str(), NULL);
  InvalidateRect(m_pPreview->m_hWnd, NULL, TRUE);
  return TRUE;
}

int CPhotoModule::RunConversion(ILanguageTranslater* translator, IVarnoConfigEx* config) {
  CPhotoConvertRunner runner;
  return RunBatch(runner, translator, config);
}
