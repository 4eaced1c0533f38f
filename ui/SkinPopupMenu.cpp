#include "ui/SkinPopupMenu.h"

#include <windowsx.h>
#include <commctrl.h>

#include "base/OsVersion.h"
#include "base/RuntimeFunctions.h"
#include "ui/SkinPopupMath.h"

namespace {

// The menu metrics, read once for the process.
struct MenuMetrics {
  int itemHeight, widthPad, borderX, borderY;
};

const MenuMetrics& Metrics() {
  static const MenuMetrics metrics = {GetSystemMetrics(SM_CYMENUSIZE),
                                      GetSystemMetrics(SM_CXMENUSIZE),
                                      GetSystemMetrics(SM_CXBORDER), GetSystemMetrics(SM_CYBORDER)};
  return metrics;
}

// The tooltip windows of this thread that belong to a top-level window.
struct OwnedToolTips {
  HWND owner;
  std::vector<HWND> found;
};

BOOL CALLBACK CollectOwnedToolTip(HWND window, LPARAM data) {
  OwnedToolTips* tips = reinterpret_cast<OwnedToolTips*>(data);
  char className[64] = "";
  GetClassNameA(window, className, sizeof(className));
  if (lstrcmpiA(className, TOOLTIPS_CLASSA) == 0 && GetWindow(window, GW_OWNER) == tips->owner)
    tips->found.push_back(window);
  return TRUE;
}

}  // namespace

int CSkinPopupMenu::ItemHeight() { return Metrics().itemHeight; }

CSkinPopupMenu* CSkinPopupMenu::Show(const RECT& ownerRect, const std::vector<std::string>& items,
                                     int tag, HWND owner, int translucent, COLORREF itemText,
                                     COLORREF popupBack, COLORREF hoverText, COLORREF hoverFill,
                                     COLORREF frameColour) {
  SkinPopupRequest request;
  request.ownerRect = ownerRect;
  request.items = items;
  request.tag = tag;
  request.owner = owner;
  request.translucent = translucent;
  request.itemText = itemText;
  request.popupBack = popupBack;
  request.hoverText = hoverText;
  request.hoverFill = hoverFill;
  request.frameColour = frameColour;
  request.osVersionType = GetOSVersionType();
  return Open(request);
}

CSkinPopupMenu* CSkinPopupMenu::Open(const SkinPopupRequest& request) {
  CSkinPopupMenu* popup = new CSkinPopupMenu(request);
  if (!popup->Make()) {
    delete popup;  // no window: nothing else will
    return NULL;
  }
  return popup;
}

CSkinPopupMenu::CSkinPopupMenu(const SkinPopupRequest& request)
    : m_request(request), m_hover(-1), m_layered(FALSE), m_closing(FALSE) {}

BOOL CSkinPopupMenu::DestroyWindow() {
  m_closing = TRUE;
  return CWnd::DestroyWindow();
}

BOOL CSkinPopupMenu::Make() {
  m_backBrush.Reset(CreateSolidBrush(m_request.popupBack));
  m_layered = SkinPopupIsLayered(m_request.translucent, m_request.osVersionType);
  const RECT& owner = m_request.ownerRect;
  RECT start = {owner.left, owner.bottom, owner.left + 1, owner.bottom + 1};
  if (!Create(NULL, "", WS_POPUP, start, m_request.owner, 0, m_layered ? WS_EX_LAYERED : 0))
    return FALSE;
  if (m_layered) {
    if (PFN_SetLayeredWindowAttributes setLayered = RuntimeSetLayeredWindowAttributes()) {
      setLayered(m_hWnd, 0, static_cast<BYTE>(kAlphaPercent * 255 / 100), LWA_ALPHA);
    } else {
      // A layered window without its attributes is never drawn: opaque then.
      LONG_PTR exStyle = GetWindowLongPtrA(m_hWnd, GWL_EXSTYLE);
      SetWindowLongPtrA(m_hWnd, GWL_EXSTYLE, exStyle & ~static_cast<LONG_PTR>(WS_EX_LAYERED));
      m_layered = FALSE;
    }
  }
  SilenceOwnerToolTips();
  SizeAndShow();
  SetCapture(m_hWnd);
  return TRUE;
}

// A tooltip shown when the drop-down was clicked would stay drawn over the
// popup's first rows (and come back while the mouse rests there): the owner
// window's tooltips are popped and switched off while the popup is open.
void CSkinPopupMenu::SilenceOwnerToolTips() {
  OwnedToolTips tips = {m_request.owner ? GetAncestor(m_request.owner, GA_ROOT) : NULL, {}};
  if (!tips.owner) return;
  EnumThreadWindows(GetCurrentThreadId(), CollectOwnedToolTip, reinterpret_cast<LPARAM>(&tips));
  for (HWND tip : tips.found) {
    ::SendMessageA(tip, TTM_POP, 0, 0);
    ::SendMessageA(tip, TTM_ACTIVATE, FALSE, 0);
  }
  m_silencedTips = tips.found;
}

void CSkinPopupMenu::RestoreOwnerToolTips() {
  for (HWND tip : m_silencedTips)
    if (IsWindow(tip)) ::SendMessageA(tip, TTM_ACTIVATE, TRUE, 0);
  m_silencedTips.clear();
}

