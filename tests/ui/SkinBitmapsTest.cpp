// The bitmap helpers, the frame painter and the atlas, checked pixel by pixel
// on memory DCs.
#include <gtest/gtest.h>

#include "tests/support/TestSupport.h"
#include "tests/ui/SkinFixture.h"
#include "ui/PictureLoader.h"
#include "ui/SkinBitmaps.h"
#include "ui/SkinFrame.h"
#include "ui/SkinImageList.h"
#include "winfx/GdiHandles.h"

using skintest::CountDifferences;
using skintest::MakeBitmap;
using skintest::PixelOf;
using skintest::Solid;

namespace {

COLORREF Pattern(int x, int y) { return RGB((x * 4) & 0xFF, (y * 6) & 0xFF, (x + y) & 0xFF); }

// A canvas of w x h for painting into, filled with one colour.
class CCanvas {
 public:
  CCanvas(int w, int h, COLORREF fill = RGB(1, 2, 3))
      : m_bitmap(MakeBitmap(w, h, Solid(fill))), m_dc(NULL), m_select(m_dc, m_bitmap) {}
  operator HDC() const { return m_dc; }
  COLORREF At(int x, int y) const { return GetPixel(m_dc, x, y); }

 private:
  CBitmapHandle m_bitmap;
  CMemoryDC m_dc;
  CSelectObject m_select;
};

TEST(SkinBitmaps, CopiesCropsAndTiles) {
  CBitmapHandle source(MakeBitmap(20, 10, Pattern));
  CClientDC screen(NULL);
  HBITMAP out = NULL;
  EXPECT_FALSE(CopyBitmapRect(NULL, &out, source, NULL));
  EXPECT_FALSE(CopyBitmapRect(screen, NULL, source, NULL));
  EXPECT_FALSE(CopyBitmapRect(screen, &out, NULL, NULL));
  RECT part = {5, 2, 12, 9};
  ASSERT_TRUE(CopyBitmapRect(screen, &out, source, &part));
  CBitmapHandle copy(out);
  EXPECT_EQ(7, BitmapSize(copy).cx);
  EXPECT_EQ(0, CountDifferences(copy, 7, 7, [](int x, int y) { return Pattern(x + 5, y + 2); }));
  CBitmapHandle crop(CropBitmap(source, 4, 3));
  EXPECT_EQ(0, CountDifferences(crop, 4, 3, Pattern));

  CBitmapHandle piece(MakeBitmap(3, 2, Pattern));
  CCanvas canvas(10, 8);
  RECT area = {1, 1, 8, 6};
  TileSkinBitmap(piece, area, canvas);
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 10; ++x) {
      bool inside = x >= 1 && x < 8 && y >= 1 && y < 6;
      COLORREF expected = inside ? Pattern((x - 1) % 3, (y - 1) % 2) : RGB(1, 2, 3);
      ASSERT_EQ(expected, canvas.At(x, y)) << "tiled from the top-left corner, cut at " << x
                                           << "," << y;
    }
  RECT empty = {4, 4, 4, 9};
  CCanvas untouched(10, 10);
  TileSkinBitmap(piece, empty, untouched);
  EXPECT_EQ(RGB(1, 2, 3), untouched.At(4, 4)) << "an empty rectangle draws nothing";
  EXPECT_FALSE(DrawBitmapAt(NULL, 0, 0, piece));
}

TEST(SkinBitmaps, TransparentDrawingLeavesTheKeyColourOut) {
  CBitmapHandle image(MakeBitmap(6, 6, [](int x, int) {
    return x < 3 ? RGB(0, 0, 255) : RGB(0, 200, 0);
  }));
  CCanvas canvas(10, 10, RGB(200, 0, 0));
  DrawTransparentBitmap(canvas, image, RGB(0, 0, 255), 2, 2);
  EXPECT_EQ(RGB(200, 0, 0), canvas.At(3, 3)) << "blue lets the background through";
  EXPECT_EQ(RGB(0, 200, 0), canvas.At(6, 3));
  EXPECT_EQ(RGB(200, 0, 0), canvas.At(9, 9));
  EXPECT_EQ(RGB(0, 0, 255), PixelOf(image, 0, 0)) << "the bitmap is put back";
}

