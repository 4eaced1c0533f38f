// The command executive's table: names in any letter case, disabled rows,
// control values and texts, the pending-update list, the button rules and
// hot keys.
#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include "tests/support/ExecutiveFakes.h"
#include "tests/support/TestSupport.h"

namespace {

TEST(CommandTable, NamesMatchInAnyLetterCaseAndUnknownNamesFail) {
  fakes::Wiring w;
  ASSERT_EQ(S_OK, w.Init());
  for (const char* name : {"convert", "CONVERT", "Convert"}) EXPECT_EQ(8, CCommandExecutive::FindRow(name));
  EXPECT_EQ(-1, CCommandExecutive::FindRow("Conver"));
  EXPECT_EQ(E_FAIL, w.Run("NoSuchControl"));
  EXPECT_EQ(35, CCommandExecutive::TableSize());
}

TEST(CommandTable, DisabledRowRunsOnlyWithOneOneOne) {
  fakes::Wiring w;
  ASSERT_EQ(S_OK, w.Init());
  ASSERT_EQ(0, w.Enabled("DeleteFiles"));
  struct {
    INT_PTR f3, f1, f2;
    HRESULT result;
  } cases[] = {{0, 0, 0, E_FAIL}, {1, 1, 0, E_FAIL}, {1, 0, 1, E_FAIL}, {0, 1, 1, E_FAIL}, {1, 1, 1, S_OK}};
  for (const auto& c : cases) {
    w.video->calls.clear();
    EXPECT_EQ(c.result, w.Run("DeleteFiles", c.f3, c.f1, c.f2)) << c.f3 << c.f1 << c.f2;
    EXPECT_EQ(c.result == S_OK, !w.video->calls.empty());
  }
  EXPECT_EQ(E_FAIL, w.executive->ExecuteSkinCommand("DeleteFiles", 0, NULL));
}

TEST(CommandTable, ControlValuesAndTexts) {
  fakes::Wiring w;
  ASSERT_EQ(S_OK, w.Init());
  EXPECT_EQ("Progress:", w.Text("Progress"));
  EXPECT_EQ("Estimated Time:", w.Text("estimated time"));
  EXPECT_EQ(0, w.executive->GetControlValue("Convert"));
  EXPECT_EQ(-1, w.executive->GetControlValue("Unknown"));
  EXPECT_EQ(0, w.executive->IsControlEnabled("Unknown"));

  w.executive->FlushUpdates();
  EXPECT_TRUE(w.executive->SetControlText("FileSize", "file size:"));
  EXPECT_EQ("", w.executive->PendingUpdates()) << "a change of letter case alone is not applied";
  EXPECT_EQ("File Size:", w.Text("FileSize"));
  EXPECT_FALSE(w.executive->SetControlText("FileSize", NULL));
  EXPECT_FALSE(w.executive->SetControlText("Nothing", "x"));
  std::string longText(400, 'x');
  EXPECT_TRUE(w.executive->SetControlText("Information", longText.c_str()));
  EXPECT_EQ(std::string(259, 'x'), w.Text("Information")) << "cut to the row's buffer";

  EXPECT_TRUE(w.executive->SetControlValue("BrowseEdit", 5));
  EXPECT_TRUE(w.executive->SetControlValue("Convert_Progress", 5));
  EXPECT_TRUE(w.executive->SetControlValue("Convert_Progress", 5));
  w.executive->SetControlEnabled("Stop", 1);
  w.executive->SetControlEnabled("Stop", 1);
  EXPECT_EQ("Information,Convert_Progress,Stop,", w.executive->PendingUpdates());
  w.executive->FlushUpdates();
  EXPECT_EQ("Information,Convert_Progress,Stop,", w.ui->updates.back());
  EXPECT_EQ("", w.executive->PendingUpdates());
}

// The button states of the video page for a task-list and player state.
struct RuleCase {
  const char* name;
  int items, selected;
  bool playing;
  // AddFiles, DeleteFiles, SelectAll, Convert, Play, Play_Progress, OutputFormat
  int expected[7];
};

void PrintTo(const RuleCase& c, std::ostream* os) { *os << c.name; }

const char* const kRuleControls[7] = {"AddFiles", "DeleteFiles", "SelectAll", "Convert",
                                      "Play",     "Play_Progress", "OutputFormat"};

std::vector<int> States(fakes::Wiring& w) {
  std::vector<int> states;
  for (const char* name : kRuleControls) states.push_back(w.Enabled(name));
  return states;
}

class ButtonRulesTest : public ::testing::TestWithParam<RuleCase> {};

TEST_P(ButtonRulesTest, IdleStates) {
  const RuleCase& c = GetParam();
  fakes::Wiring w;
  ASSERT_EQ(S_OK, w.Init());
  w.video->items = c.items;
  w.video->selected = c.selected;
  w.video->playing = c.playing;
  w.executive->UpdateButtonStates();
  EXPECT_EQ(std::vector<int>(c.expected, c.expected + 7), States(w));
}

INSTANTIATE_TEST_SUITE_P(
    Table, ButtonRulesTest,
    ::testing::Values(RuleCase{"EmptyList", 0, 0, false, {1, 0, 0, 0, 0, 0, 1}},
                      RuleCase{"TasksNoneSelected", 3, 0, false, {1, 0, 1, 1, 0, 0, 1}},
                      RuleCase{"OneSelected", 3, 1, false, {1, 1, 1, 1, 1, 0, 1}},
                      RuleCase{"TwoSelected", 3, 2, false, {1, 1, 1, 1, 0, 0, 1}},
                      RuleCase{"OnePlaying", 3, 1, true, {1, 1, 1, 1, 0, 1, 1}}),
    [](const ::testing::TestParamInfo<RuleCase>& info) { return std::string(info.param.name); });

TEST(ButtonRules, WhileConvertingOnlyConvertStaysEnabled) {
  fakes::Wiring w;
  ASSERT_EQ(S_OK, w.Init());
  w.video->items = 2;
  w.video->selected = 1;
  w.executive->UpdateButtonStates();
  std::vector<int> during;
  int convertValue = -1;
  w.video->duringConvert = [&] {
    w.executive->UpdateButtonStates();  // as the batch's events do
    during = States(w);
    convertValue = static_cast<int>(w.executive->GetControlValue("Convert"));
  };
  EXPECT_EQ(S_OK, w.Run("Convert"));
  EXPECT_EQ((std::vector<int>{0, 0, 0, 1, 0, 0, 0}), during);
  EXPECT_EQ(1, convertValue);
  EXPECT_EQ(0, w.executive->GetControlValue("Convert"));
  EXPECT_EQ((std::vector<int>{1, 1, 1, 1, 1, 0, 1}), States(w)) << "all back after the batch";
}

TEST(ButtonRules, WhileAddingTheTaskListButtonsAreOff) {
  fakes::Wiring w;
  ASSERT_EQ(S_OK, w.Init());
  vrctest::TempDir dir;
  std::string file = dir.File("clip.avi");
  vrctest::WriteFile(file, "x");
  w.video->items = 2;
  w.video->selected = 1;
  w.executive->UpdateButtonStates();
  // Adding pumps messages: the buttons are off before the first file goes in.
  std::vector<int> during;
  w.video->duringAddFile = [&] { during = States(w); };
  // A drop of one real file.
  std::vector<std::string> files = {file};
  size_t size = sizeof(DROPFILES) + file.size() + 2;
  HGLOBAL memory = GlobalAlloc(GHND, size);
  DROPFILES* drop = static_cast<DROPFILES*>(GlobalLock(memory));
  drop->pFiles = sizeof(DROPFILES);
  memcpy(reinterpret_cast<char*>(drop) + sizeof(DROPFILES), file.c_str(), file.size());
  GlobalUnlock(memory);
  EXPECT_EQ(S_OK, w.Run("DropFiles", 0, 1, reinterpret_cast<INT_PTR>(memory)));
  EXPECT_EQ((std::vector<int>{0, 0, 0, 0, 0, 0, 0}), during);
}

bool g_keys[256];
bool KeyDown(int key) { return g_keys[key & 0xFF]; }

TEST(HotKeys, AltF4RunsPowerOffOtherCombinationsFindNothing) {
  fakes::Wiring w;
  ASSERT_EQ(S_OK, w.Init());
  CCommandExecutive::SetKeyStateSeam(KeyDown);
  struct {
    int modifier;  // 0: none
    HRESULT result;
  } cases[] = {{VK_MENU, S_OK}, {VK_CONTROL, E_FAIL}, {VK_SHIFT, E_FAIL}, {0, E_FAIL}};
  for (const auto& c : cases) {
    memset(g_keys, 0, sizeof(g_keys));
    if (c.modifier) g_keys[c.modifier] = true;
    MSG msg;
    while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE)) {
    }
    EXPECT_EQ(c.result, w.executive->ExecuteHotKeyCommand(VK_F4)) << c.modifier;
    EXPECT_EQ(c.result == S_OK, PeekMessageA(&msg, NULL, WM_QUIT, WM_QUIT, PM_REMOVE) != FALSE);
  }
  memset(g_keys, 0, sizeof(g_keys));
  EXPECT_EQ(E_FAIL, w.executive->ExecuteHotKeyCommand('A'));
  CCommandExecutive::SetKeyStateSeam(NULL);
}

TEST(HotKeys, AWindowWhoseTitleHoldsUrlTakesTheKey) {
  fakes::Wiring w;
  ASSERT_EQ(S_OK, w.Init());
  HWND window = CreateWindowExA(0, "STATIC", "Open URL", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 100,
                                100, NULL, NULL, NULL, NULL);
  ASSERT_NE(nullptr, window);
  // The active window is kept per thread: one of this thread's own windows
  // can be made active whatever else runs on the display.
  SetActiveWindow(window);
  ASSERT_EQ(window, GetActiveWindow());
  CCommandExecutive::SetKeyStateSeam(KeyDown);
  memset(g_keys, 0, sizeof(g_keys));
  g_keys[VK_MENU] = true;
  EXPECT_EQ(1, w.executive->ExecuteHotKeyCommand(VK_F4));
  MSG msg;
  EXPECT_FALSE(PeekMessageA(&msg, NULL, WM_QUIT, WM_QUIT, PM_REMOVE));
  DestroyWindow(window);
  CCommandExecutive::SetKeyStateSeam(NULL);
}

}  // namespace
