#include "config/dialogs/HyperLink.h"

#include <commctrl.h>

#include "base/Handles.h"
#include "config/dialogs/LinkOpen.h"

namespace {

enum { kHelpViewerHandCursor = 106, kToolId = 1 };

// The help viewer's hand cursor, copied so that its file can go at once.
HCURSOR LoadHandCursor() {
  char path[MAX_PATH] = {0};
  UINT length = GetWindowsDirectoryA(path, MAX_PATH);
  const char kViewer[] = "\\winhlp32.exe";
  if (length == 0 || length + sizeof(kViewer) > MAX_PATH) return NULL;
  lstrcatA(path, kViewer);
  CLibrary viewer(LoadLibraryExA(path, NULL, LOAD_LIBRARY_AS_DATAFILE));
  if (!viewer.IsValid()) return NULL;
  HCURSOR shared = LoadCursorA(viewer, MAKEINTRESOURCEA(kHelpViewerHandCursor));
  return shared ? reinterpret_cast<HCURSOR>(CopyIcon(reinterpret_cast<HICON>(shared))) : NULL;
}

std::string WindowText(HWND hWnd) {
  int length = GetWindowTextLengthA(hWnd);
  std::string text(length > 0 ? length + 1 : 1, '\0');
  GetWindowTextA(hWnd, &text[0], static_cast<int>(text.size()));
  text.resize(lstrlenA(text.c_str()));
  return text;
}

}  // namespace

HCURSOR CHyperLink::HandCursor() {
  // Loaded once for the process and kept until the library goes.
  static CCursorHandle cursor(LoadHandCursor());
  return cursor;
}

void CHyperLink::SetTarget(const char* target) {
  m_target = target ? target : "";
  if (!m_hWnd) return;
  ShowWindow(m_hWnd, SW_HIDE);
  FitToText();
  UpdateToolTip();
  ShowWindow(m_hWnd, SW_SHOW);
}

void CHyperLink::SetLinkText(const char* text) {
  if (!m_hWnd) return;
  ShowWindow(m_hWnd, SW_HIDE);
  SetWindowTextA(m_hWnd, text ? text : "");
  FitToText();
  ShowWindow(m_hWnd, SW_SHOW);
}

void CHyperLink::PreSubclassWindow() {
  std::string text = WindowText(m_hWnd);
  if (m_target.empty()) m_target = text;
  if (text.empty()) SetWindowTextA(m_hWnd, m_target.c_str());
  HFONT font = reinterpret_cast<HFONT>(::SendMessageA(m_hWnd, WM_GETFONT, 0, 0));
  LOGFONTA look = {};
  if (font && GetObjectA(font, sizeof(look), &look)) {
    look.lfUnderline = (m_options & kUnderline) ? TRUE : FALSE;
    m_font.Reset(CreateFontIndirectA(&look));
    if (m_font.IsValid()) ::SendMessageA(m_hWnd, WM_SETFONT, reinterpret_cast<WPARAM>(m_font.Get()), FALSE);
  } else {
    m_options &= ~kFitToText;
  }
  FitToText();
  if (!(m_options & kNormalCursor)) HandCursor();
  CreateToolTip();
}

