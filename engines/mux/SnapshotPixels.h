// The pixels of a grabbed video frame turned into 24-bit BGR triples, and
// the bitmap file that carries them.
#pragma once
#include <windows.h>

#include <stddef.h>

enum SnapshotFormat {
  kSnapshotRGB24,
  kSnapshotRGB32,  // also ARGB32: the fourth byte is dropped
  kSnapshotRGB565,
  kSnapshotRGB555,
};

// Bytes per source pixel of a format.
int SnapshotBytesPerPixel(SnapshotFormat format);

// Converts `pixels` source pixels into 3 bytes each at `out` (3 x pixels
// bytes). False when `sourceSize` is too small for that many pixels.
bool ConvertSnapshotPixels(SnapshotFormat format, const BYTE* source, size_t sourceSize,
                           size_t pixels, BYTE* out);

// The 54-byte header of the snapshot's bitmap file: rows packed back to
// back, width x height x 3 bytes of pixels.
void WriteSnapshotHeader(int width, int height, BYTE* header54);
