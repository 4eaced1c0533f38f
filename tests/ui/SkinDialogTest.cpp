// The skinned dialog base under the virtual display: controls made from a
// fixture skin in order and in place, reloads that show no half-built
// window, the mask switch, dragging from a page, names met twice, bad skin
// data passed over, the shared cursor, and the program's default skin.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/TestSupport.h"
#include "tests/ui/SkinFixture.h"
#include "tests/ui/SkinTemplates.h"
#include "ui/SkinBitmaps.h"
#include "ui/SkinCursor.h"
#include "ui/SkinDialog.h"
#include "winfx/Wnd.h"

using skintest::MakeBitmap;
using skintest::PixelOf;
using skintest::Solid;
using skintest::WriteBitmapFile;

namespace {

class CTestSkinDialog : public CSkinDialog {
 public:
  std::vector<std::string> commands;
  std::vector<bool> visibleWhileBuilding;

  explicit CTestSkinDialog(UINT templateId = IDD_SKIN_PAGE)
      : CSkinDialog(GetModuleHandleA(NULL), templateId) {}
  void OnSkinCommand(const char* name) override { commands.push_back(name); }

 protected:
  void CreateButtons(const std::vector<std::string>& lines) override {
    visibleWhileBuilding.push_back(IsWindowVisible(m_hWnd) != FALSE);
    CSkinDialog::CreateButtons(lines);
  }
};

// A plain top-level window that holds the pages.
class CTopWindow : public CWnd {
 public:
  BOOL Make() {
    RECT r = {50, 50, 450, 350};
    return Create(NULL, "top", WS_POPUP | WS_VISIBLE, r, NULL, 0);
  }
};

RECT RectIn(HWND child, HWND parent) {
  RECT r;
  GetWindowRect(child, &r);
  MapWindowPoints(NULL, parent, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

std::string Describe(const RECT& r) {
  return "{" + std::to_string(r.left) + "," + std::to_string(r.top) + "," +
         std::to_string(r.right) + "," + std::to_string(r.bottom) + "}";
}

class SkinFixture : public ::testing::Test {
 protected:
  vrctest::TempDir dir;
  CTopWindow top;

  void SetUp() override { ASSERT_TRUE(top.Make()); }
  std::string Ini() { return dir.File("skin.ini"); }
  void WriteSkin(const std::string& text) {
    ASSERT_TRUE(WriteBitmapFile(dir.File("main.bmp"), 200, 120, Solid(RGB(40, 40, 40))));
    ASSERT_TRUE(WriteBitmapFile(dir.File("over.bmp"), 200, 120, Solid(RGB(0, 160, 0))));
    ASSERT_TRUE(WriteBitmapFile(dir.File("atlas.bmp"), 20, 10, [](int x, int) {
      return x < 10 ? RGB(255, 0, 0) : RGB(0, 0, 255);
    }));
    ASSERT_TRUE(vrctest::WriteFile(Ini(), text));
  }
  // A page of the top window with the skin's section.
  void OpenPage(CTestSkinDialog& page, const char* section) {
    page.SetSkinFiles(Ini().c_str(), section);
    ASSERT_TRUE(page.CreateModeless(top));
    ShowWindow(page, SW_SHOW);
  }
};

const char kPageSkin[] =
    "[SKININFO]\nImageList=atlas.bmp\n"
    "[IMAGELISTINFO]\n1=Red,0,0,10,10\n2=Blue,10,0,10,10\n"
    "[Page]\nMain=main.bmp\nOver=over.bmp\n"
    "[Page/BUTTONS]\n1=Play,10,10,40,20,Play tip\n2=Stop,60,10,40,20\n3=Play,110,10,40,20\n"
    "[Page/STRINGSINFO]\n1=Title,10,80,100,20,0,700,0,255,255,255\n";

TEST_F(SkinFixture, ControlsAreCreatedInOrderWithTheirRectangles) {
  WriteSkin(kPageSkin);
  CTestSkinDialog page;
  OpenPage(page, "Page");
  ASSERT_TRUE(page.SkinProblems().empty()) << page.SkinProblems()[0];
  ASSERT_EQ(3u, page.Buttons().size());
  const char* names[] = {"PLAY", "STOP", "PLAY"};
  const RECT rects[] = {{10, 10, 50, 30}, {60, 10, 100, 30}, {110, 10, 150, 30}};
  HWND child = GetWindow(page, GW_CHILD);
  for (size_t n = 0; n < 3; ++n) {
    const CSkinPushButton& button = *page.Buttons()[n];
    EXPECT_EQ(names[n], button.name);
    EXPECT_EQ(static_cast<int>(n), button.index);
    EXPECT_EQ(0, GetDlgCtrlID(button)) << "every skinned child has id 0";
    EXPECT_EQ(Describe(rects[n]), Describe(RectIn(button, page)));
    EXPECT_EQ(button.m_hWnd, child) << "stacked in creation order";
    child = GetWindow(child, GW_HWNDNEXT);
  }
  EXPECT_EQ(RGB(0, 160, 0), PixelOf(page.Buttons()[0]->Image(CSkinButton::kOver), 3, 3))
      << "the over look is the window's Over image under the button";
  ASSERT_EQ(1u, page.PaintedStrings().size());
  EXPECT_EQ(RGB(255, 255, 255), page.GetFrame().layout.bodyColour)
      << "a painted string's colour becomes the inner fill";
}

TEST_F(SkinFixture, AReloadShowsNoHalfBuiltWindow) {
  WriteSkin(kPageSkin);
  CTestSkinDialog page;
  OpenPage(page, "Page");
  HWND first = page.Buttons()[0]->m_hWnd;
  ASSERT_TRUE(IsWindowVisible(page));
  page.LoadSkin();
  EXPECT_EQ((std::vector<bool>{false, false}), page.visibleWhileBuilding)
      << "hidden while its controls are made, at the first load and the reload";
  EXPECT_TRUE(IsWindowVisible(page)) << "shown again after the reload";
  EXPECT_FALSE(IsWindow(first)) << "the old controls are gone";
  EXPECT_EQ(3u, page.Buttons().size());
}

TEST_F(SkinFixture, APressOnAPageDragsItsTopLevelWindow) {
  WriteSkin(kPageSkin);
  CTestSkinDialog page;
  OpenPage(page, "Page");
  MSG stale;
  while (PeekMessageA(&stale, top, WM_NCLBUTTONDOWN, WM_NCLBUTTONDOWN, PM_REMOVE)) {
  }
  SendMessageA(page, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(150, 60));
  MSG msg;
  // Taken off the queue, not dispatched: dispatched, it would start a move.
  ASSERT_TRUE(PeekMessageA(&msg, top, WM_NCLBUTTONDOWN, WM_NCLBUTTONDOWN, PM_REMOVE));
  EXPECT_EQ(static_cast<WPARAM>(HTCAPTION), msg.wParam);
  EXPECT_EQ(MAKELPARAM(150, 60), msg.lParam) << "the point as the page received it";
}

TEST_F(SkinFixture, ADuplicateNameReachesTheFirstControlOnly) {
  WriteSkin(kPageSkin);
  CTestSkinDialog page;
  OpenPage(page, "Page");
  const CSkinPushButton& first = *page.Buttons()[0];
  const CSkinPushButton& second = *page.Buttons()[2];
  page.EnableButtonByName("play", FALSE);
  EXPECT_FALSE(IsWindowEnabled(first));
  EXPECT_TRUE(IsWindowEnabled(second));
  page.SetButtonImage("Play", "blue");
  EXPECT_EQ(RGB(0, 0, 255), PixelOf(first.Image(CSkinButton::kNormal), 2, 2));
  EXPECT_EQ(RGB(40, 40, 40), PixelOf(second.Image(CSkinButton::kNormal), 2, 2));
  page.SetButtonImage("Play", "");
  EXPECT_EQ(RGB(40, 40, 40), PixelOf(first.Image(CSkinButton::kNormal), 2, 2))
      << "an empty image name cuts the looks from the window again";
  page.OnButtonClicked(2);
  page.OnButtonClicked(1);
  EXPECT_EQ((std::vector<std::string>{"PLAY", "STOP"}), page.commands)
      << "either button of the name sends it";
}

TEST_F(SkinFixture, SwitchMaskShapesAndSizesTheWindow) {
  WriteSkin(
      "[Shaped]\nMain=main.bmp\nWindowtype=1\nMaskNoAdvancedPanel=small.bmp\n"
      "MaskWithAdvancedPanel=large.bmp\nInvalidteRect=0,0,10,10\n");
  // White corners of 10 x 10 are cut away.
  auto corners = [](int x, int y) {
    return x < 10 && y < 10 ? RGB(255, 255, 255) : RGB(0, 0, 0);
  };
  ASSERT_TRUE(WriteBitmapFile(dir.File("small.bmp"), 80, 50, corners));
  ASSERT_TRUE(WriteBitmapFile(dir.File("large.bmp"), 100, 70, corners));
  CTestSkinDialog window(IDD_SKIN_WINDOW);
  window.SetSkinFiles(Ini().c_str(), "Shaped");
  ASSERT_TRUE(window.CreateModeless(NULL));
  auto size = [&](int* w, int* h, int* captionH) {
    RECT r;
    GetWindowRect(window, &r);
    POINT clientTop = {0, 0};
    ClientToScreen(window, &clientTop);
    *w = r.right - r.left;
    *h = r.bottom - r.top;
    *captionH = clientTop.y - r.top;
  };
  int w, h, captionH;
  size(&w, &h, &captionH);
  EXPECT_EQ(80 + 8, w);
  EXPECT_EQ(captionH + 50 + 9, h);
  EXPECT_FALSE(window.HasAdvancedPanel());
  CRgnHandle shape(CreateRectRgn(0, 0, 0, 0));
  ASSERT_NE(ERROR, GetWindowRgn(window, shape));
  EXPECT_FALSE(PtInRegion(shape, 2, 2)) << "the white corner is not part of the window";
  EXPECT_TRUE(PtInRegion(shape, 40, 30));

  EXPECT_TRUE(window.SwitchMask("MaskWithAdvancedPanel"));
  size(&w, &h, &captionH);
  EXPECT_EQ(100 + 8, w);
  EXPECT_EQ(captionH + 70 + 9, h);
  EXPECT_TRUE(window.HasAdvancedPanel());
  EXPECT_FALSE(window.SwitchMask("NoSuchKey")) << "an empty key changes nothing";
  size(&w, &h, &captionH);
  EXPECT_EQ(108, w);
}

TEST_F(SkinFixture, BadSkinDataIsPassedOverAndTheWindowStillComesUp) {
  WriteSkin(
      "[SKININFO]\nImageList=atlas.bmp\nCursorFileName=none.cur\n"
      "[IMAGELISTINFO]\n1=Red,0,0,10,10\n"
      "[Bad]\nMain=main.bmp\nDown=missing.bmp\n"
      "[Bad/BUTTONS]\n1=Short,1,2\n2=Outside,190,100,40,40\n3=Shape,10,10,20,20,,,Nowhere\n"
      "4=Font,40,10,20,20,,,,,,Caption,NoFont\n5=Good,70,10,20,20\n"
      "[Bad/TEXTINFO]\n1=Label,,0,0,9\n"
      "[Bad/SLIDERS]\n1=x\n");
  CTestSkinDialog page;
  OpenPage(page, "Bad");
  const std::vector<std::string>& problems = page.SkinProblems();
  const char* expected[] = {"none.cur", "missing.bmp", "Short", "Outside", "NOWHERE", "NoFont",
                            "Label", "SLIDERS"};
  ASSERT_EQ(sizeof(expected) / sizeof(expected[0]), problems.size());
  for (size_t n = 0; n < problems.size(); ++n)
    EXPECT_NE(std::string::npos, problems[n].find(expected[n])) << problems[n];
  ASSERT_EQ(3u, page.Buttons().size()) << "the shape, font and good lines still make buttons";
  EXPECT_EQ("GOOD", page.Buttons()[2]->name);
  EXPECT_EQ(nullptr, page.Buttons()[0]->Image(CSkinButton::kDown))
      << "a missing image leaves that look empty";

  CTestSkinDialog nothing;
  nothing.SetSkinFiles(dir.File("absent\\skin.ini").c_str(), "Bad");
  ASSERT_TRUE(nothing.CreateModeless(top));
  nothing.LoadSkin();
  EXPECT_TRUE(nothing.Buttons().empty());
  ASSERT_FALSE(nothing.SkinProblems().empty());
  EXPECT_NE(std::string::npos, nothing.SkinProblems()[0].find("skin file"));
}

// A 32 x 32 monochrome cursor file.
bool WriteCursorFile(const std::string& path) {
  std::vector<BYTE> file;
  auto put16 = [&](WORD v) {
    file.push_back(static_cast<BYTE>(v));
    file.push_back(static_cast<BYTE>(v >> 8));
  };
  auto put32 = [&](DWORD v) {
    put16(static_cast<WORD>(v));
    put16(static_cast<WORD>(v >> 16));
  };
  const DWORD imageSize = 40 + 8 + 128 + 128;
  put16(0), put16(2), put16(1);                           // reserved, cursor, one image
  file.push_back(32), file.push_back(32), file.push_back(0), file.push_back(0);
  put16(1), put16(1), put32(imageSize), put32(22);       // hot spot, size, offset
  put32(40), put32(32), put32(64), put16(1), put16(1);   // header: 32 x (2 x 32), 1 bit
  for (int n = 0; n < 6; ++n) put32(0);
  put32(0x000000), put32(0xFFFFFF);                       // palette
  for (int n = 0; n < 128; ++n) file.push_back(0x00);    // colour bits
  for (int n = 0; n < 128; ++n) file.push_back(n < 64 ? 0x00 : 0xFF);  // AND mask
  return vrctest::WriteFile(path, std::string(file.begin(), file.end()));
}

TEST_F(SkinFixture, ACursorInUseOutlivesThePageThatLoadedIt) {
  WriteSkin(std::string(kPageSkin) + "");
  ASSERT_TRUE(WriteCursorFile(dir.File("hand.cur")));
  std::string text = vrctest::ReadFile(Ini());
  text.replace(text.find("[SKININFO]\n"), 11, "[SKININFO]\nCursorFileName=hand.cur\n");
  ASSERT_TRUE(vrctest::WriteFile(Ini(), text));
  HCURSOR shown = NULL;
  {
    CTestSkinDialog page;
    OpenPage(page, "Page");
    shown = CurrentSkinCursor();
    ASSERT_NE(nullptr, shown);
    EXPECT_NE(LoadCursor(NULL, IDC_HAND), shown) << "the skin's own cursor";
    page.DestroyWindow();
  }
  // The page is gone, as on every reload; the buttons of other windows show
  // its cursor still.
  EXPECT_EQ(shown, CurrentSkinCursor());
  ICONINFO info = {};
  EXPECT_TRUE(GetIconInfo(shown, &info)) << "still a live cursor";
  CBitmapHandle mask(info.hbmMask), colour(info.hbmColor);
  SetCurrentSkinCursor(SkinCursorRef());
}

// A rectangular window (Windowtype 0) with a painted frame: a red frame of
// 10 pixels round a blue body, at the image's own size.
const COLORREF kFrameRed = RGB(200, 50, 50), kBodyBlue = RGB(0, 128, 255);
const COLORREF kTextYellow = RGB(255, 255, 0);
const char kFramedSkin[] =
    "[Framed]\nMain=framed.bmp\nWindowtype=0\n"
    "TopParam=200,10,10,20,0,0\nLeftParam=10,100,20,10,0,0\n"
    "BottomParam=200,10,10,20,0,0\nRightParam=10,100,20,10,0,0\n"
    "[Texts]\nMain=framed.bmp\nWindowtype=0\n"
    "TopParam=200,10,10,20,0,0\nLeftParam=10,100,20,10,0,0\n"
    "BottomParam=200,10,10,20,0,0\nRightParam=10,100,20,10,0,0\n"
    "[Texts/STRINGSINFO]\n1=WWWWWWWW,30,40,140,30,14,700,37,255,255,0\n";

class FramedFixture : public SkinFixture {
 protected:
  void SetUp() override {
    SkinFixture::SetUp();
    ASSERT_TRUE(WriteBitmapFile(dir.File("framed.bmp"), 200, 120, [](int x, int y) {
      return x < 10 || x >= 190 || y < 10 || y >= 110 ? kFrameRed : kBodyBlue;
    }));
    ASSERT_TRUE(vrctest::WriteFile(Ini(), kFramedSkin));
  }
  void Open(CTestSkinDialog& page, const char* section) {
    OpenPage(page, section);
    MoveWindow(page, 0, 0, 200, 120, TRUE);
    SetWindowPos(top, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    RedrawWindow(page, NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  }
  // The pixels of the window's client area in r that have the colour.
  int Count(HWND window, const RECT& r, COLORREF colour) {
    CClientDC dc(window);
    int n = 0;
    for (int y = r.top; y < r.bottom; ++y)
      for (int x = r.left; x < r.right; ++x)
        if (GetPixel(dc, x, y) == colour) ++n;
    return n;
  }
};

TEST_F(FramedFixture, TheBodyIsDrawnWithoutAFillColour) {
  CTestSkinDialog page;
  Open(page, "Framed");
  ASSERT_TRUE(page.SkinProblems().empty()) << page.SkinProblems()[0];
  const RECT body = {10, 10, 190, 110}, frame = {0, 0, 200, 10};
  EXPECT_EQ(180 * 100, Count(page, body, kBodyBlue)) << "the middle of the window is its body";
  EXPECT_EQ(200 * 10, Count(page, frame, kFrameRed)) << "and the frame is its frame";
}

TEST_F(FramedFixture, PaintedTextsAreDrawn) {
  CTestSkinDialog page;
  Open(page, "Texts");
  ASSERT_TRUE(page.SkinProblems().empty()) << page.SkinProblems()[0];
  ASSERT_EQ(1u, page.PaintedStrings().size());
  const RECT text = {30, 40, 170, 70};
  const int letters = Count(page, text, kTextYellow);
  const int background = Count(page, text, kBodyBlue);
  EXPECT_GT(letters, 100) << "the text's own colour in its rectangle; " << background
                          << " background pixels";
  EXPECT_GT(background, 140 * 30 / 2) << "on the part of the image under it; " << letters
                                      << " letter pixels";
}

TEST(DefaultSkin, LoadsWithNoLinePassedOver) {
  const std::string ini = vrctest::ProgramFolder() + "Skins\\Default\\skin.ini";
  CSkinIniReader reader(ini);
  std::vector<std::string> keys;
  ASSERT_TRUE(reader.FileExists()) << "no default skin: " << ini;
  // A default skin without its main window is a broken skin, not a skip.
  ASSERT_TRUE(reader.ReadKeys("REELCRAFTDLG", keys))
      << "the default skin has no REELCRAFTDLG section: " << ini;
  CTestSkinDialog window(IDD_SKIN_WINDOW);
  window.SetSkinFiles(ini.c_str(), "REELCRAFTDLG");
  ASSERT_TRUE(window.CreateModeless(NULL));
  for (const std::string& problem : window.SkinProblems()) ADD_FAILURE() << problem;
  EXPECT_FALSE(window.Buttons().empty());
  std::vector<std::string> pages = reader.ReadLinesUntilGap("REELCRAFTDLG/APPVIEWS");
  EXPECT_EQ(3u, pages.size());
  for (const std::string& line : pages) {
    SkinViewLine view;
    ASSERT_TRUE(ParseViewLine(line, &view)) << line;
    CTestSkinDialog page;
    page.SetSkinFiles(ini.c_str(), view.view.c_str());
    ASSERT_TRUE(page.CreateModeless(window));
    for (const std::string& problem : page.SkinProblems()) ADD_FAILURE() << problem;
    EXPECT_FALSE(page.Buttons().empty()) << view.view;
  }
}

}  // namespace
