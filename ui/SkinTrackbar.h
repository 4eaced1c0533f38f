// CSkinTrackbar: a skin's [TRACKBARINFO] control. A system trackbar that
// paints itself from skin bitmaps (a background piece of the window image,
// a thumb in four looks with pure blue transparent) and does its own mouse
// handling. Every drag step reports code 4 and the release code 8 to its
// host, with the position; the scroll messages it sends its parent come
// back to it and are reported with their own codes.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "ui/SkinSliderMath.h"
#include "ui/SkinValueControl.h"
#include "winfx/GdiHandles.h"
#include "winfx/Wnd.h"

class CSkinTrackbar : public CWnd, public CSkinValueControlBase {
 public:
  enum Look { kThumbNormal, kThumbDown, kThumbOver, kThumbDisabled, kLookCount };
  // The host's codes for a drag step and the end of a drag.
  enum { kDragCode = 4, kEndCode = TB_ENDTRACK };
  static const COLORREF kThumbTransparent = 0xFF0000;  // pure blue

  std::string name;
  std::string tooltip;
  int index = 0;  // its place in the window's trackbar list
  RECT skinRect = {0, 0, 0, 0};

  CSkinTrackbar();

  // The system trackbar; `style` adds to WS_CHILD (TBS_VERT for a vertical
  // one).
  BOOL CreateTrackbar(DWORD style, const RECT& rect, HWND parent, UINT id);
  // The background cut out of the window image at r; each thumb look is the
  // top-left (width - 1) x (height - 1) pixels of its bitmap, the normal
  // thumb's size; the track follows from the thumb's size.
  void SetTrackbarImages(HBITMAP windowImage, const RECT& r, HBITMAP normal, HBITMAP down,
                         HBITMAP over, HBITMAP disabled);
  // Shown instead of the background while the trackbar is disabled.
  void SetDisabledBackground(HBITMAP image);

  int GetPos() const;
  void SetPos(int position);

  // As the window's refresh by name sees it: the position.
  const std::string& GetControlName() const override { return name; }
  HWND GetControlWnd() const override { return m_hWnd; }
  int GetValue() const override { return GetPos(); }
  void SetValue(int value) override { SetPos(value); }
  int GetRangeMin() const;
  int GetRangeMax() const;
  void SetRange(int minimum, int maximum);
  BOOL IsVertical() const;
  BOOL IsPressed() const { return m_pressed; }
  BOOL IsHover() const { return m_hover; }
  const SkinTrack& Track() const { return m_track; }
  RECT ThumbRect() const;

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

 private:
  void Paint(HDC dc);
  void DrawThumb(HDC dc);
  void OnButtonDown(POINT point);
  void OnMouseMove(UINT flags, POINT point);
  void OnButtonUp();
  // A drag ends: released, or the capture went to another window.
  void EndDrag();
  void Capture();
  void ReleaseOwnCapture();
  void ScrollParent(WORD code, int position);
  void Report(int code, int position);

  CBitmapHandle m_disabledBackground, m_background;
  CBitmapHandle m_thumbs[kLookCount];
  SIZE m_thumbSize;
  POINT m_press;
  int m_pressPos;
  SkinTrack m_track;
  BOOL m_pressed, m_hover, m_leftDown;
  BOOL m_scrollingParent = FALSE;  // inside ScrollParent
};
