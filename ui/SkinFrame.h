// The nine-part frame of a rectangular skinned window, cut from its normal
// image: four edges of five pieces each (start, filler 1, middle, filler 2,
// end) and a body. The edge metrics and piece rectangles are plain arithmetic
// (SkinFrameLayout, tested without a window); CSkinFrame adds the pieces'
// bitmaps and paints them at any window size, tiling the fillers.
#pragma once
#include <windows.h>

#include "winfx/GdiHandles.h"

// A top or bottom edge; positions in normal-image pixels.
struct SkinHEdge {
  int imageW, height, leftW, filler1W, filler2X, filler2W;  // the six tokens
  int rightW, middleW;                                      // derived
  RECT pieces[5];  // start, filler 1, middle, filler 2, end
};

// A left or right edge.
struct SkinVEdge {
  int width, imageH, firstEnd, filler1H, filler2Y, filler2H;  // the six tokens
  int firstH, lastH, middleH;                                 // derived
  RECT pieces[5];
};

struct SkinFrameLayout {
  SkinHEdge top, bottom;
  SkinVEdge left, right;
  RECT body;
  COLORREF bodyColour;  // CLR_INVALID (-1): no fill

  SkinFrameLayout();
  // Each answers false for an empty value and leaves its edge unchanged.
  // Called top, left, bottom, right: the later ones use the earlier ones.
  bool SetTopEdge(const char* param);
  bool SetLeftEdge(const char* param);
  bool SetBottomEdge(const char* param);
  bool SetRightEdge(const char* param);
  // Total image height: left image height + top and bottom heights.
  int ImageHeight() const { return left.imageH + top.height + bottom.height; }
  // A control's skin rectangle moved with the part of the frame in which its
  // top-left corner lies, then into client pixels (up and left by border).
  RECT MapSkinRect(const RECT& skin, int winW, int winH, int border) const;
  // The client rectangle less the four edges.
  RECT BodyRect(const RECT& client) const;
};

class CSkinFrame {
 public:
  SkinFrameLayout layout;

  // The edge setters with the pieces cut from the normal image. An empty
  // piece holds no bitmap.
  bool SetTopEdge(const char* param, HBITMAP normal);
  bool SetLeftEdge(const char* param, HBITMAP normal);
  bool SetBottomEdge(const char* param, HBITMAP normal);
  bool SetRightEdge(const char* param, HBITMAP normal);
  // Draws the frame for a window of winW x winH; nothing when all heights
  // are 0.
  void Paint(HDC dc, int winW, int winH) const;
  // True when an edge setter met a piece that reached past the normal image
  // and cut it to the image; cleared by ClearCut.
  bool PiecesCut() const { return m_cut; }
  void ClearCut() { m_cut = false; }

 private:
  HBITMAP CutInside(HBITMAP normal, const RECT& r);
  enum { kTop, kLeft, kBottom, kRight };
  void CutPieces(int edge, const RECT* rects, HBITMAP normal);
  void PaintHEdge(HDC dc, const SkinHEdge& e, int edge, int y, int winW) const;
  void PaintVEdge(HDC dc, const SkinVEdge& e, int edge, int x, int winH) const;

  CBitmapHandle m_pieces[4][5];
  CBitmapHandle m_body;
  bool m_cut = false;
};
