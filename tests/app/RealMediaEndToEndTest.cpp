// Files of the kinds users have, through the program's main window: on each
// page one table of files (made at build time with ffmpeg and ImageMagick)
// is dropped at once, the page's own output type is chosen, "Convert" is
// clicked, and every row's state and output are checked. Outputs are
// probed with ffmpeg.exe of the program folder (container, streams, length
// against the source's, the MP3's bit rate) and GDI+ (the picture's size).
// With VRC_SHOT_FOLDER set, the test asks for a screenshot of the screen
// while the batch runs and after it: it writes "want-<name>" there and
// waits, with the window served, until the file is gone.
#include <gtest/gtest.h>

#include <stdio.h>
#include <stdlib.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/app/ProgramInProcess.h"
#include "tests/support/ListRows.h"
#include "tests/support/TestSupport.h"
#include "winfx/Controls.h"
#include "winfx/GdiPlus.h"

namespace {

ProgramInProcess* g_program = NULL;

class ProgramEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    vrctest::UsePrivateTempFolder();
    g_program = new ProgramInProcess();
    started = g_program->Start();
  }
  void TearDown() override {
    delete g_program;
    g_program = NULL;
  }
  static bool started;
};
bool ProgramEnvironment::started = false;
[[maybe_unused]] ::testing::Environment* const kEnvironment =
    ::testing::AddGlobalTestEnvironment(new ProgramEnvironment());

// Screenshots taken from outside: the request is a file, the answer its
// removal (at most 10 s).
void AskForScreenshot(const std::string& name) {
  const char* folder = getenv("VRC_SHOT_FOLDER");
  if (!folder || !*folder) return;
  const std::string want = std::string(folder) + "\\want-" + name;
  FILE* file = fopen(want.c_str(), "w");
  if (!file) return;
  fclose(file);
  for (int i = 0; i < 100 && vrctest::FileExists(want); ++i) PumpFor(100);
}

// kSpoilt: a file that is listed and then, before the batch, overwritten
// with bytes that are no media: it cannot be converted.
enum Outcome { kConverts, kSpoilt };

struct MediaRow {
  const char* file;  // under the test media folder
  Outcome outcome;
  const char* why;   // what the row stands for
  int width = 0, height = 0;  // a picture's output size; 0: the source's own
};

struct PageTable {
  const char* name;
  int page;
  const char* tab;
  const char* listView;
  const char* outputType;  // the drop-down item; NULL: the current one
  std::vector<MediaRow> rows;
};

const PageTable kTables[] = {
    {"Video", 0, "ShowVideoConverter", "VideoConverterTaskListView",
     "MPEG-4 video in AVI for portable players (*.avi)",
     {{"cinepak.avi", kConverts, "Cinepak and 8-bit sound in AVI (ffmpeg has no Indeo encoder)"},
      {"mpeg1.mpg", kConverts, "MPEG-1 program stream"},
      {"mpeg2.mpg", kConverts, "MPEG-2 program stream"},
      {"mjpeg.mov", kConverts, "QuickTime motion JPEG"},
      {"phone.mp4", kConverts, "H.264 and AAC in MP4, 16:9, as a phone makes it"},
      {"nosound.avi", kConverts, "a clip without sound"},
      {"mpeg1.mpg", kSpoilt, "a clip spoilt after it was listed"}}},
    {"Music", 1, "ShowMusicConverter", "MusicConverterTaskListView", NULL,
     {{"u8-8k-mono.wav", kConverts, "8 bits, 8 kHz, mono"},
      {"s16-11k-mono.wav", kConverts, "16 bits, 11025 Hz, mono"},
      {"s16-22k-stereo.wav", kConverts, "16 bits, 22050 Hz, stereo"},
      {"s24-48k-stereo.wav", kConverts, "24 bits, 48 kHz, stereo"},
      {"adpcm.wav", kConverts, "Microsoft ADPCM"},
      {"float.wav", kConverts, "32-bit float"},
      {"song.mp3", kConverts, "an MP3"},
      {"float32-short.wav", kConverts, "10 ms of 32-bit float, 44.1 kHz, stereo"},
      {"float64-short.wav", kConverts, "10 ms of 64-bit float, 48 kHz, stereo, extensible"},
      {"s16-22k-stereo.wav", kSpoilt, "a WAV spoilt after it was listed"}}},
    {"Photo", 2, "ShowStillCast", "StillCastTaskListView", "Still images (*.jpg)",
     {{"kind.bmp", kConverts, "BMP"},
      {"photo.jpg", kConverts, "JPEG (.jpg)"},
      {"kind.jpeg", kConverts, "JPEG (.jpeg)"},
      {"photo.gif", kConverts, "GIF"},
      {"photo.tif", kConverts, "TIFF (.tif)"},
      {"kind.tiff", kConverts, "TIFF (.tiff)"},
      {"photo.png", kConverts, "PNG"},
      // The page makes at most 800 pixels wide.
      {"large.jpg", kConverts, "a large picture, 4000x3000", 800, 600},
      {"animated.gif", kConverts, "an animated GIF"},
      {"deep.png", kConverts, "a 16-bit PNG"},
      {"line.png", kConverts, "a picture one pixel high"},
      {"oriented6.jpg", kConverts, "a camera's portrait, stored turned (Exif 6)", 48, 32},
      {"photo.png", kSpoilt, "a picture spoilt after it was listed"}}},
};

