// The application's skinned window under the virtual display: its own
// commands, what each hook sends to the executive, the refresh by name per
// control kind (buttons and a test double of the other kinds), the skin
// applied from the configuration's folder, the hosted views and the
// scroll-bar skin loaded once per process.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>
#include <shlobj.h>

#include <functional>
#include <string>
#include <vector>

#include "tests/support/FakeConfig.h"
#include "tests/support/FakeTranslator.h"
#include "tests/support/RecordingSkinCommand.h"
#include "tests/support/RecordingViewFactory.h"
#include "tests/support/TestSupport.h"
#include "tests/ui/SkinFixture.h"
#include "ui/AppDialogIds.h"
#include "ui/SkinAppDialog.h"

using skintest::Solid;
using skintest::WriteBitmapFile;

namespace {

// ---------------------------------------------------------------------------
// Without a window.

TEST(LocalCommand, OnlyThisOrTheOwnSectionWithAKnownWordIsLocal) {
  const struct {
    const char* why;
    const char* name;
    LocalCommand expected;
  } rows[] = {
      {"this and Hide", "this.Hide", kLocalHide},
      {"words without regard to case", "THIS.hide", kLocalHide},
      {"the own section", "VideoConverterDialog.show", kLocalShow},
      {"the own section in other case", "videoconverterdialog.Minimize", kLocalMinimize},
      {"another window's section", "MusicConverterDialog.show", kNotLocal},
      {"an unknown word", "this.Close", kNotLocal},
      {"split at the first period", "this.show.now", kNotLocal},
      {"no period", "Convert", kNotLocal},
      {"nothing after the period", "this.", kNotLocal},
      {"nothing before the period", ".show", kNotLocal},
  };
  for (const auto& row : rows)
    EXPECT_EQ(row.expected, ParseLocalCommand(row.name, "VideoConverterDialog")) << row.why;
  EXPECT_EQ(kNotLocal, ParseLocalCommand(NULL, "VideoConverterDialog"));
}

TEST(ControlValueText, OnlyAnAddressIsText) {
  static const char text[] = "a text";
  EXPECT_EQ(text, ControlValueText(reinterpret_cast<INT_PTR>(text)));
  for (INT_PTR number : {static_cast<INT_PTR>(0), static_cast<INT_PTR>(1), static_cast<INT_PTR>(5),
                         static_cast<INT_PTR>(0xFFFF), static_cast<INT_PTR>(-1),
                         static_cast<INT_PTR>(-70000)})
    EXPECT_EQ(NULL, ControlValueText(number)) << number;
}

// ---------------------------------------------------------------------------
// Windows.

// A test double of the control kinds that have their own classes: a static
// window with a value, a text and a read-only flag.
class CFakeValueControl : public ISkinValueControl {
 public:
  CFakeValueControl(HWND parent, const char* name) : m_name(name) {
    m_hWnd = CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 10, 10, parent, NULL,
                             GetModuleHandleA(NULL), NULL);
  }
  ~CFakeValueControl() { DestroyWindow(m_hWnd); }
  const std::string& GetControlName() const override { return m_name; }
  HWND GetControlWnd() const override { return m_hWnd; }
  int GetValue() const override { return value; }
  void SetValue(int v) override {
    value = v;
    ++sets;
  }
  std::string GetText() const override { return text; }
  void SetText(const char* t) override {
    text = t;
    ++sets;
  }
  void SetReadOnly(bool on) override { readOnly = on; }

  int value = 0;
  std::string text;
  bool readOnly = false;
  int sets = 0;

 private:
  std::string m_name;
  HWND m_hWnd;
};

class CTestAppDialog : public CSkinAppDialog {
 public:
  CTestAppDialog() : CSkinAppDialog(IDD_SKIN_APP_PAGE, NULL) {}
  std::vector<std::pair<SkinValueKind, CFakeValueControl*>> doubles;
  void GetValueControls(SkinValueKind kind, std::vector<ISkinValueControl*>* out) const override {
    for (const auto& entry : doubles)
      if (entry.first == kind) out->push_back(entry.second);
  }
  using CSkinAppDialog::OnMessage;
};

