// The skinned labels, progress bars, trackbars, drop-downs with their popup
// list, edits and list boxes against a recording host, driven by the
// messages a user's mouse and keyboard would send; then the dialog base's
// factories that make them from a fixture skin and turn their reports into
// named commands.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "tests/support/RecordingSkinHost.h"
#include "tests/support/TestSupport.h"
#include "tests/ui/SkinFixture.h"
#include "tests/ui/SkinTemplates.h"
#include "ui/SkinDialog.h"
#include "ui/SkinDropDown.h"
#include "ui/SkinEdit.h"
#include "ui/SkinLabel.h"
#include "ui/SkinListBox.h"
#include "ui/SkinPopupMenu.h"
#include "ui/SkinProgress.h"
#include "ui/SkinTrackbar.h"

using skintest::MakeBitmap;
using skintest::Solid;
using skintest::WriteBitmapFile;

namespace {

const COLORREF kEmpty = RGB(20, 20, 20), kFull = RGB(0, 200, 0);

LPARAM At(int x, int y) { return MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y)); }

class HostFixture : public ::testing::Test {
 protected:
  CRecordingSkinHost host;
  void SetUp() override { ASSERT_TRUE(host.CreateHost(400, 300)); }
  static RECT Rect(int x, int y, int w, int h) {
    RECT r = {x, y, x + w, y + h};
    return r;
  }
};

// --- labels ---

TEST_F(HostFixture, ALabelScrollsOnlyWhenItsTextIsWider) {
  CSkinLabel label;
  ASSERT_TRUE(label.CreateButton(WS_VISIBLE, Rect(10, 10, 100, 20), host, 0));
  label.name = "Information";
  label.index = 2;
  label.SetLabelText("Ready");
  EXPECT_FALSE(label.IsScrolling()) << "a text that fits stays still";

  const std::string wide = "A text far too wide for a label of one hundred pixels";
  label.SetLabelText(wide);
  ASSERT_TRUE(label.IsScrolling());
  EXPECT_GT(label.WidthInChars(), 0);
  for (int tick = 1; tick <= 3; ++tick) {
    SendMessageA(label, WM_TIMER, CSkinLabel::kScrollTimer, 0);
    EXPECT_EQ(tick, label.ScrollOffset());
  }
  for (size_t tick = 3; tick <= wide.size(); ++tick)
    SendMessageA(label, WM_TIMER, CSkinLabel::kScrollTimer, 0);
  EXPECT_EQ(0, label.ScrollOffset()) << "wraps after the last character";

  label.SetLabelText("Done");
  EXPECT_FALSE(label.IsScrolling()) << "the next re-measure stops the marquee";
}

TEST_F(HostFixture, ALabelReportsClicksAndMovesButTracksNoHover) {
  CSkinLabel label;
  ASSERT_TRUE(label.CreateButton(WS_VISIBLE, Rect(10, 10, 100, 20), host, 0));
  label.name = "Time";
  label.index = 1;
  SendMessageA(label, WM_MOUSEMOVE, 0, At(5, 5));
  EXPECT_NE(label.m_hWnd, GetCapture()) << "no hover capture";
  EXPECT_EQ(std::vector<std::string>{"OnControlMouseMove(Time)"},
            host.Calls("OnControlMouseMove"));
  SendMessageA(label, WM_LBUTTONUP, 0, At(500, 500));
  EXPECT_EQ(std::vector<std::string>{"OnLabelClicked(1)"}, host.Calls("OnLabelClicked"))
      << "reported whatever the state";
}

// --- progress bars ---

class ProgressFixture : public HostFixture {
 protected:
  CSkinProgress bar;
  CBitmapHandle empty, full;
  void Make(bool horizontal, const RECT& r) {
    const int w = r.right - r.left, h = r.bottom - r.top;
    empty.Reset(MakeBitmap(w, h, Solid(kEmpty)));
    full.Reset(MakeBitmap(w, h, Solid(kFull)));
    bar.SetHorizontal(horizontal);
    ASSERT_TRUE(bar.CreateButton(WS_VISIBLE, r, host, 0));
    RECT whole = {0, 0, w, h};
    bar.SetProgressImages(whole, empty, full);
    bar.index = 2;
  }
  void Send(UINT message, WPARAM wParam, LPARAM lParam) { SendMessageA(bar, message, wParam, lParam); }
  COLORREF Pixel(int x, int y) {
    UpdateWindow(bar);
    CClientDC dc(bar);
    return GetPixel(dc, x, y);
  }
};

TEST_F(ProgressFixture, ADragSendsOneCommandPerMovePlusOneAtTheRelease) {
  Make(true, Rect(10, 10, 330, 12));
  Send(WM_LBUTTONDOWN, MK_LBUTTON, At(0, 5));
  EXPECT_TRUE(bar.IsDragging());
  EXPECT_TRUE(host.Calls("OnProgressChanged").empty()) << "the press alone sends nothing";
  Send(WM_MOUSEMOVE, MK_LBUTTON, At(164, 5));
  Send(WM_MOUSEMOVE, MK_LBUTTON, At(329, 5));
  Send(WM_MOUSEMOVE, MK_LBUTTON, At(200, 60));  // outside: the position stays
  Send(WM_LBUTTONUP, 0, At(0, 5));
  EXPECT_EQ((std::vector<std::string>{"OnProgressChanged(2,49)", "OnProgressChanged(2,100)",
                                      "OnProgressChanged(2,100)", "OnProgressChanged(2,0)"}),
            host.Calls("OnProgressChanged"));
  EXPECT_FALSE(bar.IsDragging());
}

