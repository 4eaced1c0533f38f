// CSkinEdit: a skin's [EDITS] control. A system edit box that draws its own
// text over the piece of the window image under it, shortened like a path
// when it does not fit, with a tooltip of its own; changes of its text and
// of its focus go to the host.
#pragma once
#include <windows.h>

#include <string>

#include "ui/SkinValueControl.h"
#include "winfx/GdiHandles.h"
#include "winfx/Wnd.h"

class CSkinEdit : public CWnd, public CSkinValueControlBase {
 public:
  // The text colour of a disabled edit.
  static const COLORREF kDisabledText = RGB(17, 0, 0);

  std::string name;
  RECT skinRect = {0, 0, 0, 0};
  std::string text;  // the window text as last read on a change

  CSkinEdit();

  // `style` adds to WS_CHILD (ES_READONLY for a read-only one).
  BOOL CreateEdit(DWORD style, const RECT& rect, HWND parent, UINT id);
  // Takes over a bitmap that has a size.
  void SetEditBackground(HBITMAP bitmap);
  // The background cut out of the window's normal image at r.
  void SetEditImages(const RECT& r, HBITMAP normal, HBITMAP over);
  void SetEditTextColour(COLORREF colour);
  COLORREF GetEditTextColour() const { return m_textColour; }
  // Nothing for a NULL text; the tip of the edit's whole client area.
  void SetEditToolTip(const std::string* tip, BOOL activate);
  HWND GetToolTip() const { return m_tooltip.m_hWnd; }
  BOOL IsReadOnly() const;

  // As the window's refresh by name sees it: the text and the read-only state.
  const std::string& GetControlName() const override { return name; }
  HWND GetControlWnd() const override { return m_hWnd; }
  std::string GetText() const override;
  void SetText(const char* text) override;
  void SetReadOnly(bool readOnly) override;
  // The text as the edit draws it, and in which colour.
  std::string ShownText(HDC dc) const;
  COLORREF ShownColour() const;

  BOOL PreTranslateMessage(MSG* msg) override;

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

 private:
  void EnsureToolTip();
  HFONT ParentFont() const;
  void Paint(HDC dc);

  CBitmapHandle m_background;
  COLORREF m_textColour;
  CWnd m_tooltip;  // created on first use, deactivated
};