// A plain top-level window that holds the pages.
class CTopWindow : public CWnd {
 public:
  BOOL Make() {
    RECT r = {50, 50, 650, 450};
    return Create(NULL, "top", WS_POPUP | WS_VISIBLE, r, NULL, 0);
  }
};

std::vector<std::string> g_scrollBarLoads;
BOOL WINAPI RecordScrollBarLoad(const char* file, const char* section) {
  g_scrollBarLoads.push_back(std::string(file) + "|" + section);
  return TRUE;
}

const char kPageSkin[] =
    "[SKININFO]\nImageList=atlas.bmp\n"
    "[IMAGELISTINFO]\n1=Red,0,0,10,10\n2=Blue,10,0,10,10\n"
    "[ENUMS]\n1=Looks,0,1,1,Red,Blue\n2=Tips,0,1,1,,Stop now\n"
    "[Page]\nMain=main.bmp\nOver=over.bmp\nInitSize=0,0,240,160\n"
    "[Page/BUTTONS]\n1=Convert,10,10,40,20,Start,,,LOOKS,TIPS\n2=Play,60,10,40,20,Play it\n"
    "3=this.Hide,110,10,20,20\n4=this.Explode,140,10,20,20\n5=Page.show,170,10,20,20\n"
    "[Page/APPVIEWS]\n1=ListView,20,40,100,50,list=10,20\n2=Preview,130,40,60,50\n";

class AppDialogFixture : public ::testing::Test {
 protected:
  vrctest::TempDir dir;
  CTopWindow top;
  CFakeConfig config;
  CFakeTranslator translator;
  CRecordingSkinCommand command;
  CRecordingViewFactory factory;
  CTestAppDialog page;

  void SetUp() override {
    ASSERT_TRUE(top.Make());
    SetScrollBarSkinLoaderSeam(RecordScrollBarLoad);
    g_scrollBarLoads.clear();
  }
  void TearDown() override {
    page.DestroyWindow();
    SetScrollBarSkinLoaderSeam(NULL);
  }
  // The skin in a folder named without its trailing backslash, as the
  // configuration keeps it.
  void WriteSkin(const std::string& folder, const std::string& text) {
    CreateDirectoryA(folder.c_str(), NULL);
    ASSERT_TRUE(WriteBitmapFile(folder + "\\main.bmp", 200, 120, Solid(RGB(40, 40, 40))));
    ASSERT_TRUE(WriteBitmapFile(folder + "\\over.bmp", 200, 120, Solid(RGB(0, 160, 0))));
    ASSERT_TRUE(WriteBitmapFile(folder + "\\atlas.bmp", 20, 10, [](int x, int) {
      return x < 10 ? RGB(255, 0, 0) : RGB(0, 0, 255);
    }));
    ASSERT_TRUE(vrctest::WriteFile(folder + "\\skin.ini", text));
    config.SetText("SkinPath", folder);
  }
  void Open(bool withPartners = true) {
    if (withPartners) {
      page.SetConfig(&config);
      page.SetSkinCommand(&command);
      page.SetViewFactory(&factory);
      page.SetTranslator(&translator);
    }
    RECT r = {10, 20, 250, 180};
    ASSERT_TRUE(page.CreateInParent(r, top, "", IDD_SKIN_APP_PAGE));
    MoveWindow(page, r.left, r.top, r.right - r.left, r.bottom - r.top, TRUE);
    ShowWindow(page, SW_SHOW);
  }
  CSkinPushButton& Button(size_t n) { return *page.Buttons()[n]; }
};

TEST_F(AppDialogFixture, ApplySkinTakesTheFolderOfTheConfigurationAndItsViews) {
  WriteSkin(dir.File("Skin A"), kPageSkin);
  Open();
  page.ApplySkin("Page");
  ASSERT_EQ(5u, page.Buttons().size()) << "skin.ini found in a folder without its backslash";
  EXPECT_TRUE(page.SkinProblems().empty()) << page.SkinProblems()[0];
  RECT r;
  GetWindowRect(page, &r);
  EXPECT_EQ(240, r.right - r.left) << "InitSize gives the width";
  EXPECT_EQ(160, r.bottom - r.top);

  ASSERT_EQ(2u, page.Views().size());
  const int inset = page.GetBorderWidth();
  CRecordedView* list = factory.Find("ListView");
  ASSERT_TRUE(list);
  EXPECT_EQ(20 - inset, list->rect.left) << "moved left by the frame inset";
  EXPECT_EQ(40 - inset, list->rect.top);
  EXPECT_EQ(100, list->rect.right - list->rect.left);
  EXPECT_EQ("list=10,20", list->skinData) << "the rest of the line";
  EXPECT_EQ(page.GetConverterView()->GetViewWnd(), GetParent(list->hWnd));

  page.ApplySkin("Page");
  EXPECT_EQ((std::vector<std::string>{"create ListView", "create Preview", "destroy ListView",
                                      "destroy Preview", "create ListView", "create Preview"}),
            factory.log)
      << "a second skin destroys the views first, in order";
}

