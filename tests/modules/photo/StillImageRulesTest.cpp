// The photo module's rules without a window: thumbnail sizes, centring, and
// the names of formats and bit depths.
#include <gtest/gtest.h>

#include "winfx/GdiPlus.h"

#include "modules/photo/StillImageRules.h"

namespace {

TEST(StillImageRules, ThumbnailSizes) {
  struct {
    const char* name;
    UINT w, h, cw, ch;
    LONG expectedW, expectedH;
  } rows[] = {
      {"as wide and four times as high: double size", 100, 50, 300, 250, 200, 100},
      {"equal ratios take the height rule", 320, 240, 400, 300, 400, 300},
      {"wide picture fits the width", 640, 240, 300, 300, 300, 112},
      {"tall picture fits the height", 240, 640, 300, 300, 112, 300},
      {"large picture in a small window", 4000, 3000, 200, 100, 133, 100},
  };
  for (const auto& r : rows) {
    SIZE size = ThumbnailSize(r.w, r.h, r.cw, r.ch);
    EXPECT_EQ(r.expectedW, size.cx) << r.name;
    EXPECT_EQ(r.expectedH, size.cy) << r.name;
  }
}

TEST(StillImageRules, CentredOrigins) {
  struct {
    const char* name;
    RECT client;
    SIZE bitmap;
    POINT expected;
  } rows[] = {
      {"odd window width rounds up", {0, 0, 301, 200}, {100, 50}, {101, 75}},
      {"exact fit", {0, 0, 100, 50}, {100, 50}, {0, 0}},
      {"offset client", {10, 20, 110, 120}, {50, 50}, {35, 45}},
      {"larger bitmap is cut at both sides", {0, 0, 100, 100}, {200, 150}, {-49, -24}},
  };
  for (const auto& r : rows) {
    POINT at = CentredOrigin(r.client, r.bitmap);
    EXPECT_EQ(r.expected.x, at.x) << r.name;
    EXPECT_EQ(r.expected.y, at.y) << r.name;
  }
}

TEST(StillImageRules, FormatAndBitNames) {
  EXPECT_EQ("JPEG", ImageFormatName(kImageFormatJPEG));
  EXPECT_EQ("TIFF", ImageFormatName(kImageFormatTIFF));
  EXPECT_EQ("Undefined", ImageFormatName(kImageFormatUndefined));
  EXPECT_EQ("", ImageFormatName(kImageFormatMemoryBMP)) << "a picture in memory";
  EXPECT_EQ("1bit", PixelFormatBitsText(PixelFormat1bppIndexed));
  EXPECT_EQ("16bits", PixelFormatBitsText(PixelFormat16bppRGB565));
  EXPECT_EQ("32bits", PixelFormatBitsText(PixelFormat32bppPARGB));
  EXPECT_EQ("64bits", PixelFormatBitsText(PixelFormat64bppARGB));
  EXPECT_EQ("", PixelFormatBitsText(PixelFormat16bppGrayScale + 1)) << "no such format";
  EXPECT_EQ("", PixelFormatBitsText(0));
  EXPECT_EQ("16x16,,32bits", StillImageInfoText(16, 16, "", "32bits"));
}

}  // namespace
