// The main window under the virtual display, with a recording executive and
// view factory: the pages it shows one at a time and the page it stores,
// the tab check, the page of the last run at start, a skin with too few
// pages, closing through "Power_Off", the suspend and resume notices, and
// the mark by which a second start finds the window whatever its caption.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "tests/support/FakeConfig.h"
#include "tests/support/FakeTranslator.h"
#include "tests/support/RecordingSkinCommand.h"
#include "tests/support/RecordingViewFactory.h"
#include "tests/support/TestSupport.h"
#include "tests/ui/SkinFixture.h"
#include "ui/MainDialog.h"

using skintest::Solid;
using skintest::WriteBitmapFile;

namespace {

const char kPageLines[] =
    "1=VideoConverterDialog,10,40,180,70\n2=MusicConverterDialog,10,40,180,70\n"
    "3=StillCastDialog,10,40,180,70\n";

BOOL CALLBACK CollectMarked(HWND hWnd, LPARAM found) {
  if (GetPropA(hWnd, CMainDialog::kMark)) reinterpret_cast<std::set<HWND>*>(found)->insert(hWnd);
  return TRUE;
}

std::set<HWND> MarkedWindows() {
  std::set<HWND> found;
  EnumWindows(CollectMarked, reinterpret_cast<LPARAM>(&found));
  return found;
}

BOOL WINAPI IgnoreScrollBarSkin(const char*, const char*) { return TRUE; }

class MainDialogFixture : public ::testing::Test {
 protected:
  vrctest::TempDir dir;
  CFakeConfig config;
  CFakeTranslator translator;
  CRecordingSkinCommand command;
  CRecordingViewFactory factory;
  CMainDialog window;