TEST_F(AppDialogFixture, AViewTheFactoryRefusesIsSkipped) {
  WriteSkin(dir.File("skin"), kPageSkin);
  factory.refuse = "ListView";
  Open();
  page.ApplySkin("Page");
  ASSERT_EQ(1u, page.Views().size());
  EXPECT_EQ(factory.Find("Preview"), page.Views()[0]);
}

TEST_F(AppDialogFixture, TheScrollBarSkinIsLoadedOnceAcrossTwoSkins) {
  WriteSkin(dir.File("first"), kPageSkin);
  WriteSkin(dir.File("second"), kPageSkin);
  config.SetText("SkinPath", dir.File("first"));
  Open();
  page.ApplySkin("Page");
  config.SetText("SkinPath", dir.File("second"));
  page.ApplySkin("Page");
  ASSERT_EQ(1u, g_scrollBarLoads.size());
  EXPECT_EQ(dir.File("first") + "\\skin.ini|ScrollBar", g_scrollBarLoads[0]);
  EXPECT_NE(std::string::npos, page.GetSkinFile().find("second")) << "the window took the new skin";
}

TEST_F(AppDialogFixture, WithoutAConfigurationApplySkinDoesNothing) {
  WriteSkin(dir.File("skin"), kPageSkin);
  page.SetSkinCommand(&command);
  page.SetViewFactory(&factory);
  Open(false);
  page.ApplySkin("Page");
  EXPECT_TRUE(page.Buttons().empty());
  EXPECT_TRUE(factory.log.empty());
  EXPECT_TRUE(g_scrollBarLoads.empty());
}

TEST_F(AppDialogFixture, ALongTranslatedCaptionIsKeptWhole) {
  WriteSkin(dir.File("skin"), kPageSkin);
  const std::string longCaption(200, 'w');
  translator.translations["Page caption"] = longCaption;
  Open();
  SetWindowTextA(page, "Page caption");
  page.ApplySkin("Page");
  char caption[300] = {0};
  GetWindowTextA(page, caption, sizeof(caption));
  EXPECT_EQ(longCaption, caption) << "the translator's 260 characters, not 128";
}

TEST_F(AppDialogFixture, TheWindowsOwnCommandsStayInTheWindow) {
  WriteSkin(dir.File("skin"), kPageSkin);
  Open();
  page.ApplySkin("Page");
  ShowWindow(page, SW_HIDE);
  page.OnButtonClicked(4);  // Page.show
  EXPECT_TRUE(IsWindowVisible(page));
  page.OnButtonClicked(2);  // this.Hide
  EXPECT_FALSE(IsWindowVisible(page));
  EXPECT_TRUE(command.calls.empty()) << "nothing reached the executive";
  page.OnButtonClicked(3);  // this.Explode
  EXPECT_EQ((std::vector<std::string>{"THIS.EXPLODE"}), command.Names())
      << "an unknown word sends the whole name";
}

