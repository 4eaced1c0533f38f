#include "ui/SkinTrackbar.h"

#include <commctrl.h>
#include <windowsx.h>

#include "ui/SkinBitmaps.h"
#include "ui/SkinCursor.h"
#include "ui/SkinHost.h"

CSkinTrackbar::CSkinTrackbar()
    : m_thumbSize(), m_press(), m_pressPos(0), m_track(), m_pressed(FALSE), m_hover(FALSE),
      m_leftDown(FALSE) {}

BOOL CSkinTrackbar::CreateTrackbar(DWORD style, const RECT& rect, HWND parent, UINT id) {
  if (!Create(TRACKBAR_CLASSA, "", style | WS_CHILD, rect, parent, id)) return FALSE;
  // Until the thumb is known the track is a point in the middle.
  RECT client;
  GetClientRect(m_hWnd, &client);
  m_track.startX = m_track.endX = client.right / 2;
  m_track.startY = m_track.endY = client.bottom / 2;
  m_track.vertical = IsVertical() != FALSE;
  return TRUE;
}

void CSkinTrackbar::SetTrackbarImages(HBITMAP windowImage, const RECT& r, HBITMAP normal,
                                      HBITMAP down, HBITMAP over, HBITMAP disabled) {
  if (HBITMAP piece = CopyBitmapPart(windowImage, &r)) m_background.Reset(piece);
  const SIZE size = BitmapSize(normal);
  RECT thumb = {0, 0, size.cx - 1, size.cy - 1};
  HBITMAP looks[kLookCount] = {normal, down, over, disabled};
  for (int n = 0; n < kLookCount; ++n) {
    m_thumbs[n].Reset();
    if (thumb.right > 0 && thumb.bottom > 0) m_thumbs[n].Reset(CopyBitmapPart(looks[n], &thumb));
  }
  m_thumbSize.cx = thumb.right > 0 ? thumb.right : 0;
  m_thumbSize.cy = thumb.bottom > 0 ? thumb.bottom : 0;
  if (!m_hWnd) return;
  RECT window;
  GetWindowRect(m_hWnd, &window);
  m_track = ComputeTrack(window.right - window.left, window.bottom - window.top, m_thumbSize.cx,
                         m_thumbSize.cy, IsVertical() != FALSE);
  LONG_PTR style = GetWindowLongPtrA(m_hWnd, GWL_STYLE);
  SetWindowLongPtrA(m_hWnd, GWL_STYLE, style & ~static_cast<LONG_PTR>(WS_BORDER | WS_TABSTOP));
  m_leftDown = FALSE;
  InvalidateRect(m_hWnd, NULL, TRUE);
}

void CSkinTrackbar::SetDisabledBackground(HBITMAP image) {
  m_disabledBackground.Reset(image ? CopyBitmapPart(image, NULL) : NULL);
}

int CSkinTrackbar::GetPos() const { return static_cast<int>(SendMessage(TBM_GETPOS)); }
void CSkinTrackbar::SetPos(int position) { SendMessage(TBM_SETPOS, TRUE, position); }
int CSkinTrackbar::GetRangeMin() const { return static_cast<int>(SendMessage(TBM_GETRANGEMIN)); }
int CSkinTrackbar::GetRangeMax() const { return static_cast<int>(SendMessage(TBM_GETRANGEMAX)); }

void CSkinTrackbar::SetRange(int minimum, int maximum) {
  SendMessage(TBM_SETRANGEMIN, FALSE, minimum);
  SendMessage(TBM_SETRANGEMAX, TRUE, maximum);
}

BOOL CSkinTrackbar::IsVertical() const {
  return m_hWnd && (GetWindowLongPtrA(m_hWnd, GWL_STYLE) & TBS_VERT) != 0;
}

RECT CSkinTrackbar::ThumbRect() const {
  return TrackThumbRect(m_track, GetPos(), GetRangeMin(), GetRangeMax(), m_thumbSize.cx,
                        m_thumbSize.cy);
}

void CSkinTrackbar::DrawThumb(HDC dc) {
  const RECT r = ThumbRect();
  const bool enabled = IsWindowEnabled(m_hWnd) != FALSE;
  const Look look = !enabled ? kThumbDisabled
                             : (m_pressed ? kThumbDown : (m_hover ? kThumbOver : kThumbNormal));
  if (m_thumbs[look]) DrawTransparentBitmap(dc, m_thumbs[look], kThumbTransparent, r.left, r.top);
}

void CSkinTrackbar::Paint(HDC dc) {
  RECT client;
  GetClientRect(m_hWnd, &client);
  if (client.right <= 0 || client.bottom <= 0) return;
  // Composed off screen, so a drag does not flicker.
  CMemoryDC memory(dc);
  CBitmapHandle canvas(CreateCompatibleBitmap(dc, client.right, client.bottom));
  CSelectObject select(memory, canvas);
  const bool disabled = !IsWindowEnabled(m_hWnd) && m_disabledBackground;
  HBITMAP back = disabled ? m_disabledBackground.Get() : m_background.Get();
  if (back) DrawSkinBitmap(memory, back, client);
  DrawThumb(memory);
  BitBlt(dc, 0, 0, client.right, client.bottom, memory, 0, 0, SRCCOPY);
}

