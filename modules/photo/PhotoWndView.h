// The photo module's preview window: a picture decoded with GDI+ into a
// device-dependent bitmap, painted unscaled and centred on black.
#pragma once
#include "modules/framework/views/SkinWnd.h"
#include "winfx/GdiHandles.h"
#include "winfx/GdiPlus.h"

class CPhotoWndView : public CSkinWnd {
 public:
  HRESULT STDMETHODCALLTYPE GetViewName(char* buffer, int length) override;

  // The picture of the file becomes the preview (sizeOut, when given, its
  // size); FALSE, with the previous picture kept, when the file cannot be
  // decoded or its bitmap cannot be made. Does not repaint.
  BOOL LoadPreviewImage(const char* path, SIZE* sizeOut);
  HBITMAP GetPreviewBitmap() const { return m_bitmap.Get(); }
  // No picture: the preview paints black. Does not repaint.
  void ClearPreviewImage() { m_bitmap.Reset(NULL); }

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  void Paint(HDC dc);

  // Started before the bitmap is made, shut down after it is gone.
  CGdiPlusSession m_gdiPlus;
  CBitmapHandle m_bitmap;
};
