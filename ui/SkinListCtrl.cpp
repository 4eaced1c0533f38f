#include "ui/SkinListCtrl.h"

#include <commctrl.h>

#include "winfx/GdiHandles.h"

CSkinListCtrl::CSkinListCtrl() : m_bkColor(RGB(237, 242, 249)), m_altColor(RGB(255, 255, 255)) {}

void CSkinListCtrl::SetColors(COLORREF background, COLORREF alternate) {
  m_bkColor = background;
  m_altColor = alternate;
  if (m_hWnd) ListView().SetBkColor(background);
}

BOOL CSkinListCtrl::IsReportStyle() const {
  return (GetWindowLongA(m_hWnd, GWL_STYLE) & LVS_TYPEMASK) == LVS_REPORT;
}

void CSkinListCtrl::SubclassHeader() {
  HWND header = ListView().GetHeader();
  if (header && !m_header.m_hWnd) m_header.Subclass(header);
}

// A list subclassed while it is being created has no header yet: the control
// makes it during its WM_CREATE, so the header is taken once that is done.
void CSkinListCtrl::PreSubclassWindow() { SubclassHeader(); }

LRESULT CSkinListCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_ERASEBKGND && IsReportStyle()) {
    RECT client;
    GetClientRect(m_hWnd, &client);
    CBrushHandle brush(CreateSolidBrush(m_bkColor));
    FillRect(reinterpret_cast<HDC>(wParam), &client, brush);
    return 0;
  }
  LRESULT result = CWnd::WindowProc(message, wParam, lParam);
  if (message == WM_CREATE && result != -1) SubclassHeader();
  return result;
}

BOOL CSkinListCtrl::OnChildNotify(UINT message, WPARAM, LPARAM lParam, LRESULT* result) {
  if (message != WM_NOTIFY) return FALSE;
  NMHDR* header = reinterpret_cast<NMHDR*>(lParam);
  if (header->code != NM_CUSTOMDRAW) return FALSE;
  *result = OnCustomDraw(reinterpret_cast<NMLVCUSTOMDRAW*>(lParam));
  return TRUE;
}

LRESULT CSkinListCtrl::OnCustomDraw(NMLVCUSTOMDRAW* draw) {
  if (!IsReportStyle()) return 1;
  switch (draw->nmcd.dwDrawStage) {
    case CDDS_PREPAINT:
      return CDRF_NOTIFYITEMDRAW;
    case CDDS_ITEMPREPAINT:
      draw->clrText = ListView().GetTextColor();
      return CDRF_NOTIFYSUBITEMDRAW;
    case CDDS_ITEMPREPAINT | CDDS_SUBITEM:
      draw->clrTextBk = (draw->nmcd.dwItemSpec % 2) ? m_altColor : m_bkColor;
      return CDRF_NEWFONT;
    default:
      return 0;
  }
}
