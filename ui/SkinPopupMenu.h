// CSkinPopupMenu: the list that a skinned drop-down opens. A borderless
// top-level popup that lists the items in skin colours, holds the mouse
// while it is open, reports the chosen row (or -1) to its owner with
// WM_APP + 1001 and closes when it loses the focus or on Escape (no choice).
// While it is open, the tooltips of its owner's window are off, so none is
// drawn over its rows. It is translucent only
// where the system has layered windows (Windows 2000 and XP by the
// version type). The object belongs to its window and deletes itself when
// the window goes.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "winfx/GdiHandles.h"
#include "winfx/Wnd.h"

// wParam: the chosen row, or -1 when the popup closed without a choice;
// lParam: the tag the owner gave.
const UINT WM_SKIN_POPUP_CHOSEN = WM_APP + 1001;

struct SkinPopupRequest {
  RECT ownerRect;  // the owner's window rectangle, screen pixels
  std::vector<std::string> items;
  int tag;
  HWND owner;
  int translucent;
  COLORREF itemText, popupBack, hoverText, hoverFill, frameColour;
  int osVersionType;  // as GetOSVersionType answers
};

class CSkinPopupMenu : public CWnd {
 public:
  enum { kAlphaPercent = 80 };

  // Makes and shows the popup on the running system; the popup lives on
  // its own. NULL when the window could not be made.
  static CSkinPopupMenu* Show(const RECT& ownerRect, const std::vector<std::string>& items,
                              int tag, HWND owner, int translucent, COLORREF itemText,
                              COLORREF popupBack, COLORREF hoverText, COLORREF hoverFill,
                              COLORREF frameColour);
  // The same for a given version type.
  static CSkinPopupMenu* Open(const SkinPopupRequest& request);

  // Closes the popup; the object goes with its window.
  BOOL DestroyWindow() override;
  int GetHover() const { return m_hover; }
  BOOL IsLayered() const { return m_layered; }
  static int ItemHeight();

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  void PostNcDestroy() override { delete this; }

 private:
  explicit CSkinPopupMenu(const SkinPopupRequest& request);
  BOOL Make();
  HFONT OwnerFont() const;
  void SizeAndShow();
  void DrawRow(HDC dc, int row);
  void OnMouseMove(POINT point);
  void Choose(POINT point);
  // Reports the row (-1: no choice) to the owner and closes.
  void Close(int result);
  // The tooltips of the owner's top-level window: off while the popup is
  // open, on again when it closes.
  void SilenceOwnerToolTips();
  void RestoreOwnerToolTips();

  SkinPopupRequest m_request;
  CBrushHandle m_backBrush;
  CRgnHandle m_region;  // a copy of the window's region, for the frame
  int m_hover;
  BOOL m_layered;
  std::vector<HWND> m_silencedTips;
  // The window is going: the focus it loses on the way closes nothing more.
  BOOL m_closing;
};
