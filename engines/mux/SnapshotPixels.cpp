#include "engines/mux/SnapshotPixels.h"

#include <string.h>

int SnapshotBytesPerPixel(SnapshotFormat format) {
  switch (format) {
    case kSnapshotRGB24: return 3;
    case kSnapshotRGB32: return 4;
    default: return 2;
  }
}

bool ConvertSnapshotPixels(SnapshotFormat format, const BYTE* source, size_t sourceSize,
                           size_t pixels, BYTE* out) {
  size_t step = (size_t)SnapshotBytesPerPixel(format);
  if (pixels > sourceSize / step) return false;
  if (format == kSnapshotRGB24) {
    memcpy(out, source, pixels * 3);
    return true;
  }
  for (size_t i = 0; i < pixels; ++i, source += step, out += 3) {
    if (format == kSnapshotRGB32) {
      memcpy(out, source, 3);
      continue;
    }
    unsigned p = source[0] | (source[1] << 8);
    // The products are kept in 8 bits, as the frame's owner reads them.
    out[0] = (BYTE)((p & 0x1F) * 7);
    if (format == kSnapshotRGB565) {
      out[1] = (BYTE)(((p >> 5) & 0x3F) * 3);
      out[2] = (BYTE)((p >> 11) * 7);
    } else {
      out[1] = (BYTE)(((p >> 5) & 0x1F) * 7);
      out[2] = (BYTE)((p >> 10) * 7);
    }
  }
  return true;
}

void WriteSnapshotHeader(int width, int height, BYTE* header54) {
  DWORD image = (DWORD)width * (DWORD)height * 3;
  BITMAPFILEHEADER file = {};
  file.bfType = 0x4D42;  // "BM"
  file.bfSize = image + 54;
  file.bfOffBits = 54;
  BITMAPINFOHEADER info = {};
  info.biSize = sizeof(info);
  info.biWidth = width;
  info.biHeight = height;
  info.biPlanes = 1;
  info.biBitCount = 24;
  info.biCompression = BI_RGB;
  info.biSizeImage = image;
  memcpy(header54, &file, sizeof(file));
  memcpy(header54 + sizeof(file), &info, sizeof(info));
}
