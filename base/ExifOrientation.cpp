#include "base/ExifOrientation.h"

#include <windows.h>

#include <string.h>

#include <vector>

#include "base/Handles.h"

namespace {

const unsigned kOrientationTag = 0x0112;
const unsigned kShortType = 3;
// The Exif block sits in the APP1 segment near the start; 128 KB holds it.
const DWORD kHeadBytes = 128 * 1024;

unsigned Read16(const unsigned char* p, bool bigEndian) {
  return bigEndian ? (p[0] << 8) | p[1] : p[0] | (p[1] << 8);
}

unsigned long Read32(const unsigned char* p, bool bigEndian) {
  return bigEndian ? (static_cast<unsigned long>(p[0]) << 24) | (p[1] << 16) | (p[2] << 8) | p[3]
                   : p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<unsigned long>(p[3]) << 24);
}

// The orientation in a TIFF structure (the Exif block after its "Exif\0\0").
int OrientationInTiff(const unsigned char* tiff, size_t size) {
  if (size < 8) return kExifUpright;
  bool bigEndian;
  if (tiff[0] == 'I' && tiff[1] == 'I')
    bigEndian = false;
  else if (tiff[0] == 'M' && tiff[1] == 'M')
    bigEndian = true;
  else
    return kExifUpright;
  unsigned long ifd = Read32(tiff + 4, bigEndian);
  if (ifd > size - 2) return kExifUpright;
  unsigned entries = Read16(tiff + ifd, bigEndian);
  for (unsigned i = 0; i < entries; ++i) {
    size_t at = ifd + 2 + i * 12u;
    if (at + 12 > size) break;
    if (Read16(tiff + at, bigEndian) != kOrientationTag) continue;
    if (Read16(tiff + at + 2, bigEndian) != kShortType) return kExifUpright;
    unsigned value = Read16(tiff + at + 8, bigEndian);
    return value >= kExifUpright && value <= kExifLastOrientation ? static_cast<int>(value)
                                                                  : kExifUpright;
  }
  return kExifUpright;
}

}  // namespace

int ExifOrientationOf(const unsigned char* bytes, size_t size) {
  if (!bytes || size < 4 || bytes[0] != 0xFF || bytes[1] != 0xD8) return kExifUpright;
  size_t at = 2;
  // The JPEG's segments up to the image data: each a marker and its length.
  while (at + 4 <= size && bytes[at] == 0xFF) {
    unsigned marker = bytes[at + 1];
    if (marker == 0xDA || marker == 0xD9) break;  // image data, or the end
    size_t length = (bytes[at + 2] << 8) | bytes[at + 3];
    if (length < 2) break;
    const unsigned char* body = bytes + at + 4;
    size_t bodySize = length - 2;
    if (at + 2 + length > size) bodySize = size - at - 4;
    if (marker == 0xE1 && bodySize >= 6 && memcmp(body, "Exif\0\0", 6) == 0)
      return OrientationInTiff(body + 6, bodySize - 6);
    at += 2 + length;
  }
  return kExifUpright;
}

int ReadExifOrientation(const char* path) {
  if (!path) return kExifUpright;
  CHandle file(CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL,
                           OPEN_EXISTING, 0, NULL));
  if (!file.IsValid()) return kExifUpright;
  std::vector<unsigned char> head(kHeadBytes);
  DWORD read = 0;
  if (!ReadFile(file, head.data(), kHeadBytes, &read, NULL)) return kExifUpright;
  return ExifOrientationOf(head.data(), read);
}