TEST_F(AppDialogFixture, EachHookSendsItsParam) {
  WriteSkin(dir.File("skin"), kPageSkin);
  Open();
  page.ApplySkin("Page");
  SetCursorPos(123, 234);
  POINT cursor;
  GetCursorPos(&cursor);
  const HWND own = page.GetConverterView()->GetViewWnd();
  const struct {
    const char* why;
    std::function<void()> hook;
    std::string name;
    int argument;
    int x, y;
    INT_PTR force3;
  } rows[] = {
      {"a click with the cursor", [&] { page.OnButtonClicked(1); }, "PLAY", 0, cursor.x, cursor.y, 0},
      {"a progress bar's value", [&] { page.OnProgressCommand("Play_Progress", 37); },
       "Play_Progress", 0, 0, 0, 37},
      {"a trackbar's end of tracking", [&] { page.OnTrackbarCommand("Seek", 8, 55); }, "Seek", 4,
       0, 0, 55},
      {"a trackbar while it moves", [&] { page.OnTrackbarCommand("Seek", 5, 56); }, "Seek", 2, 0,
       0, 56},
      {"a drop-down's selection", [&] { page.OnDropDownCommand("PhotoQuality", 2); },
       "PhotoQuality", 0, 0, 0, 2},
      {"a release on the window", [&] { page.OnMessage(WM_LBUTTONUP, 0, MAKELPARAM(5, 5)); },
       "Page", 0, 0, 0, 0},
  };
  for (const auto& row : rows) {
    command.calls.clear();
    row.hook();
    ASSERT_EQ(1u, command.calls.size()) << row.why;
    const CRecordingSkinCommand::Call& call = command.calls[0];
    EXPECT_EQ(row.name, call.name) << row.why;
    EXPECT_EQ(row.argument, call.argument) << row.why;
    ASSERT_TRUE(call.hasParam) << row.why;
    EXPECT_EQ(own, call.param.hWnd) << row.why;
    EXPECT_EQ(row.x, call.param.x) << row.why;
    EXPECT_EQ(row.y, call.param.y) << row.why;
    EXPECT_EQ(row.force3, call.param.nForce3) << row.why;
    EXPECT_EQ(0, call.param.nForce1) << row.why;
    EXPECT_EQ(0, call.param.nForce2) << row.why;
  }
}

// A drop handle as the shell makes it: DROPFILES and the ANSI paths.
HDROP MakeDrop(const std::vector<std::string>& paths) {
  size_t size = sizeof(DROPFILES) + 1;
  for (const std::string& p : paths) size += p.size() + 1;
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
  DROPFILES* files = static_cast<DROPFILES*>(GlobalLock(memory));
  files->pFiles = sizeof(DROPFILES);
  char* text = reinterpret_cast<char*>(files + 1);
  for (const std::string& p : paths) {
    memcpy(text, p.c_str(), p.size() + 1);
    text += p.size() + 1;
  }
  GlobalUnlock(memory);
  return static_cast<HDROP>(memory);
}

TEST_F(AppDialogFixture, ADropSendsTheSectionAndTheDropHandle) {
  WriteSkin(dir.File("skin"), kPageSkin);
  Open();
  page.ApplySkin("Page");
  HDROP drop = MakeDrop({dir.File("clip.avi")});
  SendMessageA(page, WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);
  ASSERT_EQ(1u, command.calls.size());
  const CRecordingSkinCommand::Call& call = command.calls[0];
  EXPECT_EQ("DropFiles", call.name);
  EXPECT_EQ(0, call.argument);
  EXPECT_STREQ("Page", reinterpret_cast<const char*>(call.param.nForce1));
  EXPECT_EQ(reinterpret_cast<INT_PTR>(drop), call.param.nForce2);
  char path[MAX_PATH] = {0};
  EXPECT_EQ(1u, DragQueryFileA(drop, 0xFFFFFFFF, NULL, 0));
  DragQueryFileA(drop, 0, path, MAX_PATH);
  EXPECT_EQ(dir.File("clip.avi"), path);
  DragFinish(drop);  // the executive's part
  EXPECT_TRUE(GetWindowLongPtrA(page, GWL_EXSTYLE) & WS_EX_ACCEPTFILES) << "the window takes drops";
}

TEST_F(AppDialogFixture, NoCommandIsSentWithoutAnExecutive) {
  WriteSkin(dir.File("skin"), kPageSkin);
  page.SetConfig(&config);
  Open(false);
  page.ApplySkin("Page");
  page.OnButtonClicked(1);
  page.OnProgressCommand("Play_Progress", 1);
  page.UpdateControls("");
  EXPECT_TRUE(command.calls.empty());
  EXPECT_TRUE(IsWindowEnabled(Button(1))) << "UpdateUI did nothing";
}