TEST(SkinBitmaps, AlphaStepBlendsTheOldImageThenTheNew) {
  CBitmapHandle from(MakeBitmap(4, 4, Solid(RGB(200, 0, 0))));
  CBitmapHandle to(MakeBitmap(4, 4, Solid(RGB(0, 0, 200))));
  struct Row {
    int step;
    bool fromImage;
    int alpha;
  } rows[] = {{0, true, 255}, {60, true, 135}, {120, true, 15}, {180, false, 106},
              {240, false, 226}};
  for (const Row& row : rows) {
    CCanvas canvas(4, 4, RGB(0, 0, 0));
    ASSERT_TRUE(AlphaStep(canvas, from, to, static_cast<BYTE>(row.step), NULL));
    COLORREF c = canvas.At(1, 1);
    int expected = 200 * row.alpha / 255;
    int got = row.fromImage ? GetRValue(c) : GetBValue(c);
    EXPECT_NEAR(expected, got, 2) << "step " << row.step;
    EXPECT_EQ(0, row.fromImage ? GetBValue(c) : GetRValue(c)) << "step " << row.step;
  }
  CCanvas canvas(4, 4);
  EXPECT_FALSE(AlphaStep(canvas, NULL, to, 0, NULL));
  EXPECT_FALSE(AlphaStep(NULL, from, to, 0, NULL));
}

int RegionKind(HRGN rgn) {
  RECT box;
  return GetRgnBox(rgn, &box);
}

TEST(SkinBitmaps, RegionsFromMasksAndShapes) {
  EXPECT_EQ(nullptr, RegionFromBitmap(NULL, kMaskTransparent, kShapeTolerance));
  CBitmapHandle white(MakeBitmap(16, 8, Solid(RGB(255, 255, 255))));
  CRgnHandle none(RegionFromBitmap(white, kMaskTransparent, kShapeTolerance));
  ASSERT_TRUE(none.IsValid());
  EXPECT_EQ(NULLREGION, RegionKind(none)) << "a wholly white mask is an empty region";

  CBitmapHandle nearWhite(MakeBitmap(4, 1, [](int x, int) {
    return x == 0 ? RGB(254, 255, 255) : RGB(255, 255, 255);
  }));
  CRgnHandle one(RegionFromBitmap(nearWhite, kMaskTransparent, kShapeTolerance));
  EXPECT_TRUE(PtInRegion(one, 0, 0)) << "only pure white is transparent in a mask";
  EXPECT_FALSE(PtInRegion(one, 1, 0));

  // Columns of the blue key: at most 16 of red and green is still the key.
  const COLORREF columns[] = {RGB(0, 0, 255), RGB(16, 16, 255), RGB(17, 0, 255),
                              RGB(0, 0, 254), RGB(0, 17, 255)};
  const bool opaque[] = {false, false, true, true, true};
  CBitmapHandle shape(MakeBitmap(5, 3, [&](int x, int) { return columns[x]; }));
  CRgnHandle cut(RegionFromBitmap(shape, kShapeTransparent, kShapeTolerance));
  for (int x = 0; x < 5; ++x)
    for (int y = 0; y < 3; ++y) EXPECT_EQ(opaque[x], PtInRegion(cut, x, y) != FALSE) << x;

  // One-pixel runs in every other column: 60 runs a row, 3000 in all, so
  // the region is made of more than one batch of 2000 rectangles.
  auto checker = [](int x, int y) {
    return (x + y) % 2 ? RGB(0, 0, 0) : RGB(255, 255, 255);
  };
  CBitmapHandle many(MakeBitmap(120, 50, checker));
  CRgnHandle batches(RegionFromBitmap(many, kMaskTransparent, kShapeTolerance));
  ASSERT_TRUE(batches.IsValid());
  int wrong = 0;
  for (int y = 0; y < 50; ++y)
    for (int x = 0; x < 120; ++x)
      if ((PtInRegion(batches, x, y) != FALSE) != ((x + y) % 2 == 1)) ++wrong;
  EXPECT_EQ(0, wrong);
}

