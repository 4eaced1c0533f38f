// Shows the skinned controls in their states, for screenshots; never
// shipped.
//   skin_controls_look <default skin.ini> page <n>   a page of the default
//       skin with values put into its labels, bars, edit and drop-downs
//   skin_controls_look <default skin.ini> popup      the video page with the
//       output-format list open
//   skin_controls_look <default skin.ini> states     every kind of control,
//       in every state, on a plain skin that borrows the default thumbs
#include <windows.h>

#include <stdlib.h>

#include <string>

#include "tests/support/TestSupport.h"
#include "tests/ui/SkinFixture.h"
#include "tests/ui/SkinTemplates.h"
#include "tests/ui/SkinWindowSet.h"
#include "ui/SkinIniReader.h"
#include "winfx/Wnd.h"

namespace {

const char kLongPath[] =
    "C:\\Documents and Settings\\Somebody\\My Documents\\My Videos\\Converted\\Holiday 2006";
const char kLongInfo[] = "Holiday.avi - 640 x 480, 25 frames per second, MPEG-4 video, MP3 audio";

void FillPage(CSkinDialog& page) {
  for (auto& label : page.Labels()) {
    if (label->name == "Information") label->SetLabelText(kLongInfo);
    if (label->name == "Progress") label->SetLabelText("Progress: 60%");
    if (label->name == "Estimated Time") label->SetLabelText("Used 00:01:12  Left 00:00:48");
    if (label->name == "Time") label->SetLabelText("00:00:31 / 00:01:40");
    if (label->name == "FileSize") label->SetLabelText("File size: 12.4 MB");
  }
  for (auto& bar : page.ProgressBars()) bar->SetPos(bar->name == "Convert_Progress" ? 60 : 30);
  for (auto& trackbar : page.Trackbars()) trackbar->SetPos(40);
  for (auto& edit : page.Edits()) SetWindowTextA(*edit, kLongPath);
  for (auto& dropDown : page.DropDowns()) dropDown->SetCurSel(dropDown->GetCount() > 1 ? 1 : 0);
}

int Loop(HWND window) {
  MSG msg;
  while (IsWindow(window) && GetMessageA(&msg, NULL, 0, 0) > 0) {
    if (CWnd::WalkPreTranslateMessage(&msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return 0;
}

const char kStatesSkin[] =
    "[SKININFO]\nImageList=ImageList.bmp\n"
    "[Look]\nMain=look_main.bmp\nDown=look_down.bmp\nWindowtype=1\n"
    "[Look/TEXTINFO]\n"
    "1=Fits,Tahoma,0,0,9,36,241,245,249,16,16,240,18,Label that fits,\n"
    "2=Marquee,Tahoma,1,0,9,36,250,204,21,16,40,240,18,A label far too wide for its place scrolls "
    "like a marquee,\n"
    "[Look/TRACKBARINFO]\n"
    "1=Normal,THUMB_NORMAL,THUMB_DOWN,THUMB_OVER,THUMB_DISABLED,16,80,240,20,H,20,,0,100\n"
    "2=Hover,THUMB_NORMAL,THUMB_DOWN,THUMB_OVER,THUMB_DISABLED,16,104,240,20,H,40,,0,100\n"
    "3=Pressed,THUMB_NORMAL,THUMB_DOWN,THUMB_OVER,THUMB_DISABLED,16,128,240,20,H,60,,0,100\n"
    "4=Disabled,THUMB_NORMAL,THUMB_DOWN,THUMB_OVER,THUMB_DISABLED,16,152,240,20,H,80,,0,100\n"
    "5=Vertical,THUMB_NORMAL,THUMB_DOWN,THUMB_OVER,THUMB_DISABLED,270,80,20,120,V,75,,0,100\n"
    "[Look/PROGRESSINFO]\n"
    "1=Empty,,16,190,240,10,H,\n2=Half,,16,206,240,10,H,\n3=Full,,16,222,240,10,H,\n"
    "4=Up,,300,80,10,120,V,\n"
    "[Look/EDITS]\n"
    "1=Editable,16,250,240,18,241,245,249,Editable,0\n"
    "2=ReadOnly,16,274,240,18,241,245,249,Read-only,1\n"
    "3=Disabled,16,298,240,18,241,245,249,Disabled,1\n"
    "[Look/LISTBOXS]\n1=Rows,330,16,200,150,241,245,249,,,\n"
    "[Look/COMBOBOXINFO]\n"
    "1=Open,330,190,200,26,,241,245,249,241,245,249,31,41,55,255,255,255,37,99,235,71,85,105,0,"
    "AVI,MPEG-4,Windows Media\n"
    "2=Off,330,224,200,26,,241,245,249,241,245,249,31,41,55,255,255,255,37,99,235,71,85,105,0,"
    "AVI,MPEG-4\n";

// The rectangles the states skin draws as fields and bars.
bool InField(int x, int y) {
  const RECT fields[] = {{16, 250, 256, 268}, {16, 274, 256, 292}, {16, 298, 256, 316},
                         {330, 16, 530, 166}, {330, 190, 530, 216}, {330, 224, 530, 250}};
  POINT p = {x, y};
  for (const RECT& r : fields)
    if (PtInRect(&r, p)) return true;
  return false;
}

bool InTrack(int x, int y) {
  return (x >= 16 && x < 256 && ((y >= 88 && y < 92) || (y >= 112 && y < 116) ||
                                 (y >= 136 && y < 140) || (y >= 160 && y < 164))) ||
         (x >= 278 && x < 282 && y >= 80 && y < 200);
}

bool InBar(int x, int y) {
  return (x >= 16 && x < 256 && ((y >= 190 && y < 200) || (y >= 206 && y < 216) ||
                                 (y >= 222 && y < 232))) ||
         (x >= 300 && x < 310 && y >= 80 && y < 200);
}

int ShowStates(const std::string& defaultIni) {
  static vrctest::TempDir dir;  // lives as long as the window
  const std::string defaultFolder = defaultIni.substr(0, defaultIni.find_last_of('\\') + 1);
  CopyFileA((defaultFolder + "ImageList.bmp").c_str(), dir.File("ImageList.bmp").c_str(), FALSE);
  std::string ini = kStatesSkin;
  CSkinIniReader reader(defaultIni);
  ini += "[IMAGELISTINFO]\n";
  int n = 1;
  for (const std::string& line : reader.ReadLinesUntilGap("IMAGELISTINFO"))
    ini += std::to_string(n++) + "=" + line + "\n";
  vrctest::WriteFile(dir.File("skin.ini"), ini);
  skintest::WriteBitmapFile(dir.File("look_main.bmp"), 560, 340, [](int x, int y) {
    if (InField(x, y)) return RGB(51, 65, 85);
    if (InTrack(x, y) || InBar(x, y)) return RGB(71, 85, 105);
    return RGB(30, 41, 59);
  });
  skintest::WriteBitmapFile(dir.File("look_down.bmp"), 560, 340, [](int x, int y) {
    if (InBar(x, y)) return RGB(37, 99, 235);
    return RGB(30, 41, 59);
  });

  static CSkinDialog window(GetModuleHandleA(NULL), IDD_SKIN_WINDOW);
  window.SetSkinFiles(dir.File("skin.ini").c_str(), "Look");
  if (!window.CreateModeless(NULL)) return 1;
  SetWindowTextA(window, "skinned controls");
  SetWindowPos(window, HWND_TOP, 40, 40, 0, 0, SWP_NOSIZE);
  ShowWindow(window, SW_SHOW);
  auto& bars = window.ProgressBars();
  if (bars.size() == 4) {
    bars[0]->SetPos(0);
    bars[1]->SetPos(50);
    bars[2]->SetPos(100);
    bars[3]->SetPos(70);
  }
  auto& edits = window.Edits();
  for (auto& edit : edits) SetWindowTextA(*edit, kLongPath);
  if (edits.size() == 3) EnableWindow(*edits[2], FALSE);
  auto& lists = window.ListBoxes();
  if (!lists.empty())
    for (const char* row : {"Holiday.avi", "Birthday.mpg", "Concert.wmv", "Garden.mov",
                            "Lecture.rm", "Travel.mp4", "Wedding.vob", "Zoo.asf"})
      SendMessageA(*lists[0], LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(row));
  if (!lists.empty()) SendMessageA(*lists[0], LB_SETCURSEL, 2, 0);
  auto& drops = window.DropDowns();
  for (auto& dropDown : drops) dropDown->SetCurSel(1);
  if (drops.size() == 2) EnableWindow(*drops[1], FALSE);
  auto& tracks = window.Trackbars();
  if (tracks.size() == 5) {
    EnableWindow(*tracks[3], FALSE);
    RECT thumb = tracks[1]->ThumbRect();
    SendMessageA(*tracks[1], WM_MOUSEMOVE, 0, MAKELPARAM(thumb.left + 3, thumb.top + 3));
    thumb = tracks[2]->ThumbRect();
    // Pressed on the thumb; a move to the same point keeps the position.
    SendMessageA(*tracks[2], WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(thumb.left + 3, thumb.top + 3));
  }
  UpdateWindow(window);
  return Loop(window);
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  if (__argc < 3) {
    MessageBoxA(NULL, "skin_controls_look <skin.ini> page <n> | popup | states",
                "skin_controls_look", MB_OK);
    return 2;
  }
  const std::string ini = __argv[1], mode = __argv[2];
  if (mode == "states") return ShowStates(ini);
  CSkinWindowSet set;
  const int shown = mode == "page" && __argc > 3 ? atoi(__argv[3]) : 0;
  if (!set.Open(ini, "REELCRAFTDLG", shown)) return 1;
  SetWindowTextA(*set.Window(), "REELCRAFTDLG");
  SetWindowPos(*set.Window(), HWND_TOP, 40, 40, 0, 0, SWP_NOSIZE);
  for (auto& page : set.Pages()) FillPage(*page);
  if (mode == "popup" && !set.Pages().empty()) {
    for (auto& dropDown : set.Pages()[0]->DropDowns())
      if (dropDown->name == "OutputFormat") {
        UpdateWindow(*set.Window());
        SendMessageA(*dropDown, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
        // Point at the third row, as a user choosing would.
        HWND popup = GetCapture();
        if (popup) {
          const int row = GetSystemMetrics(SM_CYMENUSIZE);
          POINT p = {20, 2 * row + row / 2};
          ClientToScreen(popup, &p);
          SetCursorPos(p.x, p.y);  // the real pointer, or the next move undoes the hover
          SendMessageA(popup, WM_MOUSEMOVE, 0, MAKELPARAM(20, 2 * row + row / 2));
        }
      }
  }
  return Loop(*set.Window());
}
