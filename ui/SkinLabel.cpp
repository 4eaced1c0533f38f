#include "ui/SkinLabel.h"

#include <windowsx.h>

#include "base/Strings.h"
#include "ui/SkinBitmaps.h"
#include "ui/SkinFonts.h"
#include "ui/SkinHost.h"
#include "ui/SkinTextFit.h"

LOGFONTA SkinLabelLogFont(const LOGFONTA& windowFont, const SkinLabelLine& line,
                          int pixelsPerInch) {
  LOGFONTA font = windowFont;
  if (!line.face.empty()) CopyBounded(font.lfFaceName, LF_FACESIZE, line.face.c_str());
  font.lfWeight = line.bold ? FW_BOLD : FW_NORMAL;
  font.lfItalic = static_cast<BYTE>(line.italic);
  font.lfHeight = SkinFontHeight(line.points, pixelsPerInch);
  return font;
}

CSkinLabel::CSkinLabel() : m_scrollOffset(0), m_widthInChars(0), m_scrolling(FALSE) {}

void CSkinLabel::SetLabelText(const std::string& text) {
  m_text = text;
  if (m_hWnd) SetWindowTextA(m_hWnd, text.c_str());
  Measure();
}

void CSkinLabel::SetLabelFont(HFONT font) {
  LOGFONTA logFont = {};
  if (!font || !GetObjectA(font, sizeof(logFont), &logFont)) return;
  SetCaptionFont(&logFont);
  Measure();
}

void CSkinLabel::SetLabelBackground(const RECT& r, HBITMAP image) {
  if (HBITMAP piece = CopyBitmapPart(image, &r)) m_background.Reset(piece);
}

void CSkinLabel::Measure() {
  if (!m_hWnd) return;
  if (m_scrolling) KillTimer(m_hWnd, kScrollTimer);
  RECT client;
  GetClientRect(m_hWnd, &client);
  SIZE w = {0, 0}, text = {0, 0};
  {
    CClientDC dc(m_hWnd);
    CSelectObject font(dc, m_font.Get());
    GetTextExtentPoint32A(dc, "W", 1, &w);
    GetTextExtentPoint32A(dc, m_text.c_str(), static_cast<int>(m_text.size()), &text);
  }
  m_widthInChars = LabelWidthInChars(client.right, w.cx);
  m_scrolling = LabelNeedsMarquee(text.cx, client.right);
  if (m_scrolling) SetTimer(m_hWnd, kScrollTimer, kScrollPeriodMs, NULL);
  m_scrollOffset = 0;
  InvalidateRect(m_hWnd, NULL, FALSE);
}

void CSkinLabel::DrawItem(const DRAWITEMSTRUCT* item) {
  ++m_drawCount;
  HDC dc = item->hDC;
  RECT client;
  GetClientRect(m_hWnd, &client);
  if (m_background) DrawSkinBitmap(dc, m_background, client);
  const SkinMarqueeFrame frame = MarqueeText(m_text, m_scrollOffset, m_widthInChars);
  // A text that runs round is drawn from the left, whatever the skin says.
  const UINT format = frame.repeated ? DT_VCENTER : static_cast<UINT>(m_format);
  const int saved = SaveDC(dc);
  SetBkMode(dc, TRANSPARENT);
  SelectObject(dc, m_font.Get());
  SetTextColor(dc, m_textColour[kNormal]);
  DrawTextA(dc, frame.text.c_str(), static_cast<int>(frame.text.size()), &client, format);
  RestoreDC(dc, saved);
}

void CSkinLabel::OnReleased(UINT flags, POINT point) {
  CSkinButton::OnReleased(flags, point);
  if (ISkinHost* host = SkinHostOf(m_hWnd)) host->OnLabelClicked(index);
}

LRESULT CSkinLabel::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_MOUSEMOVE: {
      // A label does not track hover: it only tells its host.
      LRESULT result = CWnd::WindowProc(message, wParam, lParam);
      POINT p = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
      if (ISkinHost* host = SkinHostOf(m_hWnd))
        host->OnControlMouseMove(name.c_str(), static_cast<UINT>(wParam), p);
      return result;
    }
    case WM_TIMER:
      if (wParam == kScrollTimer) {
        m_scrollOffset = NextMarqueeOffset(m_scrollOffset, static_cast<int>(m_text.size()));
        InvalidateRect(m_hWnd, NULL, FALSE);
        return 0;
      }
      break;
    case WM_DESTROY:
      if (m_scrolling) KillTimer(m_hWnd, kScrollTimer);
      m_scrolling = FALSE;
      break;
  }
  return CSkinButton::WindowProc(message, wParam, lParam);
}
