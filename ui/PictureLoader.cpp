#include "ui/PictureLoader.h"

#include <string.h>

#include <ole2.h>
#include <olectl.h>

#include "base/ComPtr.h"
#include "base/Handles.h"
#include "base/RuntimeFunctions.h"
#include "winfx/GdiHandles.h"

namespace {

PFN_CopyImage g_copyImage = CopyImage;

const IID kIID_IPicture = {0x7BF80980, 0xBF32, 0x101A,
                           {0x8B, 0xBB, 0x00, 0xAA, 0x00, 0x30, 0x0C, 0xAB}};

// A copy of the file's bytes in a movable global block, for the stream that
// the picture loader reads; NULL when memory runs out.
HGLOBAL CopyIntoGlobal(const BYTE* data, DWORD size) {
  CGlobalMemory block(GlobalAlloc(GMEM_MOVEABLE, size));
  if (!block.Get()) return NULL;
  void* copy = GlobalLock(block.Get());
  if (!copy) return NULL;
  memcpy(copy, data, size);
  GlobalUnlock(block.Get());
  return block.Detach();
}

HBITMAP BitmapFromStream(IStream* stream) {
  PFN_OleLoadPicture load = RuntimeOleLoadPicture();
  if (!load) return NULL;
  CComPtr<IPicture> picture;
  if (FAILED(load(stream, 0, FALSE, kIID_IPicture, picture.Out())) || !picture) return NULL;
  HBITMAP bitmap = NULL;
  OLE_HANDLE handle = 0;
  // Always a copy of its own: the picture frees its bitmap when it goes,
  // and a copy that may hand back the original would go with it.
  if (SUCCEEDED(picture->get_Handle(&handle)) && handle)
    bitmap = (HBITMAP)g_copyImage((HANDLE)(UINT_PTR)handle, IMAGE_BITMAP, 0, 0, 0);
  return bitmap;
}

// A Windows bitmap file goes straight to a bitmap: the picture decoder
// takes far longer over the skin's large page images.
bool IsBitmapFile(const BYTE* data, DWORD size) {
  return size >= 2 && data[0] == 'B' && data[1] == 'M';
}

// False for a Windows bitmap file shorter than its headers say: a file cut
// short (a broken copy or download) is refused rather than shown with
// whatever the loader makes of the missing rows.
bool BitmapFileIsWhole(const BYTE* data, DWORD fileSize) {
  if (fileSize < sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER)) return false;
  BITMAPFILEHEADER file;
  BITMAPINFOHEADER info;
  memcpy(&file, data, sizeof(file));
  memcpy(&info, data + sizeof(file), sizeof(info));
  if (file.bfSize != 0 && file.bfSize > fileSize) return false;
  if (info.biSize < sizeof(BITMAPINFOHEADER) || info.biCompression != BI_RGB) return true;
  const long long height = info.biHeight < 0 ? -static_cast<long long>(info.biHeight) : info.biHeight;
  const long long stride = (static_cast<long long>(info.biWidth) * info.biBitCount + 31) / 32 * 4;
  return static_cast<long long>(file.bfOffBits) + stride * height <= static_cast<long long>(fileSize);
}

// A whole uncompressed 24- or 32-bit bitmap file made into a bitmap of the
// file's own kind by one copy of its rows from the mapped file: the
// system's bitmap loader reads the file a second time and converts every
// pixel to the screen's kind, which a skin load pays for each megabyte-sized
// window image. NULL for any other kind, which that loader takes.
HBITMAP BitmapFromFileBytes(const BYTE* data, DWORD fileSize) {
  BITMAPFILEHEADER file;
  BITMAPINFO info = {};
  memcpy(&file, data, sizeof(file));
  memcpy(&info.bmiHeader, data + sizeof(file), sizeof(info.bmiHeader));
  const BITMAPINFOHEADER& header = info.bmiHeader;
  const bool plain = header.biSize == sizeof(BITMAPINFOHEADER) && header.biPlanes == 1 &&
                     header.biCompression == BI_RGB &&
                     (header.biBitCount == 24 || header.biBitCount == 32) &&
                     header.biWidth > 0 && header.biHeight != 0 && header.biClrUsed == 0 &&
                     file.bfOffBits >= sizeof(file) + sizeof(header);
  if (!plain) return NULL;
  const long long rows = header.biHeight < 0 ? -static_cast<long long>(header.biHeight)
                                             : header.biHeight;
  const long long stride = (static_cast<long long>(header.biWidth) * header.biBitCount + 31) / 32 * 4;
  const long long bytes = stride * rows;
  if (file.bfOffBits + bytes > fileSize) return NULL;
  void* bits = NULL;
  CBitmapHandle bitmap(CreateDIBSection(NULL, &info, DIB_RGB_COLORS, &bits, NULL, 0));
  if (!bitmap || !bits) return NULL;
  memcpy(bits, data + file.bfOffBits, static_cast<size_t>(bytes));
  return bitmap.Detach();
}

}  // namespace

void SetPictureCopySeam(PFN_CopyImage fn) { g_copyImage = fn ? fn : CopyImage; }

HBITMAP LoadImageFile(const char* path, SIZE* size) {
  if (!path) return NULL;
  // The file is read through a view of it: the bytes come straight from the
  // system's file cache, with no copy of a megabyte per page image.
  CHandle file(CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING, 0, NULL));
  if (!file.IsValid()) return NULL;
  const DWORD fileSize = GetFileSize(file, NULL);
  if (fileSize == 0 || fileSize == INVALID_FILE_SIZE) return NULL;
  CHandle mapping(CreateFileMappingA(file, NULL, PAGE_READONLY, 0, 0, NULL));
  if (!mapping.IsValid()) return NULL;
  CFileView view(MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, 0));
  if (!view.IsValid()) return NULL;
  const BYTE* data = static_cast<const BYTE*>(view.Get());
  HBITMAP bitmap = NULL;
  if (IsBitmapFile(data, fileSize)) {
    if (!BitmapFileIsWhole(data, fileSize)) return NULL;
    bitmap = BitmapFromFileBytes(data, fileSize);
    if (!bitmap)
      bitmap = static_cast<HBITMAP>(LoadImageA(NULL, path, IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
  }
  if (!bitmap) {
    CGlobalMemory block(CopyIntoGlobal(data, fileSize));
    if (!block.Get()) return NULL;
    CComPtr<IStream> stream;
    // The stream takes the block over and frees it with itself.
    if (FAILED(CreateStreamOnHGlobal(block.Get(), TRUE, &stream)) || !stream) return NULL;
    block.Detach();
    bitmap = BitmapFromStream(stream);
  }
  if (bitmap && size) {
    BITMAP info;
    if (GetObjectA(bitmap, sizeof(info), &info)) {
      size->cx = info.bmWidth;
      size->cy = info.bmHeight;
    }
  }
  return bitmap;
}
