// The program end to end through its main window, in this one process:
// the application object's own start-up loads every library of the program
// folder (configuration, the three modules, the engines, the stand-ins,
// the skin), the main window comes up; then on each page a generated file
// is dropped with a real drop handle, the output folder and type are
// chosen with the page's own controls, "Convert" is clicked, and the
// progress bar, the task's state text and the output are watched and the
// output is probed as media. Last, a second FrameWright.exe started against
// the running window brings it forward and ends.
#include <gtest/gtest.h>

#include <shlwapi.h>

#include <stdio.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "modules/framework/model/MediaInfoCtrl.h"
#include "tests/app/ProgramInProcess.h"
#include "tests/app/SharedProgram.h"
#include "tests/support/ListRows.h"
#include "winfx/Controls.h"
#include "winfx/GdiPlus.h"

namespace {

// What the watcher sees while a batch runs.
struct BatchWatch {
  CSkinProgress* bar = NULL;
  HWND list = NULL;
  std::vector<int> positions;     // the bar's position, each change
  std::vector<std::string> states;  // the task's state text, each change
};
BatchWatch* g_watch = NULL;

std::string RowState(HWND list) {
  // The state column is the one that reads like a state.
  for (int column = 1; column < 6; ++column) {
    std::string text = vrctest::RowText(list, 0, column);
    if (text.compare(0, 7, "Convert") == 0 || text == "Waiting" || text == "User Aborted")
      return text;
  }
  return "";
}

void CALLBACK WatchBatch(HWND, UINT, UINT_PTR, DWORD) {
  if (!g_watch) return;
  const int position = g_watch->bar->GetPos();
  if (g_watch->positions.empty() || g_watch->positions.back() != position)
    g_watch->positions.push_back(position);
  const std::string state = RowState(g_watch->list);
  if (!state.empty() && (g_watch->states.empty() || g_watch->states.back() != state))
    g_watch->states.push_back(state);
}

// Probes of the outputs: the platform's media detector for sound and
// video, GDI+ for pictures.
enum Probe { kProbeVideoAndSound, kProbeSoundOnly, kProbeJpeg };

struct PageCase {
  const char* name;
  int page;
  const char* tab;
  const char* listView;
  const char* source;       // under the test build's folder
  const char* outputType;   // the drop-down item, as the skin lists it
  int row;                  // else the drop-down's row: not the current one (0)
  const char* extension;
  Probe probe;
  int kbps;                 // the output's bit rate, where the row sets one
  const char* sizeList;     // the page's picture-size drop-down, else NULL
  int sizeRow;              // its row to choose: not the current one
  int width;                // the output picture's width that row gives
};

const PageCase kPages[] = {
    {"VideoClipToMpeg4InAvi", 0, "ShowVideoConverter", "VideoConverterTaskListView",
     "runner_media\\clip.mp4", "MPEG-4 video in AVI for portable players (*.avi)", 0, ".avi",
     kProbeVideoAndSound, 0, NULL, 0, 0},
    // Row 1 of the music rows: MP3 at 192 kbps (row 0, the current one, is 128).
    {"MusicWavToMp3", 1, "ShowMusicConverter", "MusicConverterTaskListView",
     "..\\testmedia\\tone.wav", NULL, 1, ".mp3", kProbeSoundOnly, 192, NULL, 0, 0},
    // A 1280x960 picture through the size list's row 2, 1024x768 (row 1,
    // 800x600, is the current one); the picture keeps its ratio.
    {"PhotoPngToJpeg", 2, "ShowStillCast", "StillCastTaskListView", "..\\testmedia\\large.png",
     "Still images (*.jpg)", 0, ".jpg", kProbeJpeg, 0, "PhotoResolution", 2, 1024},
};

void PrintTo(const PageCase& c, std::ostream* out) { *out << c.name; }

std::string ExtensionOf(const std::string& file) {
  size_t dot = file.rfind('.');
  return dot == std::string::npos ? "" : file.substr(dot);
}

void ExpectMedia(const std::string& path, Probe probe, int width) {
  if (probe == kProbeJpeg) {
    const std::string bytes = vrctest::ReadFile(path);
    ASSERT_GT(bytes.size(), 3u);
    EXPECT_EQ("\xFF\xD8\xFF", bytes.substr(0, 3)) << "a JPEG's start of image";
    CGdiPlusSession gdiplus;
    CGdiPlusBitmap picture;
    CGdiPlusBitmap::FromFile(path.c_str(), MAX_PATH, &picture);
    SIZE size = picture.Size();
    EXPECT_GT(size.cx, 0) << "GDI+ decodes " << path;
    EXPECT_GT(size.cy, 0);
    if (width) {
      printf("the picture came out %ldx%ld\n", static_cast<long>(size.cx),
             static_cast<long>(size.cy));
      EXPECT_EQ(width, size.cx) << "the chosen size's width";
      EXPECT_EQ(width * 3 / 4, size.cy) << "the source's ratio kept";
    }
    return;
  }
  VIDEOINFOHEADER video = {};
  WAVEFORMATEX audio = {};
  std::string mediaTime;
  const int kind = CMediaInfoCtrl::GetMediaInfo(&video, &audio, path.c_str(), &mediaTime);
  EXPECT_EQ(probe == kProbeVideoAndSound ? kMediaAudioVideo : kMediaAudioOnly, kind) << path;
  EXPECT_EQ("00:00:03", mediaTime) << "as long as its source";
  EXPECT_GT(audio.nSamplesPerSec, 0u);
  if (probe == kProbeVideoAndSound) {
    EXPECT_GT(video.bmiHeader.biWidth, 0);
  }
}

TEST(MainWindow, ComesUpWithItsThreePagesThroughTheProgramsOwnStartUp) {
  ASSERT_TRUE(SharedProgram::Started()) << SharedProgram::Get()->Log();
  CMainDialog* main = SharedProgram::Get()->Main();
  ASSERT_TRUE(main) << "the main window is found as a second start finds it";
  EXPECT_TRUE(IsWindowVisible(*main));
  ASSERT_EQ(3u, main->Views().size());
  const std::string log = SharedProgram::Get()->Log();
  for (const char* module : {"OptionVault.dll", "MovieCast.dll", "TuneCast.dll", "StillCast.dll"})
    EXPECT_NE(std::string::npos, log.find("Load " + vrctest::TestFolder() + module + "! bRet=1"))
        << module;
  EXPECT_NE(std::string::npos, log.find("Varno Application InitInstance! hr=0x0"));
}

class PageConversion : public ::testing::TestWithParam<PageCase> {};

TEST_P(PageConversion, ADroppedFileConvertsThroughTheWindowsOwnControls) {
  ASSERT_TRUE(SharedProgram::Started()) << SharedProgram::Get()->Log();
  const PageCase& c = GetParam();
  CMainDialog* main = SharedProgram::Get()->Main();
  ASSERT_TRUE(main);

  // The page's tab.
  CSkinPushButton* tab = FindButton(*main, c.tab);
  ASSERT_TRUE(tab);
  Click(*tab);
  CSkinAppDialog* page = SharedProgram::Get()->Page(c.page);
  ASSERT_TRUE(page);
  for (int other = 0; other < 3; ++other)
    EXPECT_EQ(other == c.page, IsWindowVisible(*SharedProgram::Get()->Page(other)) != FALSE)
        << "page " << other;
  HWND list = FindView(*page, c.listView);
  ASSERT_TRUE(list);

  // A generated file dropped on the page.
  const std::string source = vrctest::TestFolder() + "..\\testbin\\" + c.source;
  ASSERT_TRUE(vrctest::FileExists(source)) << source;
  char full[MAX_PATH] = {0};
  GetFullPathNameA(source.c_str(), MAX_PATH, full, NULL);
  const int rowsBefore = CListView(list).GetItemCount();
  ASSERT_EQ(0, rowsBefore) << "each page starts empty";
  DropFiles(*page, {full});
  ASSERT_EQ(1, CListView(list).GetItemCount()) << SharedProgram::Get()->LibraryLogs();
  EXPECT_NE(std::string::npos, vrctest::RowText(list, 0, 0).find(PathFindFileNameA(full)));

  // The output folder through Browse, the output type through the list.
  vrctest::TempDir output;
  ProgramInProcess::AnswerBrowseWith(output.Path());
  CSkinPushButton* browse = FindButton(*page, "Browse");
  ASSERT_TRUE(browse);
  Click(*browse);
  ISkinValueControl* folderEdit = FindEdit(*page, "BrowseEdit");
  ASSERT_TRUE(folderEdit);
  EXPECT_EQ(output.Path(), folderEdit->GetText()) << "the page shows the chosen folder";
  CSkinDropDown* types = FindDropDown(*page, "OutputFormat");
  ASSERT_TRUE(types);
  ASSERT_GT(types->GetCount(), 0);
  int row = c.row;
  if (!c.outputType) EXPECT_NE(row, types->GetCurSel()) << "a row that changes something";
  if (c.outputType) {
    const auto& items = types->Items();
    row = static_cast<int>(std::find(items.begin(), items.end(), c.outputType) - items.begin());
    ASSERT_LT(row, types->GetCount()) << c.outputType;
  }
  ASSERT_TRUE(ChooseRow(*types, row)) << "the popup's row " << row;
  if (c.sizeList) {
    CSkinDropDown* sizes = FindDropDown(*page, c.sizeList);
    ASSERT_TRUE(sizes) << c.sizeList;
    EXPECT_NE(c.sizeRow, sizes->GetCurSel()) << "a row that changes something";
    ASSERT_TRUE(ChooseRow(*sizes, c.sizeRow)) << "the popup's row " << c.sizeRow;
  }

  // Convert, watched while it runs.
  CSkinPushButton* convert = FindButton(*page, "Convert");
  CSkinProgress* bar = FindProgress(*page, "Convert_Progress");
  ASSERT_TRUE(convert && bar);
  ASSERT_TRUE(IsWindowEnabled(*convert)) << "a task to convert";
  BatchWatch watch;
  watch.bar = bar;
  watch.list = list;
  g_watch = &watch;
  ProgramInProcess::ForgetBoxes();
  const UINT_PTR timer = SetTimer(NULL, 0, 10, WatchBatch);
  Click(*convert);  // the batch runs to its end inside the click
  PumpFor(300);
  KillTimer(NULL, timer);
  g_watch = NULL;

  std::string positions;
  for (int p : watch.positions) positions += std::to_string(p) + " ";
  printf("%s: the bar went through %s\n", c.name, positions.c_str());
  EXPECT_TRUE(std::any_of(watch.positions.begin(), watch.positions.end(), [](int p) { return p > 0; }))
      << "the bar moved: " << positions;
  EXPECT_EQ(0, bar->GetPos()) << "and went back once the batch was done: " << positions;
  ASSERT_FALSE(watch.states.empty());
  EXPECT_EQ("Convert...", watch.states.front()) << "the state while it runs";
  EXPECT_EQ("Convert Successful", RowState(list)) << SharedProgram::Get()->LibraryLogs();
  const std::vector<std::string>& boxes = ProgramInProcess::AnsweredBoxes();
  EXPECT_NE(boxes.end(), std::find(boxes.begin(), boxes.end(), "Convert finished!"));

  std::vector<std::string> made = vrctest::FilesIn(output.Path());
  ASSERT_EQ(1u, made.size()) << "one output in the chosen folder";
  EXPECT_EQ(0, lstrcmpiA(c.extension, ExtensionOf(made[0]).c_str())) << made[0];
  ExpectMedia(output.File(made[0]), c.probe, c.width);
  if (c.kbps) {
    // A 3-second output at the row's constant bit rate: its size tells the
    // rate (within the frame padding and the header).
    const double kbps = vrctest::ReadFile(output.File(made[0])).size() * 8.0 / 3.0 / 1000.0;
    printf("%s: %.0f kbps\n", c.name, kbps);
    EXPECT_NEAR(c.kbps, kbps, c.kbps * 0.15) << "the chosen row's bit rate";
  }
}

INSTANTIATE_TEST_SUITE_P(Pages, PageConversion, ::testing::ValuesIn(kPages),
                         [](const ::testing::TestParamInfo<PageCase>& info) {
                           return std::string(info.param.name);
                         });

// Pumps until the window is no longer minimised: the other process's
// restore arrives as messages of this thread.
void WaitForRestore(HWND hWnd) {
  for (int i = 0; i < 200 && IsIconic(hWnd); ++i) PumpFor(50);
}

TEST(MainWindow, ASecondStartBringsTheRunningWindowForwardAndEnds) {
  ASSERT_TRUE(SharedProgram::Started()) << SharedProgram::Get()->Log();
  CMainDialog* main = SharedProgram::Get()->Main();
  ASSERT_TRUE(main);
  char caption[128] = {0};
  GetWindowTextA(*main, caption, sizeof(caption));
  EXPECT_STRNE("VarnoReelCraft", caption) << "the caption is the product's translated name";
  ShowWindow(*main, SW_MINIMIZE);
  ASSERT_TRUE(IsIconic(*main));
  const std::string program = vrctest::ProgramFolder() + "FrameWright.exe";
  EXPECT_EQ(0, vrctest::RunProcess("\"" + program + "\"", vrctest::ProgramFolder(), 60000))
      << "the second start ends by itself";
  WaitForRestore(*main);
  EXPECT_FALSE(IsIconic(*main)) << "the second start found the running window and restored it";
  EXPECT_TRUE(IsWindowVisible(*main));
}

}  // namespace
