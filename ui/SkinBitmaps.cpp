#include "ui/SkinBitmaps.h"

#include <vector>

#include "base/Handles.h"
#include "winfx/GdiHandles.h"

SIZE BitmapSize(HBITMAP bmp) {
  SIZE size = {0, 0};
  BITMAP info;
  if (bmp && GetObjectA(bmp, sizeof(info), &info)) {
    size.cx = info.bmWidth;
    size.cy = info.bmHeight;
  }
  return size;
}

BOOL CopyBitmapRect(HDC dc, HBITMAP* out, HBITMAP src, const RECT* r) {
  if (!dc || !out || !src) return FALSE;
  SIZE whole = BitmapSize(src);
  int x = r ? r->left : 0, y = r ? r->top : 0;
  int w = r ? r->right - r->left : whole.cx, h = r ? r->bottom - r->top : whole.cy;
  if (w <= 0 || h <= 0) return FALSE;
  CBitmapHandle copy(CreateCompatibleBitmap(dc, w, h));
  if (!copy) return FALSE;
  CMemoryDC from(dc), to(dc);
  if (!from || !to) return FALSE;
  {
    CSelectObject selectFrom(from, src), selectTo(to, copy);
    BitBlt(to, 0, 0, w, h, from, x, y, SRCCOPY);
  }
  *out = copy.Detach();
  return TRUE;
}

HBITMAP CopyBitmapPart(HBITMAP src, const RECT* r) {
  BITMAP info;
  if (src && GetObjectA(src, sizeof(info), &info) && info.bmBitsPixel >= 24) {
    // A colour bitmap is cut into one of its own kind between two memory DCs:
    // the same pixels without asking the system for a DC of the screen, which
    // costs far more than the copy under Wine (a skin load cuts hundreds).
    int x = r ? r->left : 0, y = r ? r->top : 0;
    int w = r ? r->right - r->left : info.bmWidth, h = r ? r->bottom - r->top : info.bmHeight;
    if (w <= 0 || h <= 0) return NULL;
    CMemoryDC from(NULL), to(NULL);
    if (!from || !to) return NULL;
    CSelectObject selectFrom(from, src);
    CBitmapHandle copy(CreateCompatibleBitmap(from, w, h));
    if (!copy) return NULL;
    {
      CSelectObject selectTo(to, copy);
      BitBlt(to, 0, 0, w, h, from, x, y, SRCCOPY);
    }
    return copy.Detach();
  }
  CClientDC screen(NULL);
  HBITMAP copy = NULL;
  return CopyBitmapRect(screen, &copy, src, r) ? copy : NULL;
}

HBITMAP CropBitmap(HBITMAP src, int w, int h) {
  RECT r = {0, 0, w, h};
  CClientDC desktop(GetDesktopWindow());
  HBITMAP copy = NULL;
  return CopyBitmapRect(desktop, &copy, src, &r) ? copy : NULL;
}

BOOL DrawBitmapAt(HDC dc, int x, int y, HBITMAP bmp) {
  if (!dc || !bmp) return FALSE;
  SIZE size = BitmapSize(bmp);
  CMemoryDC memory(dc);
  CSelectObject select(memory, bmp);
  return BitBlt(dc, x, y, size.cx, size.cy, memory, 0, 0, SRCCOPY);
}

void DrawSkinBitmap(HDC dc, HBITMAP bmp, const RECT& r) {
  if (!dc || !bmp) return;
  CMemoryDC memory(dc);
  CSelectObject select(memory, bmp);
  BitBlt(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, memory, 0, 0, SRCCOPY);
}

void TileSkinBitmap(HBITMAP bmp, const RECT& r, HDC dc) {
  if (!dc || !bmp || IsRectEmpty(&r)) return;
  SIZE size = BitmapSize(bmp);
  if (size.cx <= 0 || size.cy <= 0) return;
  CMemoryDC memory(dc);
  CSelectObject select(memory, bmp);
  for (int x = r.left; x < r.right; x += size.cx) {
    int w = r.right - x < size.cx ? r.right - x : size.cx;
    for (int y = r.top; y < r.bottom; y += size.cy) {
      int h = r.bottom - y < size.cy ? r.bottom - y : size.cy;
      BitBlt(dc, x, y, w, h, memory, 0, 0, SRCCOPY);
    }
  }
}

void DrawTransparentBitmap(HDC dc, HBITMAP bmp, COLORREF transparent, int x, int y) {
  if (!dc || !bmp) return;
  SIZE size = BitmapSize(bmp);
  POINT extent = {size.cx, size.cy};
  DPtoLP(dc, &extent, 1);
  int w = extent.x, h = extent.y;
  CMemoryDC image(dc), back(dc), object(dc), save(dc), mem(dc);
  CBitmapHandle backBits(CreateBitmap(w, h, 1, 1, NULL));
  CBitmapHandle objectBits(CreateBitmap(w, h, 1, 1, NULL));
  CBitmapHandle memBits(CreateCompatibleBitmap(dc, w, h));
  CBitmapHandle saveBits(CreateCompatibleBitmap(dc, w, h));
  if (!backBits || !objectBits || !memBits || !saveBits) return;
  CSelectObject selImage(image, bmp), selBack(back, backBits), selObject(object, objectBits),
      selMem(mem, memBits), selSave(save, saveBits);
  SetMapMode(image, GetMapMode(dc));
  // Keep the bitmap, build the mask from the transparent colour and its
  // inverse, cut the bitmap's shape out of the destination and put the
  // bitmap's opaque pixels in.
  BitBlt(save, 0, 0, w, h, image, 0, 0, SRCCOPY);
  COLORREF oldBack = SetBkColor(image, transparent);
  BitBlt(object, 0, 0, w, h, image, 0, 0, SRCCOPY);
  SetBkColor(image, oldBack);
  BitBlt(back, 0, 0, w, h, object, 0, 0, NOTSRCCOPY);
  BitBlt(mem, 0, 0, w, h, dc, x, y, SRCCOPY);
  BitBlt(mem, 0, 0, w, h, object, 0, 0, SRCAND);
  BitBlt(image, 0, 0, w, h, back, 0, 0, SRCAND);
  BitBlt(mem, 0, 0, w, h, image, 0, 0, SRCPAINT);
  BitBlt(dc, x, y, w, h, mem, 0, 0, SRCCOPY);
  BitBlt(image, 0, 0, w, h, save, 0, 0, SRCCOPY);
}

