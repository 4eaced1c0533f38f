#include "ui/SkinProgress.h"

#include <windowsx.h>

#include "ui/SkinBitmaps.h"
#include "ui/SkinHost.h"
#include "ui/SkinSliderMath.h"

CSkinProgress::CSkinProgress()
    : m_horizontal(0), m_position(0), m_seekable(1), m_maximum(100), m_dragging(0) {}

void CSkinProgress::SetPos(int position) {
  if (m_dragging || position == m_position) return;
  m_position = ClampProgressPosition(position, m_maximum);
  if (m_hWnd) InvalidateRect(m_hWnd, NULL, FALSE);
}

void CSkinProgress::SetProgressImages(const RECT& r, HBITMAP normal, HBITMAP down) {
  if (HBITMAP empty = CopyBitmapPart(normal, &r)) m_images[kNormal].Reset(empty);
  if (HBITMAP full = CopyBitmapPart(down, &r)) m_images[kDown].Reset(full);
  if (m_hWnd) {
    LONG_PTR style = GetWindowLongPtrA(m_hWnd, GWL_STYLE);
    SetWindowLongPtrA(m_hWnd, GWL_STYLE, style & ~static_cast<LONG_PTR>(WS_BORDER | WS_TABSTOP));
    InvalidateRect(m_hWnd, NULL, FALSE);
  }
}

int CSkinProgress::ValueAt(POINT point) const {
  RECT client;
  GetClientRect(m_hWnd, &client);
  SkinBarScale bar = {client.right, client.bottom, m_horizontal != 0, m_maximum};
  return ProgressValueAt(bar, point.x, point.y);
}

BOOL CSkinProgress::InsideClient(POINT point) const {
  RECT client;
  GetClientRect(m_hWnd, &client);
  return PtInRect(&client, point);
}

void CSkinProgress::Report() {
  if (ISkinHost* host = SkinHostOf(m_hWnd)) host->OnProgressChanged(index, m_position);
}

void CSkinProgress::DrawItem(const DRAWITEMSTRUCT* item) { Paint(item->hDC); }

void CSkinProgress::Paint(HDC paint) {
  RECT client;
  GetClientRect(m_hWnd, &client);
  const int w = client.right, h = client.bottom;
  if (w <= 0 || h <= 0) return;
  // Composed off screen, so a drag does not flicker.
  CMemoryDC memory(paint);
  CBitmapHandle canvas(CreateCompatibleBitmap(paint, w, h));
  CSelectObject select(memory, canvas);
  if (m_images[kNormal]) DrawSkinBitmap(memory, m_images[kNormal], client);
  if (m_images[kDown]) {
    RECT full = client;
    if (m_horizontal)
      full.right = ProgressFillLength(w, m_position, m_maximum);
    else
      full.top = h - ProgressFillLength(h, m_position, m_maximum);
    CMemoryDC source(paint);
    CSelectObject image(source, m_images[kDown].Get());
    BitBlt(memory, full.left, full.top, full.right - full.left, full.bottom - full.top, source,
           full.left, full.top, SRCCOPY);
  }
  if (m_drawCaption) DrawCaption(memory, client, m_textColour[kNormal], m_format);
  const int saved = SaveDC(paint);
  if (m_shape) SelectClipRgn(paint, m_shape);
  BitBlt(paint, 0, 0, w, h, memory, 0, 0, SRCCOPY);
  RestoreDC(paint, saved);
  ++m_drawCount;
}

void CSkinProgress::OnMouseMoved(UINT, POINT point) {
  if (!m_seekable || !m_dragging) return;
  if (InsideClient(point)) {
    m_position = ValueAt(point);
    InvalidateRect(m_hWnd, NULL, FALSE);
  }
  Report();
}

LRESULT CSkinProgress::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  POINT point = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  switch (message) {
    case WM_PAINT: {
      CPaintDC paint(m_hWnd);
      Paint(paint);
      return 0;
    }
    case WM_LBUTTONDOWN:
      if (!m_seekable) break;
      m_dragging = 1;
      // The release must reach the bar wherever it happens, or the bar would
      // stay in its drag and ignore the program's positions from then on.
      if (GetCapture() != m_hWnd) SetCapture(m_hWnd);
      InvalidateRect(m_hWnd, NULL, FALSE);
      return 0;
    case WM_LBUTTONUP:
      // A release that ends no press of this bar (the press went to
      // another window) moves nothing.
      if (!m_seekable || !m_dragging) break;
      m_position = ValueAt(point);
      m_dragging = 0;
      // The mouse goes back to the other windows at once, not at the next
      // move; and the position the bar shows (a release outside is held at
      // the bar's end) is the one the player gets.
      if (GetCapture() == m_hWnd) ReleaseCapture();
      InvalidateRect(m_hWnd, NULL, FALSE);
      Report();
      return 0;
    case WM_CAPTURECHANGED:
      // Another window took the mouse: the drag is over without a release.
      m_dragging = 0;
      break;
  }
  return CSkinButton::WindowProc(message, wParam, lParam);
}
