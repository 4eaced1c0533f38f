#include "PictureLoader.h"

#include <ole2.h>
#include <olectl.h>

namespace {

typedef HRESULT(WINAPI* PFN_OleLoadPicture)(IStream* stream, LONG size, BOOL runMode,
                                           REFIID iid, void** out);

// OleLoadPicture as OLEPRO32 exports it, by ordinal 251.
PFN_OleLoadPicture OleLoadPictureEntry() {
  static PFN_OleLoadPicture entry = NULL;
  if (!entry) {
    HMODULE library = LoadLibraryA("olepro32.dll");
    if (library) entry = (PFN_OleLoadPicture)GetProcAddress(library, MAKEINTRESOURCEA(251));
  }
  return entry;
}

const IID kIID_IPicture = {0x7BF80980, 0xBF32, 0x101A,
                           {0x8B, 0xBB, 0x00, 0xAA, 0x00, 0x30, 0x0C, 0xAB}};

// The whole file in a movable global block; NULL when empty or unreadable.
HGLOBAL ReadIntoGlobal(HANDLE file) {
  DWORD size = GetFileSize(file, NULL);
  if (size == 0 || size == INVALID_FILE_SIZE) return NULL;
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
  if (!block) return NULL;
  void* data = GlobalLock(block);
  DWORD read = 0;
  BOOL ok = data && ReadFile(file, data, size, &read, NULL) && read == size;
  if (data) GlobalUnlock(block);
  if (!ok) {
    GlobalFree(block);
    return NULL;
  }
  return block;
}

HBITMAP BitmapFromStream(IStream* stream) {
  PFN_OleLoadPicture load = OleLoadPictureEntry();
  if (!load) return NULL;
  IPicture* picture = NULL;
  if (FAILED(load(stream, 0, FALSE, kIID_IPicture, (void**)&picture)) || !picture) return NULL;
  HBITMAP bitmap = NULL;
  OLE_HANDLE handle = 0;
  if (SUCCEEDED(picture->get_Handle(&handle)) && handle)
    bitmap = (HBITMAP)CopyImage((HANDLE)(UINT_PTR)handle, IMAGE_BITMAP, 0, 0, LR_COPYRETURNORG);
  picture->Release();
  return bitmap;
}

}  // namespace

HBITMAP LoadImageFile(const char* path, SIZE* size) {
  if (!path) return NULL;
  HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING, 0, NULL);
  if (file == INVALID_HANDLE_VALUE) return NULL;
  HBITMAP bitmap = NULL;
  HGLOBAL block = ReadIntoGlobal(file);
  CloseHandle(file);
  if (!block) return NULL;
  IStream* stream = NULL;
  if (FAILED(CreateStreamOnHGlobal(block, TRUE, &stream)) || !stream) {
    GlobalFree(block);  // no stream took it over
    return NULL;
  }
  bitmap = BitmapFromStream(stream);
  stream->Release();  // frees the block
  if (bitmap && size) {
    BITMAP info;
    if (GetObjectA(bitmap, sizeof(info), &info)) {
      size->cx = info.bmWidth;
      size->cy = info.bmHeight;
    }
  }
  return bitmap;
}