TEST_F(ProgressFixture, AClickAtEitherEndGivesZeroOrTheMaximum) {
  Make(true, Rect(10, 10, 330, 12));
  Send(WM_LBUTTONDOWN, MK_LBUTTON, At(0, 5));
  Send(WM_LBUTTONUP, 0, At(0, 5));
  Send(WM_LBUTTONDOWN, MK_LBUTTON, At(329, 5));
  Send(WM_LBUTTONUP, 0, At(329, 5));
  EXPECT_EQ((std::vector<std::string>{"OnProgressChanged(2,0)", "OnProgressChanged(2,100)"}),
            host.Calls("OnProgressChanged"));
  Send(WM_LBUTTONUP, 0, At(600, 5));
  EXPECT_EQ(2u, host.Calls("OnProgressChanged").size()) << "a release outside sends nothing";
}

TEST_F(ProgressFixture, AReleaseOutsideSendsThePositionItShowsAndLetsGoOfTheMouse) {
  Make(true, Rect(10, 10, 330, 12));
  Send(WM_LBUTTONDOWN, MK_LBUTTON, At(164, 5));
  Send(WM_LBUTTONUP, 0, At(600, 40));  // right of and below the bar
  EXPECT_EQ(100, bar.GetPos()) << "held at the end";
  EXPECT_EQ((std::vector<std::string>{"OnProgressChanged(2,100)"}),
            host.Calls("OnProgressChanged"))
      << "the player gets the position the bar shows";
  EXPECT_NE(bar.m_hWnd, GetCapture()) << "the mouse is free at once";
  EXPECT_FALSE(bar.IsDragging());
}

TEST_F(ProgressFixture, TheProgramsUpdatesWaitForTheDragToEnd) {
  Make(true, Rect(10, 10, 330, 12));
  bar.SetPos(30);
  Send(WM_LBUTTONDOWN, MK_LBUTTON, At(164, 5));
  bar.SetPos(70);
  EXPECT_EQ(30, bar.GetPos()) << "ignored while the user drags";
  Send(WM_LBUTTONUP, 0, At(164, 5));
  bar.SetPos(70);
  EXPECT_EQ(70, bar.GetPos());
  bar.SetPos(250);
  EXPECT_EQ(100, bar.GetPos()) << "above the maximum the bar is full";
}

TEST_F(ProgressFixture, ADragThatLosesTheMouseEndsAndUpdatesComeThroughAgain) {
  Make(true, Rect(10, 10, 330, 12));
  Send(WM_LBUTTONDOWN, MK_LBUTTON, At(164, 5));
  ASSERT_EQ(bar.m_hWnd, GetCapture()) << "the bar holds the mouse for its release";
  SetCapture(host);  // another window takes the mouse; the release never comes
  EXPECT_FALSE(bar.IsDragging());
  ReleaseCapture();
  bar.SetPos(80);
  EXPECT_EQ(80, bar.GetPos());
}

TEST_F(ProgressFixture, AVerticalBarFillsFromTheBottom) {
  Make(false, Rect(10, 10, 12, 100));
  bar.SetPos(50);
  EXPECT_EQ(kFull, Pixel(5, 95));
  EXPECT_EQ(kEmpty, Pixel(5, 5));
  Send(WM_LBUTTONDOWN, MK_LBUTTON, At(5, 0));
  Send(WM_LBUTTONUP, 0, At(5, 0));
  EXPECT_EQ(100, bar.GetPos()) << "the top is the maximum";
}

// --- trackbars ---

class TrackbarFixture : public HostFixture {
 protected:
  CSkinTrackbar trackbar;
  CBitmapHandle window, thumbs[4];
  // 216 x 20 with a 16 x 16 thumb: the track runs from x 8 to 208.
  void Make(DWORD orientation, const RECT& r, int minimum, int maximum) {
    window.Reset(MakeBitmap(300, 200, Solid(kEmpty)));
    const COLORREF looks[4] = {RGB(200, 0, 0), RGB(0, 200, 0), RGB(200, 200, 0), RGB(90, 90, 90)};
    for (int n = 0; n < 4; ++n) thumbs[n].Reset(MakeBitmap(17, 17, Solid(looks[n])));
    ASSERT_TRUE(trackbar.CreateTrackbar(WS_VISIBLE | orientation, r, host, 0));
    trackbar.SetRange(minimum, maximum);
    trackbar.SetTrackbarImages(window, r, thumbs[0], thumbs[1], thumbs[2], thumbs[3]);
    trackbar.name = "PLAY_PROGRESS";
    trackbar.index = 0;
  }
  void Send(UINT message, WPARAM wParam, LPARAM lParam) {
    SendMessageA(trackbar, message, wParam, lParam);
  }
};

