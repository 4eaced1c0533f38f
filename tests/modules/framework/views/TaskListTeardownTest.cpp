// The task list's end as the program's skin reload brings it: deleting the
// view while its window lives runs the list's own teardown (the scroll-bar
// library lets go of the list) while the list and its header still live.
// The scroll-bar library here is the recording fake beside this test.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <memory>

#include "modules/framework/views/TaskListCtrl.h"
#include "tests/support/TestSupport.h"

namespace {

class ScrollBarJournal {
 public:
  ScrollBarJournal() : m_path(m_dir.File("skinsb.log")) {
    SetEnvironmentVariableA("VRC_SKINSB_LOG", m_path.c_str());
  }
  ~ScrollBarJournal() { SetEnvironmentVariableA("VRC_SKINSB_LOG", NULL); }
  std::vector<std::string> Lines() const { return vrctest::Lines(vrctest::ReadFile(m_path)); }

 private:
  vrctest::TempDir m_dir;
  std::string m_path;
};

class TaskListTeardown : public ::testing::Test {
 protected:
  void SetUp() override {
    InitCommonControls();
    RECT rect = {0, 0, 400, 300};
    ASSERT_TRUE(holder.Create(NULL, "holder", WS_POPUP, rect, NULL, 0));
  }
  void TearDown() override { holder.DestroyWindow(); }
  // The scroll bar's calls for one list, its own teardown included.
  const std::vector<std::string> kOneListsCalls = {"InitializeScrollBar list=1 header=1",
                                                   "UnInitializeScrollBar list=1 header=1"};
  const RECT kInner = {5, 6, 390, 280};
  CWnd holder;
  ScrollBarJournal journal;
};

TEST_F(TaskListTeardown, DeletingALiveListRunsItsOwnTeardownBeforeTheHeaderGoes) {
  std::unique_ptr<CTaskListCtrl> list(new CTaskListCtrl());
  ASSERT_TRUE(list->Create(&kInner, holder.m_hWnd, ""));
  HWND listWnd = list->m_hWnd;
  HWND header = ListView_GetHeader(listWnd);
  ASSERT_TRUE(IsWindow(header));

  list.reset();  // the window still lives
  EXPECT_FALSE(IsWindow(listWnd));
  EXPECT_FALSE(IsWindow(header));
  EXPECT_EQ(kOneListsCalls, journal.Lines());
}

TEST_F(TaskListTeardown, DestroyingTheWindowFirstLetsTheScrollBarGoOnce) {
  {
    CTaskListCtrl list;
    ASSERT_TRUE(list.Create(&kInner, holder.m_hWnd, ""));
    EXPECT_TRUE(list.DestroyWindow());
  }
  EXPECT_EQ(kOneListsCalls, journal.Lines());
}

}  // namespace