  void SetUp() override { SetScrollBarSkinLoaderSeam(IgnoreScrollBarSkin); }
  void TearDown() override {
    window.DestroyWindow();
    SetScrollBarSkinLoaderSeam(NULL);
  }
  void Open(const std::string& pageLines = kPageLines, int lastPage = 0) {
    std::string folder = dir.File("skin");
    CreateDirectoryA(folder.c_str(), NULL);
    ASSERT_TRUE(WriteBitmapFile(folder + "\\main.bmp", 200, 120, Solid(RGB(40, 40, 40))));
    ASSERT_TRUE(vrctest::WriteFile(
        folder + "\\skin.ini",
        "[REELCRAFTDLG]\nMain=main.bmp\n[REELCRAFTDLG/BUTTONS]\n1=Convert,10,10,40,20\n"
        "[REELCRAFTDLG/APPVIEWS]\n" + pageLines));
    config.SetText("SkinPath", folder);
    config.Set("ReelCraftLastPage", lastPage);
    window.SetConfig(&config);
    window.SetSkinCommand(&command);
    window.SetViewFactory(&factory);
    window.SetTranslator(&translator);
    ASSERT_TRUE(window.CreateFromTemplate(102));
  }
  std::vector<bool> Shown() {
    std::vector<bool> shown;
    for (IConverterView* view : window.Views())
      shown.push_back(IsWindowVisible(view->GetViewWnd()) != FALSE);
    return shown;
  }
  // The button names of the "CheckReelCraftTab" commands sent.
  std::vector<std::string> TabChecks() {
    std::vector<std::string> names;
    for (const auto& call : command.calls)
      if (call.name == "CheckReelCraftTab")
        names.push_back(reinterpret_cast<const char*>(call.param.nForce1));
    return names;
  }
};

TEST_F(MainDialogFixture, StartsOnTheLastPageWithItsTabChecked) {
  Open(kPageLines, 2);
  ASSERT_EQ(3u, window.Views().size());
  EXPECT_EQ((std::vector<bool>{false, false, true}), Shown());
  EXPECT_EQ((std::vector<std::string>{"ShowStillCast"}), TabChecks());
  char className[16] = {0};
  GetClassNameA(window, className, sizeof(className));
  EXPECT_STREQ("#32770", className);
}

TEST_F(MainDialogFixture, APageButtonSwitchesThePageWithoutReachingTheExecutive) {
  Open();
  command.calls.clear();
  window.OnSkinCommand("ShowMusicConverter");
  EXPECT_EQ((std::vector<bool>{false, true, false}), Shown());
  EXPECT_EQ(1, config.Int("ReelCraftLastPage"));
  EXPECT_EQ((std::vector<std::string>{"CheckReelCraftTab"}), command.Names())
      << "the tab check only; no ShowMusicConverter";
  EXPECT_EQ((std::vector<std::string>{"ShowMusicConverter"}), TabChecks());
  EXPECT_EQ(0, command.calls[0].argument);

  EXPECT_TRUE(window.ShowConverterPage("showvideoconverter")) << "case ignored";
  EXPECT_EQ((std::vector<bool>{true, false, false}), Shown());
  EXPECT_EQ(0, config.Int("ReelCraftLastPage"));
  EXPECT_FALSE(window.ShowConverterPage("Convert"));
}

TEST_F(MainDialogFixture, ASkinWithTwoPagesRefusesThePhotoPageButStillChecksItsTab) {
  Open("1=VideoConverterDialog,10,40,180,70\n2=MusicConverterDialog,10,40,180,70\n", 1);
  command.calls.clear();
  EXPECT_FALSE(window.ShowPage(2));
  EXPECT_TRUE(window.ShowConverterPage("ShowStillCast"));
  EXPECT_EQ((std::vector<bool>{false, true}), Shown()) << "the shown page stays";
  EXPECT_EQ(1, config.Int("ReelCraftLastPage")) << "nothing stored";
  EXPECT_EQ((std::vector<std::string>{"ShowStillCast"}), TabChecks());
}

TEST_F(MainDialogFixture, AStoredPageOutOfRangeShowsNoPage) {
  Open(kPageLines, 7);
  EXPECT_EQ((std::vector<bool>{true, true, true}), Shown()) << "the views as they were made";
  EXPECT_EQ(7, config.Int("ReelCraftLastPage"));
  EXPECT_TRUE(TabChecks().empty()) << "no tab for a page that is none";
}

TEST_F(MainDialogFixture, CloseSendsOnlyPowerOff) {
  Open();
  command.calls.clear();
  command.commandResult = 0;
  LRESULT result = SendMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_EQ(0, result);
  ASSERT_EQ((std::vector<std::string>{"Power_Off"}), command.Names());
  EXPECT_FALSE(command.calls[0].hasParam);
  EXPECT_TRUE(IsWindow(window)) << "the executive decides whether the program ends";
}

TEST_F(MainDialogFixture, SuspendStopsAndResumeIsAnnounced) {
  Open();
  command.calls.clear();
  SendMessageA(window, WM_POWERBROADCAST, 0, 0);
  EXPECT_EQ(1, SendMessageA(window, WM_POWERBROADCAST, 7, 0));
  SendMessageA(window, WM_POWERBROADCAST, 10, 0);
  EXPECT_EQ((std::vector<std::string>{"Stop", "ResumeFromSuspend"}), command.Names());
}

TEST_F(MainDialogFixture, ResumeIsNotAnnouncedWhereNoRowTakesIt) {
  Open();
  command.calls.clear();
  command.enabled["ResumeFromSuspend"] = 0;  // as the executive answers a name it has no row for
  EXPECT_EQ(1, SendMessageA(window, WM_POWERBROADCAST, 7, 0)) << "the resume is still answered";
  EXPECT_TRUE(command.Names().empty()) << "sent: " << command.Names()[0];
}

TEST_F(MainDialogFixture, ASecondStartFindsTheWindowAfterItsCaptionIsTranslated) {
  config.SetText("OEMAppName", "Varno Reel Craft V2.0");
  translator.translations["Varno Reel Craft V2.0"] = "Varno Filmwerkstatt";
  Open();
  char caption[64] = {0};
  GetWindowTextA(window, caption, sizeof(caption));
  EXPECT_STREQ("Varno Filmwerkstatt", caption);
  // Other tests' windows may run on the same desktop: the marked ones are
  // collected rather than the first one found.
  EXPECT_TRUE(MarkedWindows().count(window.m_hWnd)) << "the mark the second start looks for";
  EXPECT_TRUE(FindRunningMainWindow());
  HWND gone = window.m_hWnd;
  window.DestroyWindow();
  EXPECT_FALSE(MarkedWindows().count(gone)) << "the mark goes with the window";
}

TEST_F(MainDialogFixture, AnUpdateReachesEveryViewThenTheWindowsControls) {
  Open();
  command.values["Convert"] = 1;
  window.UpdateUI("Convert,", 1);
  for (IConverterView* view : window.Views()) {
    CRecordedView* recorded = static_cast<CRecordedView*>(view);
    EXPECT_EQ((std::vector<std::string>{"Convert,"}), recorded->updates) << recorded->name;
  }
  EXPECT_EQ(1, window.Buttons()[0]->IsLatched());
}

}  // namespace