HFONT CSkinPopupMenu::OwnerFont() const {
  HFONT font = m_request.owner
                   ? reinterpret_cast<HFONT>(::SendMessageA(m_request.owner, WM_GETFONT, 0, 0))
                   : NULL;
  return font ? font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

void CSkinPopupMenu::SizeAndShow() {
  int widest = 0;
  {
    CClientDC dc(m_hWnd);
    CSelectObject font(dc, OwnerFont());
    for (const std::string& item : m_request.items) {
      SIZE size = {0, 0};
      GetTextExtentPoint32A(dc, item.c_str(), static_cast<int>(item.size()), &size);
      if (size.cx > widest) widest = size.cx;
    }
  }
  const MenuMetrics& metrics = Metrics();
  const RECT r = PlaceSkinPopup(m_request.ownerRect, widest,
                                static_cast<int>(m_request.items.size()), metrics.itemHeight,
                                metrics.widthPad, GetSystemMetrics(SM_CYFULLSCREEN));
  const int w = r.right - r.left, h = r.bottom - r.top;
  SetWindowPos(m_hWnd, NULL, r.left, r.top, w, h,
               SWP_NOZORDER | SWP_NOACTIVATE | SWP_HIDEWINDOW);
  m_region.Reset(CreateRectRgn(0, 0, w, h));
  // The window owns the region it is given; the popup keeps its own copy.
  CRgnHandle shape(CreateRectRgn(0, 0, w, h));
  if (shape && SetWindowRgn(m_hWnd, shape, FALSE)) shape.Detach();
  ShowWindow(m_hWnd, SW_SHOW);
}

void CSkinPopupMenu::DrawRow(HDC dc, int row) {
  const int count = static_cast<int>(m_request.items.size());
  if (row < 0 || row >= count) return;
  const MenuMetrics& metrics = Metrics();
  RECT client;
  GetClientRect(m_hWnd, &client);
  RECT r = SkinPopupRowRect(row, client.right, metrics.itemHeight, metrics.borderX,
                            metrics.borderY);
  const int saved = SaveDC(dc);
  if (row == m_hover) {
    SetBkColor(dc, m_request.hoverFill);
    ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &r, NULL, 0, NULL);  // a solid fill
    SetTextColor(dc, m_request.hoverText);
  } else {
    FillRect(dc, &r, m_backBrush);
    SetTextColor(dc, m_request.itemText);
  }
  SelectObject(dc, OwnerFont());
  SetBkMode(dc, TRANSPARENT);
  const std::string& item = m_request.items[static_cast<size_t>(row)];
  DrawTextA(dc, item.c_str(), static_cast<int>(item.size()), &r, DT_VCENTER | DT_SINGLELINE);
  RestoreDC(dc, saved);
}

void CSkinPopupMenu::OnMouseMove(POINT point) {
  RECT client;
  GetClientRect(m_hWnd, &client);
  const int row = SkinPopupRowAt(point.y, PtInRect(&client, point) != FALSE, Metrics().itemHeight,
                                 static_cast<int>(m_request.items.size()));
  if (row == m_hover) return;
  const int old = m_hover;
  m_hover = row;
  CClientDC dc(m_hWnd);
  DrawRow(dc, old);
  DrawRow(dc, row);
}

void CSkinPopupMenu::Choose(POINT point) {
  POINT screen = point;
  ClientToScreen(m_hWnd, &screen);
  RECT window;
  GetWindowRect(m_hWnd, &window);
  Close(PtInRect(&window, screen) ? m_hover : -1);
}

void CSkinPopupMenu::Close(int result) {
  // What the rest needs, taken now: the owner's command may close the popup
  // (a message box takes the focus), and the object goes with its window.
  const HWND self = m_hWnd, owner = m_request.owner;
  const int tag = m_request.tag;
  // The mouse is let go first, so the owner's command can use it.
  if (GetCapture() == self) ReleaseCapture();
  ::SendMessageA(owner, WM_SKIN_POPUP_CHOSEN, static_cast<WPARAM>(result), tag);
  SetFocus(owner);
  // The focus change closes the popup; when it did not (no owner to take
  // the focus), the popup closes here. While its window lives, so does
  // this object.
  if (IsWindow(self)) DestroyWindow();
}

LRESULT CSkinPopupMenu::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  POINT point = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  switch (message) {
    case WM_ERASEBKGND: {
      RECT client;
      GetClientRect(m_hWnd, &client);
      FillRect(reinterpret_cast<HDC>(wParam), &client, m_backBrush);
      return TRUE;
    }
    case WM_PAINT: {
      CPaintDC dc(m_hWnd);
      for (int row = 0; row < static_cast<int>(m_request.items.size()); ++row) DrawRow(dc, row);
      const MenuMetrics& metrics = Metrics();
      CBrushHandle frame(CreateSolidBrush(m_request.frameColour));
      if (m_region) FrameRgn(dc, m_region, frame, metrics.borderX, metrics.borderY);
      return 0;
    }
    case WM_MOUSEMOVE: {
      OnMouseMove(point);
      break;
    }
    case WM_LBUTTONUP:
    case WM_RBUTTONUP: {
      CWnd::WindowProc(message, wParam, lParam);
      Choose(point);  // may destroy the window and this object
      return 0;
    }
    case WM_KEYDOWN:
      if (wParam == VK_ESCAPE) {
        Close(-1);  // may destroy the window and this object
        return 0;
      }
      break;
    case WM_KILLFOCUS: {
      LRESULT result = CWnd::WindowProc(message, wParam, lParam);
      if (GetCapture() == m_hWnd) ReleaseCapture();
      if (!m_closing) DestroyWindow();  // this object goes with its window
      return result;
    }
    case WM_DESTROY:
      m_closing = TRUE;
      RestoreOwnerToolTips();
      break;
  }
  return CWnd::WindowProc(message, wParam, lParam);
}
