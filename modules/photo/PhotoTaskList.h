// The photo module's task list: still images probed with GDI+ for their
// size, format and bit depth, each with a thumbnail for the preview window
// in a temporary file of its own.
#pragma once
#include "base/Uncounted.h"
#include "modules/framework/model/TaskList.h"
#include "winfx/GdiPlus.h"

class CPhotoWndView;

class CPhotoTaskList : public CTaskList {
 public:
  CPhotoTaskList();
  BOOL ProbeFile(CTaskRecord* task, const char* path) override;
  // Without a still-image entry in the catalogue the tasks fail with that
  // reason instead of becoming video tasks.
  BOOL LoadOutputSettings(int outputTypeIndex, CTaskRecord* task) override;
  // The still-image entry of the catalogue, whatever the page's list chose:
  // the photo page lists that one type only, so its row is no catalogue
  // index.
  int CurrentOutputTypeIndex() override;
  const char* MissingOutputTypeReason() const override;
  // The window whose size the thumbnails fit; NULL when it goes.
  void SetPreviewWindow(CPhotoWndView* preview) { m_pPreview = preview; }
  CPhotoWndView* GetPreviewWindow() const { return m_pPreview; }

  // The probe itself: FALSE for a missing file, and for a picture that
  // cannot be decoded (no size to fit a thumbnail to).
  BOOL ProbeStillImage(CTaskRecord& task, const char* path);

 protected:
  const char* SupportedPatterns() const override;
  // The preview window's client size; the module makes the window when the
  // main window asks for it, so a task added before it gets a thumbnail of
  // the picture's own size.
  SIZE PreviewClientSize(UINT w, UINT h) const;
  // The thumbnail of the picture as a BMP in a new "QTF" temporary file;
  // "" when it could not be made.
  std::string WriteThumbnail(GpBitmap* image, SIZE size);

  // GDI+ stays started for the module's whole life.
  CGdiPlusSession m_gdiPlus;
  CUncounted<CPhotoWndView> m_pPreview;  // owned by the module; cleared when it goes
};
