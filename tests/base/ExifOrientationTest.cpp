// The orientation that a camera writes into a JPEG's Exif block, read from
// the file's first bytes.
#include <gtest/gtest.h>

#include <string>

#include "base/ExifOrientation.h"

namespace {

// A JPEG head: SOI, an APP0, an APP1 Exif block whose first IFD holds one
// entry (tag, type, value) in that byte order, then the start of the scan.
std::string JpegHead(bool bigEndian, unsigned tag, unsigned type, unsigned value) {
  auto u16 = [bigEndian](unsigned v) {
    return bigEndian ? std::string{char(v >> 8), char(v & 0xFF)}
                     : std::string{char(v & 0xFF), char(v >> 8)};
  };
  auto u32 = [&](unsigned long v) {
    return bigEndian ? u16(v >> 16) + u16(v & 0xFFFF) : u16(v & 0xFFFF) + u16(v >> 16);
  };
  std::string tiff = std::string(bigEndian ? "MM" : "II") + u16(42) + u32(8) + u16(1) + u16(tag) +
                     u16(type) + u32(1) + u16(value) + u16(0) + u32(0);
  std::string exif = std::string("Exif\0\0", 6) + tiff;
  std::string app0 = std::string("\xFF\xE0\x00\x10JFIF\0\x01\x01\0\0\x01\0\x01\0\0", 18);
  auto segment = [&](unsigned marker, const std::string& body) {
    return std::string{char(0xFF), char(marker)} + std::string{char((body.size() + 2) >> 8),
                                                               char((body.size() + 2) & 0xFF)} +
           body;
  };
  return std::string("\xFF\xD8", 2) + app0 + segment(0xE1, exif) + std::string("\xFF\xDA", 2);
}

int OrientationOf(const std::string& bytes) {
  return ExifOrientationOf(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
}

TEST(ExifOrientation, ReadFromTheFirstIfd) {
  const struct {
    const char* name;
    std::string bytes;
    int orientation;
  } cases[] = {
      {"upside down, Motorola order", JpegHead(true, 0x0112, 3, 3), 3},
      {"turned, Intel order", JpegHead(false, 0x0112, 3, 6), 6},
      {"every value up to 8", JpegHead(true, 0x0112, 3, 8), 8},
      {"0 is no orientation", JpegHead(true, 0x0112, 3, 0), kExifUpright},
      {"9 is no orientation", JpegHead(false, 0x0112, 3, 9), kExifUpright},
      {"another tag", JpegHead(true, 0x0110, 3, 3), kExifUpright},
      {"not a short", JpegHead(true, 0x0112, 4, 3), kExifUpright},
      {"no JPEG", std::string("\x89PNG\r\n\x1a\n", 8), kExifUpright},
      {"cut inside the block", JpegHead(false, 0x0112, 3, 6).substr(0, 40), kExifUpright},
      {"nothing", std::string(), kExifUpright},
  };
  for (const auto& c : cases) EXPECT_EQ(c.orientation, OrientationOf(c.bytes)) << c.name;
}

}  // namespace
