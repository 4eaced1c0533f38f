#include "ui/SkinListBox.h"

#include "ui/SkinBitmaps.h"

CSkinListBox::CSkinListBox() : m_needsRepaint(0), m_textColour(0xFF0000) {}

BOOL CSkinListBox::CreateListBox(DWORD style, const RECT& rect, HWND parent, UINT id) {
  return Create("LISTBOX", "", style | WS_CHILD, rect, parent, id);
}

void CSkinListBox::SetListImages(const RECT& r, HBITMAP normal, HBITMAP) {
  if (HBITMAP piece = CopyBitmapPart(normal, &r)) m_background.Reset(piece);
  if (!m_hWnd) return;
  LONG_PTR style = GetWindowLongPtrA(m_hWnd, GWL_STYLE);
  SetWindowLongPtrA(m_hWnd, GWL_STYLE, style & ~static_cast<LONG_PTR>(WS_BORDER | WS_TABSTOP));
  // A frame style takes effect only with a recomputed frame.
  SetWindowPos(m_hWnd, NULL, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  InvalidateRect(m_hWnd, NULL, TRUE);
}

void CSkinListBox::CropBackground(int width, int height) {
  if (!m_background) return;
  if (HBITMAP cropped = CropBitmap(m_background, width, height)) m_background.Reset(cropped);
}

BOOL CSkinListBox::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  if (message == WM_CTLCOLORLISTBOX) {
    HDC dc = reinterpret_cast<HDC>(wParam);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, m_textColour);
    // Rows are drawn over the skin, not over a fill.
    *result = reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
    return TRUE;
  }
  if (message == WM_COMMAND && HIWORD(wParam) == LBN_SELCHANGE &&
      reinterpret_cast<HWND>(lParam) == m_hWnd) {
    m_needsRepaint = 1;
    InvalidateRect(m_hWnd, NULL, TRUE);
    *result = 0;
    return TRUE;
  }
  return FALSE;
}

LRESULT CSkinListBox::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND:
      if (m_background) DrawBitmapAt(reinterpret_cast<HDC>(wParam), 0, 0, m_background);
      break;
    case WM_VSCROLL:
    case WM_HSCROLL:
    case WM_MOUSEWHEEL:  // scrolls the rows as the scroll bars do
      InvalidateRect(m_hWnd, NULL, TRUE);
      break;
    case WM_LBUTTONDOWN:
      if (m_needsRepaint) {
        m_needsRepaint = 0;
        InvalidateRect(m_hWnd, NULL, TRUE);
      }
      break;
  }
  return CWnd::WindowProc(message, wParam, lParam);
}
