// The skinned push button against a recording host window: clicks, drags,
// the latch and the fade, driven by the messages a user's mouse would send.
#include <gtest/gtest.h>

#include "tests/support/RecordingSkinHost.h"
#include "tests/ui/SkinFixture.h"
#include "ui/SkinBitmaps.h"
#include "ui/SkinButton.h"

using skintest::MakeBitmap;
using skintest::Solid;

namespace {

const COLORREF kNormal = RGB(10, 10, 10), kOver = RGB(0, 200, 0), kDown = RGB(0, 0, 200),
               kDisabled = RGB(90, 90, 90);

LPARAM At(int x, int y) { return MAKELPARAM(x, y); }

class ButtonFixture : public ::testing::Test {
 protected:
  CRecordingSkinHost host;
  CSkinPushButton button;
  CBitmapHandle images[4];

  void SetUp() override {
    ASSERT_TRUE(host.CreateHost(200, 100));
    const COLORREF colours[4] = {kNormal, kOver, kDown, kDisabled};
    for (int n = 0; n < 4; ++n) images[n].Reset(MakeBitmap(50, 30, Solid(colours[n])));
    RECT r = {10, 10, 60, 40};
    ASSERT_TRUE(button.CreateButton(WS_VISIBLE, r, host, 0));
    button.name = "PLAY";
    button.index = 3;
    button.SetImages(images[0], images[1], images[2], images[3]);
    UpdateWindow(host);
  }
  void Send(UINT message, WPARAM wParam, LPARAM lParam) {
    SendMessageA(button, message, wParam, lParam);
  }
  COLORREF Shown() {
    UpdateWindow(button);
    CClientDC dc(button);
    return GetPixel(dc, 25, 15);
  }
};

TEST_F(ButtonFixture, PressAndReleaseGiveOneClick) {
  Send(WM_MOUSEMOVE, 0, At(5, 5));
  EXPECT_EQ(CSkinButton::kOver, button.GetState());
  EXPECT_EQ(button.m_hWnd, GetCapture()) << "the button tracks the pointer by capture";
  Send(WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
  EXPECT_EQ(CSkinButton::kDown, button.GetState());
  EXPECT_EQ(kDown, Shown());
  Send(WM_LBUTTONUP, 0, At(5, 5));
  EXPECT_EQ(CSkinButton::kOver, button.GetState());
  EXPECT_EQ(std::vector<std::string>{"OnButtonClicked(3)"}, host.Calls("OnButtonClicked"));
  EXPECT_FALSE(host.Calls("OnControlMouseMove").empty());
  EXPECT_EQ("OnControlMouseMove(PLAY)", host.Calls("OnControlMouseMove")[0]);
}

TEST_F(ButtonFixture, DraggingOutAndReleasingGivesNoClick) {
  Send(WM_MOUSEMOVE, 0, At(5, 5));
  Send(WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
  Send(WM_MOUSEMOVE, MK_LBUTTON, At(120, 5));
  EXPECT_EQ(CSkinButton::kDown, button.GetState()) << "held down, the look stays pressed";
  Send(WM_LBUTTONUP, 0, At(120, 5));
  EXPECT_EQ(CSkinButton::kNormal, button.GetState());
  EXPECT_TRUE(host.Calls("OnButtonClicked").empty());
}

TEST_F(ButtonFixture, ALatchedButtonShowsPressedIgnoresHoverAndDoesNotFade) {
  button.SetFade(1);
  button.SetLatched(1);
  EXPECT_EQ(kDown, Shown());
  Send(WM_MOUSEMOVE, 0, At(5, 5));
  EXPECT_EQ(CSkinButton::kDown, button.GetState());
  EXPECT_NE(button.m_hWnd, GetCapture());
  EXPECT_FALSE(button.IsFading());
  button.SetLatched(0);
  EXPECT_EQ(kNormal, Shown());
}

TEST_F(ButtonFixture, AFadeTakesFiveStepsAndEndsRepainted) {
  SetWindowTextA(button, "Go");
  button.SetFade(1);
  Send(WM_MOUSEMOVE, 0, At(5, 5));
  ASSERT_TRUE(button.IsFading());
  UpdateWindow(button);  // the hover's own repaint, before the fade paints
  // The fade timer's ticks, sent rather than waited for.
  for (int tick = 0; tick < 5; ++tick) Send(WM_TIMER, CSkinButton::kFadeTimer, 0);
  EXPECT_EQ((std::vector<int>{0, 60, 120, 180, 240}), button.FadeSteps());
  EXPECT_TRUE(button.IsFading());
  EXPECT_FALSE(GetUpdateRect(button, NULL, FALSE)) << "the steps paint straight on the button";
  const int drawsBefore = button.DrawCount();
  Send(WM_TIMER, CSkinButton::kFadeTimer, 0);
  EXPECT_FALSE(button.IsFading()) << "the sixth tick ends the fade";
  EXPECT_EQ(5u, button.FadeSteps().size());
  EXPECT_TRUE(GetUpdateRect(button, NULL, FALSE)) << "the end of the fade asks for a repaint";
  EXPECT_EQ(kOver, Shown()) << "the end state, not the last blend";
  EXPECT_GT(button.DrawCount(), drawsBefore);
}

TEST_F(ButtonFixture, DisablingStopsAFadeAndShowsTheDisabledLook) {
  button.SetFade(1);
  Send(WM_MOUSEMOVE, 0, At(5, 5));
  ASSERT_TRUE(button.IsFading());
  EnableWindow(button, FALSE);
  EXPECT_FALSE(button.IsFading());
  EXPECT_EQ(CSkinButton::kDisabled, button.GetState());
  EXPECT_EQ(kDisabled, Shown());
}

TEST_F(ButtonFixture, AStripOfFourLooksResizesTheButtonToOneFrame) {
  CBitmapHandle strip(MakeBitmap(80, 20, [](int x, int) {
    const COLORREF looks[4] = {kNormal, kOver, kDown, kDisabled};
    return looks[x / 20];
  }));
  button.SetImageStrip(strip);
  RECT client;
  GetClientRect(button, &client);
  EXPECT_EQ(20, client.right);
  EXPECT_EQ(20, client.bottom);
  EXPECT_EQ(kOver, skintest::PixelOf(button.Image(CSkinButton::kOver), 5, 5));
}

}  // namespace