TEST_F(TrackbarFixture, DragStepsReportCode4AndTheReleaseCode8) {
  Make(TBS_HORZ, Rect(10, 10, 216, 20), 0, 100);
  Send(WM_LBUTTONDOWN, MK_LBUTTON, At(8, 10));  // on the thumb at 0
  EXPECT_TRUE(trackbar.IsPressed());
  EXPECT_EQ(0, trackbar.GetPos()) << "a press on the thumb does not move it";
  Send(WM_MOUSEMOVE, MK_LBUTTON, At(108, 10));
  EXPECT_EQ(50, trackbar.GetPos());
  Send(WM_LBUTTONUP, 0, At(108, 10));
  EXPECT_FALSE(trackbar.IsPressed());
  EXPECT_NE(trackbar.m_hWnd, GetCapture());
  // One step, one report; one release, one report: the scroll message the
  // trackbar sent its parent comes back reflected and is not reported again
  // (the player would seek twice).
  EXPECT_EQ((std::vector<std::string>{"OnTrackbarEvent(0,4,50)", "OnTrackbarEvent(0,8,50)"}),
            host.Calls("OnTrackbarEvent"));
}

TEST_F(TrackbarFixture, AClickOnTheTrackJumpsThereAndDragsFromThere) {
  Make(TBS_HORZ, Rect(10, 10, 216, 20), 0, 100);
  Send(WM_LBUTTONDOWN, MK_LBUTTON, At(158, 10));
  EXPECT_EQ(75, trackbar.GetPos()) << "the position under the pointer at once";
  Send(WM_MOUSEMOVE, MK_LBUTTON, At(178, 10));
  EXPECT_EQ(85, trackbar.GetPos()) << "relative to the press point";
  Send(WM_MOUSEMOVE, MK_LBUTTON, At(900, 10));
  EXPECT_EQ(100, trackbar.GetPos()) << "held at the maximum";
  Send(WM_MOUSEMOVE, MK_LBUTTON, At(-900, 10));
  EXPECT_EQ(0, trackbar.GetPos()) << "held at the minimum";
  Send(WM_LBUTTONUP, 0, At(0, 10));
}

TEST_F(TrackbarFixture, ARangeOf10To20GivesItsEndsAndMiddle) {
  Make(TBS_HORZ, Rect(10, 10, 216, 20), 10, 20);
  Send(WM_LBUTTONDOWN, MK_LBUTTON, At(8, 10));
  Send(WM_LBUTTONUP, 0, At(8, 10));
  EXPECT_EQ(10, trackbar.GetPos());
  Send(WM_LBUTTONDOWN, MK_LBUTTON, At(108, 10));
  Send(WM_LBUTTONUP, 0, At(108, 10));
  EXPECT_EQ(15, trackbar.GetPos());
}

TEST_F(TrackbarFixture, AVerticalTrackbarHasItsMaximumAtTheTop) {
  Make(TBS_VERT, Rect(10, 10, 20, 116), 0, 100);
  Send(WM_LBUTTONDOWN, MK_LBUTTON, At(10, 8));
  Send(WM_LBUTTONUP, 0, At(10, 8));
  EXPECT_EQ(100, trackbar.GetPos());
  const RECT thumb = trackbar.ThumbRect();
  EXPECT_LT(thumb.top, 10) << "the thumb is drawn at the top";
  host.calls.clear();
  Send(WM_LBUTTONDOWN, MK_LBUTTON, At(10, 108));
  EXPECT_EQ(0, trackbar.GetPos());
  Send(WM_LBUTTONUP, 0, At(10, 108));
  EXPECT_EQ("OnTrackbarEvent(0,8,0)", host.Calls("OnTrackbarEvent")[0])
      << "a vertical trackbar scrolls its parent vertically";
}

TEST_F(TrackbarFixture, HoveringOnAndOffTheThumbReportsOnlyMouseMoves) {
  Make(TBS_HORZ, Rect(10, 10, 216, 20), 0, 100);
  Send(WM_MOUSEMOVE, 0, At(8, 10));
  EXPECT_TRUE(trackbar.IsHover());
  EXPECT_EQ(trackbar.m_hWnd, GetCapture()) << "hover holds the mouse";
  Send(WM_MOUSEMOVE, 0, At(150, 10));
  EXPECT_FALSE(trackbar.IsHover());
  EXPECT_NE(trackbar.m_hWnd, GetCapture());
  EXPECT_TRUE(host.Calls("OnTrackbarEvent").empty()) << "letting go of the mouse ends no drag";
  EXPECT_EQ(2u, host.Calls("OnControlMouseMove").size());
}

TEST_F(TrackbarFixture, ArrowKeysDoNotMoveTheThumb) {
  Make(TBS_HORZ, Rect(10, 10, 216, 20), 0, 100);
  trackbar.SetPos(40);
  Send(WM_KEYDOWN, VK_RIGHT, 0);
  Send(WM_KEYUP, VK_RIGHT, 0);
  Send(WM_KEYDOWN, VK_END, 0);
  EXPECT_EQ(40, trackbar.GetPos());
  EXPECT_TRUE(host.Calls("OnTrackbarEvent").empty());
}

TEST_F(TrackbarFixture, ADragThatLosesTheMouseEndsLikeARelease) {
  Make(TBS_HORZ, Rect(10, 10, 216, 20), 0, 100);
  Send(WM_LBUTTONDOWN, MK_LBUTTON, At(8, 10));
  Send(WM_MOUSEMOVE, MK_LBUTTON, At(48, 10));
  SetCapture(host);
  EXPECT_FALSE(trackbar.IsPressed());
  ReleaseCapture();
  host.calls.clear();
  Send(WM_MOUSEMOVE, 0, At(150, 10));
  EXPECT_EQ(20, trackbar.GetPos()) << "a plain move after the drag moves nothing";
  EXPECT_TRUE(host.Calls("OnTrackbarEvent").empty());
}

