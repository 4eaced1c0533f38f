// CSkinDropDown: a skin's [COMBOBOXINFO] control. A skinned button that
// shows the current item's text and, when released, opens a popup list of
// its items; the popup's answer (a row, or -1 for no choice) comes back as
// WM_SKIN_POPUP_CHOSEN and is reported to the host either way, so the
// window runs the drop-down's command with the current selection.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "ui/SkinButton.h"
#include "ui/SkinValueControl.h"

class CSkinDropDown : public CSkinButton, public CSkinValueControlBase {
 public:
  std::string name;
  std::string tooltip;
  int index = 0;  // its place in the window's drop-down list
  RECT skinRect = {0, 0, 0, 0};

  CSkinDropDown();

  // In the order of a skin line's six colours; faceText is the caption's
  // colour in the normal, over and down looks.
  void SetColours(COLORREF faceText, COLORREF itemText, COLORREF popupBack, COLORREF hoverText,
                  COLORREF hoverFill, COLORREF popupFrame);
  void SetTranslucent(int translucent) { m_translucent = translucent; }
  // The new item count.
  int AddItem(const char* text);
  int GetCount() const { return static_cast<int>(m_items.size()); }
  const std::vector<std::string>& Items() const { return m_items; }
  // An index outside the items (negative or too large) clears the
  // selection and answers -1; else the item is shown and i answered.
  int SetCurSel(int i);
  int GetCurSel() const { return m_current; }

  // As the window's refresh by name sees it: the selection.
  const std::string& GetControlName() const override { return name; }
  HWND GetControlWnd() const override { return m_hWnd; }
  int GetValue() const override { return GetCurSel(); }
  void SetValue(int value) override { SetCurSel(value); }
  // False, with text untouched, for an index outside the items.
  bool GetItemText(int i, std::string& text) const;

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnReleased(UINT flags, POINT point) override;

 private:
  void OnChosen(int row);

  std::vector<std::string> m_items;
  int m_current;
  COLORREF m_itemText, m_popupBack, m_hoverText, m_hoverFill, m_popupFrame;
  int m_translucent;
};
