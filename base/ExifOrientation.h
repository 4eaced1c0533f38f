// The orientation a camera records in a JPEG's Exif block (tag 0x0112):
// how the stored pixels must be turned or mirrored to show the picture the
// way the camera held it. Every viewer honours it; GDI+ decodes the pixels
// as stored.
#pragma once
#include <stddef.h>

enum { kExifUpright = 1, kExifLastOrientation = 8 };

// The orientation of the file's first Exif block, 1 to 8; kExifUpright for a
// file without one, or with a value outside 1 to 8.
int ReadExifOrientation(const char* path);
// The same, of the file's first bytes (`size` of them).
int ExifOrientationOf(const unsigned char* bytes, size_t size);
