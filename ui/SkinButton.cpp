#include "ui/SkinButton.h"

#include <windowsx.h>

#include "base/RuntimeFunctions.h"
#include "ui/SkinBitmaps.h"
#include "ui/SkinCursor.h"
#include "ui/SkinHost.h"

namespace {

bool AnyInset(const RECT& r) { return r.left || r.top || r.right || r.bottom; }

void Deflate(RECT& r, const RECT& by) {
  r.left += by.left;
  r.top += by.top;
  r.right -= by.right;
  r.bottom -= by.bottom;
}

POINT PointOf(LPARAM lParam) {
  POINT p = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  return p;
}

}  // namespace

ISkinHost* SkinHostOf(HWND control) {
  return dynamic_cast<ISkinHost*>(CWnd::FromHandle(GetParent(control)));
}

CSkinButton::CSkinButton()
    : m_latchedPressed(0),
      m_latched(0),
      m_drawCaption(1),
      m_handCursor(1),
      m_shadowColour(GetSysColor(COLOR_BTNHIGHLIGHT)),
      m_shadow(0),
      m_format(DT_CENTER | DT_VCENTER | DT_SINGLELINE),
      m_margins(),
      m_overMargins(),
      m_downMargins(),
      m_fading(0),
      m_fadeOn(0),
      m_fadeStep(0),
      m_state(kNormal),
      m_previousState(kNormal),
      m_shadowDx(0),
      m_shadowDy(0),
      m_drawCount(0) {
  LOGFONTA font = {};
  GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof(font), &font);
  m_font.Reset(CreateFontIndirectA(&font));
  m_textColour[0] = m_textColour[1] = m_textColour[2] = GetSysColor(COLOR_BTNTEXT);
  m_textColour[3] = GetSysColor(COLOR_GRAYTEXT);
}

BOOL CSkinButton::CreateButton(DWORD style, const RECT& rect, HWND parent, UINT id) {
  return Create("BUTTON", "", style | WS_CHILD | BS_OWNERDRAW, rect, parent, id);
}

void CSkinButton::PreSubclassWindow() {
  // Visual styles would draw the system's button under the skin.
  if (PFN_SetWindowTheme setTheme = RuntimeSetWindowTheme()) setTheme(m_hWnd, L"", L"");
  LONG_PTR style = GetWindowLongPtrA(m_hWnd, GWL_STYLE);
  SetWindowLongPtrA(m_hWnd, GWL_STYLE, style & ~static_cast<LONG_PTR>(WS_TABSTOP));
}

void CSkinButton::SetImages(HBITMAP normal, HBITMAP over, HBITMAP down, HBITMAP disabled) {
  SIZE size = BitmapSize(normal);
  RECT r = {0, 0, size.cx, size.cy};
  HBITMAP sources[4] = {normal, over, down, disabled};
  for (int n = 0; n < 4; ++n)
    if (HBITMAP copy = CopyBitmapPart(sources[n], &r)) m_images[n].Reset(copy);
  if (m_hWnd) InvalidateRect(m_hWnd, NULL, FALSE);
}