TEST_F(TrackbarFixture, AZeroRangeAndAThumbAsLongAsTheTrackAreSafe) {
  Make(TBS_HORZ, Rect(10, 10, 216, 20), 5, 5);
  Send(WM_LBUTTONDOWN, MK_LBUTTON, At(150, 10));
  Send(WM_MOUSEMOVE, MK_LBUTTON, At(170, 10));
  Send(WM_LBUTTONUP, 0, At(170, 10));
  EXPECT_EQ(5, trackbar.GetPos());
  UpdateWindow(trackbar);  // paints the thumb: no division by the range

  CSkinTrackbar narrow;
  ASSERT_TRUE(narrow.CreateTrackbar(WS_VISIBLE, Rect(10, 60, 16, 20), host, 0));
  narrow.SetTrackbarImages(window, Rect(10, 60, 16, 20), thumbs[0], thumbs[1], thumbs[2],
                           thumbs[3]);
  EXPECT_EQ(narrow.Track().startX, narrow.Track().endX);
  SendMessageA(narrow, WM_LBUTTONDOWN, MK_LBUTTON, At(2, 10));
  SendMessageA(narrow, WM_MOUSEMOVE, MK_LBUTTON, At(12, 10));
  SendMessageA(narrow, WM_LBUTTONUP, 0, At(12, 10));
  EXPECT_EQ(narrow.GetRangeMin(), narrow.GetPos());
  UpdateWindow(narrow);
}

// --- drop-downs and the popup list ---

class DropDownFixture : public HostFixture {
 protected:
  CSkinDropDown dropDown;
  void Make(const std::vector<const char*>& items) {
    ASSERT_TRUE(dropDown.CreateButton(WS_VISIBLE, Rect(10, 100, 200, 28), host, 0));
    dropDown.name = "OutputFormat";
    dropDown.index = 1;
    for (const char* item : items) dropDown.AddItem(item);
  }
  std::string Text() {
    char text[128] = "";
    GetWindowTextA(dropDown, text, sizeof(text));
    return text;
  }
  // Opens the popup as the user does; the popup holds the mouse.
  CSkinPopupMenu* Open() {
    SendMessageA(dropDown, WM_LBUTTONUP, 0, At(5, 5));
    return dynamic_cast<CSkinPopupMenu*>(CWnd::FromHandle(GetCapture()));
  }
};

TEST_F(DropDownFixture, SetCurSelTakesOnlyIndexesOfItems) {
  Make({"AVI", "MP4", "WMV"});
  struct Case {
    const char* name;
    int index, answer;
    const char* text;
  } cases[] = {{"an item", 1, 1, "MP4"},
               {"one past the last item", 3, -1, ""},
               {"far too large", 1000, -1, ""},
               {"the last item", 2, 2, "WMV"},
               {"-1 (a name the program does not know)", -1, -1, ""},
               {"another negative", -5, -1, ""}};
  for (const Case& c : cases) {
    EXPECT_EQ(c.answer, dropDown.SetCurSel(c.index)) << c.name;
    EXPECT_EQ(c.answer, dropDown.GetCurSel()) << c.name;
    EXPECT_EQ(c.text, Text()) << c.name;
  }
  std::string text = "unchanged";
  EXPECT_FALSE(dropDown.GetItemText(-1, text));
  EXPECT_FALSE(dropDown.GetItemText(3, text));
  EXPECT_EQ("unchanged", text);
}

TEST_F(DropDownFixture, TheChoiceComesBackAndTheCommandRunsEvenWithoutOne) {
  Make({"AVI", "MP4", "WMV"});
  dropDown.SetCurSel(2);
  struct Case {
    const char* name;
    WPARAM row;
    int selection;
    const char* text;
  } cases[] = {{"closed without a choice", static_cast<WPARAM>(-1), 2, "WMV"},
               {"a row", 0, 0, "AVI"},
               {"a row that is not an item", 7, 0, "AVI"}};
  for (const Case& c : cases) {
    host.calls.clear();
    EXPECT_EQ(0, SendMessageA(dropDown, WM_SKIN_POPUP_CHOSEN, c.row, 0)) << c.name;
    EXPECT_EQ(c.selection, dropDown.GetCurSel()) << c.name;
    EXPECT_EQ(c.text, Text()) << c.name;
    EXPECT_EQ(std::vector<std::string>{"OnDropDownSelected(1)"}, host.Calls("OnDropDownSelected"))
        << c.name;
  }
}

