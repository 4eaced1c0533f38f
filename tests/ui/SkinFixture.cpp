#include "tests/ui/SkinFixture.h"

#include <vector>

#include "winfx/GdiHandles.h"

namespace skintest {

bool WriteBitmapFile(const std::string& path, int w, int h, const PixelFunction& pixel) {
  const int stride = (w * 3 + 3) & ~3;
  std::vector<BYTE> bits(static_cast<size_t>(stride) * h, 0);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      COLORREF c = pixel(x, y);
      BYTE* p = &bits[static_cast<size_t>(h - 1 - y) * stride + x * 3];
      p[0] = GetBValue(c);
      p[1] = GetGValue(c);
      p[2] = GetRValue(c);
    }
  BITMAPFILEHEADER file = {};
  BITMAPINFOHEADER info = {};
  info.biSize = sizeof(info);
  info.biWidth = w;
  info.biHeight = h;
  info.biPlanes = 1;
  info.biBitCount = 24;
  info.biCompression = BI_RGB;
  info.biSizeImage = static_cast<DWORD>(bits.size());
  file.bfType = 0x4D42;  // "BM"
  file.bfOffBits = sizeof(file) + sizeof(info);
  file.bfSize = file.bfOffBits + info.biSizeImage;
  FILE* out = fopen(path.c_str(), "wb");
  if (!out) return false;
  bool ok = fwrite(&file, sizeof(file), 1, out) == 1 && fwrite(&info, sizeof(info), 1, out) == 1 &&
            fwrite(bits.data(), 1, bits.size(), out) == bits.size();
  fclose(out);
  return ok;
}

HBITMAP MakeBitmap(int w, int h, const PixelFunction& pixel) {
  CClientDC screen(NULL);
  CBitmapHandle bitmap(CreateCompatibleBitmap(screen, w, h));
  CMemoryDC dc(screen);
  {
    CSelectObject select(dc, bitmap);
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) SetPixel(dc, x, y, pixel(x, y));
  }
  return bitmap.Detach();
}

COLORREF PixelOf(HBITMAP bmp, int x, int y) {
  CClientDC screen(NULL);
  CMemoryDC dc(screen);
  CSelectObject select(dc, bmp);
  return GetPixel(dc, x, y);
}

int CountDifferences(HBITMAP bmp, int w, int h, const PixelFunction& pixel) {
  CClientDC screen(NULL);
  CMemoryDC dc(screen);
  CSelectObject select(dc, bmp);
  int differences = 0;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      if (GetPixel(dc, x, y) != pixel(x, y)) ++differences;
  return differences;
}

}  // namespace skintest