void PrintTo(const PageTable& t, std::ostream* out) { *out << t.name; }

// Each source is copied under a name of its row's own ("r01-cinepak.avi"),
// so that its output is found by that start.
std::string RowPrefix(size_t index) {
  char prefix[8];
  snprintf(prefix, sizeof(prefix), "r%02u-", static_cast<unsigned>(index + 1));
  return prefix;
}

std::string StateOf(HWND list, int row) {
  for (int column = 1; column < 6; ++column) {
    std::string text = vrctest::RowText(list, row, column);
    if (text.compare(0, 7, "Convert") == 0 || text == "Unconvert") return text;
  }
  return "";
}

// The batch watched: a screenshot once the second row is under way.
struct Watch {
  HWND list = NULL;
  std::string shot;
  bool asked = false, inside = false;
};
Watch* g_watch = NULL;

void CALLBACK WatchBatch(HWND, UINT, UINT_PTR, DWORD) {
  if (!g_watch || g_watch->asked || g_watch->inside) return;
  if (StateOf(g_watch->list, 1) != "Convert...") return;
  g_watch->inside = true;
  g_watch->asked = true;
  AskForScreenshot(g_watch->shot);
  g_watch->inside = false;
}

// ffmpeg's word on a file: "key=value" facts (tests/support's MediaFactsOf).
std::string FactsOf(const std::string& path) {
  return vrctest::MediaFactsOf(vrctest::TestFolder() + "ffmpeg.exe", path);
}

void ExpectVideoOutput(const std::string& source, const std::string& output, const MediaRow& row) {
  const std::string in = FactsOf(source), out = FactsOf(output);
  ASSERT_FALSE(in.empty()) << row.why << ": the source could not be probed";
  EXPECT_EQ(std::vector<std::string>{"avi"}, vrctest::ReportValues(out, "container")) << row.why;
  EXPECT_EQ(1, vrctest::ReportNumber(out, "video")) << row.why;
  EXPECT_EQ(vrctest::ReportNumber(in, "audio"), vrctest::ReportNumber(out, "audio"))
      << row.why << ": sound as the source has it";
  const double length = vrctest::ReportNumber(in, "duration");
  EXPECT_NEAR(length, vrctest::ReportNumber(out, "duration"), 0.1 * length) << row.why;
}

void ExpectMusicOutput(const std::string& source, const std::string& output, const MediaRow& row) {
  const std::string in = FactsOf(source), out = FactsOf(output);
  ASSERT_FALSE(in.empty()) << row.why << ": the source could not be probed";
  EXPECT_EQ(std::vector<std::string>{"mp3"}, vrctest::ReportValues(out, "container")) << row.why;
  EXPECT_EQ(0, vrctest::ReportNumber(out, "video")) << row.why;
  EXPECT_EQ(1, vrctest::ReportNumber(out, "audio")) << row.why;
  EXPECT_EQ(128, vrctest::ReportNumber(out, "audioKbps")) << row.why << ": the first row's bit rate";
  EXPECT_EQ(44100, vrctest::ReportNumber(out, "rate")) << row.why;
  // An MP3 holds whole frames of 1152 samples, with the encoder's delay of
  // about half a frame before the sound: a source of a few milliseconds
  // takes two frames.
  const double length = vrctest::ReportNumber(in, "duration");
  EXPECT_NEAR(length, vrctest::ReportNumber(out, "duration"),
              std::max(0.1 * length, 2 * 1152.0 / 44100))
      << row.why;
}

SIZE PictureSize(const std::string& path) {
  CGdiPlusBitmap picture;
  CGdiPlusBitmap::FromFile(path.c_str(), MAX_PATH, &picture);
  return picture.Size();
}

void ExpectPhotoOutput(const std::string& source, const std::string& output, const MediaRow& row) {
  const std::string bytes = vrctest::ReadFile(output);
  EXPECT_EQ(0u, bytes.compare(0, 3, "\xFF\xD8\xFF")) << row.why << ": a JPEG";
  // The page's resolution is the source's own until the user picks one.
  SIZE in = PictureSize(source), out = PictureSize(output);
  EXPECT_EQ(row.width ? row.width : in.cx, out.cx) << row.why;
  EXPECT_EQ(row.height ? row.height : in.cy, out.cy) << row.why;
}