TEST_F(DropDownFixture, AReleaseOutsideThePopupGivesMinusOneAndKeepsTheText) {
  Make({"AVI", "MP4", "WMV"});
  dropDown.SetCurSel(1);
  CSkinPopupMenu* popup = Open();
  ASSERT_NE(nullptr, popup) << "the release opens a popup that holds the mouse";
  HWND popupWnd = popup->m_hWnd;
  RECT owner, shown;
  GetWindowRect(dropDown, &owner);
  GetWindowRect(popupWnd, &shown);
  EXPECT_EQ(owner.bottom, shown.top) << "under the drop-down";
  EXPECT_EQ(owner.left, shown.left);
  EXPECT_EQ(3 * CSkinPopupMenu::ItemHeight(), shown.bottom - shown.top);
  EXPECT_FALSE(popup->IsLayered()) << "not asked to be translucent";
  host.calls.clear();
  SendMessageA(popupWnd, WM_LBUTTONUP, 0, At(-40, -40));
  EXPECT_FALSE(IsWindow(popupWnd)) << "the popup closes itself";
  EXPECT_EQ("MP4", Text());
  EXPECT_EQ(std::vector<std::string>{"OnDropDownSelected(1)"}, host.Calls("OnDropDownSelected"));
}

TEST_F(DropDownFixture, ARowUnderThePointerIsChosen) {
  Make({"AVI", "MP4", "WMV"});
  CSkinPopupMenu* popup = Open();
  ASSERT_NE(nullptr, popup);
  HWND popupWnd = popup->m_hWnd;
  const int y = CSkinPopupMenu::ItemHeight() + 3;
  SendMessageA(popupWnd, WM_MOUSEMOVE, 0, At(10, y));
  EXPECT_EQ(1, popup->GetHover());
  SendMessageA(popupWnd, WM_LBUTTONUP, 0, At(10, y));
  EXPECT_FALSE(IsWindow(popupWnd));
  EXPECT_EQ(1, dropDown.GetCurSel());
  EXPECT_EQ("MP4", Text());
}

TEST_F(DropDownFixture, NoItemsOpenAnEmptyPopupWhoseClickReportsMinusOne) {
  Make({});
  CSkinPopupMenu* popup = Open();
  ASSERT_NE(nullptr, popup);
  HWND popupWnd = popup->m_hWnd;
  RECT shown;
  GetWindowRect(popupWnd, &shown);
  EXPECT_EQ(0, shown.bottom - shown.top);
  SendMessageA(popupWnd, WM_MOUSEMOVE, 0, At(0, 0));
  SendMessageA(popupWnd, WM_LBUTTONUP, 0, At(0, 0));
  EXPECT_FALSE(IsWindow(popupWnd));
  EXPECT_EQ(-1, dropDown.GetCurSel());
  EXPECT_EQ(std::vector<std::string>{"OnDropDownSelected(1)"}, host.Calls("OnDropDownSelected"));
}

SkinPopupRequest Request(HWND owner, const RECT& ownerRect, std::vector<std::string> items) {
  SkinPopupRequest request = {};
  request.ownerRect = ownerRect;
  request.items = items;
  request.owner = owner;
  request.itemText = RGB(146, 216, 211);
  request.popupBack = RGB(42, 88, 133);
  request.hoverText = RGB(255, 255, 255);
  request.hoverFill = RGB(0, 38, 73);
  request.frameColour = RGB(165, 208, 205);
  request.osVersionType = 5;
  return request;
}

TEST_F(DropDownFixture, NearTheBottomOfTheScreenThePopupOpensUpward) {
  Make({"AVI"});
  const int bottom = GetSystemMetrics(SM_CYFULLSCREEN);
  RECT owner = {100, bottom - 20, 300, bottom};
  CSkinPopupMenu* popup = CSkinPopupMenu::Open(Request(dropDown, owner, {"AVI", "MP4", "WMV"}));
  ASSERT_NE(nullptr, popup);
  RECT shown;
  GetWindowRect(popup->m_hWnd, &shown);
  EXPECT_EQ(owner.top, shown.bottom) << "its bottom on the owner's top";
  EXPECT_EQ(owner.left, shown.left);
  popup->DestroyWindow();
}

TEST_F(DropDownFixture, WideItemsWidenThePopupByTwiceThePad) {
  Make({});
  RECT owner = {100, 100, 160, 120};
  const std::string wide = "An item far wider than its sixty-pixel drop-down";
  CSkinPopupMenu* popup = CSkinPopupMenu::Open(Request(dropDown, owner, {"AVI", wide}));
  ASSERT_NE(nullptr, popup);
  RECT shown;
  GetWindowRect(popup->m_hWnd, &shown);
  SIZE size = {0, 0};
  {
    CClientDC dc(dropDown);
    HGDIOBJ owned = reinterpret_cast<HGDIOBJ>(SendMessageA(dropDown, WM_GETFONT, 0, 0));
    CSelectObject font(dc, owned ? owned : GetStockObject(DEFAULT_GUI_FONT));
    GetTextExtentPoint32A(dc, wide.c_str(), static_cast<int>(wide.size()), &size);
  }
  EXPECT_EQ(size.cx + 2 * GetSystemMetrics(SM_CXMENUSIZE), shown.right - shown.left);
  popup->DestroyWindow();
}

