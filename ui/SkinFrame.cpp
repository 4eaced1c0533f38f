#include "ui/SkinFrame.h"

#include <string.h>

#include <string>

#include "ui/SkinBitmaps.h"
#include "ui/SkinData.h"

namespace {

void ReadSix(const char* param, int out[6]) {
  std::string rest = param;
  CSkinDataReader reader(rest);
  for (int n = 0; n < 6; ++n) out[n] = reader.NextInt();
}

RECT Rect(int l, int t, int r, int b) {
  RECT rect = {l, t, r, b};
  return rect;
}

// The horizontal pieces of an edge lying in rows [y, y + height].
void LayOutHEdge(SkinHEdge& e, int y) {
  const int L = e.leftW, f1 = e.filler1W, x2 = e.filler2X, w2 = e.filler2W, W = e.imageW;
  const int b = y + e.height;
  e.pieces[0] = Rect(0, y, L, b);
  e.pieces[1] = Rect(L, y, L + f1, b);
  RECT candidate = Rect(x2, y, x2 + w2, b);
  if (IsRectEmpty(&candidate)) {
    e.pieces[2] = e.pieces[3] = Rect(0, 0, 0, 0);
    e.middleW = 0;
    e.pieces[4] = Rect(L + f1, y, W, b);
    e.rightW = W - f1 - L;
  } else {
    e.pieces[3] = candidate;
    e.pieces[2] = Rect(L + f1, y, x2, b);
    e.middleW = x2 - f1 - L;
    e.pieces[4] = Rect(x2 + w2, y, W, b);
    e.rightW = W - w2 - x2;
  }
}

// The vertical pieces of an edge in columns [x, x + width]; the edge ends at
// row bottom (top height + its image height).
void LayOutVEdge(SkinVEdge& e, int x, int topH) {
  const int y1 = e.firstEnd, h1 = e.filler1H, y2 = e.filler2Y, h2 = e.filler2H;
  const int r = x + e.width, bottom = topH + e.imageH;
  e.firstH = y1 - topH;
  e.pieces[0] = Rect(x, topH, r, y1);
  e.pieces[1] = Rect(x, y1, r, y1 + h1);
  // Unlike the horizontal edges, the decision is a test for non-zero values.
  if (y2 != 0 && h1 != 0) {
    e.pieces[3] = Rect(x, y2, r, y2 + h2);
    e.pieces[2] = Rect(x, y1 + h1, r, y2);
    e.middleH = y2 - h1 - y1;
    e.pieces[4] = Rect(x, y2 + h2, r, bottom);
    e.lastH = e.imageH + topH - h2 - y2;
  } else {
    e.pieces[2] = e.pieces[3] = Rect(0, 0, 0, 0);
    e.middleH = 0;
    e.pieces[4] = Rect(x, y1 + h1, r, bottom);
    e.lastH = e.imageH + topH - h1 - y1;
  }
}

bool ReadHEdge(const char* param, SkinHEdge& e) {
  if (!param || !*param) return false;
  int v[6];
  ReadSix(param, v);
  e.imageW = v[0];
  e.height = v[1];
  e.leftW = v[2];
  e.filler1W = v[3];
  e.filler2X = v[4];
  e.filler2W = v[5];
  return true;
}

bool ReadVEdge(const char* param, SkinVEdge& e) {
  if (!param || !*param) return false;
  int v[6];
  ReadSix(param, v);
  e.width = v[0];
  e.imageH = v[1];
  e.firstEnd = v[2];
  e.filler1H = v[3];
  e.filler2Y = v[4];
  e.filler2H = v[5];
  return true;
}

bool Within(int v, int low, int high) { return low <= v && v <= high; }
int Larger(int a, int b) { return a > b ? a : b; }

}  // namespace