BOOL AlphaStep(HDC dc, HBITMAP from, HBITMAP to, BYTE step, HRGN clip) {
  if (!dc || !from || !to) return FALSE;
  SIZE size = BitmapSize(from);
  if (size.cx <= 0 || size.cy <= 0) return FALSE;
  if (clip) SelectClipRgn(dc, clip);
  HBITMAP source = step < 128 ? from : to;
  BYTE alpha = step < 128 ? static_cast<BYTE>(255 - 2 * step) : static_cast<BYTE>(2 * (step + 1));
  BLENDFUNCTION blend = {AC_SRC_OVER, 0, alpha, 0};
  CMemoryDC memory(dc);
  CSelectObject select(memory, source);
  return AlphaBlend(dc, 0, 0, size.cx, size.cy, memory, 0, 0, size.cx, size.cy, blend);
}

namespace {

// Rectangles are gathered in batches: each full batch becomes one region
// that is ORed into the result.
class CRegionBuilder {
 public:
  enum { kBatch = 2000 };
  bool Add(int x0, int x1, int y) {
    RECT r = {x0, y, x1, y + 1};
    m_rects.push_back(r);
    return m_rects.size() < kBatch || Flush();
  }
  bool Flush() {
    if (m_rects.empty()) return true;
    std::vector<BYTE> data(sizeof(RGNDATAHEADER) + m_rects.size() * sizeof(RECT));
    RGNDATA* region = reinterpret_cast<RGNDATA*>(data.data());
    region->rdh.dwSize = sizeof(RGNDATAHEADER);
    region->rdh.iType = RDH_RECTANGLES;
    region->rdh.nCount = static_cast<DWORD>(m_rects.size());
    region->rdh.nRgnSize = static_cast<DWORD>(m_rects.size() * sizeof(RECT));
    RECT bounds = {0x7fffffff, 0x7fffffff, 0, 0};
    for (const RECT& r : m_rects) {
      if (r.left < bounds.left) bounds.left = r.left;
      if (r.top < bounds.top) bounds.top = r.top;
      if (r.right > bounds.right) bounds.right = r.right;
      if (r.bottom > bounds.bottom) bounds.bottom = r.bottom;
    }
    region->rdh.rcBound = bounds;
    memcpy(region->Buffer, m_rects.data(), m_rects.size() * sizeof(RECT));
    m_rects.clear();
    CRgnHandle part(ExtCreateRegion(NULL, static_cast<DWORD>(data.size()), region));
    if (!part) return false;
    if (!m_result) {
      m_result.Reset(part.Detach());
    } else {
      CombineRgn(m_result, m_result, part, RGN_OR);
    }
    ++m_batches;
    return true;
  }
  HRGN Detach() {
    if (!m_result) m_result.Reset(CreateRectRgn(0, 0, 0, 0));
    return m_result.Detach();
  }
  int Batches() const { return m_batches; }

 private:
  std::vector<RECT> m_rects;
  CRgnHandle m_result;
  int m_batches = 0;
};

BYTE ByteOf(COLORREF c, int n) { return static_cast<BYTE>((c >> (8 * n)) & 0xFF); }

}  // namespace

HRGN RegionFromBitmap(HBITMAP bmp, COLORREF transparent, COLORREF tolerance) {
  if (!bmp) return NULL;
  SIZE size = BitmapSize(bmp);
  if (size.cx <= 0 || size.cy <= 0) return NULL;
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = size.cx;
  info.bmiHeader.biHeight = size.cy;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = NULL;
  CBitmapHandle copy(CreateDIBSection(NULL, &info, DIB_RGB_COLORS, &bits, NULL, 0));
  if (!copy || !bits) return NULL;
  {
    CMemoryDC to(NULL), from(NULL);
    CSelectObject selectTo(to, copy), selectFrom(from, bmp);
    BitBlt(to, 0, 0, size.cx, size.cy, from, 0, 0, SRCCOPY);
  }
  GdiFlush();
  BYTE low[3], high[3];
  for (int n = 0; n < 3; ++n) {
    low[n] = ByteOf(transparent, n);
    int top = low[n] + ByteOf(tolerance, n);
    high[n] = static_cast<BYTE>(top > 255 ? 255 : top);
  }
  const int stride = size.cx * 4;  // 32-bit rows need no padding
  CRegionBuilder builder;
  for (int y = 0; y < size.cy; ++y) {
    // Bottom-up DIB: the image's top row is the last row in memory.
    const BYTE* row = static_cast<const BYTE*>(bits) + (size.cy - 1 - y) * stride;
    for (int x = 0; x < size.cx;) {
      int x0 = x;
      auto opaque = [&](int px) {
        const BYTE* p = row + px * 4;
        for (int n = 0; n < 3; ++n)
          if (p[n] < low[n] || p[n] > high[n]) return true;
        return false;
      };
      while (x < size.cx && opaque(x)) ++x;
      if (x > x0 && !builder.Add(x0, x, y)) return NULL;
      while (x < size.cx && !opaque(x)) ++x;
    }
  }
  if (!builder.Flush()) return NULL;
  return builder.Detach();
}
