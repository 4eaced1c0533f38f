// The task lists at the default window size, in the program as it starts:
// every column's title, the longest state text of each page and the media
// time fit their columns as the list itself measures them (its own
// auto-size), and the columns fit beside a vertical scroll bar.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <vector>

#include "include/VarnoViewNames.h"
#include "modules/framework/runner/RunnerTexts.h"
#include "tests/app/ProgramInProcess.h"
#include "ui/SkinLabel.h"

namespace {

struct PageCells {
  const char* name;
  int page;
  const char* listView;
  // The widest texts that a row of this page shows, column by column (empty:
  // only the title counts).
  std::vector<const char*> cells;
};

const PageCells kPages[] = {
    {"video", 0, kVideoTaskListViewName, {"", "00:00:00", "Convert Successful, No Audio"}},
    {"music", 1, kMusicTaskListViewName, {"", "00:00:00", "", "Convert Successful"}},
    {"photo", 2, kPhotoTaskListViewName, {"", "", "Convert Successful"}},
};

class TaskListFit : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(program.Start()) << program.Log(); }
  void TearDown() override { program.Stop(); }
  ProgramInProcess program;
};

TEST_F(TaskListFit, TitlesStatesAndInformationFitAtTheDefaultSize) {
  for (const PageCells& p : kPages) {
    SCOPED_TRACE(p.name);
    CSkinAppDialog* page = program.Page(p.page);
    ASSERT_NE(nullptr, page);
    HWND list = FindView(*page, p.listView);
    ASSERT_NE(nullptr, list);
    HWND header = ListView_GetHeader(list);
    const int columns = Header_GetItemCount(header);
    ASSERT_EQ(static_cast<int>(p.cells.size()), columns);
    LVITEMA item = {};
    item.mask = LVIF_TEXT;
    item.iItem = ListView_GetItemCount(list);
    item.pszText = const_cast<char*>(p.cells[0]);
    const int row = static_cast<int>(SendMessageA(list, LVM_INSERTITEMA, 0,
                                                  reinterpret_cast<LPARAM>(&item)));
    ASSERT_GE(row, 0);
    for (int c = 1; c < columns; ++c) ListView_SetItemText(list, row, c, const_cast<char*>(p.cells[c]));
    int total = 0;
    for (int c = 0; c < columns; ++c) {
      char title[64] = "";
      HDITEMA h = {};
      h.mask = HDI_TEXT;
      h.pszText = title;
      h.cchTextMax = sizeof(title);
      SendMessageA(header, HDM_GETITEMA, c, reinterpret_cast<LPARAM>(&h));
      const int given = ListView_GetColumnWidth(list, c);
      ListView_SetColumnWidth(list, c, LVSCW_AUTOSIZE_USEHEADER);
      const int needed = ListView_GetColumnWidth(list, c);
      ListView_SetColumnWidth(list, c, given);
      // The last column's auto-size fills the list: only its texts count.
      const int textNeeds = c == columns - 1
                                ? ListView_GetStringWidth(list, p.cells[c]) + 12
                                : needed;
      EXPECT_LE(textNeeds, given) << "column \"" << title << "\" cuts \"" << p.cells[c] << "\": needs " << textNeeds;
      total += given;
    }
    ListView_DeleteItem(list, row);
    RECT client;
    GetClientRect(list, &client);
    EXPECT_LE(total, client.right - GetSystemMetrics(SM_CXVSCROLL))
        << "a full list shows a horizontal scroll bar: the columns take " << total << " of "
        << client.right;
  }
}

// The runner's information line for the longest names it shows, on each
// page: the label shows it whole (it scrolls only a text wider than itself,
// and each progress step starts it again from the front).
TEST_F(TaskListFit, TheInformationLineShowsTheLongestTextWhole) {
  const std::string longest = "Information: Convert '" +
                              ShortenFileName("C:\\media\\WWWWWWWWWWWWWWWWWWWWWWWW.mpeg") +
                              "' to '" + ShortenFileName("C:\\out\\MMMMMMMMMMMMMMMMMMMMMMMM.mpeg") +
                              "'---100%";
  for (const PageCells& p : kPages) {
    SCOPED_TRACE(p.name);
    CSkinAppDialog* page = program.Page(p.page);
    ASSERT_NE(nullptr, page);
    CSkinLabel* information = NULL;
    for (const auto& label : page->Labels())
      if (label->name == "Information") information = label.get();
    ASSERT_NE(nullptr, information);
    information->SetLabelText(longest);
    EXPECT_FALSE(information->IsScrolling()) << "\"" << longest << "\" is cut";
  }
}

}  // namespace
