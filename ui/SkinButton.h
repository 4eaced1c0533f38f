// The owner-drawn button of the skin engine: four state images (normal,
// over, down, disabled), the mouse tracked by capture, an optional
// cross-fade between images, a caption with an optional shadow, an optional
// window shape. CSkinPushButton is a skin's [BUTTONS] control: a release
// inside it reports its index to its host window.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "winfx/GdiHandles.h"
#include "winfx/Wnd.h"

class CSkinButton : public CWnd {
 public:
  enum State { kNormal = 0, kOver = 1, kDown = 2, kDisabled = 3 };
  enum { kFadeTimer = 0, kFadePeriodMs = 30, kFadeStride = 60 };

  CSkinButton();

  // An owner-drawn button with an empty caption; `style` adds to
  // WS_CHILD | BS_OWNERDRAW.
  BOOL CreateButton(DWORD style, const RECT& rect, HWND parent, UINT id);

  // Each whole bitmap, sized by the first, is copied.
  void SetImages(HBITMAP normal, HBITMAP over, HBITMAP down, HBITMAP disabled);
  // Four equal frames side by side; the window takes one frame's size.
  void SetImageStrip(HBITMAP strip);
  // The four looks cut out of the window's four images at r.
  void SetImagesFromWindow(const RECT& r, HBITMAP normal, HBITMAP over, HBITMAP down,
                           HBITMAP disabled);
  void SetCaptionFont(const LOGFONTA* font);
  void SetShadow(int shadow) { m_shadow = shadow; }
  void SetFormat(int format) { m_format = format; }
  int GetFormat() const { return m_format; }
  void SetTextColours(COLORREF normal, COLORREF over, COLORREF down, COLORREF disabled,
                      COLORREF shadow);
  void SetMargins(const RECT& margins) { m_margins = margins; }
  const RECT& GetMargins() const { return m_margins; }
  void SetStateMargins(const RECT& over, const RECT& down);
  void SetShadowOffset(POINT offset);
  void SetFade(int fade) { m_fadeOn = fade; }
  void SetLatched(int latched);
  int IsLatched() const { return m_latched; }
  // The window owns rgn afterwards; the button keeps a copy for its clip.
  void SetShape(HRGN rgn, BOOL redraw);

  int GetState() const { return m_state; }
  int GetPreviousState() const { return m_previousState; }
  BOOL IsFading() const { return m_fading; }
  // The steps the running or last fade painted, and how often the button
  // was drawn: what the tests look at.
  const std::vector<int>& FadeSteps() const { return m_fadeSteps; }
  int DrawCount() const { return m_drawCount; }
  HBITMAP Image(int state) const { return m_images[state]; }

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
  void PreSubclassWindow() override;
  virtual void DrawItem(const DRAWITEMSTRUCT* item);
  virtual void DrawCaption(HDC dc, RECT rect, COLORREF colour, int format);
  // The release after the base's handling; the push button reports there.
  virtual void OnReleased(UINT flags, POINT point);
  virtual void OnMouseMoved(UINT flags, POINT point);
  void StartFade();
  BOOL PointerLeftFor(POINT clientPoint) const;

  int m_latchedPressed, m_latched;
  CRgnHandle m_shape;
  int m_drawCaption, m_handCursor;
  CBitmapHandle m_images[4];
  CFontHandle m_font;
  COLORREF m_textColour[4];
  COLORREF m_shadowColour;
  int m_shadow, m_format;
  RECT m_margins, m_overMargins, m_downMargins;
  int m_fading, m_fadeOn, m_fadeStep;
  int m_state, m_previousState;
  int m_shadowDx, m_shadowDy;
  std::vector<int> m_fadeSteps;
  int m_drawCount;

 private:
  void OnMouseMove(UINT flags, POINT point);
  void OnFadeTimer();
};

class CSkinPushButton : public CSkinButton {
 public:
  std::string name;         // the command it sends
  std::string imageEnum;    // image names by value
  std::string tooltipEnum;  // tooltip keys by value
  std::string captionEnum;  // caption keys by value
  std::string tooltip;
  int index = 0;            // its place in the window's button list
  RECT skinRect = {0, 0, 0, 0};
  int lastValue = -1;

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnReleased(UINT flags, POINT point) override;
  void OnMouseMoved(UINT flags, POINT point) override;
};