SkinFrameLayout::SkinFrameLayout() : body(), bodyColour(CLR_INVALID) {
  memset(&top, 0, sizeof(top));
  memset(&bottom, 0, sizeof(bottom));
  memset(&left, 0, sizeof(left));
  memset(&right, 0, sizeof(right));
}

bool SkinFrameLayout::SetTopEdge(const char* param) {
  if (!ReadHEdge(param, top)) return false;
  LayOutHEdge(top, 0);
  return true;
}

bool SkinFrameLayout::SetLeftEdge(const char* param) {
  if (!ReadVEdge(param, left)) return false;
  LayOutVEdge(left, 0, top.height);
  return true;
}

bool SkinFrameLayout::SetBottomEdge(const char* param) {
  if (!ReadHEdge(param, bottom)) return false;
  LayOutHEdge(bottom, top.height + left.imageH);
  return true;
}

bool SkinFrameLayout::SetRightEdge(const char* param) {
  if (!ReadVEdge(param, right)) return false;
  const int W = top.imageW;
  LayOutVEdge(right, W - right.width, top.height);
  body = Rect(left.width, top.height, W - right.width, top.height + left.imageH);
  return true;
}

RECT SkinFrameLayout::MapSkinRect(const RECT& skin, int winW, int winH, int border) const {
  const int x = skin.left, y = skin.top;
  const int W = top.imageW, H = ImageHeight(), L = top.leftW;
  int dx = 0, dy = 0;
  if (Within(x, 0, L) && Within(y, 0, Larger(top.height, left.firstH))) {
    // top-left: stays
  } else if (Within(x, W - top.rightW, W) && Within(y, 0, Larger(top.height, right.firstH))) {
    dx = winW - W;
  } else if (Within(x, L, W - top.rightW) && Within(y, 0, top.height)) {
    // x' = (winW - middle - right corner - L) / 2 + x - filler 1
    dx = (winW - top.middleW - top.rightW - L) / 2 - top.filler1W;
  } else if (Within(x, 0, bottom.leftW) && Within(y, H - bottom.height, H)) {
    dy = winH - H;
  } else if (Within(x, W - bottom.rightW, W) && Within(y, H - bottom.height, H)) {
    dx = winW - W;
    dy = winH - H;
  }
  // Anywhere else (a side edge, the body) a control keeps its place.
  RECT r = {skin.left + dx - border, skin.top + dy - border, skin.right + dx - border,
            skin.bottom + dy - border};
  return r;
}

RECT SkinFrameLayout::BodyRect(const RECT& client) const {
  RECT r = {client.left + left.width, client.top + top.height, client.right - right.width,
            client.bottom - bottom.height};
  return r;
}

HBITMAP CSkinFrame::CutInside(HBITMAP normal, const RECT& r) {
  // A piece is never larger than the image it is cut from: a hand-edited
  // edge that reaches past it would otherwise make a bitmap of any size.
  const SIZE size = BitmapSize(normal);
  const RECT image = {0, 0, size.cx, size.cy};
  RECT inside;
  if (!IntersectRect(&inside, &r, &image)) {
    m_cut = true;
    return NULL;
  }
  if (!EqualRect(&inside, &r)) m_cut = true;
  return CopyBitmapPart(normal, &inside);
}

void CSkinFrame::CutPieces(int edge, const RECT* rects, HBITMAP normal) {
  for (int n = 0; n < 5; ++n) {
    if (IsRectEmpty(&rects[n])) {
      m_pieces[edge][n].Reset();
      continue;
    }
    // A piece that cannot be cut is absent, not the last skin's.
    m_pieces[edge][n].Reset(CutInside(normal, rects[n]));
  }
}

bool CSkinFrame::SetTopEdge(const char* param, HBITMAP normal) {
  if (!layout.SetTopEdge(param)) return false;
  CutPieces(kTop, layout.top.pieces, normal);
  return true;
}

bool CSkinFrame::SetLeftEdge(const char* param, HBITMAP normal) {
  if (!layout.SetLeftEdge(param)) return false;
  CutPieces(kLeft, layout.left.pieces, normal);
  return true;
}

