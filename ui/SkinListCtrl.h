// A report-style list control in the skin's colours: rows in two alternating
// background colours (through custom draw), the skinned header subclassed
// onto its member object.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include "ui/SkinHeaderCtrl.h"
#include "winfx/Controls.h"
#include "winfx/Wnd.h"

class CSkinListCtrl : public CWnd {
 public:
  CSkinListCtrl();

  // Background (even rows) and alternate (odd rows) colours; the background
  // also goes to the control when it has a window.
  void SetColors(COLORREF background, COLORREF alternate);
  COLORREF GetBackgroundColor() const { return m_bkColor; }
  COLORREF GetAlternateColor() const { return m_altColor; }
  CSkinHeaderCtrl& GetHeader() { return m_header; }
  // The list-view messages of this control.
  CListView ListView() const { return CListView(m_hWnd); }

  // The reflected custom-draw answer (public for the paint tests).
  LRESULT OnCustomDraw(NMLVCUSTOMDRAW* draw);

 protected:
  void PreSubclassWindow() override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
  BOOL IsReportStyle() const;
  void SubclassHeader();

  CSkinHeaderCtrl m_header;
  COLORREF m_bkColor;
  COLORREF m_altColor;
};