TEST_F(AppDialogFixture, ARefreshUpdatesEachKindByItsValue) {
  WriteSkin(dir.File("skin"), kPageSkin);
  Open();
  page.ApplySkin("Page");
  CFakeValueControl trackbar(page, "Seek"), label(page, "Seek"), edit(page, "Path"),
      info(page, "Info"), progress(page, "Done");
  page.doubles = {{kSkinTrackbar, &trackbar}, {kSkinLabel, &label}, {kSkinEdit, &edit},
                  {kSkinLabel, &info}, {kSkinProgress, &progress}};
  static const char kPath[] = "C:\\Out";
  static const char kInfo[] = "44100Hz";
  translator.translations["44100Hz"] = "44,1 kHz";
  command.values["Seek"] = 40;
  command.values["Path"] = reinterpret_cast<INT_PTR>(kPath);
  command.values["Info"] = reinterpret_cast<INT_PTR>(kInfo);
  command.values["Done"] = 75;
  command.enabled["Seek"] = 0;
  command.enabled["Path"] = 0;

  page.UpdateControls("Seek,Path,Info,Done,");
  EXPECT_EQ(40, trackbar.value);
  EXPECT_EQ("", label.text) << "a name met twice: only the first kind takes the value";
  EXPECT_FALSE(IsWindowEnabled(trackbar.GetControlWnd()));
  EXPECT_FALSE(IsWindowEnabled(label.GetControlWnd())) << "but both follow the enabled state";
  EXPECT_EQ(kPath, edit.text);
  EXPECT_TRUE(edit.readOnly) << "a disabled edit is read-only";
  EXPECT_EQ("44,1 kHz", info.text) << "a label's text is translated";
  EXPECT_EQ(75, progress.value);

  // Values that are no texts: numbers below 0x10000 are never read as an
  // address; -1 clears an edit, 0 leaves it.
  command.values["Info"] = 5;
  command.values["Path"] = 0;
  page.UpdateControls("Info,Path,");
  EXPECT_EQ("44,1 kHz", info.text);
  EXPECT_EQ(kPath, edit.text);
  command.values["Path"] = -1;
  command.enabled["Path"] = 1;
  page.UpdateControls("Path,");
  EXPECT_EQ("", edit.text);
  EXPECT_FALSE(edit.readOnly);

  const int sets = trackbar.sets + progress.sets;
  page.UpdateControls("Seek,Done,");
  EXPECT_EQ(sets, trackbar.sets + progress.sets) << "an unchanged value is not set again";
}

TEST_F(AppDialogFixture, AButtonShowsItsValueOnce) {
  WriteSkin(dir.File("skin"), kPageSkin);
  Open();
  page.ApplySkin("Page");
  CSkinPushButton& convert = Button(0);
  CSkinPushButton& play = Button(1);
  command.values["Convert"] = 1;
  command.values["Play"] = 1;
  command.enabled["Play"] = 0;
  page.UpdateControls("Convert,Play,");
  EXPECT_EQ(RGB(0, 0, 255), skintest::PixelOf(convert.Image(CSkinButton::kNormal), 2, 2))
      << "the image enumeration's look for 1";
  EXPECT_EQ("Stop now", convert.tooltip) << "the tooltip enumeration's text for 1";
  EXPECT_EQ(1, play.IsLatched()) << "without an image enumeration: latched at 1";
  EXPECT_FALSE(IsWindowEnabled(play));

  // The same value again passes the button over: the looks it was given
  // by hand stay.
  page.SetButtonImage("Convert", "Red");
  page.UpdateControls("Convert,");
  EXPECT_EQ(RGB(255, 0, 0), skintest::PixelOf(convert.Image(CSkinButton::kNormal), 2, 2));
  command.values["Play"] = 0;
  command.enabled["Play"] = 1;
  page.UpdateControls("");
  EXPECT_EQ(0, play.IsLatched()) << "the empty list refreshes every control";
  EXPECT_TRUE(IsWindowEnabled(play));
}

TEST_F(AppDialogFixture, APageChecksItsOwnNameAndItsView) {
  WriteSkin(dir.File("skin"), kPageSkin);
  Open();
  page.ApplySkin("Page");
  ShowWindow(page, SW_HIDE);
  command.values["Page"] = SW_SHOW;
  page.UpdateControls("Page,");
  EXPECT_TRUE(IsWindowVisible(page)) << "shown with the value as its show command";
  command.values["Page"] = SW_HIDE;
  page.UpdateControls("Page,");
  EXPECT_FALSE(IsWindowVisible(page));
  page.UpdateControls("preview,");
  EXPECT_EQ((std::vector<std::string>{"(null)"}), factory.Find("Preview")->updates)
      << "the view of that name is asked to refresh";
  EXPECT_TRUE(factory.Find("ListView")->updates.empty());
}

