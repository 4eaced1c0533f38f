// Image file to bitmap: Windows bitmaps through the system bitmap loader,
// every other kind (and a bitmap that loader refuses) through the
// platform's OLE picture loader.
#pragma once
#include <windows.h>

// The caller owns the returned bitmap; NULL for a missing, empty or unknown
// file. size (optional) receives the bitmap's width and height.
HBITMAP LoadImageFile(const char* path, SIZE* size);

// The copy of the picture's bitmap, replaceable so that a test can make it
// behave as Windows may (hand back the picture's own bitmap when asked for
// LR_COPYRETURNORG), which Wine never does; NULL puts CopyImage back.
typedef HANDLE(WINAPI* PFN_CopyImage)(HANDLE image, UINT type, int width, int height, UINT flags);
void SetPictureCopySeam(PFN_CopyImage fn);
