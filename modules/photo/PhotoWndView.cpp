#include "modules/photo/PhotoWndView.h"

#include "include/VarnoViewNames.h"
#include "modules/framework/views/ViewHelpers.h"
#include "modules/photo/StillImageRules.h"

namespace {
const int kWidePathRoom = 4096;  // characters of the widened path
const Gdiplus::ARGB kOpaqueBlack = 0xFF000000;  // under transparent pixels
}  // namespace

HRESULT CPhotoWndView::GetViewName(char* buffer, int length) {
  return CopyViewName(kPhotoWndViewName, buffer, length);
}

BOOL CPhotoWndView::LoadPreviewImage(const char* path, SIZE* sizeOut) {
  CGdiPlusBitmap image;
  CGdiPlusBitmap::FromFile(path, kWidePathRoom, &image);
  SIZE size = image.Size();
  if (size.cx == 0 && size.cy == 0) return FALSE;
  if (sizeOut) *sizeOut = size;
  HBITMAP made = NULL;
  if (Gdiplus::DllExports::GdipCreateHBITMAPFromBitmap(image.Get(), &made, kOpaqueBlack) !=
          Gdiplus::Ok ||
      !made)
    return FALSE;
  m_bitmap.Reset(made);
  return TRUE;
}

LRESULT CPhotoWndView::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_PAINT) {
    CPaintDC dc(m_hWnd);
    Paint(dc);
    return 0;
  }
  return CSkinWnd::WindowProc(message, wParam, lParam);
}

void CPhotoWndView::Paint(HDC dc) {
  RECT client;
  GetClientRect(m_hWnd, &client);
  FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  BITMAP info;
  if (!m_bitmap.Get() || !GetObjectA(m_bitmap.Get(), sizeof(info), &info)) return;
  SIZE size = {info.bmWidth, info.bmHeight};
  POINT at = CentredOrigin(client, size);
  CMemoryDC memory(dc);
  CSelectObject selected(memory, m_bitmap.Get());
  StretchBlt(dc, at.x, at.y, size.cx, size.cy, memory, 0, 0, size.cx, size.cy, SRCCOPY);
}