// A frame image 60 x 40 with no middle pieces: top and bottom 8 high with
// corners 10 and 30, left and right 6 wide.
class FrameFixture : public ::testing::Test {
 protected:
  CBitmapHandle image{MakeBitmap(60, 40, Pattern)};
  CSkinFrame frame;
  void SetUp() override {
    ASSERT_TRUE(frame.SetTopEdge("60,8,10,20,0,0", image));
    ASSERT_TRUE(frame.SetLeftEdge("6,24,16,8,0,0", image));
    ASSERT_TRUE(frame.SetBottomEdge("60,8,10,20,0,0", image));
    ASSERT_TRUE(frame.SetRightEdge("6,24,16,8,0,0", image));
  }
  bool InFrame(int x, int y, int w, int h) { return x < 6 || x >= w - 6 || y < 8 || y >= h - 8; }
};

TEST_F(FrameFixture, PaintedAtTheImageSizeTheFrameIsTheImage) {
  CCanvas canvas(60, 40);
  frame.Paint(canvas, 60, 40);
  int wrong = 0;
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 60; ++x)
      if (InFrame(x, y, 60, 40) && canvas.At(x, y) != Pattern(x, y)) ++wrong;
  EXPECT_EQ(0, wrong);
  int body = 0;
  for (int y = 8; y < 32; ++y)
    for (int x = 6; x < 54; ++x)
      if (canvas.At(x, y) != Pattern(x, y)) ++body;
  EXPECT_EQ(0, body) << "no body colour: the body is the image's own body";
}

TEST_F(FrameFixture, ALargerWindowTilesTheBodyWithoutAColour) {
  CCanvas canvas(100, 70);
  frame.Paint(canvas, 100, 70);
  // The body piece is the image's [6, 8, 54, 32]: 48 x 24, tiled from the
  // body's top-left corner.
  for (const POINT p : {POINT{6, 8}, POINT{30, 20}, POINT{60, 40}, POINT{90, 60}})
    EXPECT_EQ(Pattern(6 + (p.x - 6) % 48, 8 + (p.y - 8) % 24), canvas.At(p.x, p.y))
        << p.x << "," << p.y;
}

TEST_F(FrameFixture, EdgesPastTheImageAreCutToIt) {
  CSkinFrame wide;
  EXPECT_TRUE(wide.SetTopEdge("2147483647,2147483647,2147483647,2147483647,0,0", image));
  EXPECT_TRUE(wide.SetLeftEdge("-2147483647,0,0,0,0,0", image));
  EXPECT_TRUE(wide.SetBottomEdge("100000,100000,100000,0,0,0", image));
  EXPECT_TRUE(wide.SetRightEdge("100000,100000,0,0,0,0", image));
  EXPECT_TRUE(wide.PiecesCut()) << "told, so that the load can log it";
  CCanvas canvas(60, 40);
  wide.Paint(canvas, 60, 40);  // and nothing larger than the image was made
  EXPECT_FALSE(frame.PiecesCut()) << "a frame that fits its image is whole";
}

TEST_F(FrameFixture, LargerWindowsTileTheFillersAndKeepTheCorners) {
  frame.layout.bodyColour = RGB(9, 9, 9);
  CCanvas canvas(100, 70);
  frame.Paint(canvas, 100, 70);
  EXPECT_EQ(Pattern(3, 3), canvas.At(3, 3)) << "top-left corner";
  EXPECT_EQ(Pattern(59, 3), canvas.At(99, 3)) << "the right corner keeps to the right edge";
  EXPECT_EQ(Pattern(10 + (45 - 10) % 20, 3), canvas.At(45, 3)) << "filler 1 tiled";
  EXPECT_EQ(Pattern(3, 39), canvas.At(3, 69)) << "bottom-left corner keeps to the bottom";
  EXPECT_EQ(Pattern(3, 16 + (40 - 16) % 8), canvas.At(3, 40)) << "left filler tiled";
  EXPECT_EQ(RGB(9, 9, 9), canvas.At(50, 35)) << "the body colour fills the body";

  CSkinFrame empty;
  CCanvas untouched(20, 20);
  empty.Paint(untouched, 20, 20);
  EXPECT_EQ(RGB(1, 2, 3), untouched.At(0, 0)) << "all frame heights 0: nothing is drawn";
}

