// Converting through the video module, end to end: real media probe, the
// shipped format profile, the encoder stand-in with the real ffmpeg. The
// outputs are probed with the platform's media detector.
#include <gtest/gtest.h>

#include <algorithm>

#include <windows.h>
#include <commctrl.h>

#include "modules/framework/model/MediaInfoCtrl.h"
#include "tests/support/ModuleHarness.h"
#include "winfx/Seams.h"

namespace {

std::vector<std::string> g_boxes;
int WINAPI AnswerYes(HWND, const char* text, const char* caption, UINT) {
  g_boxes.push_back(std::string(caption) + "|" + text);
  return IDYES;
}

class ModuleConversion : public ::testing::Test {
 protected:
  void SetUp() override {
    VrcSetMessageBoxSeam(AnswerYes);
    g_boxes.clear();
    ASSERT_TRUE(m_harness.Start());
    m_module = m_harness.module;
  }
  void TearDown() override {
    m_harness.Stop();
    VrcSetMessageBoxSeam(NULL);
  }
  void UseOutputType(int index) { m_harness.UseOutputType(index); }
  CTaskRecord* Task(int index) { return m_harness.Task(index); }

  ModuleHarness m_harness;
  CVideoModule* m_module = NULL;
};

int Probe(const std::string& path, std::string* mediaTime) {
  VIDEOINFOHEADER video = {};
  WAVEFORMATEX audio = {};
  return CMediaInfoCtrl::GetMediaInfo(&video, &audio, path.c_str(), mediaTime);
}

// The batch ends by naming the outputs anew (a made file takes its name), so
// a task's output is read before the conversion.
TEST_F(ModuleConversion, Mp4SourceToMpeg4InAviAndBothSourcesToMp3) {
  ASSERT_EQ(1, m_module->AddFile(Media("clip.mp4").c_str()));
  UseOutputType(1);  // MPEG-4 video with MP3 sound in an AVI file
  std::string avi = Task(0)->outputPath;
  EXPECT_EQ(1, m_module->Convert());
  EXPECT_EQ("Convert Successful", Task(0)->stateText);
  std::string mediaTime;
  EXPECT_EQ(0, Probe(avi, &mediaTime)) << "video and audio in " << avi;
  EXPECT_EQ("00:00:03", mediaTime);
  EXPECT_NE(avi, Task(0)->outputPath) << "the next output does not overwrite it";

  ASSERT_EQ(1, m_module->AddFile(Media("clip.avi").c_str()));
  UseOutputType(9);  // MP3
  std::vector<std::string> mp3 = {Task(0)->outputPath, Task(1)->outputPath};
  EXPECT_EQ(1, m_module->Convert());
  for (int i = 0; i < 2; ++i) {
    EXPECT_EQ("Convert Successful", Task(i)->stateText) << i;
    EXPECT_EQ(0, lstrcmpiA(".mp3", mp3[i].substr(mp3[i].size() - 4).c_str())) << mp3[i];
    EXPECT_EQ(2, Probe(mp3[i], &mediaTime)) << "audio only: " << mp3[i];
    EXPECT_EQ("00:00:03", mediaTime);
  }
  EXPECT_NE(std::find(g_boxes.begin(), g_boxes.end(), "Varno Reel Craft V2.0|Convert finished!"),
            g_boxes.end());
}

TEST_F(ModuleConversion, AFailedTaskLeavesNoOutput) {
  // An AVI source goes to the codec library for MPEG-4, which this build
  // does not have.
  ASSERT_EQ(1, m_module->AddFile(Media("clip.avi").c_str()));
  UseOutputType(1);
  std::string output = Task(0)->outputPath;
  EXPECT_NE(1, m_module->Convert());
  EXPECT_EQ("Convert Failed", Task(0)->stateText);
  EXPECT_FALSE(vrctest::FileExists(output));
}

// Asks to stop until the running batch takes the request.
CVideoModule* g_stopping = NULL;
void CALLBACK PressStop(HWND, UINT, UINT_PTR id, DWORD) {
  if (g_stopping->StopConvert(0) == 1) KillTimer(NULL, id);
}

TEST_F(ModuleConversion, AStoppedTaskLeavesNoOutput) {
  ASSERT_EQ(1, m_module->AddFile(Media("long.mp4").c_str()));
  UseOutputType(9);
  std::string output = Task(0)->outputPath;
  g_stopping = m_module;
  SetTimer(NULL, 0, 500, PressStop);
  EXPECT_EQ(2, m_module->Convert());
  EXPECT_EQ("User Aborted", Task(0)->stateText);
  EXPECT_FALSE(vrctest::FileExists(output));
  EXPECT_EQ(0, m_module->StopConvert(0)) << "nothing runs any more";
}

// A skin reload during a batch: the main window destroys the task list and
// makes it anew from inside the batch's message pump.
ModuleHarness* g_reloading = NULL;
void CALLBACK ReloadTheList(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(NULL, id);
  ModuleHarness& harness = *g_reloading;
  harness.module->DestroyView(harness.view);
  harness.view = NULL;
  RECT rect = {0, 0, 500, 300};
  harness.module->CreateView("VideoConverterTaskListView", harness.window, &rect, "", &harness.view);
}

std::string StateCell(HWND list, int row) {
  char text[260] = "";
  LVITEMA item = {};
  item.iSubItem = 2;  // the state column
  item.pszText = text;
  item.cchTextMax = sizeof(text);
  SendMessageA(list, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
  return text;
}

TEST_F(ModuleConversion, AListMadeAnewDuringTheBatchShowsTheRestOfIt) {
  ASSERT_EQ(1, m_module->AddFile(Media("clip.mp4").c_str()));
  ASSERT_EQ(1, m_module->AddFile(Media("clip.avi").c_str()));
  UseOutputType(9);  // MP3
  g_reloading = &m_harness;
  SetTimer(NULL, 0, 10, ReloadTheList);
  EXPECT_EQ(1, m_module->Convert());
  ASSERT_NE(nullptr, m_harness.view) << "the list was not made anew";
  for (int i = 0; i < 2; ++i) {
    EXPECT_EQ("Convert Successful", Task(i)->stateText) << i;
    EXPECT_EQ("Convert Successful", StateCell(m_harness.view->GetViewWnd(), i))
        << "row " << i << " of the new list";
  }
}

}  // namespace
