// CSkinLabel: a skin's [TEXTINFO] control. One line of text on the piece of
// the window image under it, scrolled like a marquee while the text is
// wider than the label; a click reports the label's index to its host.
#pragma once
#include <windows.h>

#include <string>

#include "ui/SkinButton.h"
#include "ui/SkinLines.h"
#include "ui/SkinValueControl.h"

// The label's font: the window's font with the line's face (empty keeps
// the window's), weight 700 for bold or 400, italic byte and size in points.
LOGFONTA SkinLabelLogFont(const LOGFONTA& windowFont, const SkinLabelLine& line,
                          int pixelsPerInch);

class CSkinLabel : public CSkinButton, public CSkinValueControlBase {
 public:
  enum { kScrollTimer = 1, kScrollPeriodMs = 150 };

  std::string name;
  int index = 0;  // its place in the window's label list

  CSkinLabel();

  // Sets the window text, re-measures and repaints.
  void SetLabelText(const std::string& text);
  const std::string& GetLabelText() const { return m_text; }

  // As the window's refresh by name sees it: the text.
  const std::string& GetControlName() const override { return name; }
  HWND GetControlWnd() const override { return m_hWnd; }
  std::string GetText() const override { return GetLabelText(); }
  void SetText(const char* text) override { SetLabelText(text ? text : ""); }
  // The label takes a copy of the font.
  void SetLabelFont(HFONT font);
  // The piece of image at r is kept as the background.
  void SetLabelBackground(const RECT& r, HBITMAP image);

  BOOL IsScrolling() const { return m_scrolling; }
  int ScrollOffset() const { return m_scrollOffset; }
  int WidthInChars() const { return m_widthInChars; }

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  void DrawItem(const DRAWITEMSTRUCT* item) override;
  void OnReleased(UINT flags, POINT point) override;

 private:
  // After every text or font change: starts or stops the marquee.
  void Measure();

  CBitmapHandle m_background;
  int m_scrollOffset, m_widthInChars;
  std::string m_text;
  BOOL m_scrolling;
};