bool CSkinFrame::SetBottomEdge(const char* param, HBITMAP normal) {
  if (!layout.SetBottomEdge(param)) return false;
  CutPieces(kBottom, layout.bottom.pieces, normal);
  return true;
}

bool CSkinFrame::SetRightEdge(const char* param, HBITMAP normal) {
  if (!layout.SetRightEdge(param)) return false;
  CutPieces(kRight, layout.right.pieces, normal);
  m_body.Reset(IsRectEmpty(&layout.body) ? NULL : CutInside(normal, layout.body));
  return true;
}

void CSkinFrame::PaintHEdge(HDC dc, const SkinHEdge& e, int edge, int y, int winW) const {
  const int b = y + e.height;
  const int L = e.leftW;
  DrawSkinBitmap(dc, m_pieces[edge][0], Rect(0, y, L, b));
  if (e.filler2X != 0) {
    const int x = (winW - e.rightW - e.middleW - L) / 2;
    TileSkinBitmap(m_pieces[edge][1], Rect(L, y, L + x, b), dc);
    if (m_pieces[edge][2]) TileSkinBitmap(m_pieces[edge][2], Rect(L + x, y, L + x + e.middleW, b), dc);
    TileSkinBitmap(m_pieces[edge][3], Rect(L + x + e.middleW, y, winW - e.rightW, b), dc);
  } else {
    TileSkinBitmap(m_pieces[edge][1], Rect(L, y, winW - e.rightW, b), dc);
  }
  DrawSkinBitmap(dc, m_pieces[edge][4], Rect(winW - e.rightW, y, winW, b));
}

void CSkinFrame::PaintVEdge(HDC dc, const SkinVEdge& e, int edge, int x, int winH) const {
  const int topH = layout.top.height, bottomH = layout.bottom.height;
  const int r = x + e.width, y1 = e.firstEnd;
  DrawSkinBitmap(dc, m_pieces[edge][0], Rect(x, topH, r, y1));
  if (e.filler2Y != 0) {
    // The middle height is not subtracted: the middle piece begins at the
    // midpoint of the free span.
    const int y = (winH - e.firstH - topH - e.lastH - bottomH) / 2;
    TileSkinBitmap(m_pieces[edge][1], Rect(x, y1, r, y1 + y), dc);
    TileSkinBitmap(m_pieces[edge][2], Rect(x, y1 + y, r, y1 + y + e.middleH), dc);
    TileSkinBitmap(m_pieces[edge][3], Rect(x, y1 + y + e.middleH, r, winH - bottomH), dc);
  } else {
    TileSkinBitmap(m_pieces[edge][1], Rect(x, y1, r, winH - bottomH), dc);
  }
  DrawSkinBitmap(dc, m_pieces[edge][4], Rect(x, winH - bottomH - e.lastH, r, winH - bottomH));
}

void CSkinFrame::Paint(HDC dc, int winW, int winH) const {
  if (!dc || layout.ImageHeight() <= 0) return;
  PaintHEdge(dc, layout.top, kTop, 0, winW);
  PaintVEdge(dc, layout.left, kLeft, 0, winH);
  PaintHEdge(dc, layout.bottom, kBottom, winH - layout.bottom.height, winW);
  PaintVEdge(dc, layout.right, kRight, winW - layout.right.width, winH);
  const RECT body = Rect(layout.left.width, layout.top.height, winW - layout.right.width,
                         winH - layout.bottom.height);
  if (layout.bodyColour != CLR_INVALID) {
    CBrushHandle brush(CreateSolidBrush(layout.bodyColour));
    FillRect(dc, &body, brush);
  } else {
    // Without a fill colour the body is the image's own, tiled as the
    // edges' fillers are.
    TileSkinBitmap(m_body, body, dc);
  }
}
