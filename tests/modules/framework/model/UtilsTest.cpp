// Path wrappers, free space and the picture loader.
#include <gtest/gtest.h>

#include "base/Paths.h"
#include "modules/framework/model/MediaInfoCtrl.h"
#include "modules/framework/model/SizeFit.h"
#include "tests/support/TestSupport.h"
#include "ui/PictureLoader.h"

namespace {

TEST(PathUtilsTest, ExtensionAndFileName) {
  const struct {
    const char *path, *ext, *name;
  } cases[] = {
      {"C:\\v\\clip.avi", ".avi", "clip.avi"},
      {"C:\\v\\my.holiday.MPG", ".MPG", "my.holiday.MPG"},
      {"C:\\v.d\\noext", "", "noext"},
      {"clip", "", "clip"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path);
    EXPECT_STREQ(c.ext, GetFileExt(c.path));
    EXPECT_STREQ(c.name, GetFileNameFromPath(c.path));
  }
  const char* noExt = "C:\\v\\noext";
  EXPECT_EQ(noExt + strlen(noExt), GetFileExt(noExt));  // the end of the string
}

TEST(DiskUtilsTest, FreeSpaceOfAFolder) {
  vrctest::TempDir dir;
  ULARGE_INTEGER free;
  free.QuadPart = 0;
  EXPECT_TRUE(GetFreeDiskSpace(dir.Path().c_str(), &free));
  EXPECT_GT(free.QuadPart, 0u);
  EXPECT_FALSE(GetFreeDiskSpace(NULL, &free));
  EXPECT_FALSE(GetFreeDiskSpace(dir.Path().c_str(), NULL));
  free.QuadPart = 1;
  EXPECT_FALSE(GetFreeDiskSpace("Q:\\no\\such\\drive", &free));
  EXPECT_EQ(0u, free.QuadPart);
  // A path longer than the buffer is cut, not overrun.
  std::string overlong = dir.Path() + std::string(400, 'x');
  GetFreeDiskSpace(overlong.c_str(), &free);
}

TEST(PictureLoaderTest, LoadsABitmapAndRefusesEmptyOrMissingFiles) {
  std::string media = vrctest::TestFolder() + "..\\testmedia\\";
  SIZE size = {0, 0};
  HBITMAP bitmap = LoadImageFile((media + "picture.bmp").c_str(), &size);
  ASSERT_NE(nullptr, bitmap);
  EXPECT_EQ(64, size.cx);
  EXPECT_EQ(48, size.cy);
  DeleteObject(bitmap);
  EXPECT_EQ(nullptr, LoadImageFile((media + "empty.bmp").c_str(), &size));
  EXPECT_EQ(nullptr, LoadImageFile((media + "garbage.avi").c_str(), NULL));
  EXPECT_EQ(nullptr, LoadImageFile((media + "none.bmp").c_str(), NULL));
}

TEST(SizeFitTest, VideoSizesOnTheGrid) {
  const struct {
    int maxWidth, minWidth, w, h;
    double ratio;
    BOOL ok;
    int outW, outH;
  } cases[] = {
      {640, 0, 320, 240, 0, TRUE, 320, 240},
      {640, 0, 720, 576, 0, TRUE, 640, 480},      // cut to the maximum; 0.8 snaps to 0.75
      {640, 0, 720, 400, 0, TRUE, 640, 368},      // 0.5556 snaps to 0.5625: 360 -> 368
      {352, 0, 320, 240, 288.0 / 352, TRUE, 352, 288},
      {640, 400, 320, 240, 0, TRUE, 400, 304},    // raised to the minimum, 300 -> 304
      {640, 0, 300, 400, 0, TRUE, 304, 224},      // taller than wide: 0.75
      {640, 0, 0, 240, 0, FALSE, 0, 240},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.w * 10000 + c.h);
    int w = c.w, h = c.h;
    EXPECT_EQ(c.ok, FitVideoSize(c.maxWidth, c.minWidth, &w, &h, c.ratio));
    EXPECT_EQ(c.outW, w);
    EXPECT_EQ(c.outH, h);
  }
  int w = 1000, h = 500;
  EXPECT_TRUE(FitImageSize(800, 100, &w, &h, 0));
  EXPECT_EQ(800, w);
  EXPECT_EQ(400, h);
}

TEST(MediaTimeTest, FormatAndParse) {
  EXPECT_EQ("01:02:05", FormatMediaTime(3725.9));
  EXPECT_EQ("00:00:00", FormatMediaTime(86400.5));
  EXPECT_EQ("00:00:00", FormatMediaTime(-1));
  EXPECT_EQ("24:00:00", FormatMediaTime(86400));
  EXPECT_EQ(90, ParseTimeText("00:01:30"));
  EXPECT_EQ(3725, ParseTimeText("01:02:05"));
}

}  // namespace
