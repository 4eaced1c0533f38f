#include "ui/PictureLoader.h"

#include <string.h>

#include <ole2.h>
#include <olectl.h>

#include "base/ComPtr.h"
#include "base/Handles.h"
#include "base/RuntimeFunctions.h"

namespace {

PFN_CopyImage g_copyImage = CopyImage;

const IID kIID_IPicture = {0x7BF80980, 0xBF32, 0x101A,
                           {0x8B, 0xBB, 0x00, 0xAA, 0x00, 0x30, 0x0C, 0xAB}};

// The whole file in a movable global block; NULL when empty or unreadable.
HGLOBAL ReadIntoGlobal(HANDLE file) {
  DWORD size = GetFileSize(file, NULL);
  if (size == 0 || size == INVALID_FILE_SIZE) return NULL;
  CGlobalMemory block(GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size));
  if (!block.Get()) return NULL;
  void* data = GlobalLock(block.Get());
  DWORD read = 0;
  BOOL ok = data && ReadFile(file, data, size, &read, NULL) && read == size;
  if (data) GlobalUnlock(block.Get());
  return ok ? block.Detach() : NULL;
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

// A Windows bitmap file straight through the system's bitmap loader: the
// picture decoder takes far longer over the skin's large page images.
bool IsBitmapFile(HGLOBAL block) {
  if (GlobalSize(block) < 2) return false;
  const char* data = static_cast<const char*>(GlobalLock(block));
  bool bitmap = data && data[0] == 'B' && data[1] == 'M';
  if (data) GlobalUnlock(block);
  return bitmap;
}

// False for a Windows bitmap file shorter than its headers say: a file cut
// short (a broken copy or download) is refused rather than shown with
// whatever the loader makes of the missing rows.
bool BitmapFileIsWhole(HGLOBAL block) {
  const SIZE_T fileSize = GlobalSize(block);
  if (fileSize < sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER)) return false;
  const BYTE* data = static_cast<const BYTE*>(GlobalLock(block));
  if (!data) return false;
  BITMAPFILEHEADER file;
  BITMAPINFOHEADER info;
  memcpy(&file, data, sizeof(file));
  memcpy(&info, data + sizeof(file), sizeof(info));
  GlobalUnlock(block);
  if (file.bfSize != 0 && file.bfSize > fileSize) return false;
  if (info.biSize < sizeof(BITMAPINFOHEADER) || info.biCompression != BI_RGB) return true;
  const long long height = info.biHeight < 0 ? -static_cast<long long>(info.biHeight) : info.biHeight;
  const long long stride = (static_cast<long long>(info.biWidth) * info.biBitCount + 31) / 32 * 4;
  return static_cast<long long>(file.bfOffBits) + stride * height <= static_cast<long long>(fileSize);
}

}  // namespace

void SetPictureCopySeam(PFN_CopyImage fn) { g_copyImage = fn ? fn : CopyImage; }

HBITMAP LoadImageFile(const char* path, SIZE* size) {
  if (!path) return NULL;
  CGlobalMemory block;
  {
    CHandle file(CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING, 0, NULL));
    if (!file.IsValid()) return NULL;
    block.Reset(ReadIntoGlobal(file));
  }
  if (!block.Get()) return NULL;
  HBITMAP bitmap = NULL;
  if (IsBitmapFile(block.Get())) {
    if (!BitmapFileIsWhole(block.Get())) return NULL;
    bitmap = static_cast<HBITMAP>(LoadImageA(NULL, path, IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
  }
  if (!bitmap) {
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
