// The control views on real common controls: what each call leaves in the
// control, read back through the view and, where the view has no reader,
// through the control's own messages.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string.h>

#include <string>
#include <vector>

#include "winfx/Controls.h"
#include "winfx/Wnd.h"

namespace {

class Controls : public ::testing::Test {
 protected:
  void SetUp() override {
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    RECT rect = {0, 0, 400, 300};
    ASSERT_TRUE(parent.Create(NULL, "controls", WS_POPUP, rect, NULL, 0));
  }
  void TearDown() override { parent.DestroyWindow(); }

  HWND Make(const char* className, DWORD style) {
    return CreateWindowExA(0, className, "", WS_CHILD | WS_VISIBLE | style, 0, 0, 300, 200,
                           parent.m_hWnd, NULL, GetModuleHandleA(NULL), NULL);
  }

  CWnd parent;
};

class ListViewTest : public Controls {
 protected:
  void SetUp() override {
    Controls::SetUp();
    list.Attach(Make(WC_LISTVIEWA, LVS_REPORT));
    ASSERT_TRUE(list != NULL);
    ASSERT_EQ(0, list.InsertColumn(0, "Name", LVCFMT_LEFT, 120));
    ASSERT_EQ(1, list.InsertColumn(1, "Size", LVCFMT_RIGHT, 60));
  }
  // The selected rows as the control reports them one after the other.
  std::vector<int> Selected() const {
    std::vector<int> rows;
    for (int row = list.GetNextSelected(); row >= 0; row = list.GetNextSelected(row))
      rows.push_back(row);
    return rows;
  }
  std::string Cell(int row, int column) const {
    char text[64];
    list.GetItemText(row, column, text, sizeof(text));
    return text;
  }

