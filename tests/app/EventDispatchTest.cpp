// What the executive makes of the modules' events.
#include <gtest/gtest.h>

#include "tests/support/ExecutiveFakes.h"
#include "tests/support/TestSupport.h"
#include "winfx/Seams.h"

namespace {

bool QuitPosted() {
  MSG msg;
  return PeekMessageA(&msg, NULL, WM_QUIT, WM_QUIT, PM_REMOVE) != FALSE;
}

TEST(ModuleEvents, ProgressKeepsAPercentAgainstAZeroUntilTheBatchEnds) {
  fakes::Wiring w;
  w.config->translations["Progress:"] = "Fortschritt:";
  ASSERT_EQ(S_OK, w.Init());
  struct {
    int percent;
    HRESULT result;
    int shown;
  } steps[] = {{50, S_OK, 50}, {0, E_FAIL, 50}, {100, S_OK, 100}, {0, S_OK, 0}, {0, S_OK, 0}};
  for (const auto& step : steps) {
    EXPECT_EQ(step.result, w.Event(&CLSID_VideoModule, MEV_PROGRESS_INFO, step.percent,
                                   reinterpret_cast<INT_PTR>("info"), reinterpret_cast<INT_PTR>("eta")))
        << step.percent;
    EXPECT_EQ(step.shown, w.executive->GetControlValue("Convert_Progress"));
  }
  EXPECT_EQ("Fortschritt: 0%", w.Text("Progress"));
  EXPECT_EQ("info", w.Text("Information"));
  EXPECT_EQ("eta", w.Text("Estimated Time"));
  // The photo module keeps a percent of its own.
  EXPECT_EQ(S_OK, w.Event(&CLSID_PhotoModule, MEV_PROGRESS_INFO, 42, 0, 0));
  EXPECT_EQ(E_FAIL, w.Event(&CLSID_PhotoModule, MEV_PROGRESS_INFO, 0, 0, 0));
  EXPECT_EQ(S_OK, w.Event(&CLSID_MusicModule, MEV_PROGRESS_INFO, 0, 0, 0))
      << "video and music share one percent, which is 0 now";
}

TEST(ModuleEvents, QueryEnabledAnswersThroughTheCallersInt) {
  fakes::Wiring w;
  ASSERT_EQ(S_OK, w.Init());
  int answer = 7;
  EXPECT_EQ(E_FAIL, w.Event(&CLSID_VideoModule, MEV_QUERY_ENABLED, reinterpret_cast<INT_PTR>("DeleteFiles"),
                            reinterpret_cast<INT_PTR>(&answer)));
  EXPECT_EQ(7, answer) << "left alone for a disabled control";
  EXPECT_EQ(S_OK, w.Event(&CLSID_VideoModule, MEV_QUERY_ENABLED, reinterpret_cast<INT_PTR>("AddFiles"),
                          reinterpret_cast<INT_PTR>(&answer)));
  EXPECT_EQ(1, answer);
  EXPECT_EQ(S_OK, w.Event(&CLSID_VideoModule, MEV_QUERY_ENABLED, reinterpret_cast<INT_PTR>("AddFiles"), 0));
}

struct PowerCase {
  INT_PTR p1, p2;
  bool quits;
  bool switchesOff;
};

TEST(ModuleEvents, PowerOffEventsByParameter) {
  PowerCase cases[] = {{1, 1, true, true}, {1, 0, true, false}, {0, 0, false, false}, {0, 1, false, false}};
  for (const PowerCase& c : cases) {
    fakes::Wiring w;
    ASSERT_EQ(S_OK, w.Init());
    while (QuitPosted()) {
    }
    EXPECT_EQ(E_FAIL, w.Event(&CLSID_VideoModule, MEV_POWER_OFF, c.p1, c.p2, 0));
    EXPECT_EQ(c.quits, QuitPosted()) << c.p1 << c.p2;
    EXPECT_EQ(c.switchesOff ? 1 : 0, w.config->ints["VRCExitWindowsEx"]) << c.p1 << c.p2;
  }
}

TEST(ModuleEvents, ListKeysAndMenuCommands) {
  fakes::Wiring w;
  ASSERT_EQ(S_OK, w.Init());
  w.video->items = 2;
  w.video->selected = 1;
  w.executive->UpdateButtonStates();
  EXPECT_EQ(E_FAIL, w.Event(&CLSID_VideoModule, MEV_LIST_KEY, 'A'));
  EXPECT_TRUE(w.video->calls.empty());
  EXPECT_EQ(S_OK, w.Event(&CLSID_VideoModule, MEV_LIST_KEY, VK_DELETE));
  EXPECT_EQ(S_OK, w.Event(&CLSID_VideoModule, MEV_DELETE_FILES));
  EXPECT_EQ(S_OK, w.Event(&CLSID_VideoModule, MEV_SELECT_ALL));
  EXPECT_EQ(S_OK, w.Event(&CLSID_VideoModule, MEV_PLAY));
  EXPECT_EQ(S_OK, w.Event(&CLSID_VideoModule, MEV_GRAPH_EVENT));
  EXPECT_EQ(S_OK, w.Event(&CLSID_VideoModule, MEV_STOP));
  EXPECT_EQ((std::vector<std::string>{"DeleteFiles", "DeleteFiles", "Play", "HandleGraphEvent", "Stop"}),
            w.video->calls);
}

TEST(ModuleEvents, MediaInfoAndPlayProgressTexts) {
  fakes::Wiring w;
  ASSERT_EQ(S_OK, w.Init());
  EXPECT_EQ(S_OK, w.Event(&CLSID_VideoModule, MEV_MEDIA_INFO, 0, reinterpret_cast<INT_PTR>("File Size: 1.5MB"),
                          reinterpret_cast<INT_PTR>("Video Size: 320x240")));
  EXPECT_EQ("File Size: 1.5MB", w.Text("FileSize"));
  EXPECT_EQ("Video Size: 320x240", w.Text("VideoSize"));
  EXPECT_EQ(E_FAIL, w.Event(&CLSID_VideoModule, MEV_PLAY_PROGRESS, 30, reinterpret_cast<INT_PTR>("00:01:02")));
  EXPECT_EQ(30, w.executive->GetControlValue("Play_Progress"));
  EXPECT_EQ("00:01:02", w.Text("Time"));
  EXPECT_EQ(E_FAIL, w.Event(&CLSID_MusicModule, MEV_MUSIC_INFO, 1, reinterpret_cast<INT_PTR>("44100Hz,Stereo,128kbps,CBR")));
  EXPECT_EQ("44100Hz,Stereo,128kbps,CBR", w.Text("MusicInfo"));
  EXPECT_EQ(E_FAIL, w.Event(&CLSID_VideoModule, MEV_MUSIC_INFO, 1, reinterpret_cast<INT_PTR>("ignored")));
  EXPECT_EQ("44100Hz,Stereo,128kbps,CBR", w.Text("MusicInfo")) << "only the music module's counts";
}

TEST(ModuleEvents, PhotoPreviewCodesRefreshThePreview) {
  fakes::Wiring w;
  w.config->ints["ReelCraftLastPage"] = 2;
  ASSERT_EQ(S_OK, w.Init());
  EXPECT_EQ(2, w.executive->CurrentPage());
  EXPECT_EQ(S_OK, w.Event(&CLSID_PhotoModule, MEV_MEDIA_INFO, 0, reinterpret_cast<INT_PTR>("x"), 0));
  EXPECT_EQ(S_OK, w.Event(&CLSID_PhotoModule, MEV_PLAY));
  EXPECT_EQ((std::vector<std::string>{"ShowSelectedPreview", "ShowSelectedPreview"}), w.photo->calls);
  EXPECT_EQ("x", w.Text("FileSize")) << "the photo page shows its own file's size";
  for (int code : std::initializer_list<int>{MEV_GRAPH_EVENT, MEV_PLAY_STARTING, MEV_PLAY_PROGRESS, MEV_STOP, MEV_MUSIC_INFO, 3, 7, 99})
    EXPECT_EQ(E_FAIL, w.Event(&CLSID_PhotoModule, code)) << code;
}

TEST(ModuleEvents, OtherModulesAndUnassignedCodesChangeNothing) {
  fakes::Wiring w;
  ASSERT_EQ(S_OK, w.Init());
  EXPECT_EQ(E_FAIL, w.Event(&CLSID_ConfigModule, MEV_PROGRESS_INFO, 50));
  EXPECT_EQ(0, w.executive->GetControlValue("Convert_Progress"));
  for (int code : std::initializer_list<int>{3, 5, 10, MEV_PLAY_STARTING, 24})
    EXPECT_EQ(E_FAIL, w.Event(&CLSID_VideoModule, code)) << code;
}

std::vector<std::string> g_opened;
HINSTANCE WINAPI RecordOpen(HWND, const char* verb, const char* file, const char*, const char*, int) {
  g_opened.push_back(std::string(verb) + " " + file);
  return reinterpret_cast<HINSTANCE>(33);
}

TEST(ModuleEvents, ConvertDoneOpensTheFolderEvenWhenDisabled) {
  fakes::Wiring w;
  ASSERT_EQ(S_OK, w.Init());
  vrctest::TempDir dir;
  w.config->strings["CurrentSavePath"] = dir.Path();
  VrcSetShellExecuteSeam(RecordOpen);
  w.executive->SetControlEnabled("OpenFolder", 0);
  EXPECT_EQ(S_OK, w.Event(&CLSID_VideoModule, MEV_CONVERT_DONE, 1, 1, 1));
  EXPECT_EQ((std::vector<std::string>{"open " + dir.Path()}), g_opened);
  VrcSetShellExecuteSeam(NULL);
}

}  // namespace
