#include "winfx/GdiPlus.h"

#include <string.h>

#include <vector>

using namespace Gdiplus;

CGdiPlusSession::CGdiPlusSession() : m_token(0) {
  GdiplusStartupInput input;  // version 1, no output
  if (GdiplusStartup(&m_token, &input, NULL) != Ok) m_token = 0;
}

CGdiPlusSession::~CGdiPlusSession() {
  if (m_token) GdiplusShutdown(m_token);
}

CGdiPlusBitmap::~CGdiPlusBitmap() {
  if (m_pBitmap) DllExports::GdipDisposeImage(Image());
}

GpBitmap** CGdiPlusBitmap::Out() {
  if (m_pBitmap) DllExports::GdipDisposeImage(Image());
  m_pBitmap = NULL;
  return &m_pBitmap;
}

void CGdiPlusBitmap::FromFile(const char* path, int room, CGdiPlusBitmap* out) {
  std::vector<wchar_t> wide(room + 1, L'\0');
  if (!path || !MultiByteToWideChar(CP_ACP, 0, path, -1, &wide[0], room)) {
    out->Out();
    return;
  }
  wide[room] = L'\0';
  // GDI+ leaves an object behind for a file it cannot decode only on some
  // versions; a failed call must not leave a half-made one here.
  if (DllExports::GdipCreateBitmapFromFile(&wide[0], out->Out()) != Ok) out->Out();
}

SIZE CGdiPlusBitmap::Size() const {
  SIZE size = {0, 0};
  if (!m_pBitmap) return size;
  UINT width = 0, height = 0;
  DllExports::GdipGetImageWidth(Image(), &width);
  DllExports::GdipGetImageHeight(Image(), &height);
  size.cx = static_cast<LONG>(width);
  size.cy = static_cast<LONG>(height);
  return size;
}

CGdiPlusGraphics::CGdiPlusGraphics(GpImage* image) : m_pGraphics(NULL) {
  if (image && DllExports::GdipGetImageGraphicsContext(image, &m_pGraphics) != Ok)
    m_pGraphics = NULL;
}

CGdiPlusGraphics::~CGdiPlusGraphics() {
  if (m_pGraphics) DllExports::GdipDeleteGraphics(m_pGraphics);
}

BOOL FindEncoderClsid(const wchar_t* mimeType, CLSID* clsid) {
  UINT count = 0, bytes = 0;
  if (DllExports::GdipGetImageEncodersSize(&count, &bytes) != Ok || !count || !bytes) return FALSE;
  std::vector<BYTE> buffer(bytes);
  ImageCodecInfo* codecs = reinterpret_cast<ImageCodecInfo*>(&buffer[0]);
  if (DllExports::GdipGetImageEncoders(count, bytes, codecs) != Ok) return FALSE;
  for (UINT i = 0; i < count; ++i) {
    if (codecs[i].MimeType && wcscmp(codecs[i].MimeType, mimeType) == 0) {
      *clsid = codecs[i].Clsid;
      return TRUE;
    }
  }
  return FALSE;
}

UprightSteps UprightTurn(int orientation) {
  using namespace Gdiplus;
  // Index: the orientation. 2 mirrored, 3 upside down, 4 mirrored upside
  // down, 5 mirrored along the main diagonal (a mirror and a left turn), 6
  // turned left, 7 mirrored along the other diagonal (a mirror and a right
  // turn), 8 turned right.
  static const UprightSteps kSteps[] = {
      {RotateNoneFlipNone, RotateNoneFlipNone}, {RotateNoneFlipNone, RotateNoneFlipNone},
      {RotateNoneFlipX, RotateNoneFlipNone},    {RotateNoneFlipNone, Rotate180FlipNone},
      {RotateNoneFlipY, RotateNoneFlipNone},    {RotateNoneFlipX, Rotate270FlipNone},
      {RotateNoneFlipNone, Rotate90FlipNone},   {RotateNoneFlipX, Rotate90FlipNone},
      {RotateNoneFlipNone, Rotate270FlipNone}};
  return orientation >= 1 && orientation <= 8 ? kSteps[orientation] : kSteps[0];
}
