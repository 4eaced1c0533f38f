// The preview player on Wine's real DirectShow: a generated one-second AVI
// is played in a playback window, positioned, sought and played to its end,
// where the graph's completion comes back as WM_APP + 2 and thus MEV_STOP.
#include <gtest/gtest.h>

#include <algorithm>

#include "base/MessagePump.h"
#include "modules/framework/player/DirectShowPlayer.h"
#include "modules/framework/views/SkinWnd.h"
#include "tests/support/FakeFilterGraph.h"
#include "tests/support/RecordingNotify.h"
#include "tests/support/TestSupport.h"

namespace {

std::string Clip() { return vrctest::TestFolder() + "video_media\\clip1s.avi"; }

TEST(PlayerFiles, WindowsMediaIsRecognisedOnTheLowerCasedPath) {
  struct {
    const char* path;
    BOOL expected;
  } cases[] = {
      {"C:\\v\\CLIP.WMV", TRUE}, {"clip.asf.avi", TRUE}, {"song.Wma", TRUE},
      {"clip.avi", FALSE},       {"wmv", FALSE},         {NULL, FALSE},
  };
  for (const auto& c : cases)
    EXPECT_EQ(c.expected, CDirectShowPlayer::IsWindowsMediaFile(c.path)) << (c.path ? c.path : "NULL");
}

// Plays the part of the program: graph events go back to the player, the end
// of playback stops it.
class CPlayerDriver : public CRecordingNotify {
 public:
  explicit CPlayerDriver(CDirectShowPlayer& player) : m_player(player) {}
  BOOL STDMETHODCALLTYPE Notify(int code, INT_PTR p1, INT_PTR p2, INT_PTR p3) override {
    CRecordingNotify::Notify(code, p1, p2, p3);
    if (code == MEV_GRAPH_EVENT) m_player.HandleGraphEvents();
    if (code == MEV_STOP) {
      stopped = true;
      m_player.CloseGraph();
    }
    return TRUE;
  }
  bool stopped = false;

