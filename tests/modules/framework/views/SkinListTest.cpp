// The skinned list control and the task-list control on a real window: the
// skin data string parsed into colours, header bitmaps and the rest for the
// column widths; row colours through custom draw; the list's events.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "modules/framework/views/TaskListCtrl.h"
#include "tests/support/FakeConfig.h"
#include "tests/support/RecordingNotify.h"
#include "tests/support/TestSupport.h"
#include "ui/SkinData.h"

namespace {

// A 2 x 2 24-bit bitmap file.
void WriteBitmap(const std::string& path) {
  BITMAPFILEHEADER file = {};
  BITMAPINFOHEADER info = {};
  const int rowBytes = 8;  // 2 pixels x 3 bytes, padded to 4
  info.biSize = sizeof(info);
  info.biWidth = 2;
  info.biHeight = 2;
  info.biPlanes = 1;
  info.biBitCount = 24;
  info.biSizeImage = rowBytes * 2;
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof(file) + sizeof(info);
  file.bfSize = file.bfOffBits + info.biSizeImage;
  std::string bytes(reinterpret_cast<char*>(&file), sizeof(file));
  bytes.append(reinterpret_cast<char*>(&info), sizeof(info));
  bytes.append(info.biSizeImage, '\x7f');
  vrctest::WriteFile(path, bytes);
}

class ListFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    InitCommonControls();
    RECT rect = {0, 0, 400, 300};
    ASSERT_TRUE(holder.Create(NULL, "holder", WS_POPUP, rect, NULL, 0));
    RECT inner = {5, 6, 390, 280};
    ASSERT_TRUE(list.Create(&inner, holder.m_hWnd, ""));
    list.SetConfig(&config);
    list.SetNotify(&notify);
  }
  void TearDown() override {
    list.DestroyWindow();
    holder.DestroyWindow();
  }
  LRESULT NotifyHolder(UINT code, NMHDR* header) {
    header->hwndFrom = list.m_hWnd;
    header->idFrom = GetDlgCtrlID(list.m_hWnd);
    header->code = code;
    return holder.SendMessage(WM_NOTIFY, header->idFrom, reinterpret_cast<LPARAM>(header));
  }

  CWnd holder;
  CTaskListCtrl list;
  CFakeConfig config;
  CRecordingNotify notify;
  vrctest::TempDir dir;
};

TEST(SkinData, FieldsAreTakenFromTheFrontAndTheRestTrimmed) {
  std::string text = " 7 ,left.bmp,  right.bmp ,fill.bmp,last";
  CSkinDataReader reader(text);
  EXPECT_EQ(" 7 ", reader.NextField()) << "the first field is as given";
  EXPECT_EQ("left.bmp,  right.bmp ,fill.bmp,last", text);
  EXPECT_EQ("left.bmp", reader.NextField());
  EXPECT_EQ("right.bmp ", reader.NextField());
  EXPECT_EQ("fill.bmp", reader.NextField());
  EXPECT_EQ("last", reader.NextField());
  EXPECT_EQ("", reader.NextField());
  EXPECT_EQ(0, reader.NextInt()) << "an absent field reads 0";
}

struct SkinCase {
  const char* name;
  const char* data;  // %s stands for the three bitmap names
  bool bitmapsExist;
  COLORREF alternate, background, text;
  const char* rest;
  bool headerBitmaps;
};

const SkinCase kSkinCases[] = {
    {"empty", "", true, RGB(0, 0, 0), RGB(0, 0, 0), RGB(0, 0, 0), "", false},
    {"full", "1, %s, 1,2,3, 10,20,30, 40,50,60, 70,80,90, 200, 0, 150", true, RGB(10, 20, 30),
     RGB(40, 50, 60), RGB(70, 80, 90), "200, 0, 150", true},
    {"modulo", "1, %s, 0,0,0, 256,257,-1, 511,0,1, 1000,2,3", true, RGB(0, 1, 255),
     RGB(255, 0, 1), RGB(232, 2, 3), "", true},
    {"missing bitmap", "1, %s, 0,0,0, 1,1,1, 2,2,2, 3,3,3, 90", false, RGB(1, 1, 1),
     RGB(2, 2, 2), RGB(3, 3, 3), "90", false},
};

TEST_F(ListFixture, SkinDataBecomesColoursBitmapsAndColumnWidths) {
  // The skin folder has no trailing backslash: one is added.
  std::string folder = dir.Path().substr(0, dir.Path().size() - 1);
  config.strings["SkinPath"] = folder;
  WriteBitmap(dir.File("l.bmp"));
  WriteBitmap(dir.File("r.bmp"));
  WriteBitmap(dir.File("f.bmp"));
  for (const SkinCase& c : kSkinCases) {
    SCOPED_TRACE(c.name);
    CTaskListCtrl fresh;
    RECT rect = {0, 0, 300, 200};
    ASSERT_TRUE(fresh.Create(&rect, holder.m_hWnd, "unused"));
    fresh.SetConfig(&config);
    char data[256];
    snprintf(data, sizeof(data), c.data, c.bitmapsExist ? "l.bmp, r.bmp, f.bmp" : "l.bmp, r.bmp, none.bmp");
    EXPECT_TRUE(fresh.ApplySkin(data));
    EXPECT_EQ(c.alternate, fresh.GetAlternateColor());
    EXPECT_EQ(c.background, fresh.GetBackgroundColor());
    EXPECT_EQ(c.background, static_cast<COLORREF>(fresh.SendMessage(LVM_GETBKCOLOR)));
    EXPECT_EQ(c.text, static_cast<COLORREF>(fresh.SendMessage(LVM_GETTEXTCOLOR)));
    EXPECT_EQ(c.rest, fresh.GetSkinData());
    EXPECT_EQ(c.headerBitmaps, fresh.GetHeader().HasBitmaps());
    EXPECT_TRUE(fresh.SendMessage(LVM_GETEXTENDEDLISTVIEWSTYLE) & LVS_EX_FULLROWSELECT);
    fresh.DestroyWindow();
  }
}

