#include "modules/photo/StillImageRules.h"

#include <stdio.h>

#include "winfx/GdiPlus.h"

std::string ImageFormatName(const GUID& rawFormat) {
  static const struct {
    const GUID* format;
    const char* name;
  } kNames[] = {
      {&kImageFormatBMP, "BMP"},   {&kImageFormatEMF, "EMF"},
      {&kImageFormatEXIF, "EXIF"}, {&kImageFormatGIF, "GIF"},
      {&kImageFormatIcon, "ICON"}, {&kImageFormatJPEG, "JPEG"},
      {&kImageFormatPNG, "PNG"},   {&kImageFormatTIFF, "TIFF"},
      {&kImageFormatUndefined, "Undefined"}, {&kImageFormatWMF, "WMF"},
  };
  for (const auto& row : kNames)
    if (IsEqualGUID(*row.format, rawFormat)) return row.name;
  return "";
}

std::string PixelFormatBitsText(INT pixelFormat) {
  switch (pixelFormat) {
    case PixelFormat1bppIndexed: return "1bit";
    case PixelFormat4bppIndexed: return "4bits";
    case PixelFormat8bppIndexed: return "8bits";
    case PixelFormat16bppGrayScale:
    case PixelFormat16bppRGB555:
    case PixelFormat16bppRGB565:
    case PixelFormat16bppARGB1555: return "16bits";
    case PixelFormat24bppRGB: return "24bits";
    case PixelFormat32bppRGB:
    case PixelFormat32bppARGB:
    case PixelFormat32bppPARGB: return "32bits";
    case PixelFormat48bppRGB: return "48bits";
    case PixelFormat64bppARGB:
    case PixelFormat64bppPARGB: return "64bits";
  }
  return "";
}

std::string StillImageInfoText(UINT width, UINT height, const std::string& format,
                               const std::string& bits) {
  char size[32];
  snprintf(size, sizeof(size), "%ux%u,", width, height);
  return size + format + "," + bits;
}

SIZE ThumbnailSize(UINT w, UINT h, UINT cw, UINT ch) {
  SIZE size;
  if (cw >= w && ch >= 4 * h) {
    size.cx = static_cast<LONG>(2 * w);
    size.cy = static_cast<LONG>(2 * h);
  } else if (cw * h < ch * w) {
    size.cx = static_cast<LONG>(cw);
    size.cy = static_cast<LONG>(cw * h / w);
  } else {
    size.cx = static_cast<LONG>(ch * w / h);
    size.cy = static_cast<LONG>(ch);
  }
  return size;
}

POINT CentredOrigin(const RECT& client, SIZE bitmap) {
  int width = client.right - client.left, height = client.bottom - client.top;
  // C++ division truncates toward zero, as the centring wants.
  POINT origin = {client.left + (width - bitmap.cx + 1) / 2,
                  client.top + (height - bitmap.cy + 1) / 2};
  return origin;
}