TEST_F(DropDownFixture, TranslucentOnlyWhereTheVersionTypeIsAbove6) {
  Make({});
  RECT owner = {100, 100, 300, 120};
  struct Case {
    int osType;
    bool layered;
  } cases[] = {{8, true}, {7, true}, {6, false}, {5, false}};
  for (const Case& c : cases) {
    SkinPopupRequest request = Request(dropDown, owner, {"AVI"});
    request.translucent = 1;
    request.osVersionType = c.osType;
    CSkinPopupMenu* popup = CSkinPopupMenu::Open(request);
    ASSERT_NE(nullptr, popup);
    EXPECT_EQ(c.layered, popup->IsLayered() != FALSE) << "version type " << c.osType;
    const LONG_PTR exStyle = GetWindowLongPtrA(popup->m_hWnd, GWL_EXSTYLE);
    EXPECT_EQ(c.layered, (exStyle & WS_EX_LAYERED) != 0) << "version type " << c.osType;
    if (c.layered) {
      BYTE alpha = 0;
      DWORD flags = 0;
      ASSERT_TRUE(GetLayeredWindowAttributes(popup->m_hWnd, NULL, &alpha, &flags));
      EXPECT_EQ(204, alpha) << "80 per cent";
      EXPECT_EQ(static_cast<DWORD>(LWA_ALPHA), flags);
    }
    popup->DestroyWindow();
  }
}

// --- edits and list boxes ---

TEST_F(HostFixture, AnEditShortensALongPathAndUsesTheDisabledColour) {
  CSkinEdit edit;
  ASSERT_TRUE(edit.CreateEdit(WS_VISIBLE | ES_AUTOHSCROLL, Rect(10, 10, 150, 18), host, 0));
  edit.name = "BROWSEEDIT";
  edit.SetEditTextColour(RGB(30, 40, 50));
  const std::string path =
      "C:\\Documents and Settings\\Somebody\\My Documents\\My Videos\\Converted\\Holiday.mp4";
  SetWindowTextA(edit, path.c_str());
  {
    CClientDC dc(edit);
    CSelectObject font(dc, GetStockObject(DEFAULT_GUI_FONT));
    const std::string shown = edit.ShownText(dc);
    EXPECT_NE(std::string::npos, shown.find("...")) << shown;
    EXPECT_LT(shown.size(), path.size());
  }
  EXPECT_EQ(RGB(30, 40, 50), edit.ShownColour());
  EnableWindow(edit, FALSE);
  EXPECT_EQ(RGB(17, 0, 0), edit.ShownColour());
  UpdateWindow(edit);
}

TEST_F(HostFixture, AnEditReportsItsChangesAndKeepsOneTooltipTool) {
  CSkinEdit edit;
  ASSERT_TRUE(edit.CreateEdit(WS_VISIBLE | ES_AUTOHSCROLL, Rect(10, 10, 150, 18), host, 0));
  edit.name = "NAME";
  SendMessageA(edit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>("abc"));
  EXPECT_EQ(std::vector<std::string>{"OnEditChanged(NAME,abc)"}, host.Calls("OnEditChanged"));
  EXPECT_EQ("abc", edit.text);
  const std::string first = "Output folder", second = "Another tip";
  edit.SetEditToolTip(&first, TRUE);
  edit.SetEditToolTip(&second, TRUE);
  edit.SetEditToolTip(NULL, FALSE);
  HWND tip = edit.GetToolTip();
  ASSERT_NE(nullptr, tip);
  EXPECT_EQ(1, SendMessageA(tip, TTM_GETTOOLCOUNT, 0, 0));
  edit.DestroyWindow();
  EXPECT_FALSE(IsWindow(tip)) << "the tooltip goes with its edit";
}

// --- the dialog base's factories ---

class CRecordingDialog : public CSkinDialog {
 public:
  std::vector<std::string> commands;
  CRecordingDialog() : CSkinDialog(GetModuleHandleA(NULL), IDD_SKIN_PAGE) {}
  void OnProgressCommand(const char* name, int value) override {
    commands.push_back("progress " + std::string(name) + " " + std::to_string(value));
  }
  void OnTrackbarCommand(const char* name, int code, int position) override {
    commands.push_back("trackbar " + std::string(name) + " " + std::to_string(code) + " " +
                       std::to_string(position));
  }
  void OnLabelCommand(const char* name) override { commands.push_back("label " + std::string(name)); }
  void OnDropDownCommand(const char* name, int selection) override {
    commands.push_back("drop-down " + std::string(name) + " " + std::to_string(selection));
  }
};

class FactoryFixture : public ::testing::Test {
 protected:
  vrctest::TempDir dir;
  CRecordingSkinHost top;
  CRecordingDialog page;

