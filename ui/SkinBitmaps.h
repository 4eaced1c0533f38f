// Free bitmap utilities of the skinned windows: cutting, drawing, transparent
// drawing, the fade step, tiling and window regions from mask bitmaps. None
// keeps state; each answers 0 or NULL for a missing handle.
#pragma once
#include <windows.h>

// A new bitmap compatible with dc holding src's pixels at r (all of src when
// r is NULL), the size of r (or src). FALSE when dc, out or src is NULL or
// the bitmap cannot be made; *out is then untouched.
BOOL CopyBitmapRect(HDC dc, HBITMAP* out, HBITMAP src, const RECT* r);
// CopyBitmapRect with a DC of the screen; NULL on failure. The caller owns it.
HBITMAP CopyBitmapPart(HBITMAP src, const RECT* r);
// The top-left w x h pixels of src.
HBITMAP CropBitmap(HBITMAP src, int w, int h);
// BitBlt at natural size.
BOOL DrawBitmapAt(HDC dc, int x, int y, HBITMAP bmp);
// The top-left part of bmp, r's size, onto r.
void DrawSkinBitmap(HDC dc, HBITMAP bmp, const RECT& r);
// Covers r with copies of bmp from its top-left corner, the last column and
// row cut at r's edges; an empty r draws nothing.
void TileSkinBitmap(HBITMAP bmp, const RECT& r, HDC dc);
// bmp at (x, y) with every pixel of `transparent` left out (mask method).
void DrawTransparentBitmap(HDC dc, HBITMAP bmp, COLORREF transparent, int x, int y);
// One frame of a cross-fade: step < 128 blends `from` with alpha 255 - 2 step,
// else `to` with alpha 2 (step + 1), both in 8 bits. clip (optional) is
// selected into dc first.
BOOL AlphaStep(HDC dc, HBITMAP from, HBITMAP to, BYTE step, HRGN clip);
// The region of every pixel outside the transparent range (per channel from
// the colour's byte to that byte plus tolerance's, capped at 255); NULL for
// a NULL bitmap or when memory runs out. The caller owns the region.
HRGN RegionFromBitmap(HBITMAP bmp, COLORREF transparent, COLORREF tolerance);
// The size of a bitmap; {0, 0} for none.
SIZE BitmapSize(HBITMAP bmp);

// The transparent colour and tolerance of window masks (only pure white is
// transparent) and of button and progress shapes (pure blue, red and green up
// to 16).
const COLORREF kMaskTransparent = 0xFFFFFF;
// The colour's bytes meet the pixel's bytes as they lie in memory, blue first:
// 0x0000FF asks for blue 255.
const COLORREF kShapeTransparent = 0x0000FF;
const COLORREF kShapeTolerance = 0x101010;
