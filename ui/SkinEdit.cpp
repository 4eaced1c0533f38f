#include "ui/SkinEdit.h"

#include <commctrl.h>

#include <vector>

#include "ui/SkinBitmaps.h"
#include "ui/SkinHost.h"
#include "ui/SkinTextFit.h"

CSkinEdit::CSkinEdit() : m_textColour(0xFF0000) {}

BOOL CSkinEdit::CreateEdit(DWORD style, const RECT& rect, HWND parent, UINT id) {
  return Create("EDIT", "", style | WS_CHILD, rect, parent, id);
}

void CSkinEdit::SetEditBackground(HBITMAP bitmap) {
  BITMAP info;
  if (!bitmap || !GetObjectA(bitmap, sizeof(info), &info)) return;
  m_background.Reset(bitmap);
}

void CSkinEdit::SetEditImages(const RECT& r, HBITMAP normal, HBITMAP) {
  if (HBITMAP piece = CopyBitmapPart(normal, &r)) m_background.Reset(piece);
  if (!m_hWnd) return;
  LONG_PTR style = GetWindowLongPtrA(m_hWnd, GWL_STYLE);
  SetWindowLongPtrA(m_hWnd, GWL_STYLE, style & ~static_cast<LONG_PTR>(WS_BORDER | WS_TABSTOP));
  InvalidateRect(m_hWnd, NULL, TRUE);
}

void CSkinEdit::SetEditTextColour(COLORREF colour) {
  m_textColour = colour;
  if (m_hWnd) InvalidateRect(m_hWnd, NULL, TRUE);
}

BOOL CSkinEdit::IsReadOnly() const {
  return m_hWnd && (GetWindowLongPtrA(m_hWnd, GWL_STYLE) & ES_READONLY) != 0;
}

std::string CSkinEdit::GetText() const {
  if (!m_hWnd) return std::string();
  int length = GetWindowTextLengthA(m_hWnd);
  std::string shown(length > 0 ? length + 1 : 1, '\0');
  GetWindowTextA(m_hWnd, &shown[0], static_cast<int>(shown.size()));
  shown.resize(lstrlenA(shown.c_str()));
  return shown;
}

void CSkinEdit::SetText(const char* text) {
  if (m_hWnd) SetWindowTextA(m_hWnd, text ? text : "");
}

void CSkinEdit::SetReadOnly(bool readOnly) {
  if (m_hWnd) ::SendMessageA(m_hWnd, EM_SETREADONLY, readOnly ? TRUE : FALSE, 0);
}

void CSkinEdit::EnsureToolTip() {
  if (m_tooltip.m_hWnd || !m_hWnd) return;
  RECT none = {0, 0, 0, 0};
  if (!m_tooltip.Create(TOOLTIPS_CLASSA, "", WS_POPUP | TTS_ALWAYSTIP, none, m_hWnd, 0,
                        WS_EX_TOPMOST))
    return;
  m_tooltip.SendMessage(TTM_ACTIVATE, FALSE);
}

void CSkinEdit::SetEditToolTip(const std::string* tip, BOOL activate) {
  if (!tip) return;
  EnsureToolTip();
  if (!m_tooltip.m_hWnd) return;
  TTTOOLINFOA tool = {};
  tool.cbSize = TTTOOLINFOA_V1_SIZE;
  tool.hwnd = m_hWnd;
  tool.uId = 1;
  tool.lpszText = const_cast<char*>(tip->c_str());  // copied by the control
  GetClientRect(m_hWnd, &tool.rect);
  if (m_tooltip.SendMessage(TTM_GETTOOLCOUNT) == 0)
    m_tooltip.SendMessage(TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
  m_tooltip.SendMessage(TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&tool));
  m_tooltip.SendMessage(TTM_ACTIVATE, activate);
}

BOOL CSkinEdit::PreTranslateMessage(MSG* msg) {
  EnsureToolTip();
  if (m_tooltip.m_hWnd) m_tooltip.SendMessage(TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(msg));
  return CWnd::PreTranslateMessage(msg);
}

HFONT CSkinEdit::ParentFont() const {
  HWND parent = GetParent(m_hWnd);
  HFONT font = parent ? reinterpret_cast<HFONT>(::SendMessageA(parent, WM_GETFONT, 0, 0)) : NULL;
  return font ? font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

std::string CSkinEdit::ShownText(HDC dc) const {
  const int length = GetWindowTextLengthA(m_hWnd);
  std::vector<char> buffer(static_cast<size_t>(length) + 1, 0);
  GetWindowTextA(m_hWnd, buffer.data(), length + 1);
  RECT client;
  GetClientRect(m_hWnd, &client);
  return CompactPathToWidth(dc, buffer.data(), client.right);
}

COLORREF CSkinEdit::ShownColour() const {
  return IsWindowEnabled(m_hWnd) ? m_textColour : kDisabledText;
}

void CSkinEdit::Paint(HDC dc) {
  if (m_background) DrawBitmapAt(dc, 0, 0, m_background);
  const int saved = SaveDC(dc);
  SelectObject(dc, ParentFont());
  const std::string shown = ShownText(dc);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ShownColour());
  TextOutA(dc, 0, 0, shown.c_str(), static_cast<int>(shown.size()));
  RestoreDC(dc, saved);
}

BOOL CSkinEdit::OnChildNotify(UINT message, WPARAM wParam, LPARAM, LRESULT* result) {
  if (message != WM_COMMAND) return FALSE;
  ISkinHost* host = SkinHostOf(m_hWnd);
  switch (HIWORD(wParam)) {
    case EN_CHANGE: {
      const int length = GetWindowTextLengthA(m_hWnd);
      std::vector<char> buffer(static_cast<size_t>(length) + 1, 0);
      GetWindowTextA(m_hWnd, buffer.data(), length + 1);
      text = buffer.data();
      if (host) host->OnEditChanged(name.c_str(), text.c_str());
      break;
    }
    case EN_SETFOCUS:
      if (host) host->OnEditSetFocus();
      break;
    case EN_KILLFOCUS:
      if (host) host->OnEditKillFocus();
      break;
    default:
      return FALSE;
  }
  *result = 0;
  return TRUE;
}

LRESULT CSkinEdit::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: {
      CPaintDC dc(m_hWnd);
      Paint(dc);
      return 0;
    }
    case WM_ERASEBKGND:
      if (m_background) DrawBitmapAt(reinterpret_cast<HDC>(wParam), 0, 0, m_background);
      return TRUE;
    case WM_KILLFOCUS:
      InvalidateRect(m_hWnd, NULL, TRUE);
      break;
    case WM_DESTROY:
      // The tooltip is owned by the top-level window, not by the edit.
      m_tooltip.DestroyWindow();
      break;
  }
  return CWnd::WindowProc(message, wParam, lParam);
}