class RealMedia : public ::testing::TestWithParam<PageTable> {};

TEST_P(RealMedia, EveryRowOfThePageConvertsOrFailsWithoutOutput) {
  ASSERT_TRUE(ProgramEnvironment::started) << g_program->Log();
  const PageTable& table = GetParam();
  CMainDialog* main = g_program->Main();
  ASSERT_TRUE(main);
  CSkinPushButton* tab = FindButton(*main, table.tab);
  ASSERT_TRUE(tab);
  Click(*tab);
  CSkinAppDialog* page = g_program->Page(table.page);
  ASSERT_TRUE(page);
  HWND list = FindView(*page, table.listView);
  ASSERT_TRUE(list);

  vrctest::TempDir sources, output;
  std::vector<std::string> dropped;
  for (size_t i = 0; i < table.rows.size(); ++i) {
    const std::string media = vrctest::TestFolder() + "..\\testmedia\\" + table.rows[i].file;
    const std::string copy = sources.File(RowPrefix(i) + table.rows[i].file);
    ASSERT_TRUE(CopyFileA(media.c_str(), copy.c_str(), FALSE)) << media;
    dropped.push_back(copy);
  }
  DropFiles(*page, dropped);
  ASSERT_EQ(static_cast<int>(table.rows.size()), CListView(list).GetItemCount())
      << "every file is listed\n" << g_program->LibraryLogs();
  const std::string noise = vrctest::ReadFile(vrctest::TestFolder() + "..\\testmedia\\garbage.avi");
  for (size_t i = 0; i < table.rows.size(); ++i)
    if (table.rows[i].outcome == kSpoilt) {
      ASSERT_TRUE(vrctest::WriteFile(dropped[i], noise));
    }

  ProgramInProcess::AnswerBrowseWith(output.Path());
  CSkinPushButton* browse = FindButton(*page, "Browse");
  ASSERT_TRUE(browse);
  Click(*browse);
  if (table.outputType) {
    CSkinDropDown* types = FindDropDown(*page, "OutputFormat");
    ASSERT_TRUE(types);
    const auto& items = types->Items();
    int row = static_cast<int>(std::find(items.begin(), items.end(), table.outputType) - items.begin());
    ASSERT_LT(row, types->GetCount()) << table.outputType;
    ASSERT_TRUE(ChooseRow(*types, row));
  }

  CSkinPushButton* convert = FindButton(*page, "Convert");
  ASSERT_TRUE(convert && IsWindowEnabled(*convert));
  Watch watch;
  watch.list = list;
  watch.shot = std::string("i24media-") + table.name + "-converting";
  g_watch = &watch;
  const UINT_PTR timer = SetTimer(NULL, 0, 50, WatchBatch);
  Click(*convert);  // the batch runs to its end inside the click
  KillTimer(NULL, timer);
  g_watch = NULL;
  PumpFor(300);
  AskForScreenshot(std::string("i24media-") + table.name + "-after");

  CGdiPlusSession gdiplus;
  const std::vector<std::string> made = vrctest::FilesIn(output.Path());
  for (size_t i = 0; i < table.rows.size(); ++i) {
    const MediaRow& row = table.rows[i];
    const std::string state = StateOf(list, static_cast<int>(i));
    std::vector<std::string> outputs;
    for (const std::string& file : made)
      if (file.compare(0, 4, RowPrefix(i)) == 0) outputs.push_back(file);
    printf("%s row %u, %s (%s): %s, %u output(s)\n", table.name, static_cast<unsigned>(i + 1),
           row.file, row.why, state.c_str(), static_cast<unsigned>(outputs.size()));
    if (row.outcome == kSpoilt) {
      EXPECT_EQ(0u, state.find("Convert Failed")) << row.why << ": " << state;
      EXPECT_TRUE(outputs.empty()) << row.why << ": a failed row left an output";
      continue;
    }
    EXPECT_EQ(0u, state.find("Convert Successful")) << row.why << ": " << state;
    ASSERT_EQ(1u, outputs.size()) << row.why << ": one output";
    const std::string out = output.File(outputs[0]);
    if (table.page == 0) ExpectVideoOutput(dropped[i], out, row);
    if (table.page == 1) ExpectMusicOutput(dropped[i], out, row);
    if (table.page == 2) ExpectPhotoOutput(dropped[i], out, row);
  }
}

INSTANTIATE_TEST_SUITE_P(Pages, RealMedia, ::testing::ValuesIn(kTables),
                         [](const ::testing::TestParamInfo<PageTable>& info) {
                           return std::string(info.param.name);
                         });

}  // namespace