class AtlasFixture : public ::testing::Test {
 protected:
  vrctest::TempDir dir;
  void WriteSkin(const std::string& imageList) {
    ASSERT_TRUE(skintest::WriteBitmapFile(dir.File("atlas.bmp"), 30, 10, Pattern));
    ASSERT_TRUE(vrctest::WriteFile(dir.File("skin.ini"),
                                   "[SKININFO]\nImageList=" + imageList +
                                       "\n[IMAGELISTINFO]\n1=thumb,0,0,10,10\n2=THUMB,10,0,10,10\n"
                                       "3=Far,25,0,10,10\n"));
  }
};

TEST_F(AtlasFixture, CopiesAreFoundByNameInAnyCaseFirstEntryFirst) {
  WriteSkin("atlas.bmp");
  CSkinImageList byFolder, byFile;
  EXPECT_TRUE(byFolder.Load(dir.Path().c_str()));
  EXPECT_TRUE(byFile.Load(dir.File("skin.ini").c_str()));
  ASSERT_EQ(3u, byFolder.Entries().size());
  EXPECT_EQ(byFolder.Entries().size(), byFile.Entries().size())
      << "the folder and the path of skin.ini give the same list";
  CBitmapHandle thumb(byFile.CopyImage("Thumb"));
  ASSERT_TRUE(thumb.IsValid());
  EXPECT_EQ(0, CountDifferences(thumb, 10, 10, Pattern)) << "the first of two names wins";
  CBitmapHandle past(byFile.CopyImage("far"));
  ASSERT_TRUE(past.IsValid()) << "a rectangle past the atlas still copies";
  EXPECT_EQ(Pattern(29, 5), PixelOf(past, 4, 5));
  EXPECT_EQ(nullptr, byFile.CopyImage("missing"));
}

TEST_F(AtlasFixture, NoAtlasNoImages) {
  WriteSkin("");
  CSkinImageList empty;
  empty.Load(dir.Path().c_str());
  EXPECT_EQ(3u, empty.Entries().size()) << "an empty ImageList still reads the entries";
  EXPECT_EQ(nullptr, empty.CopyImage("thumb")) << "but there is nothing to copy: no bitmap";
  WriteSkin("none.bmp");
  CSkinImageList missing;
  missing.Load(dir.Path().c_str());
  EXPECT_TRUE(missing.Entries().empty());
  EXPECT_EQ(nullptr, missing.CopyImage("thumb"));
  CSkinImageList noFolder;
  EXPECT_TRUE(noFolder.Load(dir.File("nowhere\\skin.ini").c_str()));
  EXPECT_TRUE(noFolder.Entries().empty());
}

TEST_F(AtlasFixture, TheLoadedPictureIsACopyOfItsOwn) {
  WriteSkin("atlas.bmp");
  SIZE size = {0, 0};
  CBitmapHandle first(LoadImageFile(dir.File("atlas.bmp").c_str(), &size));
  CBitmapHandle second(LoadImageFile(dir.File("atlas.bmp").c_str(), NULL));
  ASSERT_TRUE(first.IsValid());
  ASSERT_TRUE(second.IsValid());
  EXPECT_NE(first.Get(), second.Get());
  EXPECT_EQ(30, size.cx);
  // The picture object is gone by now; its own bitmap went with it.
  EXPECT_EQ(30, BitmapSize(first).cx) << "the bitmap outlives the picture";
  EXPECT_EQ(0, CountDifferences(first, 30, 10, Pattern));
}

}  // namespace