TEST_F(AppDialogFixture, PagesFollowTheirParentsSize) {
  WriteSkin(dir.File("skin"), kPageSkin);
  Open();
  page.ApplySkin("Page");
  // Margins kept at creation: 10, 20 and, to the 600 x 400 parent, 350, 220.
  SetWindowPos(top, NULL, 0, 0, 700, 500, SWP_NOMOVE | SWP_NOZORDER);
  page.GetConverterView()->OnParentEvent(WM_SIZE, reinterpret_cast<INT_PTR>(top.m_hWnd), 0, 0);
  RECT r;
  GetWindowRect(page, &r);
  MapWindowPoints(NULL, top, reinterpret_cast<POINT*>(&r), 2);
  EXPECT_EQ(10, r.left);
  EXPECT_EQ(20, r.top);
  EXPECT_EQ(700 - 350 - 10, r.right - r.left);
  EXPECT_EQ(500 - 220 - 20, r.bottom - r.top);
  page.GetConverterView()->OnParentEvent(WM_MOVE, reinterpret_cast<INT_PTR>(top.m_hWnd), 0, 0);
  SendMessageA(page, WM_SIZE, 0, 0);
  EXPECT_FALSE(factory.Find("ListView")->parentMessages.empty())
      << "the hosted views see the window's messages";
}

TEST_F(AppDialogFixture, GetViewNameCutsWithoutATerminator) {
  WriteSkin(dir.File("skin"), kPageSkin);
  Open();
  page.ApplySkin("Page");
  char name[8];
  memset(name, 'x', sizeof(name));
  EXPECT_EQ(S_OK, page.GetConverterView()->GetViewName(name, 3));
  EXPECT_EQ(std::string("Pagxxxxx"), std::string(name, 8));
  EXPECT_EQ(E_POINTER, page.GetConverterView()->GetViewName(NULL, 3));
}

TEST_F(AppDialogFixture, TooltipsAreTranslatedWithTheApplicationsName) {
  WriteSkin(dir.File("skin"), kPageSkin);
  config.SetText("OEMAppName", "Reel");
  translator.translations["Play it"] = "Play with APPNAME";
  Open();
  page.ApplySkin("Page");
  EXPECT_EQ("Play with Reel", Button(1).tooltip);
  std::string text = "APPNAME";
  CTestAppDialog bare;
  bare.TranslateToolTip(text);
  EXPECT_EQ("APPNAME", text) << "without a translator nothing changes";
}

TEST_F(AppDialogFixture, ACommandNameFromAnotherSendersPointerRunsNothing) {
  WriteSkin(dir.File("skin"), kPageSkin);
  Open();
  page.ApplySkin("Page");
  // wParam 6 once ran lParam as a name: here lParam points nowhere.
  for (WPARAM code : {6, 514, 123, 3025})
    SendMessageA(page, WM_USER + 2000, code, 0x1234);
  static const char kName[] = "Convert";
  SendMessageA(page, WM_USER + 2000, 6, reinterpret_cast<LPARAM>(kName));
  EXPECT_TRUE(command.calls.empty());
}

// Run modally, where the base dialog would end on Enter and on Escape: the
// application dialog stays until the test's own message ends it.
class CModalAppDialog : public CSkinAppDialog {
 public:
  static constexpr INT_PTR kEndedByTest = 42;
  CModalAppDialog() : CSkinAppDialog(IDD_MAIN_WINDOW, NULL) {}

 protected:
  BOOL OnInit() override {
    CSkinAppDialog::OnInit();
    PostMessageA(m_hWnd, WM_COMMAND, IDOK, 0);
    PostMessageA(m_hWnd, WM_COMMAND, IDCANCEL, 0);
    PostMessageA(m_hWnd, WM_APP, 0, 0);
    return TRUE;
  }
  INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_APP) {
      ::EndDialog(m_hWnd, kEndedByTest);
      return TRUE;
    }
    return CSkinAppDialog::OnMessage(message, wParam, lParam);
  }
};