  CListView list;
};

TEST_F(ListViewTest, ColumnsGoToTheHeader) {
  CHeader header(list.GetHeader());
  ASSERT_TRUE(header != NULL);
  EXPECT_EQ(2, header.GetItemCount());
  char text[16] = "";
  HDITEMA item = {};
  item.mask = HDI_TEXT | HDI_FORMAT | HDI_WIDTH | HDI_ORDER;
  item.pszText = text;
  item.cchTextMax = sizeof(text);
  ASSERT_TRUE(header.GetItem(1, &item));
  EXPECT_STREQ("Size", text);
  EXPECT_EQ(HDF_RIGHT, item.fmt & HDF_JUSTIFYMASK);
  EXPECT_EQ(60, item.cxy);
  EXPECT_EQ(1, item.iOrder);
  RECT first, second;
  ASSERT_TRUE(header.GetItemRect(0, &first));
  ASSERT_TRUE(header.GetItemRect(1, &second));
  EXPECT_EQ(120, first.right - first.left);
  EXPECT_EQ(first.right, second.left);
  EXPECT_FALSE(header.GetItemRect(2, &second)) << "no third column";
}

TEST_F(ListViewTest, RowsAndCellsAreWhatWasWritten) {
  EXPECT_EQ(0, list.GetItemCount());
  EXPECT_EQ(0, list.InsertItem(0, "b.avi"));
  EXPECT_EQ(0, list.InsertItem(0, "a.avi")) << "inserted before the first";
  EXPECT_EQ(2, list.InsertItem(list.GetItemCount(), "c.avi"));
  EXPECT_EQ(3, list.GetItemCount());
  EXPECT_EQ("a.avi", Cell(0, 0));
  EXPECT_EQ("b.avi", Cell(1, 0));
  EXPECT_EQ("c.avi", Cell(2, 0));

  EXPECT_TRUE(list.SetItemText(1, 1, "12 MB"));
  EXPECT_TRUE(list.SetItemText(1, 0, "renamed.avi"));
  EXPECT_EQ("12 MB", Cell(1, 1));
  EXPECT_EQ("renamed.avi", Cell(1, 0));
  EXPECT_EQ("", Cell(0, 1)) << "a cell never written";

  EXPECT_TRUE(list.DeleteItem(0));
  EXPECT_EQ(2, list.GetItemCount());
  EXPECT_EQ("renamed.avi", Cell(0, 0));
  EXPECT_FALSE(list.DeleteItem(5));
  EXPECT_EQ(2, list.GetItemCount());
}

struct TextCase {
  const char* name;
  int row;
  int size;
  const char* expected;
};

const TextCase kTexts[] = {
    {"FitsWhole", 0, 16, "abcdef"},
    {"ExactlyFillingItsTerminatedBuffer", 0, 7, "abcdef"},
    {"CutToTheBufferAndTerminated", 0, 4, "abc"},
    {"OneByteHoldsOnlyTheTerminator", 0, 1, ""},
    {"RowOutsideTheListGivesEmpty", 3, 16, ""},
};

class ListViewText : public ListViewTest, public ::testing::WithParamInterface<TextCase> {};

TEST_P(ListViewText, IsBoundedAndTerminated) {
  const TextCase& row = GetParam();
  ASSERT_EQ(0, list.InsertItem(0, "abcdef"));
  char buffer[32];
  memset(buffer, 'x', sizeof(buffer));
  int length = list.GetItemText(row.row, 0, buffer, row.size);
  EXPECT_STREQ(row.expected, buffer);
  EXPECT_EQ(static_cast<int>(strlen(row.expected)), length);
  EXPECT_EQ('x', buffer[row.size]) << "nothing written past the buffer";
}

INSTANTIATE_TEST_SUITE_P(Table, ListViewText, ::testing::ValuesIn(kTexts),
                         [](const ::testing::TestParamInfo<TextCase>& info) {
                           return std::string(info.param.name);
                         });

TEST_F(ListViewTest, SelectionStatesAndMark) {
  for (const char* name : {"a", "b", "c", "d"}) list.InsertItem(list.GetItemCount(), name);
  const UINT both = LVIS_SELECTED | LVIS_FOCUSED;
  EXPECT_EQ(-1, list.GetNextSelected());
  EXPECT_EQ(0, list.GetSelectedCount());

  EXPECT_TRUE(list.SetItemState(1, both, both));
  EXPECT_TRUE(list.SetItemState(3, LVIS_SELECTED, LVIS_SELECTED));
  EXPECT_EQ((std::vector<int>{1, 3}), Selected());
  EXPECT_EQ(2, list.GetSelectedCount());
  EXPECT_EQ(both, ListView_GetItemState(list, 1, both));

  EXPECT_TRUE(list.SetItemState(-1, LVIS_SELECTED, LVIS_SELECTED)) << "-1: every row";
  EXPECT_EQ((std::vector<int>{0, 1, 2, 3}), Selected());
  EXPECT_TRUE(list.SetItemState(-1, 0, both));
  EXPECT_TRUE(Selected().empty());
  EXPECT_EQ(0u, ListView_GetItemState(list, 1, both));

  list.SetSelectionMark(2);
  EXPECT_EQ(2, list.SetSelectionMark(0)) << "the previous mark";
  EXPECT_EQ(0, ListView_GetSelectionMark(list));
  EXPECT_TRUE(list.EnsureVisible(3, FALSE));
}

TEST_F(ListViewTest, ColoursAndExtendedStyles) {
  EXPECT_TRUE(list.SetTextColor(RGB(1, 2, 3)));
  EXPECT_EQ(RGB(1, 2, 3), list.GetTextColor());
  EXPECT_TRUE(list.SetBkColor(RGB(4, 5, 6)));
  EXPECT_EQ(RGB(4, 5, 6), ListView_GetBkColor(list));

  DWORD before = list.GetExtendedStyle();
  EXPECT_EQ(0u, before & LVS_EX_FULLROWSELECT);
  EXPECT_EQ(before, list.SetExtendedStyle(before | LVS_EX_FULLROWSELECT));
  EXPECT_EQ(before | LVS_EX_FULLROWSELECT, list.GetExtendedStyle());
  list.SetExtendedStyle(before);
  EXPECT_EQ(before, list.GetExtendedStyle()) << "all styles are replaced";
}

std::string ComboItemText(HWND combo, int index) {
  char text[64] = "";
  if (SendMessageA(combo, CB_GETLBTEXTLEN, index, 0) < static_cast<LRESULT>(sizeof(text)))
    SendMessageA(combo, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text));
  return text;
}

