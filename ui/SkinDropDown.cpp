#include "ui/SkinDropDown.h"

#include "ui/SkinHost.h"
#include "ui/SkinPopupMath.h"
#include "ui/SkinPopupMenu.h"

CSkinDropDown::CSkinDropDown()
    : m_current(-1),
      m_itemText(RGB(146, 216, 211)),
      m_popupBack(RGB(42, 88, 133)),
      m_hoverText(RGB(255, 255, 255)),
      m_hoverFill(RGB(0, 38, 73)),
      m_popupFrame(RGB(165, 208, 205)),
      m_translucent(0) {
  m_format = DT_VCENTER | DT_SINGLELINE;  // left-aligned
  m_margins.left = 5;
  m_textColour[kNormal] = m_textColour[kOver] = m_textColour[kDown] = RGB(0, 0, 0);
}

void CSkinDropDown::SetColours(COLORREF faceText, COLORREF itemText, COLORREF popupBack,
                               COLORREF hoverText, COLORREF hoverFill, COLORREF popupFrame) {
  m_textColour[kNormal] = m_textColour[kOver] = m_textColour[kDown] = faceText;
  m_itemText = itemText;
  m_popupBack = popupBack;
  m_hoverText = hoverText;
  m_hoverFill = hoverFill;
  m_popupFrame = popupFrame;
  if (m_hWnd) InvalidateRect(m_hWnd, NULL, FALSE);
}

int CSkinDropDown::AddItem(const char* text) {
  m_items.push_back(text ? text : "");
  return GetCount();
}

int CSkinDropDown::SetCurSel(int i) {
  m_current = SkinSelectionOrNone(i, GetCount());
  if (m_hWnd) {
    SetWindowTextA(m_hWnd, m_current >= 0 ? m_items[static_cast<size_t>(m_current)].c_str() : "");
    InvalidateRect(m_hWnd, NULL, FALSE);
  }
  return m_current;
}

bool CSkinDropDown::GetItemText(int i, std::string& text) const {
  if (SkinSelectionOrNone(i, GetCount()) < 0) return false;
  text = m_items[static_cast<size_t>(i)];
  return true;
}

void CSkinDropDown::OnReleased(UINT flags, POINT point) {
  // The button's own release first: the system button lets go of the mouse
  // there, and the popup must keep it.
  CSkinButton::OnReleased(flags, point);
  RECT r;
  GetWindowRect(m_hWnd, &r);
  CSkinPopupMenu::Show(r, m_items, 0, m_hWnd, m_translucent, m_itemText, m_popupBack,
                       m_hoverText, m_hoverFill, m_popupFrame);
}

void CSkinDropDown::OnChosen(int row) {
  // No choice (-1) or a row that is not an item changes nothing.
  if (SkinSelectionOrNone(row, GetCount()) >= 0) {
    m_current = row;
    SetWindowTextA(m_hWnd, m_items[static_cast<size_t>(row)].c_str());
    InvalidateRect(m_hWnd, NULL, FALSE);
  }
  // The command runs either way, with the current selection.
  if (ISkinHost* host = SkinHostOf(m_hWnd)) host->OnDropDownSelected(index);
}

LRESULT CSkinDropDown::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_SKIN_POPUP_CHOSEN) {
    OnChosen(static_cast<int>(wParam));
    return 0;
  }
  return CSkinButton::WindowProc(message, wParam, lParam);
}
