// CHyperLink: a static text drawn as a link, with a hand cursor and a tool
// tip showing its target, that opens the target (a URL or a "mailto:"
// address) in a web browser when clicked or when space is pressed.
#pragma once
#include <windows.h>

#include <string>

#include "winfx/GdiHandles.h"
#include "winfx/Wnd.h"

class CHyperLink : public CWnd {
 public:
  // Option bits.
  enum {
    kUnderline = 0x01,
    kUseHoverColour = 0x02,
    kFitToText = 0x04,
    kOpenOnPress = 0x08,
    kFocusOnClick = 0x10,
    kNormalCursor = 0x20,
    kNoFocusColour = 0x40,
  };
  static constexpr COLORREF kLinkColour = RGB(0, 0, 255);
  static constexpr COLORREF kVisitedColour = RGB(128, 0, 128);
  static constexpr COLORREF kFocusColour = RGB(0, 128, 128);
  static constexpr COLORREF kHoverColour = RGB(255, 0, 0);

  CHyperLink() : m_options(kUnderline | kFitToText | kFocusOnClick) {}

  void SetTarget(const char* target);
  const std::string& GetTarget() const { return m_target; }
  void SetLinkText(const char* text);
  BOOL IsVisited() const { return m_bVisited; }
  BOOL IsOver() const { return m_bOver; }
  BOOL IsPressed() const { return m_bPressed; }
  HWND GetToolTip() const { return m_hToolTip; }
  // The colour the text is drawn in now.
  COLORREF TextColour() const;
  // The parent's WM_CTLCOLORSTATIC for this control: the text colour on a
  // transparent background; the brush to paint with.
  HBRUSH OnCtlColor(HDC dc);
  // Opens the target; TRUE when it opened (the link is then visited).
  BOOL Open();

  // The process-wide hand cursor, or NULL where the platform has none.
  static HCURSOR HandCursor();

 protected:
  void PreSubclassWindow() override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void FitToText();
  void UpdateToolTip();
  void CreateToolTip();
  void OnMouseMove(POINT point);

  std::string m_target;
  CFontHandle m_font;
  HWND m_hToolTip = NULL;  // destroyed with the dialog that owns it
  BOOL m_bPressed = FALSE;
  BOOL m_bOver = FALSE;
  BOOL m_bVisited = FALSE;
  DWORD m_options;
};
