// Small skins written at test time: 24-bit bitmap files drawn by a function
// of the pixel position, skin.ini text, and pixel reads of bitmaps.
#pragma once
#include <windows.h>

#include <functional>
#include <string>

namespace skintest {

typedef std::function<COLORREF(int x, int y)> PixelFunction;

// A 24-bit bottom-up BMP file.
bool WriteBitmapFile(const std::string& path, int w, int h, const PixelFunction& pixel);
// A screen-compatible bitmap drawn by the function; the caller owns it.
HBITMAP MakeBitmap(int w, int h, const PixelFunction& pixel);
// The colour of one pixel of a bitmap (CLR_INVALID outside it).
COLORREF PixelOf(HBITMAP bmp, int x, int y);
// The number of pixels where the bitmap differs from the function.
int CountDifferences(HBITMAP bmp, int w, int h, const PixelFunction& pixel);
// A solid colour.
inline PixelFunction Solid(COLORREF c) {
  return [c](int, int) { return c; };
}

}  // namespace skintest
