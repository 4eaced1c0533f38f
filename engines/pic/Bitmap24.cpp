#include "engines/pic/Bitmap24.h"

#include <string.h>

#include <vector>

#include "base/Handles.h"

namespace {
const LONG kPixelsPerMeter = 7874;  // 200 dots an inch

bool WriteAll(HANDLE file, const void* data, DWORD size) {
  DWORD written = 0;
  return WriteFile(file, data, size, &written, NULL) && written == size;
}
}  // namespace

int WriteBitmap24(LockedPixels& pixels, const char* path) {
  if (pixels.width <= 0 || pixels.height <= 0 || !pixels.rows) return 0;
  DWORD rowBytes = (DWORD)(pixels.stride < 0 ? -pixels.stride : pixels.stride);
  if (pixels.stride > 0) {
    std::vector<BYTE> row(rowBytes);
    for (int i = 0; i < pixels.height / 2; ++i) {
      BYTE* top = pixels.rows + (size_t)i * rowBytes;
      BYTE* bottom = pixels.rows + (size_t)(pixels.height - 1 - i) * rowBytes;
      memcpy(row.data(), top, rowBytes);
      memcpy(top, bottom, rowBytes);
      memcpy(bottom, row.data(), rowBytes);
    }
  }
  DWORD image = rowBytes * (DWORD)pixels.height;
  BITMAPFILEHEADER file = {};
  file.bfType = 0x4D42;  // "BM"
  file.bfSize = 54 + image;
  file.bfOffBits = 54;
  BITMAPINFOHEADER info = {};
  info.biSize = sizeof(info);
  info.biWidth = pixels.width;
  info.biHeight = pixels.height;
  info.biPlanes = 1;
  info.biBitCount = 24;
  info.biCompression = BI_RGB;
  info.biSizeImage = image;
  info.biXPelsPerMeter = kPixelsPerMeter;
  info.biYPelsPerMeter = kPixelsPerMeter;
  CHandle out(CreateFileA(path, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL));
  if (!out.IsValid()) return 0;
  // Rows that run bottom-up already start at the last row in memory.
  const BYTE* first = pixels.stride > 0 ? pixels.rows
                                        : pixels.rows + (LONG_PTR)pixels.stride * (pixels.height - 1);
  if (!WriteAll(out, &file, sizeof(file)) || !WriteAll(out, &info, sizeof(info)) ||
      !WriteAll(out, first, image))
    return 0;
  return out.Close() ? 1 : 0;
}