void CSkinTrackbar::Capture() {
  if (GetCapture() != m_hWnd) SetCapture(m_hWnd);
}

void CSkinTrackbar::ReleaseOwnCapture() {
  if (GetCapture() == m_hWnd) ReleaseCapture();
}

void CSkinTrackbar::ScrollParent(WORD code, int position) {
  HWND parent = GetParent(m_hWnd);
  if (!parent) return;
  // The parent reflects this message back (OnChildNotify); the step or
  // release that sent it reports itself, once.
  m_scrollingParent = TRUE;
  ::SendMessageA(parent, IsVertical() ? WM_VSCROLL : WM_HSCROLL,
                 MAKEWPARAM(code, static_cast<WORD>(position)), reinterpret_cast<LPARAM>(m_hWnd));
  m_scrollingParent = FALSE;
}

void CSkinTrackbar::Report(int code, int position) {
  if (ISkinHost* host = SkinHostOf(m_hWnd)) host->OnTrackbarEvent(index, code, position);
}

void CSkinTrackbar::OnButtonDown(POINT point) {
  m_press = point;
  SetFocus(m_hWnd);
  m_pressed = FALSE;
  m_hover = FALSE;
  const RECT thumb = ThumbRect();
  if (PtInRect(&thumb, point)) {
    m_pressPos = GetPos();
  } else {
    // A click on the track jumps the thumb there and drags from there.
    const int v = TrackValueAt(m_track, point.x, point.y, GetRangeMin(), GetRangeMax());
    SetPos(v);
    m_pressPos = v;
  }
  m_pressed = TRUE;
  Capture();
  InvalidateRect(m_hWnd, NULL, FALSE);
  m_leftDown = TRUE;
}

void CSkinTrackbar::OnMouseMove(UINT flags, POINT point) {
  if (m_pressed) {
    const int v =
        TrackDragValue(m_track, m_press, m_pressPos, point, GetRangeMin(), GetRangeMax());
    SetPos(v);
    ScrollParent(TB_THUMBTRACK, v);
  } else {
    const RECT thumb = ThumbRect();
    if (PtInRect(&thumb, point)) {
      Capture();
      m_hover = TRUE;
    } else {
      ReleaseOwnCapture();
      m_hover = FALSE;
    }
  }
  InvalidateRect(m_hWnd, NULL, FALSE);
  if (m_leftDown) {
    Report(kDragCode, GetPos());
  } else if (ISkinHost* host = SkinHostOf(m_hWnd)) {
    host->OnControlMouseMove(name.c_str(), flags, point);
  }
}

void CSkinTrackbar::EndDrag() {
  m_leftDown = FALSE;
  m_pressed = FALSE;
  m_hover = FALSE;
  ReleaseOwnCapture();
  ScrollParent(TB_ENDTRACK, GetPos());
  InvalidateRect(m_hWnd, NULL, FALSE);
  Report(kEndCode, GetPos());
}

BOOL CSkinTrackbar::OnChildNotify(UINT message, WPARAM wParam, LPARAM, LRESULT* result) {
  if (message != WM_HSCROLL && message != WM_VSCROLL) return FALSE;
  // A scroll message that did not come from a step or release of its own
  // is reported with its code; its own are reported by the step itself.
  if (!m_scrollingParent) Report(LOWORD(wParam), GetPos());
  *result = 0;
  return TRUE;
}

LRESULT CSkinTrackbar::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  POINT point = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  switch (message) {
    case WM_PAINT: {
      CPaintDC dc(m_hWnd);
      Paint(dc);
      return 0;
    }
    case WM_ERASEBKGND: {
      DrawThumb(reinterpret_cast<HDC>(wParam));
      return 0;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:  // a second click is a press like the first
      OnButtonDown(point);
      return 0;
    case WM_MOUSEMOVE:
      OnMouseMove(static_cast<UINT>(wParam), point);
      return 0;
    case WM_LBUTTONUP:
      EndDrag();
      return 0;
    case WM_CAPTURECHANGED:
      // The mouse went to another window in the middle of a drag: the drag
      // ends there, as at a release, instead of going on with the button up.
      if (m_pressed && reinterpret_cast<HWND>(lParam) != m_hWnd) EndDrag();
      // Not the system trackbar's: it would report an end of tracking each
      // time the pointer merely leaves the thumb.
      return 0;
    case WM_SETCURSOR:
      if (HCURSOR cursor = CurrentSkinCursor()) {
        SetCursor(cursor);
        return TRUE;
      }
      break;
    case WM_KEYDOWN:
    case WM_KEYUP:
      return 0;  // the keyboard does not move a skinned trackbar
    case WM_ENABLE:
      InvalidateRect(m_hWnd, NULL, FALSE);
      break;
    case TBM_SETPOS:
    case TBM_SETRANGE:
    case TBM_SETRANGEMIN:
    case TBM_SETRANGEMAX: {
      // The system repaints only where its own thumb was and is; the skin's
      // thumb has a size of its own.
      LRESULT result = CWnd::WindowProc(message, wParam, lParam);
      if (wParam) InvalidateRect(m_hWnd, NULL, FALSE);
      return result;
    }
  }
  return CWnd::WindowProc(message, wParam, lParam);
}
