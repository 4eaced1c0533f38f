// The playback window: the player's messages and the position timer become
// module events; the timer goes when playback ends, with or without a target.
#include <gtest/gtest.h>

#include "modules/framework/views/SkinWnd.h"
#include "tests/support/RecordingNotify.h"

namespace {

class PlaybackWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    RECT rect = {0, 0, 320, 240};
    ASSERT_TRUE(parent.Create(NULL, "parent", WS_POPUP, rect, NULL, 0));
    RECT inner = {10, 10, 300, 200};
    ASSERT_TRUE(wnd.Create(&inner, parent.m_hWnd, NULL));
  }
  CWnd parent;
  CSkinWnd wnd;
  CRecordingNotify notify;
};

TEST_F(PlaybackWindow, IsCreatedHiddenAsTheFrameworksChild) {
  EXPECT_FALSE(IsWindowVisible(wnd.m_hWnd));
  EXPECT_EQ(CSkinWnd::kControlId, GetDlgCtrlID(wnd.m_hWnd));
  EXPECT_EQ(parent.m_hWnd, GetParent(wnd.m_hWnd));
  EXPECT_EQ(20, wnd.GetMargins().right);
  EXPECT_EQ(40, wnd.GetMargins().bottom);
  char name[32] = "";
  EXPECT_EQ(S_OK, wnd.GetViewName(name, sizeof(name)));
  EXPECT_STREQ("PlaybackWndView", name);
  EXPECT_EQ(E_POINTER, wnd.GetViewName(NULL, 5));
  EXPECT_EQ(0, wnd.OnParentEvent(1, 2, 3, 4));
}

TEST_F(PlaybackWindow, PlayerMessagesBecomeEvents) {
  wnd.SetNotify(&notify);
  wnd.SendMessage(WM_APP + 1);
  wnd.SendMessage(WM_TIMER, 100);
  wnd.SendMessage(WM_TIMER, 7);  // not the position timer
  SetTimer(wnd.m_hWnd, 100, 100000, NULL);
  wnd.SendMessage(WM_APP + 2);
  EXPECT_EQ((std::vector<int>{MEV_GRAPH_EVENT, MEV_PLAY_PROGRESS, MEV_STOP}), notify.Codes());
  EXPECT_FALSE(KillTimer(wnd.m_hWnd, 100)) << "the end of playback killed the timer";
}

TEST_F(PlaybackWindow, WithoutATargetOnlyTheTimerIsKilled) {
  SetTimer(wnd.m_hWnd, 100, 100000, NULL);
  wnd.SendMessage(WM_TIMER, 100);
  wnd.SendMessage(WM_APP + 1);
  wnd.SendMessage(WM_APP + 2);
  EXPECT_FALSE(KillTimer(wnd.m_hWnd, 100));
  EXPECT_TRUE(notify.events.empty());
}

}  // namespace
