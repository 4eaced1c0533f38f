// CSkinProgress: a skin's [PROGRESSINFO] control. A position from 0 to a
// maximum shown by revealing part of the full-bar image over the empty one,
// horizontally or from the bottom up; the user seeks by clicking or
// dragging, and every step of a drag, and the release, goes to the host.
#pragma once
#include <windows.h>

#include <string>

#include "ui/SkinButton.h"
#include "ui/SkinValueControl.h"

class CSkinProgress : public CSkinButton, public CSkinValueControlBase {
 public:
  std::string name;
  std::string tooltip;
  int index = 0;  // its place in the window's progress-bar list

  CSkinProgress();

  // Ignored while the user drags the bar; above the maximum (or negative)
  // the bar is full.
  void SetPos(int position);
  int GetPos() const { return m_position; }

  // As the window's refresh by name sees it: the position.
  const std::string& GetControlName() const override { return name; }
  HWND GetControlWnd() const override { return m_hWnd; }
  int GetValue() const override { return GetPos(); }
  void SetValue(int value) override { SetPos(value); }
  int GetMaximum() const { return m_maximum; }
  void SetHorizontal(BOOL horizontal) { m_horizontal = horizontal ? 1 : 0; }
  BOOL IsHorizontal() const { return m_horizontal; }
  BOOL IsDragging() const { return m_dragging; }
  // The empty and full looks cut out of the window's images at r.
  void SetProgressImages(const RECT& r, HBITMAP normal, HBITMAP down);

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnMouseMoved(UINT flags, POINT point) override;
  // The system button's own repaints come here too.
  void DrawItem(const DRAWITEMSTRUCT* item) override;

 private:
  void Paint(HDC dc);
  int ValueAt(POINT point) const;
  BOOL InsideClient(POINT point) const;
  void Report();

  int m_horizontal, m_position, m_seekable, m_maximum, m_dragging;
};
