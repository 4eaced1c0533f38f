// Writes locked 24-bit pixels as a bottom-up bitmap file.
#pragma once
#include <windows.h>

// The locked rows of a 24-bit image: `stride` bytes a row (a multiple of
// four, negative for rows that already run bottom-up), `rows` at the first.
struct LockedPixels {
  int width;
  int height;
  int stride;
  BYTE* rows;
};

// Top-down rows are flipped in place first. 1 on success, 0 on a file
// error.
int WriteBitmap24(LockedPixels& pixels, const char* path);