 private:
  CDirectShowPlayer& m_player;
};

class Player : public ::testing::Test {
 protected:
  void SetUp() override {
    RECT rect = {0, 0, 320, 240};
    ASSERT_TRUE(parent.Create(NULL, "parent", WS_POPUP | WS_VISIBLE, rect, NULL, 0));
    ASSERT_TRUE(wnd.Create(&rect, parent.m_hWnd, NULL));
    ShowWindow(wnd.m_hWnd, SW_SHOW);
    wnd.SetNotify(&driver);
    player.SetOwner(wnd.m_hWnd);
    ASSERT_TRUE(player.Init());
  }
  void TearDown() override {
    player.Cleanup();
    wnd.DestroyWindow();
    parent.DestroyWindow();
  }
  // Pumps until playback has ended; a safety stop only, not a timing check.
  bool PumpUntilStopped() {
    DWORD start = GetTickCount();
    while (!driver.stopped && GetTickCount() - start < 60000) {
      PumpMessages();
      MsgWaitForMultipleObjects(0, NULL, FALSE, 50, QS_ALLINPUT);
    }
    return driver.stopped;
  }
  CWnd parent;
  CSkinWnd wnd;
  CDirectShowPlayer player;
  CPlayerDriver driver{player};
};

TEST_F(Player, StoppingAStoppedPlayerNeedsNoGraphCall) {
  EXPECT_FALSE(player.IsPlaying());
  EXPECT_TRUE(player.CloseGraph());
  EXPECT_EQ(0, player.GetPosition()) << "no duration yet";
}

TEST_F(Player, MissingFileDoesNotPlay) {
  EXPECT_FALSE(player.PlayFile((vrctest::TestFolder() + "video_media\\missing.avi").c_str()));
  EXPECT_FALSE(player.IsPlaying());
  EXPECT_FALSE(player.PlayFile(NULL));
}

TEST_F(Player, PlaysSeeksAndReportsTheEndAsStop) {
  ASSERT_TRUE(vrctest::FileExists(Clip()));
  ASSERT_TRUE(player.PlayFile(Clip().c_str()));
  EXPECT_TRUE(player.IsPlaying());
  EXPECT_EQ(10000000LL, player.GetDuration()) << "whole seconds from the media detector";

  ASSERT_TRUE(player.RefreshDuration());
  EXPECT_NEAR(10000000.0, static_cast<double>(player.GetDuration()), 500000.0);
  int position = player.GetPosition();
  EXPECT_GE(position, 0);
  EXPECT_LE(position, 100);
  EXPECT_EQ("00:00:00", player.GetPositionText());

  ASSERT_TRUE(player.Seek(50));
  EXPECT_GE(player.GetPosition(), 45);

  ASSERT_TRUE(PumpUntilStopped()) << "the end of the stream was never reported";
  EXPECT_FALSE(player.IsPlaying());
  EXPECT_FALSE(KillTimer(wnd.m_hWnd, PLAYER_TIMER_ID)) << "no position timer after the end";
  std::vector<int> codes = driver.Codes();
  EXPECT_NE(codes.end(), std::find(codes.begin(), codes.end(), MEV_GRAPH_EVENT));
  EXPECT_EQ(MEV_STOP, codes.back());
}

// The player on a fake graph: what it leaves behind when the graph fails to
// run or to stop, its duration per file, and its event loop's result.
class PlayerOnAFakeGraph : public ::testing::Test {
 protected:
  void SetUp() override {
    RECT rect = {0, 0, 320, 240};
    ASSERT_TRUE(parent.Create(NULL, "parent", WS_POPUP, rect, NULL, 0));
    ASSERT_TRUE(wnd.Create(&rect, parent.m_hWnd, NULL));
    CFakeFilterGraph::Current() = &graph;
    CDirectShowPlayer::SetGraphFactory(CFakeFilterGraph::Create);
    player.SetOwner(wnd.m_hWnd);
    ASSERT_TRUE(player.Init());
  }
  void TearDown() override {
    player.Cleanup();
    CDirectShowPlayer::SetGraphFactory(NULL);
    CFakeFilterGraph::Current() = NULL;
    wnd.DestroyWindow();
    parent.DestroyWindow();
  }
  // What a player that plays nothing must not hold on to.
  void ExpectLetGoOfTheOwner() {
    EXPECT_FALSE(player.IsPlaying());
    EXPECT_FALSE(KillTimer(wnd.m_hWnd, PLAYER_TIMER_ID)) << "the position timer runs on";
    EXPECT_EQ(0, graph.events.notifyWindow) << "graph events still go to the window";
    EXPECT_EQ(0, graph.videoOwner) << "the video window is still the owner's child";
    EXPECT_EQ(OAFALSE, graph.videoVisible);
  }
  CWnd parent;
  CSkinWnd wnd;
  CFakeFilterGraph graph;
  CDirectShowPlayer player;
};

TEST_F(PlayerOnAFakeGraph, PlayingWiresTheGraphToTheOwner) {
  ASSERT_TRUE(player.PlayFile("C:\\media\\any.avi"));
  EXPECT_TRUE(player.IsPlaying());
  EXPECT_EQ(reinterpret_cast<OAHWND>(wnd.m_hWnd), graph.events.notifyWindow);
  EXPECT_EQ(reinterpret_cast<OAHWND>(wnd.m_hWnd), graph.videoOwner);
  EXPECT_TRUE(KillTimer(wnd.m_hWnd, PLAYER_TIMER_ID)) << "the position timer is on the owner";
}

TEST_F(PlayerOnAFakeGraph, AGraphThatDoesNotRunLeavesNothingRunning) {
  graph.runResult = E_FAIL;
  EXPECT_FALSE(player.PlayFile("C:\\media\\any.avi"));
  EXPECT_EQ(1, graph.runs);
  ExpectLetGoOfTheOwner();
}

TEST_F(PlayerOnAFakeGraph, AGraphThatDoesNotStopIsReleasedAndThePlayerStopped) {
  ASSERT_TRUE(player.PlayFile("C:\\media\\any.avi"));
  graph.stopResult = E_FAIL;
  EXPECT_FALSE(player.CloseGraph()) << "the failure is reported";
  EXPECT_EQ(1, graph.stops);
  ExpectLetGoOfTheOwner();
  graph.stopResult = S_OK;
  EXPECT_TRUE(player.PlayFile("C:\\media\\any.avi")) << "a new graph plays again";
  EXPECT_TRUE(player.IsPlaying());
}

TEST_F(PlayerOnAFakeGraph, EachFileHasItsOwnDuration) {
  ASSERT_TRUE(player.PlayFile("C:\\media\\long.avi"));
  graph.seeking.duration = 500000000LL;  // 50 s, as the graph reads it
  ASSERT_TRUE(player.RefreshDuration());
  ASSERT_EQ(500000000LL, player.GetDuration());
  ASSERT_TRUE(vrctest::FileExists(Clip()));
  ASSERT_TRUE(player.PlayFile(Clip().c_str()));
  EXPECT_EQ(10000000LL, player.GetDuration()) << "the one-second clip's, not the last file's";
  ASSERT_TRUE(player.PlayFile("C:\\media\\missing.avi"));
  EXPECT_EQ(0, player.GetDuration()) << "unknown, not the last file's";
}

TEST_F(PlayerOnAFakeGraph, HandlingEventsSucceedsOnceTheQueueIsEmpty) {
  ASSERT_TRUE(player.PlayFile("C:\\media\\any.avi"));
  EXPECT_EQ(S_OK, player.HandleGraphEvents()) << "an empty queue is no failure";
  graph.events.queued = {EC_PAUSED, EC_CLOCK_CHANGED};
  EXPECT_EQ(S_OK, player.HandleGraphEvents());
  EXPECT_EQ(2u, graph.events.eventsTaken);
}

TEST_F(PlayerOnAFakeGraph, WithoutAnOwnerWindowNoTimerIsMade) {
  player.SetOwner(NULL);
  ASSERT_TRUE(player.PlayFile("C:\\media\\any.avi"));
  // A thread timer of one second would have posted its WM_TIMER by now; the
  // wait is generous so that a loaded machine cannot hide it.
  DWORD start = GetTickCount();
  MSG msg;
  bool ticked = false;
  while (!ticked && GetTickCount() - start < 3000) {
    MsgWaitForMultipleObjects(0, NULL, FALSE, 100, QS_TIMER);
    while (PeekMessageA(&msg, NULL, WM_TIMER, WM_TIMER, PM_REMOVE))
      if (!msg.hwnd) ticked = true;  // a thread timer's tick
  }
  EXPECT_FALSE(ticked) << "a thread timer that Stop can never kill";
  EXPECT_TRUE(player.CloseGraph());
}

}  // namespace