void CHyperLink::CreateToolTip() {
  INITCOMMONCONTROLSEX classes = {sizeof(classes), ICC_BAR_CLASSES};
  InitCommonControlsEx(&classes);
  m_hToolTip = CreateWindowExA(0, TOOLTIPS_CLASSA, NULL, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, m_hWnd, NULL,
                               GetModuleHandleA(NULL), NULL);
  if (!m_hToolTip) return;
  TTTOOLINFOA tool = {};
  tool.cbSize = TTTOOLINFOA_V1_SIZE;  // the size every tooltip of the program uses
  tool.hwnd = m_hWnd;
  tool.uId = kToolId;
  tool.lpszText = const_cast<char*>(m_target.c_str());
  GetClientRect(m_hWnd, &tool.rect);
  ::SendMessageA(m_hToolTip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

void CHyperLink::UpdateToolTip() {
  if (!m_hToolTip) return;
  TTTOOLINFOA tool = {};
  tool.cbSize = TTTOOLINFOA_V1_SIZE;
  tool.hwnd = m_hWnd;
  tool.uId = kToolId;
  tool.lpszText = const_cast<char*>(m_target.c_str());
  ::SendMessageA(m_hToolTip, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&tool));
}

void CHyperLink::FitToText() {
  if (!(m_options & kFitToText) || !m_hWnd) return;
  HWND parent = GetParent(m_hWnd);
  RECT window, client;
  GetWindowRect(m_hWnd, &window);
  GetClientRect(m_hWnd, &client);
  if (parent) MapWindowPoints(NULL, parent, reinterpret_cast<POINT*>(&window), 2);
  std::string text = WindowText(m_hWnd);
  SIZE extent = {0, 0};
  {
    CClientDC dc(m_hWnd);
    CSelectObject font(dc, m_font.Get());
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &extent);
  }
  const LONG style = GetWindowLongA(m_hWnd, GWL_STYLE);
  RECT fitted = window;
  if (style & SS_CENTERIMAGE) {
    fitted.top = window.top + ((window.bottom - window.top) - extent.cy) / 2;
  }
  fitted.bottom = fitted.top + extent.cy;
  const LONG horizontal = style & SS_TYPEMASK;
  if (horizontal == SS_CENTER) {
    fitted.left = window.left + ((window.right - window.left) - extent.cx) / 2;
    fitted.right = fitted.left + extent.cx;
  } else if (horizontal == SS_RIGHT) {
    fitted.left = window.right - extent.cx;
  } else {
    fitted.right = window.left + extent.cx;
  }
  // The frame around the client area.
  const LONG frameX = (window.right - window.left) - (client.right - client.left);
  const LONG frameY = (window.bottom - window.top) - (client.bottom - client.top);
  MoveWindow(m_hWnd, fitted.left, fitted.top, fitted.right - fitted.left + frameX,
             fitted.bottom - fitted.top + frameY, TRUE);
  if (m_hToolTip) {
    TTTOOLINFOA tool = {};
    tool.cbSize = TTTOOLINFOA_V1_SIZE;
    tool.hwnd = m_hWnd;
    tool.uId = kToolId;
    GetClientRect(m_hWnd, &tool.rect);
    ::SendMessageA(m_hToolTip, TTM_NEWTOOLRECTA, 0, reinterpret_cast<LPARAM>(&tool));
  }
}

COLORREF CHyperLink::TextColour() const {
  if (m_bOver && (m_options & kUseHoverColour)) return kHoverColour;
  if (m_bPressed && !(m_options & kNoFocusColour)) return kFocusColour;
  return m_bVisited ? kVisitedColour : kLinkColour;
}

HBRUSH CHyperLink::OnCtlColor(HDC dc) {
  SetTextColor(dc, TextColour());
  SetBkMode(dc, TRANSPARENT);
  return static_cast<HBRUSH>(GetStockObject(HOLLOW_BRUSH));
}

BOOL CHyperLink::Open() {
  if (OpenLinkTarget(GetParent(m_hWnd), m_target.c_str()) <= 32) return FALSE;
  m_bVisited = TRUE;
  InvalidateRect(m_hWnd, NULL, TRUE);
  return TRUE;
}

void CHyperLink::OnMouseMove(POINT point) {
  if (!m_bOver) {
    m_bOver = TRUE;
    InvalidateRect(m_hWnd, NULL, TRUE);
    SetCapture(m_hWnd);
    return;
  }
  RECT client;
  GetClientRect(m_hWnd, &client);
  if (!PtInRect(&client, point)) {
    m_bOver = FALSE;
    ReleaseCapture();
    InvalidateRect(m_hWnd, NULL, TRUE);
  }
}

LRESULT CHyperLink::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (m_hToolTip && message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) {
    MSG relayed = {m_hWnd, message, wParam, lParam, static_cast<DWORD>(GetMessageTime()), {}};
    ::SendMessageA(m_hToolTip, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relayed));
  }
  switch (message) {
    case WM_SETCURSOR:
      if (HandCursor() && !(m_options & kNormalCursor)) {
        SetCursor(HandCursor());
        return TRUE;
      }
      break;
    case WM_NCHITTEST:
      return HTCLIENT;
    case WM_MOUSEMOVE: {
      POINT point = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
      OnMouseMove(point);
      return 0;
    }
    case WM_LBUTTONDOWN:
      if (m_options & kFocusOnClick) SetFocus(m_hWnd);
      if (m_options & kOpenOnPress) Open();
      m_bPressed = TRUE;
      return 0;
    case WM_LBUTTONUP:
      if (m_bPressed && !(m_options & kOpenOnPress)) Open();
      return 0;
    case WM_KEYDOWN:
      if (wParam == VK_SPACE) {
        Open();
        return 0;
      }
      break;
    case WM_GETDLGCODE:
      // Space reaches the link instead of the dialog's default button.
      return DLGC_WANTCHARS;
    case WM_SETFOCUS:
      m_bPressed = TRUE;
      InvalidateRect(m_hWnd, NULL, TRUE);
      break;
    case WM_KILLFOCUS:
      m_bOver = FALSE;
      m_bPressed = FALSE;
      InvalidateRect(m_hWnd, NULL, TRUE);
      break;
    default:
      break;
  }
  return CWnd::WindowProc(message, wParam, lParam);
}
