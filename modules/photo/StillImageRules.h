// The arithmetic and names of the photo module, apart from any window: the
// format and bit-depth words of the information text, the thumbnail's size
// for the preview window, and where a picture sits centred in it.
#pragma once
#include <windows.h>

#include <string>

// GDI+'s raw-format identifiers, {b96b3cXX-0728-11d3-9d7b-0000f81ef32e}
// (the import library lacks some of them).
constexpr GUID GdiPlusImageFormat(unsigned char id) {
  return GUID{0xb96b3ca9u + (id - 0xa9u), 0x0728, 0x11d3,
              {0x9d, 0x7b, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};
}
constexpr GUID kImageFormatUndefined = GdiPlusImageFormat(0xa9);
constexpr GUID kImageFormatMemoryBMP = GdiPlusImageFormat(0xaa);
constexpr GUID kImageFormatBMP = GdiPlusImageFormat(0xab);
constexpr GUID kImageFormatEMF = GdiPlusImageFormat(0xac);
constexpr GUID kImageFormatWMF = GdiPlusImageFormat(0xad);
constexpr GUID kImageFormatJPEG = GdiPlusImageFormat(0xae);
constexpr GUID kImageFormatPNG = GdiPlusImageFormat(0xaf);
constexpr GUID kImageFormatGIF = GdiPlusImageFormat(0xb0);
constexpr GUID kImageFormatTIFF = GdiPlusImageFormat(0xb1);
constexpr GUID kImageFormatEXIF = GdiPlusImageFormat(0xb2);
constexpr GUID kImageFormatIcon = GdiPlusImageFormat(0xb5);

// "BMP", "JPEG", ... for a GDI+ raw-format GUID; "" for any other
// (MemoryBMP among them).
std::string ImageFormatName(const GUID& rawFormat);
// "1bit", "4bits", ... "64bits" for a GDI+ pixel format; "" for any other.
std::string PixelFormatBitsText(INT pixelFormat);
// "640x480,JPEG,24bits".
std::string StillImageInfoText(UINT width, UINT height, const std::string& format,
                               const std::string& bits);
// The thumbnail of a w x h picture for a cw x ch preview window: double size
// when the window is as wide and four times as high, else fitted to the
// window's width or height. w and h must not be 0.
SIZE ThumbnailSize(UINT w, UINT h, UINT cw, UINT ch);
// The top-left corner of a bitmap centred in a client rectangle; a larger
// bitmap is cut at both sides equally.
POINT CentredOrigin(const RECT& client, SIZE bitmap);
