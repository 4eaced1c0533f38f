// Image file to bitmap: Windows bitmaps through the system bitmap loader,
// every other kind (and a bitmap that loader refuses) through the
// platform's OLE picture loader.
#pragma once
#include <windows.h>

// The caller owns the returned bitmap; NULL for a missing, empty or unknown
// file. size (optional) receives the bitmap's width and height.
HBITMAP LoadImageFile(const char* path, SIZE* size);
