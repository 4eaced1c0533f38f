// The arithmetic of the skinned controls, without a window: positions of
// progress bars and trackbars from points, the popup list's place and rows,
// the selection check, the label's marquee and the edit's path shortening.
#include <gtest/gtest.h>

#include <string>

#include "ui/SkinPopupMath.h"
#include "ui/SkinSliderMath.h"
#include "ui/SkinTextFit.h"
#include "winfx/GdiHandles.h"

namespace {

struct BarCase {
  const char* name;
  SkinBarScale bar;
  int x, y;
  int expected;
};

TEST(ProgressValueAt, BothOrientationsHeldAtTheEnds) {
  const BarCase cases[] = {
      {"left pixel of a horizontal bar", {330, 12, true, 100}, 0, 5, 0},
      {"last pixel gives the maximum", {330, 12, true, 100}, 329, 5, 100},
      {"middle", {201, 12, true, 100}, 100, 5, 50},
      {"left of the bar holds at 0", {330, 12, true, 100}, -40, 5, 0},
      {"right of the bar holds at the maximum", {330, 12, true, 100}, 900, 5, 100},
      {"vertical: bottom pixel is 0", {12, 101, false, 100}, 5, 100, 0},
      {"vertical: top pixel is the maximum", {12, 101, false, 100}, 5, 0, 100},
      {"vertical: fills from the bottom", {12, 101, false, 100}, 5, 75, 25},
      {"vertical: above the bar holds at the maximum", {12, 101, false, 100}, 5, -30, 100},
      {"vertical: below the bar holds at 0", {12, 101, false, 100}, 5, 400, 0},
      {"a bar one pixel long", {1, 12, true, 100}, 0, 5, 0},
      {"a bar of no size", {0, 0, true, 100}, 3, 3, 0},
  };
  for (const BarCase& c : cases)
    EXPECT_EQ(c.expected, ProgressValueAt(c.bar, c.x, c.y)) << c.name;
}

TEST(ProgressPosition, KeptAndFilled) {
  EXPECT_EQ(40, ClampProgressPosition(40, 100));
  EXPECT_EQ(100, ClampProgressPosition(250, 100)) << "above the maximum";
  EXPECT_EQ(100, ClampProgressPosition(-1, 100)) << "negative compares as unsigned";
  EXPECT_EQ(0, ProgressFillLength(330, 0, 100));
  EXPECT_EQ(165, ProgressFillLength(330, 50, 100));
  EXPECT_EQ(330, ProgressFillLength(330, 100, 100));
  EXPECT_EQ(0, ProgressFillLength(330, 50, 0)) << "no scale: nothing full";
}

struct TrackCase {
  const char* name;
  SkinTrack track;
  int x, y, minimum, maximum;
  int expected;
};

const SkinTrack kHorizontal = ComputeTrack(216, 20, 16, 16, false);  // 8 .. 208
const SkinTrack kVertical = ComputeTrack(20, 116, 16, 16, true);     // 108 (min) .. 8 (max)

TEST(TrackGeometry, HalfAThumbInFromEitherEnd) {
  EXPECT_EQ(8, kHorizontal.startX);
  EXPECT_EQ(208, kHorizontal.endX);
  EXPECT_EQ(10, kHorizontal.startY);
  EXPECT_EQ(10, kVertical.startX);
  EXPECT_EQ(108, kVertical.startY) << "the minimum at the bottom";
  EXPECT_EQ(8, kVertical.endY);
}

TEST(TrackValueAt, RangeEndsAndBothOrientations) {
  const TrackCase cases[] = {
      {"range 10..20: the track's start gives 10", kHorizontal, 8, 10, 10, 20, 10},
      {"range 10..20: the middle gives 15", kHorizontal, 108, 10, 10, 20, 15},
      {"the track's end gives the maximum", kHorizontal, 208, 10, 0, 100, 100},
      {"left of the track holds at the minimum", kHorizontal, 2, 10, 0, 100, 0},
      {"right of the track holds at the maximum", kHorizontal, 215, 10, 0, 100, 100},
      {"vertical: the bottom is the minimum", kVertical, 10, 108, 0, 100, 0},
      {"vertical: the top is the maximum", kVertical, 10, 8, 0, 100, 100},
      {"vertical: above the track holds at the maximum", kVertical, 10, 1, 0, 100, 100},
      {"vertical: the middle", kVertical, 10, 58, 0, 100, 50},
      {"a zero range gives its one value", kHorizontal, 150, 10, 7, 7, 7},
      {"a thumb as long as the track gives the minimum",
       ComputeTrack(16, 20, 16, 16, false), 8, 10, 0, 100, 0},
  };
  for (const TrackCase& c : cases)
    EXPECT_EQ(c.expected, TrackValueAt(c.track, c.x, c.y, c.minimum, c.maximum)) << c.name;
}

struct DragCase {
  const char* name;
  SkinTrack track;
  POINT press;
  int pressPos;
  POINT now;
  int expected;
};

TEST(TrackDragValue, RelativeToThePressPointAndHeldInRange) {
  const DragCase cases[] = {
      {"a drag off the thumb's centre moves by the distance", kHorizontal, {60, 10}, 30, {80, 10},
       40},
      {"back to the press point gives the press position", kHorizontal, {60, 10}, 30, {60, 10},
       30},
      {"past the maximum holds there", kHorizontal, {60, 10}, 30, {900, 10}, 100},
      {"past the minimum holds there", kHorizontal, {60, 10}, 30, {-900, 10}, 0},
      {"vertical: up raises the position", kVertical, {10, 60}, 50, {10, 40}, 70},
      {"vertical: down lowers it", kVertical, {10, 60}, 50, {10, 80}, 30},
      {"a thumb as long as the track does not move", ComputeTrack(16, 20, 16, 16, false),
       {8, 10}, 0, {30, 10}, 0},
  };
  for (const DragCase& c : cases)
    EXPECT_EQ(c.expected, TrackDragValue(c.track, c.press, c.pressPos, c.now, 0, 100)) << c.name;
}

TEST(TrackThumbRect, CentredOnThePositionAndSafeForAZeroRange) {
  RECT r = TrackThumbRect(kHorizontal, 50, 0, 100, 15, 15);
  EXPECT_EQ(108 - 7, r.left);
  EXPECT_EQ(108 + 8, r.right);
  EXPECT_EQ(10 - 7, r.top);
  r = TrackThumbRect(kVertical, 100, 0, 100, 15, 15);
  EXPECT_EQ(8 - 7, r.top) << "the maximum at the top";
  r = TrackThumbRect(kHorizontal, 5, 5, 5, 15, 15);
  EXPECT_EQ(8 - 7, r.left) << "a zero range puts the thumb at the start";
}

struct PopupCase {
  const char* name;
  RECT owner;
  int widest, count, screenBottom;
  RECT expected;
};

TEST(PlaceSkinPopup, UnderTheOwnerUpwardNearTheBottomAndWideForWideItems) {
  // Item height 19, pad 18 on each side.
  const PopupCase cases[] = {
      {"under the owner, as wide as it", {100, 200, 430, 228}, 120, 3, 1000,
       {100, 228, 430, 285}},
      {"wide items: the widest item plus twice the pad", {100, 200, 230, 228}, 200, 2, 1000,
       {100, 228, 336, 266}},
      {"near the bottom it opens upward", {100, 950, 430, 978}, 120, 3, 1000,
       {100, 893, 430, 950}},
      {"no items: a popup of height 0", {100, 200, 430, 228}, 0, 0, 1000, {100, 228, 430, 228}},
  };
  for (const PopupCase& c : cases) {
    const RECT r = PlaceSkinPopup(c.owner, c.widest, c.count, 19, 18, c.screenBottom);
    EXPECT_TRUE(EqualRect(&c.expected, &r))
        << c.name << ": " << r.left << "," << r.top << "," << r.right << "," << r.bottom;
  }
}

TEST(SkinPopupRows, RowUnderThePointerAndRowRectangles) {
  EXPECT_EQ(0, SkinPopupRowAt(0, true, 19, 3));
  EXPECT_EQ(1, SkinPopupRowAt(19, true, 19, 3));
  EXPECT_EQ(2, SkinPopupRowAt(80, true, 19, 3)) << "held at the last row";
  EXPECT_EQ(-1, SkinPopupRowAt(5, false, 19, 3)) << "outside the client area";
  EXPECT_EQ(-1, SkinPopupRowAt(0, true, 19, 0)) << "no rows";
  const RECT r = SkinPopupRowRect(1, 200, 19, 1, 1);
  EXPECT_EQ(4, r.left);
  EXPECT_EQ(196, r.right);
  EXPECT_EQ(21, r.top);
  EXPECT_EQ(36, r.bottom);
}

TEST(SkinPopupIsLayered, OnlyWhenAskedAndAboveVersionType6) {
  struct Case {
    int translucent, osType;
    bool layered;
  } cases[] = {{1, 8, true},  {1, 7, true},  {1, 6, false}, {1, 5, false},
               {1, 0, false}, {0, 8, false}, {2, 8, true}};
  for (const Case& c : cases)
    EXPECT_EQ(c.layered, SkinPopupIsLayered(c.translucent, c.osType))
        << "translucent " << c.translucent << ", version type " << c.osType;
}

TEST(SkinSelectionOrNone, NegativeOrTooLargeIsNoSelection) {
  struct Case {
    int index, count, expected;
  } cases[] = {{0, 3, 0}, {2, 3, 2}, {3, 3, -1}, {99, 3, -1}, {-1, 3, -1}, {-7, 3, -1},
               {0, 0, -1}};
  for (const Case& c : cases)
    EXPECT_EQ(c.expected, SkinSelectionOrNone(c.index, c.count))
        << c.index << " of " << c.count;
}

TEST(LabelMarquee, ShiftsWrapsAndRepeatsTheText) {
  EXPECT_EQ(20, LabelWidthInChars(100, 10));
  EXPECT_EQ(0, LabelWidthInChars(100, 0)) << "a font of no width";
  EXPECT_TRUE(LabelNeedsMarquee(120, 100));
  EXPECT_FALSE(LabelNeedsMarquee(100, 100)) << "a text exactly as wide fits";
  EXPECT_EQ(1, NextMarqueeOffset(0, 5));
  EXPECT_EQ(5, NextMarqueeOffset(4, 5)) << "one step past the last character";
  EXPECT_EQ(0, NextMarqueeOffset(5, 5)) << "then back to the start";

  struct Case {
    const char* name;
    const char* text;
    int offset, widthInChars;
    const char* shown;
    bool repeated;
  } cases[] = {
      {"a short text as it is", "Ready", 0, 20, "Ready", false},
      {"a long text, first frame", "ABCDEFG", 0, 5, "ABCDEFG", true},
      {"shifted by two, tail filled", "ABCDEFG", 5, 5, "FGABCDEFG", true},
      {"past its end: the whole text again", "ABCDEFG", 7, 5, "ABCDEFG", true},
  };
  for (const Case& c : cases) {
    const SkinMarqueeFrame frame = MarqueeText(c.text, c.offset, c.widthInChars);
    EXPECT_EQ(c.shown, frame.text) << c.name;
    EXPECT_EQ(c.repeated, frame.repeated) << c.name;
  }
}

TEST(CompactPathToWidth, LongPathsGetAnEllipsisShortOnesStay) {
  CClientDC screen(NULL);
  CMemoryDC dc(screen);
  CSelectObject font(dc, GetStockObject(DEFAULT_GUI_FONT));
  const std::string shortPath = "C:\\Out";
  EXPECT_EQ(shortPath, CompactPathToWidth(dc, shortPath, 400));

  const std::string longPath =
      "C:\\Documents and Settings\\Somebody\\My Documents\\My Videos\\Converted\\Holiday.mp4";
  const std::string shown = CompactPathToWidth(dc, longPath, 150);
  EXPECT_NE(std::string::npos, shown.find("...")) << shown;
  EXPECT_LT(shown.size(), longPath.size());
  EXPECT_NE(std::string::npos, shown.find("Holiday.mp4")) << "path style keeps the file name";

  // Longer than the system's MAX_PATH buffer: the end that fits is kept.
  const std::string huge = "C:\\" + std::string(400, 'a') + "\\end.txt";
  const std::string cut = CompactPathToWidth(dc, huge, 150);
  EXPECT_EQ(0u, cut.find("...")) << cut;
  EXPECT_EQ(huge.substr(huge.size() - (cut.size() - 3)), cut.substr(3));
  SIZE size = {0, 0};
  GetTextExtentPoint32A(dc, cut.c_str(), static_cast<int>(cut.size()), &size);
  EXPECT_LE(size.cx, 150);
}

}  // namespace
