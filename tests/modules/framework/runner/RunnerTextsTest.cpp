// The runner's arithmetic and texts as tables.
#include <gtest/gtest.h>

#include "modules/framework/model/TaskRecord.h"
#include "modules/framework/runner/RunnerTexts.h"

namespace {

TEST(RunnerTexts, ShortenedFileNames) {
  struct {
    const char* path;
    const char* shown;
  } cases[] = {
      {"C:\\v\\short.avi", "short.avi"},
      {"C:\\v\\exactly_twenty_c.avi", "exactly_twenty_c.avi"},
      // 25 characters, ".avi" has 4: the first 16, "...", the extension.
      {"C:\\v\\abcdefghijklmnopqrstu.avi", "abcdefghijklmnop....avi"},
      // An odd extension ("." and 2 letters) lets the name run to 21.
      {"D:\\abcdefghijklmnopqrstuvwxyz.rm", "abcdefghijklmnopqr....rm"},
      // ".mpeg" has 5: the name runs to 21, the stem to 16.
      {"noslash_and_quite_a_long_name.mpeg", "noslash_and_quit....mpeg"},
      {"C:\\no_extension_but_very_long_name", "no_extension_but_ver..."},
  };
  for (const auto& c : cases) EXPECT_EQ(c.shown, ShortenFileName(c.path)) << c.path;
}

TEST(RunnerTexts, Clock) {
  EXPECT_EQ("00:00:00", FormatClock(999));
  EXPECT_EQ("01:01:01", FormatClock(3661 * 1000));
  EXPECT_EQ("27:46:39", FormatClock(99999 * 1000));
}

struct ProgressCase {
  const char* name;
  ProgressState state;
  int kind, value;
  int task, overall;
};

void PrintTo(const ProgressCase& c, std::ostream* os) { *os << c.name; }

class ProgressTest : public ::testing::TestWithParam<ProgressCase> {};

TEST_P(ProgressTest, Percents) {
  const ProgressCase& c = GetParam();
  int task = -1, overall = -1;
  ComputeProgress(c.state, c.kind, c.value, &task, &overall);
  EXPECT_EQ(c.task, task);
  EXPECT_EQ(c.overall, overall);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ProgressTest,
    ::testing::Values(
        ProgressCase{"PercentFirstTask", {2, 0, 60, false}, 0, 40, 40, 20},
        ProgressCase{"PercentSecondTask", {2, 1, 60, false}, 0, 40, 40, 70},
        // 12.5 s of 60: hundredths / seconds = percent.
        ProgressCase{"PositionInHundredths", {1, 0, 60, false}, 5, 1250, 20, 20},
        ProgressCase{"PositionBeyondTheEstimateStopsAt99", {1, 0, 60, false}, 5, 9000, 99, 99},
        ProgressCase{"FirstStageIsTheFirstHalf", {1, 0, 60, true}, 1, 80, 40, 40},
        ProgressCase{"SecondStageIsTheSecondHalf", {1, 0, 60, true}, 0, 80, 90, 90},
        ProgressCase{"SecondStagePosition", {1, 0, 60, true}, 5, 3000, 75, 75},
        ProgressCase{"HalvingTruncates", {1, 0, 60, true}, 1, 99, 49, 49},
        ProgressCase{"NoTasks", {0, 0, 60, false}, 0, 50, 0, 0},
        ProgressCase{"NoEstimateYet", {1, 0, 0, false}, 5, 50, 50, 50}),
    [](const ::testing::TestParamInfo<ProgressCase>& info) { return std::string(info.param.name); });

TEST(RunnerTexts, OutputSpaceNeedsSixtyFourBits) {
  CTaskRecord task;
  task.hasVideo = 1;
  task.hasAudio = 1;
  task.videoBitRate = 8000000;
  task.audioBitRate = 192;
  task.outputType = 1;
  // 10 hours at 8 Mbit/s: 36 GB, far beyond 32 bits.
  EXPECT_EQ(36000ull * 8000000 / 8 + 36000ull * 192 / 8, NeededOutputBytes(task, 36000));
  EXPECT_EQ(1048576u, NeededOutputBytes(task, 0));
  task.hasVideo = 0;
  EXPECT_EQ(60ull * 192 / 8, NeededOutputBytes(task, 60));
  task.outputType = kOutputTypeMp3;
  EXPECT_EQ(60ull * 192 * 128, NeededOutputBytes(task, 60));
  task.outputType = kOutputTypeStillImage;
  EXPECT_EQ(524288u, NeededOutputBytes(task, 60));
}

TEST(RunnerTexts, RemainingTime) {
  EXPECT_EQ(0u, EstimateRemaining(5000, 0));
  EXPECT_EQ(15000u, EstimateRemaining(5000, 25));
  EXPECT_EQ(0u, EstimateRemaining(5000, 100));
  EXPECT_EQ(4294967295u / 2, EstimateRemaining(4294967295u / 2, 50)) << "no 32-bit overflow";
}

TEST(RunnerTexts, Segments) {
  struct {
    int seconds, splitter;
    std::vector<int> segments;
  } cases[] = {
      {600, 3, {200, 200, 200}},
      {1500, 600, {600, 600, 300}},
      {300, 600, {}},
      {600, 1, {}},
      {0, 3, {}},
      {36000, 3, {}},
      {600, 3600, {}},
      {10, 3, {3, 3, 4}},
      // 9 s in 6 parts of 2 would leave nothing for the last: 5 parts.
      {9, 6, {2, 2, 2, 2, 1}},
      {5, 59, {1, 1, 1, 1, 1}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(c.segments, SplitSegments(c.seconds, c.splitter)) << c.seconds << "/" << c.splitter;
}

}  // namespace
