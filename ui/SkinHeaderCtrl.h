// The header of a skinned task list: drawn from three skin bitmaps (left
// edge, right edge, fill) into a memory bitmap per paint, so the many narrow
// blits of the fill do not flicker.
#pragma once
#include "winfx/GdiHandles.h"
#include "winfx/Wnd.h"

class CSkinHeaderCtrl : public CWnd {
 public:
  CSkinHeaderCtrl();

  // FALSE and no change unless all three files exist; else the bitmaps are
  // replaced and the result of the last load is returned.
  BOOL LoadBitmaps(const char* left, const char* right, const char* fill);
  void SetTextColor(COLORREF colour) { m_textColor = colour; }
  COLORREF GetTextColor() const { return m_textColor; }
  BOOL HasBitmaps() const { return m_left && m_right && m_fill; }

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void Paint();
  void DrawItems(HDC dc, HDC bitmapDC, const BITMAP& left, const BITMAP& right,
                 const BITMAP& fill);

  CBitmapHandle m_left;
  CBitmapHandle m_right;
  CBitmapHandle m_fill;
  COLORREF m_textColor;
  UINT m_textFormat;
};