  void SetUp() override {
    ASSERT_TRUE(top.CreateHost(400, 300));
    ASSERT_TRUE(WriteBitmapFile(dir.File("main.bmp"), 220, 220, Solid(RGB(40, 40, 40))));
    ASSERT_TRUE(WriteBitmapFile(dir.File("down.bmp"), 220, 220, Solid(RGB(0, 160, 0))));
    ASSERT_TRUE(WriteBitmapFile(dir.File("atlas.bmp"), 68, 17, [](int x, int) {
      return x < 17 ? RGB(255, 0, 0) : RGB(0, 0, 255);
    }));
    ASSERT_TRUE(vrctest::WriteFile(
        dir.File("skin.ini"),
        "[SKININFO]\nImageList=atlas.bmp\n"
        "[IMAGELISTINFO]\n1=T_N,0,0,17,17\n2=T_D,17,0,17,17\n3=T_O,34,0,17,17\n4=T_X,51,0,17,17\n"
        "[Page]\nMain=main.bmp\nDown=down.bmp\n"
        "[Page/TEXTINFO]\n1=Info,,1,0,9,36,255,255,255,10,10,80,16,Hello,\n"
        "[Page/TRACKBARINFO]\n1=Volume,T_N,T_D,T_O,T_X,10,30,120,20,h,30,Volume,0,100\n"
        "2=Broken,T_N,Nope,T_O,T_X,10,30,120,20,H,0,,0,0\n"
        "[Page/PROGRESSINFO]\n1=Seek,Seek tip,140,30,12,100,h,\n"
        "[Page/EDITS]\n1=Folder,10,60,120,18,0,0,0,Output folder,1\n2=Name,10,80,120,18,0,0,0,,0\n"
        "[Page/LISTBOXS]\n1=List,10,100,120,60,0,0,0,a,b,c\n"
        "[Page/COMBOBOXINFO]\n1=Format,10,170,150,20,Format tip,0,0,0,1,1,1,2,2,2,3,3,3,4,4,4,"
        "5,5,5,0,AVI,MP4,,WMV\n"));
    page.SetSkinFiles(dir.File("skin.ini").c_str(), "Page");
    ASSERT_TRUE(page.CreateModeless(top));
    ShowWindow(page, SW_SHOW);
  }
};

TEST_F(FactoryFixture, EveryKindIsMadeFromItsLine) {
  ASSERT_EQ(1u, page.SkinProblems().size()) << "only the trackbar without its images";
  EXPECT_NE(std::string::npos, page.SkinProblems()[0].find("NOPE")) << page.SkinProblems()[0];

  ASSERT_EQ(1u, page.Labels().size());
  EXPECT_EQ("Info", page.Labels()[0]->name);
  EXPECT_EQ("Hello", page.Labels()[0]->GetLabelText());

  ASSERT_EQ(1u, page.Trackbars().size()) << "a trackbar needs all four thumb images";
  const CSkinTrackbar& trackbar = *page.Trackbars()[0];
  EXPECT_EQ("VOLUME", trackbar.name);
  EXPECT_FALSE(trackbar.IsVertical()) << "the orientation is upper-cased first";
  EXPECT_EQ(30, trackbar.GetPos());
  EXPECT_EQ(100, trackbar.GetRangeMax());

  ASSERT_EQ(1u, page.ProgressBars().size());
  EXPECT_FALSE(page.ProgressBars()[0]->IsHorizontal()) << "only an upper-case H is horizontal";

  ASSERT_EQ(2u, page.Edits().size());
  EXPECT_TRUE(page.Edits()[0]->IsReadOnly()) << "read-only flag 1";
  EXPECT_FALSE(page.Edits()[1]->IsReadOnly()) << "read-only flag 0";
  EXPECT_EQ("FOLDER", page.Edits()[0]->name);
  EXPECT_EQ(0, GetDlgCtrlID(*page.Edits()[0]));

  ASSERT_EQ(1u, page.ListBoxes().size());
  const CSkinListBox& list = *page.ListBoxes()[0];
  EXPECT_EQ(0, list.GetCount()) << "a list box starts empty";
  const LONG_PTR listStyle = GetWindowLongPtrA(list, GWL_STYLE);
  EXPECT_NE(0, listStyle & LBS_SORT);
  EXPECT_EQ(0, listStyle & WS_BORDER) << "the skin image is its frame";

  ASSERT_EQ(1u, page.DropDowns().size());
  const CSkinDropDown& dropDown = *page.DropDowns()[0];
  EXPECT_EQ((std::vector<std::string>{"AVI", "MP4"}), dropDown.Items())
      << "the items end at the first empty field";
  EXPECT_EQ(-1, dropDown.GetCurSel());
  RECT face;
  GetClientRect(dropDown, &face);
  EXPECT_EQ(face.bottom - face.top, dropDown.GetMargins().right)
      << "the text stops before the arrow at the face's right end";
  EXPECT_NE(0, dropDown.GetFormat() & DT_END_ELLIPSIS) << "a long item ends in an ellipsis";
}

// What the window's tooltip is told: "pop" (hide now), "off" and "on".
std::vector<std::string> g_tipOrders;
WNDPROC g_tipProc = NULL;
LRESULT CALLBACK RecordingTipProc(HWND tip, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == TTM_POP) g_tipOrders.push_back("pop");
  if (message == TTM_ACTIVATE) g_tipOrders.push_back(wParam ? "on" : "off");
  return CallWindowProcA(g_tipProc, tip, message, wParam, lParam);
}

TEST_F(FactoryFixture, AnOpenDropDownSilencesTheTooltipsAndEscapeClosesItWithoutAChoice) {
  CSkinDropDown& dropDown = *page.DropDowns()[0];
  dropDown.SetCurSel(1);
  const HWND tip = page.GetToolTip();
  ASSERT_NE(nullptr, tip);
  g_tipOrders.clear();
  g_tipProc = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(tip, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(RecordingTipProc)));

  SendMessageA(dropDown, WM_LBUTTONUP, 0, At(5, 5));
  CSkinPopupMenu* popup = dynamic_cast<CSkinPopupMenu*>(CWnd::FromHandle(GetCapture()));
  ASSERT_NE(nullptr, popup);
  const HWND popupWnd = popup->m_hWnd;
  // Checked before any message is pumped: another test's window on the same
  // display may take the focus, which closes the popup as it should.
  EXPECT_EQ((std::vector<std::string>{"pop", "off"}), g_tipOrders)
      << "a tooltip shown at the click is hidden, and none comes while the popup is open";
  EXPECT_FALSE(IsWindowVisible(tip));

  page.commands.clear();
  SendMessageA(popupWnd, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
  EXPECT_FALSE(IsWindow(popupWnd)) << "Escape closes the popup";
  EXPECT_EQ(1, dropDown.GetCurSel()) << "without a choice";
  EXPECT_EQ(std::vector<std::string>{"drop-down Format 1"}, page.commands);
  EXPECT_EQ((std::vector<std::string>{"pop", "off", "on"}), g_tipOrders)
      << "the tooltips are on again once it is closed";
  SetWindowLongPtrA(tip, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_tipProc));
}