void CSkinButton::SetImageStrip(HBITMAP strip) {
  SIZE size = BitmapSize(strip);
  const int w = size.cx / 4;
  if (w <= 0 || size.cy <= 0) return;
  for (int n = 0; n < 4; ++n) {
    RECT r = {n * w, 0, (n + 1) * w, size.cy};
    if (HBITMAP copy = CopyBitmapPart(strip, &r)) m_images[n].Reset(copy);
  }
  if (m_hWnd) {
    SetWindowPos(m_hWnd, NULL, 0, 0, w, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(m_hWnd, NULL, FALSE);
  }
}

void CSkinButton::SetImagesFromWindow(const RECT& r, HBITMAP normal, HBITMAP over, HBITMAP down,
                                      HBITMAP disabled) {
  HBITMAP sources[4] = {normal, over, down, disabled};
  for (int n = 0; n < 4; ++n)
    if (HBITMAP copy = CopyBitmapPart(sources[n], &r)) m_images[n].Reset(copy);
  if (m_hWnd) {
    LONG_PTR style = GetWindowLongPtrA(m_hWnd, GWL_STYLE);
    SetWindowLongPtrA(m_hWnd, GWL_STYLE,
                      style & ~static_cast<LONG_PTR>(WS_BORDER | WS_TABSTOP));
    InvalidateRect(m_hWnd, NULL, FALSE);
  }
}

void CSkinButton::SetCaptionFont(const LOGFONTA* font) {
  if (!font) return;
  if (HFONT made = CreateFontIndirectA(font)) m_font.Reset(made);
  if (m_hWnd) InvalidateRect(m_hWnd, NULL, FALSE);
}

void CSkinButton::SetTextColours(COLORREF normal, COLORREF over, COLORREF down,
                                 COLORREF disabled, COLORREF shadow) {
  m_textColour[0] = normal;
  m_textColour[1] = over;
  m_textColour[2] = down;
  m_textColour[3] = disabled;
  m_shadowColour = shadow;
  if (m_hWnd) InvalidateRect(m_hWnd, NULL, FALSE);
}

void CSkinButton::SetStateMargins(const RECT& over, const RECT& down) {
  m_overMargins = over;
  m_downMargins = down;
}

void CSkinButton::SetShadowOffset(POINT offset) {
  m_shadowDx = offset.x;
  m_shadowDy = offset.y;
}

void CSkinButton::SetLatched(int latched) {
  m_latched = latched ? 1 : 0;
  if (latched == m_latchedPressed) return;
  if (latched) {
    m_previousState = m_state;
    m_latchedPressed = latched;
    m_state = kDown;
  } else {
    m_latchedPressed = 0;
    m_previousState = kNormal;
    m_state = kNormal;
  }
  m_fading = 0;
  if (m_hWnd) InvalidateRect(m_hWnd, NULL, FALSE);
}

void CSkinButton::SetShape(HRGN rgn, BOOL redraw) {
  CRgnHandle given(rgn);
  m_shape.Reset();
  if (given) {
    m_shape.Reset(CreateRectRgn(0, 0, 0, 0));
    CombineRgn(m_shape, given, NULL, RGN_COPY);
  }
  // The window owns the region from here on; without a window it is freed.
  if (m_hWnd) SetWindowRgn(m_hWnd, given.Detach(), redraw);
}

void CSkinButton::StartFade() {
  if (m_latched || !m_fadeOn || !m_hWnd) return;
  m_fading = 1;
  KillTimer(m_hWnd, kFadeTimer);
  m_fadeStep = 0;
  m_fadeSteps.clear();
  SetTimer(m_hWnd, kFadeTimer, kFadePeriodMs, NULL);
}

void CSkinButton::OnFadeTimer() {
  m_fading = 1;
  HBITMAP from = NULL, to = NULL;
  if (m_fadeStep < 256) {
    if (m_state == kOver && m_previousState == kNormal) {
      from = m_images[kNormal], to = m_images[kOver];
    } else if (m_state == kDown && m_previousState == kOver) {
      from = m_images[kOver], to = m_images[kDown];
    } else if (m_state == kNormal && m_previousState == kDown) {
      from = m_images[kDown], to = m_images[kNormal];
    } else if (m_state == kNormal && m_previousState == kOver) {
      from = m_images[kOver], to = m_images[kNormal];
    } else if (m_state == kOver && m_previousState == kDown) {
      from = m_images[kDown], to = m_images[kOver];
    }
  }
  if (!from || !to) {
    KillTimer(m_hWnd, kFadeTimer);
    m_fadeStep = 0;
    m_fading = 0;
    // The last step left a blend without the caption: draw the end state.
    InvalidateRect(m_hWnd, NULL, FALSE);
    return;
  }
  {
    CClientDC dc(m_hWnd);
    AlphaStep(dc, from, to, static_cast<BYTE>(m_fadeStep & 0xFF), m_shape);
  }
  m_fadeSteps.push_back(m_fadeStep);
  m_fadeStep += kFadeStride;
}

void CSkinButton::DrawItem(const DRAWITEMSTRUCT* item) {
  ++m_drawCount;
  HDC dc = item->hDC;
  const int saved = SaveDC(dc);
  if (m_shape) SelectClipRgn(dc, m_shape);
  if (item->itemState & ODS_DISABLED) m_state = kDisabled;
  HBITMAP image = m_latched ? m_images[m_latchedPressed ? kDown : kNormal] : m_images[m_state];
  RECT client;
  GetClientRect(m_hWnd, &client);
  if (!m_fading && image) DrawSkinBitmap(dc, image, client);
  if (m_drawCaption) {
    RECT rect = client;
    if (AnyInset(m_margins)) Deflate(rect, m_margins);
    if (m_state == kOver) Deflate(rect, m_overMargins);
    if (m_state == kDown) Deflate(rect, m_downMargins);
    DrawCaption(dc, rect, m_textColour[m_state], m_format);
  }
  RestoreDC(dc, saved);
}

void CSkinButton::DrawCaption(HDC dc, RECT rect, COLORREF colour, int format) {
  char text[512] = "";
  if (GetWindowTextA(m_hWnd, text, sizeof(text)) <= 0) return;
  const int saved = SaveDC(dc);
  SetBkMode(dc, TRANSPARENT);
  SelectObject(dc, m_font ? static_cast<HGDIOBJ>(m_font) : GetStockObject(DEFAULT_GUI_FONT));
  if (m_shadow && IsWindowEnabled(m_hWnd)) {
    RECT shadow = rect;
    OffsetRect(&shadow, m_shadowDx, m_shadowDy);
    SetTextColor(dc, m_shadowColour);
    DrawTextA(dc, text, -1, &shadow, static_cast<UINT>(format));
  }
  SetTextColor(dc, colour);
  DrawTextA(dc, text, -1, &rect, static_cast<UINT>(format));
  RestoreDC(dc, saved);
}

BOOL CSkinButton::OnChildNotify(UINT message, WPARAM, LPARAM lParam, LRESULT* result) {
  if (message == WM_DRAWITEM) {
    DrawItem(reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    *result = TRUE;
    return TRUE;
  }
  if (message == WM_COMMAND) {
    // The system's BN_CLICKED: the click goes to the host by index instead.
    *result = 0;
    return TRUE;
  }
  return FALSE;
}

BOOL CSkinButton::PointerLeftFor(POINT clientPoint) const {
  POINT screen = clientPoint;
  ClientToScreen(m_hWnd, &screen);
  HWND under = WindowFromPoint(screen);
  return under && under != m_hWnd;
}

void CSkinButton::OnMouseMove(UINT flags, POINT point) {
  const bool leftHeld = (flags & MK_LBUTTON) != 0;
  if ((leftHeld && m_state != kOver) || m_latched) return;
  if (GetCapture() != m_hWnd) {
    if (GetActiveWindow() && GetParent(m_hWnd)) {
      if (m_state == kOver) m_previousState = kNormal;
      m_state = kOver;
      SetCapture(m_hWnd);
      StartFade();
      InvalidateRect(m_hWnd, NULL, FALSE);
    }
    return;
  }
  if (!PointerLeftFor(point)) return;
  if (m_state == kOver) {
    m_previousState = kOver;
    m_state = kNormal;
    StartFade();
    InvalidateRect(m_hWnd, NULL, FALSE);
  }
  if (!leftHeld) {
    m_previousState = kOver;
    m_state = kNormal;
    StartFade();
    ReleaseCapture();
  }
}

void CSkinButton::OnReleased(UINT, POINT point) {
  if (m_state != kDown || m_latched) return;
  m_previousState = kDown;
  m_state = PointerLeftFor(point) ? kNormal : kOver;
  StartFade();
  InvalidateRect(m_hWnd, NULL, FALSE);
}

void CSkinButton::OnMouseMoved(UINT, POINT) {}

LRESULT CSkinButton::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_MOUSEMOVE: {
      LRESULT result = DefWindowProc(message, wParam, lParam);
      OnMouseMove(static_cast<UINT>(wParam), PointOf(lParam));
      OnMouseMoved(static_cast<UINT>(wParam), PointOf(lParam));
      return result;
    }
    case WM_LBUTTONDOWN:
      if (m_state == kOver) {
        m_previousState = kOver;
        m_state = kDown;
        StartFade();
        InvalidateRect(m_hWnd, NULL, FALSE);
      }
      break;
    case WM_LBUTTONUP: {
      LRESULT result = DefWindowProc(message, wParam, lParam);
      OnReleased(static_cast<UINT>(wParam), PointOf(lParam));
      return result;
    }
    case WM_CAPTURECHANGED:
      if (m_state == kOver) {
        if (GetCapture() == m_hWnd) ReleaseCapture();
        InvalidateRect(m_hWnd, NULL, FALSE);
      }
      break;
    case WM_KILLFOCUS: {
      LRESULT result = DefWindowProc(message, wParam, lParam);
      if (!m_latched) {
        m_previousState = m_state;
        m_state = kNormal;
        m_fading = 0;
        InvalidateRect(m_hWnd, NULL, FALSE);
      }
      return result;
    }
    case WM_ENABLE:
      if (wParam) {
        m_state = m_latched ? kDown : kNormal;
      } else {
        m_fading = 0;
        KillTimer(m_hWnd, kFadeTimer);
        m_state = kDisabled;
      }
      break;
    case WM_SETCURSOR:
      if (HCURSOR cursor = CurrentSkinCursor()) {
        if (m_handCursor) SetCursor(cursor);
        return TRUE;
      }
      break;
    case WM_TIMER:
      if (wParam == kFadeTimer) {
        OnFadeTimer();
        return 0;
      }
      break;
    case WM_ERASEBKGND:
      return TRUE;  // the images cover the whole button
  }
  return CWnd::WindowProc(message, wParam, lParam);
}

void CSkinPushButton::OnReleased(UINT flags, POINT point) {
  CSkinButton::OnReleased(flags, point);
  RECT client;
  GetClientRect(m_hWnd, &client);
  if (!PtInRect(&client, point)) return;
  InvalidateRect(m_hWnd, NULL, FALSE);
  if (ISkinHost* host = SkinHostOf(m_hWnd)) host->OnButtonClicked(index);
}

void CSkinPushButton::OnMouseMoved(UINT flags, POINT point) {
  if (ISkinHost* host = SkinHostOf(m_hWnd)) host->OnControlMouseMove(name.c_str(), flags, point);
}

LRESULT CSkinPushButton::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_RBUTTONUP) InvalidateRect(m_hWnd, NULL, FALSE);
  return CSkinButton::WindowProc(message, wParam, lParam);
}
