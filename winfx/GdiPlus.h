// GDI+ through its flat interface: a started session, an owned image, an
// owned graphics context, and the lookups that the still-image code shares.
#pragma once
#include <windows.h>

// GDI+ needs the OLE types that WIN32_LEAN_AND_MEAN leaves out.
#include <objidl.h>
#include <gdiplus.h>

#include <string>

typedef Gdiplus::GpBitmap GpBitmap;
typedef Gdiplus::GpImage GpImage;

// GDI+ started for the holder's life (input version 1, no output).
class CGdiPlusSession {
 public:
  CGdiPlusSession();
  ~CGdiPlusSession();
  CGdiPlusSession(const CGdiPlusSession&) = delete;
  CGdiPlusSession& operator=(const CGdiPlusSession&) = delete;
  bool IsStarted() const { return m_token != 0; }

 private:
  ULONG_PTR m_token;
};

// An owned GDI+ bitmap, disposed with the holder.
class CGdiPlusBitmap {
 public:
  CGdiPlusBitmap() : m_pBitmap(NULL) {}
  explicit CGdiPlusBitmap(GpBitmap* bitmap) : m_pBitmap(bitmap) {}
  ~CGdiPlusBitmap();
  CGdiPlusBitmap(const CGdiPlusBitmap&) = delete;
  CGdiPlusBitmap& operator=(const CGdiPlusBitmap&) = delete;
  GpBitmap* Get() const { return m_pBitmap; }
  GpImage* Image() const { return reinterpret_cast<GpImage*>(m_pBitmap); }
  GpBitmap** Out();

  // The file decoded (the ANSI path widened, at most `room` characters);
  // NULL inside when GDI+ could not even make its bitmap object.
  static void FromFile(const char* path, int room, CGdiPlusBitmap* out);
  // Width and height; 0 x 0 for an image that could not be decoded.
  SIZE Size() const;

 private:
  GpBitmap* m_pBitmap;
};

// An owned GDI+ graphics context on an image.
class CGdiPlusGraphics {
 public:
  explicit CGdiPlusGraphics(GpImage* image);
  ~CGdiPlusGraphics();
  CGdiPlusGraphics(const CGdiPlusGraphics&) = delete;
  CGdiPlusGraphics& operator=(const CGdiPlusGraphics&) = delete;
  Gdiplus::GpGraphics* Get() const { return m_pGraphics; }

 private:
  Gdiplus::GpGraphics* m_pGraphics;
};

// The first image encoder whose MIME type equals `mimeType`; FALSE when none.
BOOL FindEncoderClsid(const wchar_t* mimeType, CLSID* clsid);

// What shows a picture of that Exif orientation (1 to 8,
// base/ExifOrientation.h) upright, in two steps applied in this order: a
// mirror, then a plain turn; none for any other value. The diagonal mirrors
// (5 and 7) are never asked of the image in one step: Wine's GDI+ turns the
// combined ones half a turn off.
struct UprightSteps {
  Gdiplus::RotateFlipType mirror, turn;
};
UprightSteps UprightTurn(int orientation);