TEST(AppDialog, EnterAndEscapeDoNotCloseTheWindowEvenWhereTheBaseWould) {
  CModalAppDialog window;
  EXPECT_EQ(CModalAppDialog::kEndedByTest, window.DoModal(NULL))
      << "the window ended on Enter (1) or Escape (2)";
}

TEST_F(AppDialogFixture, AReleaseOnThePageSendsItsNameOnlyWhereARowTakesIt) {
  WriteSkin(dir.File("skin"), kPageSkin);
  Open();
  page.ApplySkin("Page");
  command.calls.clear();
  command.enabled["Page"] = 0;  // as the executive answers a name it has no row for
  page.OnMessage(WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  EXPECT_TRUE(command.calls.empty()) << "sent: " << command.calls[0].name;
}

TEST_F(AppDialogFixture, TheTooltipCountStaysOverReloads) {
  WriteSkin(dir.File("skin"), kPageSkin);
  Open();
  page.ApplySkin("Page");
  ASSERT_TRUE(page.GetToolTip());
  const LRESULT first = SendMessageA(page.GetToolTip(), TTM_GETTOOLCOUNT, 0, 0);
  EXPECT_EQ(static_cast<LRESULT>(page.Buttons().size()), first) << "one tool per button";
  std::vector<LRESULT> counts;
  for (int n = 0; n < 5; ++n) {
    page.ApplySkin("Page");
    counts.push_back(SendMessageA(page.GetToolTip(), TTM_GETTOOLCOUNT, 0, 0));
  }
  EXPECT_EQ(std::vector<LRESULT>(5, first), counts);
}

// An executive whose command changes the skin, as the language option does:
// the button that sent it is gone before the command returns.
class CReloadingSkinCommand : public CRecordingSkinCommand {
 public:
  std::function<void()> reload;
  std::string nameAfterReload;
  HRESULT STDMETHODCALLTYPE ExecuteSkinCommand(const char* name, int argument,
                                               SkinCommandParam* param) override {
    if (reload) reload();
    nameAfterReload = name ? name : "";
    return CRecordingSkinCommand::ExecuteSkinCommand(name, argument, param);
  }
};

TEST_F(AppDialogFixture, AButtonsNameOutlivesTheReloadItsCommandMakes) {
  // Names longer than a string keeps in itself, so that each lives in a
  // block of its own that the reload frees and hands on.
  const std::string before(40, 'A'), after(40, 'B');
  WriteSkin(dir.File("skin"), "[Page]\nMain=main.bmp\n[Page/BUTTONS]\n1=" + before + ",10,10,40,20\n");
  CReloadingSkinCommand reloading;
  reloading.reload = [&] {
    vrctest::WriteFile(dir.File("skin\\skin.ini"),
                       "[Page]\nMain=main.bmp\n[Page/BUTTONS]\n1=" + after + ",10,10,40,20\n");
    for (int n = 0; n < 3; ++n) page.ApplySkin("Page");
  };
  page.SetConfig(&config);
  page.SetSkinCommand(&reloading);
  Open(false);
  page.ApplySkin("Page");
  ASSERT_EQ(1u, page.Buttons().size());
  page.OnButtonClicked(0);
  EXPECT_EQ(before, reloading.nameAfterReload) << "the command's name was the deleted button's";
  ASSERT_EQ(1u, page.Buttons().size());
  EXPECT_EQ(after, page.Buttons()[0]->name) << "the reload took place";
}

TEST(FrameSize, TheLargerEdgeGivesTheLeastSize) {
  SkinFrameLayout layout;
  for (int i = 0; i < 5; ++i) {
    layout.top.pieces[i] = {0, 0, 10, 4};
    layout.bottom.pieces[i] = {0, 0, 12, 4};
    layout.left.pieces[i] = {0, 0, 3, 7};
    layout.right.pieces[i] = {0, 0, 3, 6};
  }
  layout.top.height = 4;
  layout.bottom.height = 5;
  SIZE least = MinimumFrameSize(layout);
  EXPECT_EQ(60, least.cx);
  EXPECT_EQ(35 + 9, least.cy);
}

}  // namespace
