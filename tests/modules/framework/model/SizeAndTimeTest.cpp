// The fitting of video and picture sizes, and the media-time texts.
#include <gtest/gtest.h>

#include "modules/framework/model/MediaInfoCtrl.h"
#include "modules/framework/model/SizeFit.h"

namespace {

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