TEST_F(ListFixture, CreationPlacesTheListAndSubclassesItsHeader) {
  EXPECT_EQ(CTaskListCtrl::kControlId, GetDlgCtrlID(list.m_hWnd));
  EXPECT_EQ(&list, CWnd::FromHandle(list.m_hWnd));
  HWND header = reinterpret_cast<HWND>(list.SendMessage(LVM_GETHEADER));
  EXPECT_EQ(static_cast<CWnd*>(&list.GetHeader()), CWnd::FromHandle(header));
  RECT margins = list.GetMargins();
  EXPECT_EQ(5, margins.left);
  EXPECT_EQ(6, margins.top);
  EXPECT_EQ(10, margins.right);
  EXPECT_EQ(20, margins.bottom);
  EXPECT_EQ(RGB(237, 242, 249), list.GetBackgroundColor()) << "defaults until a skin sets them";
  EXPECT_EQ(RGB(255, 255, 255), list.GetAlternateColor());
}

TEST_F(ListFixture, RowColoursAlternateThroughReflectedCustomDraw) {
  list.SetColors(RGB(1, 2, 3), RGB(4, 5, 6));
  list.SendMessage(LVM_SETTEXTCOLOR, 0, RGB(9, 9, 9));
  NMLVCUSTOMDRAW draw = {};
  draw.nmcd.dwDrawStage = CDDS_PREPAINT;
  EXPECT_EQ(CDRF_NOTIFYITEMDRAW, NotifyHolder(NM_CUSTOMDRAW, &draw.nmcd.hdr));
  draw.nmcd.dwDrawStage = CDDS_ITEMPREPAINT;
  EXPECT_EQ(CDRF_NOTIFYSUBITEMDRAW, NotifyHolder(NM_CUSTOMDRAW, &draw.nmcd.hdr));
  EXPECT_EQ(RGB(9, 9, 9), draw.clrText);
  for (int row = 0; row < 6; ++row) {
    draw.nmcd.dwDrawStage = CDDS_ITEMPREPAINT | CDDS_SUBITEM;
    draw.nmcd.dwItemSpec = row;
    EXPECT_EQ(CDRF_NEWFONT, NotifyHolder(NM_CUSTOMDRAW, &draw.nmcd.hdr));
    EXPECT_EQ(row % 2 ? RGB(4, 5, 6) : RGB(1, 2, 3), draw.clrTextBk) << "row " << row;
  }
  draw.nmcd.dwDrawStage = CDDS_POSTPAINT;
  EXPECT_EQ(0, NotifyHolder(NM_CUSTOMDRAW, &draw.nmcd.hdr));
  SetWindowLongA(list.m_hWnd, GWL_STYLE,
                 (GetWindowLongA(list.m_hWnd, GWL_STYLE) & ~LVS_TYPEMASK) | LVS_ICON);
  draw.nmcd.dwDrawStage = CDDS_PREPAINT;
  EXPECT_EQ(1, NotifyHolder(NM_CUSTOMDRAW, &draw.nmcd.hdr)) << "only the report view is skinned";
}

TEST_F(ListFixture, ListActionsBecomeModuleEvents) {
  NMITEMACTIVATE click = {};
  NotifyHolder(NM_DBLCLK, &click.hdr);
  NMLVKEYDOWN key = {};
  key.wVKey = VK_DELETE;
  EXPECT_EQ(0, NotifyHolder(LVN_KEYDOWN, &key.hdr));
  ASSERT_EQ((std::vector<int>{MEV_PLAY, MEV_LIST_KEY}), notify.Codes());
  EXPECT_EQ(46, notify.events[1].p1);

  // A real selection change: the control itself notifies its holder.
  notify.events.clear();
  LVCOLUMNA column = {};
  list.SendMessage(LVM_INSERTCOLUMNA, 0, reinterpret_cast<LPARAM>(&column));
  LVITEMA item = {};
  item.mask = LVIF_TEXT;
  item.pszText = const_cast<char*>("a.avi");
  list.SendMessage(LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
  notify.events.clear();
  item.stateMask = LVIS_SELECTED;
  item.state = LVIS_SELECTED;
  list.SendMessage(LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(&item));
  ASSERT_FALSE(notify.events.empty());
  for (const NotifiedEvent& e : notify.events) EXPECT_EQ(MEV_MEDIA_INFO, e.code);

  list.SetNotify(NULL);
  notify.events.clear();
  NotifyHolder(NM_DBLCLK, &click.hdr);
  EXPECT_TRUE(notify.events.empty());
}

TEST_F(ListFixture, EnabledStateIsAskedOfTheProgram) {
  notify.enabled.insert("DeleteFiles");
  EXPECT_TRUE(list.QueryCommandEnabled("DeleteFiles"));
  EXPECT_FALSE(list.QueryCommandEnabled("AddFiles"));
  EXPECT_FALSE(list.QueryCommandEnabled(NULL));
  list.SetNotify(NULL);
  EXPECT_FALSE(list.QueryCommandEnabled("DeleteFiles")) << "nobody to ask: disabled";
  char name[32];
  EXPECT_EQ(S_OK, list.GetViewName(name, sizeof(name)));
  EXPECT_STREQ("ConverterTaskList", name);
  EXPECT_EQ(list.m_hWnd, list.GetViewWnd());
}

}  // namespace