TEST_F(Controls, ComboBoxItemsTheirDataAndTheSelection) {
  CComboBox combo(Make(WC_COMBOBOXA, CBS_DROPDOWNLIST));
  ASSERT_TRUE(combo != NULL);
  EXPECT_EQ(0, combo.GetCount());
  EXPECT_EQ(CB_ERR, combo.GetCurSel());
  EXPECT_EQ(0, combo.AddString("128 kbps"));
  EXPECT_EQ(1, combo.AddString("192 kbps"));
  EXPECT_EQ(2, combo.AddString("64 kbps")) << "an unsorted list keeps the order";
  EXPECT_EQ(3, combo.GetCount());
  EXPECT_EQ("64 kbps", ComboItemText(combo, 2));

  EXPECT_TRUE(combo.SetItemData(0, 128));
  EXPECT_TRUE(combo.SetItemData(1, 192));
  EXPECT_TRUE(combo.SetItemData(2, -1));
  EXPECT_FALSE(combo.SetItemData(3, 5)) << "no such item";
  EXPECT_EQ(128, combo.GetItemData(0));
  EXPECT_EQ(192, combo.GetItemData(1));
  EXPECT_EQ(-1, combo.GetItemData(2));

  EXPECT_EQ(1, combo.SetCurSel(1));
  EXPECT_EQ(1, combo.GetCurSel());
  char shown[32] = "";
  GetWindowTextA(combo, shown, sizeof(shown));
  EXPECT_STREQ("192 kbps", shown);
  EXPECT_EQ(CB_ERR, combo.SetCurSel(7)) << "no such item";
  EXPECT_EQ(CB_ERR, combo.SetCurSel(-1));
  EXPECT_EQ(CB_ERR, combo.GetCurSel()) << "-1 clears the selection";

  EXPECT_EQ(2, combo.DeleteString(0)) << "the items left";
  EXPECT_EQ("192 kbps", ComboItemText(combo, 0));
  EXPECT_EQ(192, combo.GetItemData(0)) << "the data moves with its item";
  combo.SetCurSel(0);
  combo.ResetContent();
  EXPECT_EQ(0, combo.GetCount());
  EXPECT_EQ(CB_ERR, combo.GetCurSel());
}

struct TrackCase {
  const char* name;
  int minimum;
  int maximum;
  int position;
  int expected;
};

const TrackCase kTracks[] = {
    {"InsideTheRange", 0, 100, 40, 40},
    {"AboveTheRangeStopsAtTheEnd", 0, 100, 500, 100},
    {"BelowTheRangeStopsAtTheStart", 10, 100, -3, 10},
    {"RangeBeyondSixteenBits", 0, 100000, 70000, 70000},
};

class TrackbarTest : public Controls, public ::testing::WithParamInterface<TrackCase> {};

TEST_P(TrackbarTest, HoldsThePositionInsideItsRange) {
  const TrackCase& row = GetParam();
  CTrackbar track(Make(TRACKBAR_CLASSA, TBS_HORZ));
  ASSERT_TRUE(track != NULL);
  track.SetRange(row.minimum, row.maximum);
  EXPECT_EQ(row.minimum, SendMessageA(track, TBM_GETRANGEMIN, 0, 0));
  EXPECT_EQ(row.maximum, SendMessageA(track, TBM_GETRANGEMAX, 0, 0));
  track.SetPos(row.position);
  EXPECT_EQ(row.expected, track.GetPos());
}

INSTANTIATE_TEST_SUITE_P(Table, TrackbarTest, ::testing::ValuesIn(kTracks),
                         [](const ::testing::TestParamInfo<TrackCase>& info) {
                           return std::string(info.param.name);
                         });

struct EditCase {
  const char* name;
  std::string text;
};

const EditCase kEdits[] = {
    {"ShortText", "C:\\Output"},
    {"EmptyText", ""},
    {"TextLongerThanAPath", std::string(1000, 'v')},
};

class EditTest : public Controls, public ::testing::WithParamInterface<EditCase> {};

TEST_P(EditTest, GivesBackTheWholeText) {
  CEdit edit(Make(WC_EDITA, ES_AUTOHSCROLL));
  ASSERT_TRUE(edit != NULL);
  SetWindowTextA(edit, "before");
  EXPECT_TRUE(edit.SetText(GetParam().text.c_str()));
  EXPECT_EQ(GetParam().text, edit.GetText());
  EXPECT_EQ(static_cast<int>(GetParam().text.size()), GetWindowTextLengthA(edit));
}

INSTANTIATE_TEST_SUITE_P(Table, EditTest, ::testing::ValuesIn(kEdits),
                         [](const ::testing::TestParamInfo<EditCase>& info) {
                           return std::string(info.param.name);
                         });

TEST_F(Controls, EditReadOnlyComesAndGoes) {
  CEdit edit(Make(WC_EDITA, 0));
  ASSERT_TRUE(edit != NULL);
  EXPECT_TRUE(edit.SetReadOnly(TRUE));
  EXPECT_NE(0, GetWindowLongA(edit, GWL_STYLE) & ES_READONLY);
  EXPECT_TRUE(edit.SetReadOnly(FALSE));
  EXPECT_EQ(0, GetWindowLongA(edit, GWL_STYLE) & ES_READONLY);
  EXPECT_TRUE(edit.SetText(NULL));
  EXPECT_EQ("", edit.GetText()) << "no text writes an empty one";
}

}  // namespace