TEST_F(FactoryFixture, AListBoxsRowsAreDrawnOverTheSkin) {
  const CSkinListBox& list = *page.ListBoxes()[0];
  CClientDC dc(list);
  // What the list box asks its dialog before it draws its rows.
  const LRESULT brush = SendMessageA(page, WM_CTLCOLORLISTBOX, reinterpret_cast<WPARAM>(
                                         static_cast<HDC>(dc)), reinterpret_cast<LPARAM>(list.m_hWnd));
  EXPECT_EQ(reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH)), brush)
      << "the brush itself is the dialog's answer";
  EXPECT_EQ(TRANSPARENT, GetBkMode(dc));
  EXPECT_EQ(list.GetListTextColour(), GetTextColor(dc));
}

TEST_F(FactoryFixture, ReportsBecomeCommandsByName) {
  page.DropDowns()[0]->SetCurSel(1);
  page.OnDropDownSelected(0);
  page.OnTrackbarEvent(0, 8, 30);
  page.OnLabelClicked(0);
  page.OnProgressChanged(0, 40);
  // Indexes outside the lists are passed over.
  page.OnDropDownSelected(5);
  page.OnTrackbarEvent(-1, 4, 0);
  page.OnLabelClicked(3);
  page.OnProgressChanged(9, 1);
  EXPECT_EQ((std::vector<std::string>{"drop-down Format 1", "trackbar VOLUME 8 30", "label Info",
                                      "progress Seek 40"}),
            page.commands);
  page.EnableTrackbarByName("volume", FALSE);
  EXPECT_FALSE(IsWindowEnabled(*page.Trackbars()[0]));
}

// The window's refresh by name reaches the controls through one interface.
TEST_F(FactoryFixture, TheRefreshByNameSeesEveryValueControl) {
  struct KindCase {
    SkinValueKind kind;
    std::vector<std::string> names;
  };
  const KindCase kinds[] = {{kSkinTrackbar, {"VOLUME"}}, {kSkinDropDown, {"Format"}},
                            {kSkinProgress, {"Seek"}}, {kSkinLabel, {"Info"}},
                            {kSkinEdit, {"FOLDER", "NAME"}}};
  for (const KindCase& k : kinds) {
    std::vector<ISkinValueControl*> controls;
    page.GetValueControls(k.kind, &controls);
    std::vector<std::string> names;
    for (ISkinValueControl* control : controls) {
      names.push_back(control->GetControlName());
      EXPECT_TRUE(IsWindow(control->GetControlWnd())) << control->GetControlName();
    }
    EXPECT_EQ(k.names, names) << "kind " << k.kind;
  }
  std::vector<ISkinValueControl*> found;
  page.GetValueControls(kSkinTrackbar, &found);
  found[0]->SetValue(70);
  EXPECT_EQ(70, page.Trackbars()[0]->GetPos());
  found.clear();
  page.GetValueControls(kSkinDropDown, &found);
  found[0]->SetValue(1);
  EXPECT_EQ(1, page.DropDowns()[0]->GetCurSel());
  found[0]->SetValue(7);
  EXPECT_EQ(-1, found[0]->GetValue()) << "past the items: no selection";
  found.clear();
  page.GetValueControls(kSkinProgress, &found);
  found[0]->SetValue(40);
  EXPECT_EQ(40, page.ProgressBars()[0]->GetPos());
  found.clear();
  page.GetValueControls(kSkinLabel, &found);
  found[0]->SetText("File Size: 3 MB");
  EXPECT_EQ("File Size: 3 MB", page.Labels()[0]->GetLabelText());
  found.clear();
  page.GetValueControls(kSkinEdit, &found);
  found[1]->SetText("C:\\out");
  EXPECT_EQ("C:\\out", found[1]->GetText());
  found[1]->SetReadOnly(true);
  EXPECT_TRUE(page.Edits()[1]->IsReadOnly());
  found[1]->SetReadOnly(false);
  EXPECT_FALSE(page.Edits()[1]->IsReadOnly());
}

TEST_F(FactoryFixture, AReloadReplacesEveryControl) {
  HWND oldEdit = *page.Edits()[0], oldList = *page.ListBoxes()[0], oldLabel = *page.Labels()[0];
  page.LoadSkin();
  EXPECT_FALSE(IsWindow(oldEdit));
  EXPECT_FALSE(IsWindow(oldList));
  EXPECT_FALSE(IsWindow(oldLabel));
  EXPECT_EQ(2u, page.Edits().size());
  EXPECT_EQ(1u, page.DropDowns().size());
}

}  // namespace
