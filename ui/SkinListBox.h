// CSkinListBox: a skin's [LISTBOXS] control. A system list box whose rows
// are drawn transparently over the piece of the window image under it; it
// repaints the whole background whenever its rows move.
#pragma once
#include <windows.h>

#include <string>

#include "winfx/GdiHandles.h"
#include "winfx/Wnd.h"

class CSkinListBox : public CWnd {
 public:
  std::string name;
  RECT skinRect = {0, 0, 0, 0};

  CSkinListBox();

  // `style` adds to WS_CHILD.
  BOOL CreateListBox(DWORD style, const RECT& rect, HWND parent, UINT id);
  // The background cut out of the window's normal image at r.
  void SetListImages(const RECT& r, HBITMAP normal, HBITMAP over);
  void SetListTextColour(COLORREF colour) { m_textColour = colour; }
  COLORREF GetListTextColour() const { return m_textColour; }
  // After a relayout: the background cut to the new client size.
  void CropBackground(int width, int height);
  int GetCount() const { return static_cast<int>(SendMessage(LB_GETCOUNT)); }
  HBITMAP Background() const { return m_background; }

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

 private:
  CBitmapHandle m_background;
  int m_needsRepaint;
  COLORREF m_textColour;
};
