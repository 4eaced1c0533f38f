// The runner's batch: which tasks run, what each reports, and how the batch
// ends, with the conversion methods replaced by scripted results.
#include <gtest/gtest.h>

#include <algorithm>

#include "include/VarnoModuleEvents.h"
#include "modules/framework/model/TaskList.h"
#include "tests/modules/framework/runner/RunnerFixture.h"
#include "tests/support/TestSupport.h"

namespace {

// A runner whose tasks end with scripted results; a task may stop the batch
// as the user's "Convert" press would, with or without the power-off.
class ScriptedRunner : public CVideoConvertRunner {
 public:
  std::vector<int> results;
  int stopDuring = -1;  // the task during which a stop is asked for
  int stopPowerOff = 0;
  std::vector<int> converted;
  std::vector<std::string> namesWhenConverted;
  std::vector<std::string> laterStatesWhenConverted;  // of the tasks after it
  int ConvertTask(int index, IConvertProgress* progress, IConvertEngine**) override {
    converted.push_back(index);
    std::string later;
    for (int i = index + 1; i < m_pTaskList->GetCount(); ++i)
      later += m_pTaskList->GetTask(i)->stateText + ";";
    laterStatesWhenConverted.push_back(later);
    namesWhenConverted.push_back(m_pTaskList->GetTask(index)->outputPath);
    progress->Progress(0, 50, NULL);
    if (index == stopDuring) ConfirmAbort(stopPowerOff);
    return index < static_cast<int>(results.size()) ? results[index] : kResultFailed;
  }
};

struct BatchCase {
  const char* name;
  std::vector<int> results;
  int stopDuring, stopPowerOff, exitWindows;
  std::vector<int> converted;
  std::vector<std::string> boxes;
  std::vector<std::string> events;  // module events other than progress
  std::vector<std::string> states;
};

void PrintTo(const BatchCase& c, std::ostream* os) { *os << c.name; }

class BatchTest : public ::testing::TestWithParam<BatchCase> {};

TEST_P(BatchTest, EndsAsTheResultsSay) {
  const BatchCase& c = GetParam();
  RunnerFixture f;
  for (const char* name : {"a.avi", "b.avi", "c.avi"}) ASSERT_TRUE(f.AddTask(name));
  f.model.config.Set("ExitWindowsEx", c.exitWindows);
  ScriptedRunner runner;
  f.Wire(&runner);
  runner.results = c.results;
  runner.stopDuring = c.stopDuring;
  runner.stopPowerOff = c.stopPowerOff;
  runner.Run();
  EXPECT_EQ(c.converted, runner.converted);
  EXPECT_EQ(c.boxes, BoxRecorder::boxes);
  EXPECT_EQ(c.events, f.events.Outcome());
  std::vector<std::string> states;
  for (int i = 0; i < 3; ++i) states.push_back(f.model.list.GetTask(i)->stateText);
  EXPECT_EQ(c.states, states);
  EXPECT_FALSE(runner.IsRunning()) << "the batch ends idle";
}

const char kFinished[] = "Varno Reel Craft V2.0|Convert finished!";
const char kAborted[] = "Varno Reel Craft V2.0|User Aborted!";
const char kConfirm[] = "Varno Reel Craft V2.0|Are you sure that conversion abort?";

INSTANTIATE_TEST_SUITE_P(
    Matrix, BatchTest,
    ::testing::Values(
        BatchCase{"AllFail", {0, 0, 3}, -1, 0, 0, {0, 1, 2}, {kFinished}, {},
                  {"Convert Failed", "Convert Failed", "Convert Failed"}},
        BatchCase{"SomeSucceed", {0, 1, 4}, -1, 0, 0, {0, 1, 2}, {kFinished}, {"1(1,1,1)"},
                  {"Convert Failed", "Convert Successful", "Convert Successful, No Audio"}},
        BatchCase{"StopConfirmed", {1, 1, 1}, 1, 0, 1, {0, 1}, {kConfirm, kAborted}, {"2(0,0,0)"},
                  {"Convert Successful", "User Aborted", "Unconvert"}},
        BatchCase{"StopConfirmedWithPowerOff", {1, 1, 1}, 0, 1, 0, {0}, {kConfirm}, {"2(1,0,0)"},
                  {"User Aborted", "Unconvert", "Unconvert"}},
        BatchCase{"SwitchOffAfterTheBatch", {1, 1, 1}, -1, 0, 1, {0, 1, 2}, {}, {"2(1,1,0)"},
                  {"Convert Successful", "Convert Successful", "Convert Successful"}}),
    [](const ::testing::TestParamInfo<BatchCase>& info) { return std::string(info.param.name); });

TEST(Batch, EveryRowWaitsFromTheStartOfANewBatch) {
  RunnerFixture f;
  for (const char* name : {"a.avi", "b.avi", "c.avi"}) ASSERT_TRUE(f.AddTask(name));
  // What an earlier batch left on the rows.
  for (int i = 0; i < 3; ++i) f.model.list.GetTask(i)->stateText = "Convert Failed";
  ScriptedRunner runner;
  f.Wire(&runner);
  runner.results = {1, 1, 1};
  runner.Run();
  EXPECT_EQ((std::vector<std::string>{"Unconvert;Unconvert;", "Unconvert;", ""}),
            runner.laterStatesWhenConverted);
  // The rows show it before the first task starts.
  std::vector<std::string> before(
      f.rows.shown.begin(), std::find(f.rows.shown.begin(), f.rows.shown.end(), "0:Convert..."));
  for (const char* row : {"0:Unconvert", "1:Unconvert", "2:Unconvert"})
    EXPECT_NE(before.end(), std::find(before.begin(), before.end(), row)) << row;
}

// A batch of two whose first source is gone before it starts.
void RunWithTheFirstSourceGone(RunnerFixture& f, ScriptedRunner& runner) {
  ASSERT_TRUE(f.AddTask("a.avi"));
  ASSERT_TRUE(f.AddTask("b.avi"));
  DeleteFileA(f.model.list.GetTask(0)->sourcePath.c_str());
  runner.results = {1, 1};
  f.Wire(&runner);
  runner.Run();
}

// A box of the batch is owned by the main window that holds the list, so
// that the window cannot be used behind it.
TEST(Batch, BoxesAreOwnedByTheMainWindow) {
  HWND main = CreateWindowExA(0, "STATIC", "main", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, NULL, NULL,
                              NULL, NULL);
  HWND list = CreateWindowExA(0, "STATIC", "list", WS_CHILD, 0, 0, 100, 100, main, NULL, NULL, NULL);
  ASSERT_TRUE(main && list);
  {
    RunnerFixture f;
    f.rows.window = list;
    ScriptedRunner runner;
    RunWithTheFirstSourceGone(f, runner);
    ASSERT_EQ(2u, BoxRecorder::owners.size()) << "a missing source and the end of the batch";
    for (HWND owner : BoxRecorder::owners) EXPECT_EQ(main, owner);
  }
  DestroyWindow(main);
}

TEST(Batch, MissingOutputFolderStopsBeforeAnyTask) {
  RunnerFixture f;
  ASSERT_TRUE(f.AddTask("a.avi"));
  f.model.config.SetText("CurrentSavePath", f.model.output.File("gone"));
  ScriptedRunner runner;
  f.Wire(&runner);
  runner.Run();
  EXPECT_TRUE(runner.converted.empty());
  EXPECT_EQ((std::vector<std::string>{"Varno Reel Craft V2.0|Output path doesn't exist!"}),
            BoxRecorder::boxes);
  EXPECT_TRUE(f.events.events.empty());
}

TEST(Batch, MissingSourceIsReportedAndSkipped) {
  RunnerFixture f;
  ScriptedRunner runner;
  RunWithTheFirstSourceGone(f, runner);
  EXPECT_EQ(std::vector<int>{1}, runner.converted);
  ASSERT_EQ(2u, BoxRecorder::boxes.size());
  EXPECT_EQ("Varno Reel Craft V2.0|'" + f.model.list.GetTask(0)->sourcePath +
                "' Source File doesn't exist!",
            BoxRecorder::boxes[0]);
  EXPECT_EQ("Unconvert", f.model.list.GetTask(0)->stateText) << "its state is not changed";
}

TEST(Batch, NotEnoughSpaceAndTheUserDeclines) {
  RunnerFixture f;
  CTaskRecord* task = f.AddTask("a.avi");
  ASSERT_TRUE(task);
  task->mediaTime = "09:59:59";
  task->hasVideo = 1;
  task->videoBitRate = 2000000000;  // no disk has room for this
  BoxRecorder::answer = IDNO;
  ScriptedRunner runner;
  f.Wire(&runner);
  runner.Run();
  EXPECT_TRUE(runner.converted.empty());
  ASSERT_EQ(2u, BoxRecorder::boxes.size());
  EXPECT_EQ("Varno Reel Craft V2.0|Not enough space in output folder, \nplease specify another path!",
            BoxRecorder::boxes[0]);
  EXPECT_EQ(kFinished, BoxRecorder::boxes[1]) << "the batch still ends as usual";
}

TEST(Batch, ProgressTextsCarryTheTaskAndItsPercent) {
  RunnerFixture f;
  ASSERT_TRUE(f.AddTask("a_rather_long_source_name.avi"));
  ScriptedRunner runner;
  runner.results = {1};
  f.Wire(&runner);
  runner.Run();
  // The texts of the progress report made during the task.
  const NotifiedEvent* during = NULL;
  for (const NotifiedEvent& e : f.events.events)
    if (e.code == MEV_PROGRESS_INFO && e.p1 == 50) during = &e;
  ASSERT_TRUE(during);
  EXPECT_EQ(0u, during->text2.find("Information: Convert 'a_rather_long_so....avi' to '"));
  EXPECT_NE(std::string::npos, during->text2.find("---50%"));
  EXPECT_EQ(0u, during->text3.find("Estimated Time:"));
  EXPECT_EQ(MEV_PROGRESS_INFO, f.events.events.back().code);
  EXPECT_EQ(0, f.events.events.back().p1) << "reset at the end";
}

// An output name is checked again when its task starts.
TEST(Batch, AFileThatAppearedUnderTheOutputNameIsNeverOverwritten) {
  RunnerFixture f;
  CTaskRecord* task = f.AddTask("a.avi");
  ASSERT_TRUE(task);
  std::string decided = task->outputPath;
  vrctest::WriteFile(decided, "the user's own file");
  ScriptedRunner runner;
  runner.results = {1};
  f.Wire(&runner);
  runner.Run();
  EXPECT_EQ(std::vector<int>{0}, runner.converted);
  EXPECT_EQ("the user's own file", vrctest::ReadFile(decided));
  EXPECT_NE(decided, runner.namesWhenConverted.at(0)) << "the next free name";
  EXPECT_EQ(f.model.output.File("a_001.AVI"), runner.namesWhenConverted.at(0));
  ASSERT_FALSE(f.rows.shown.empty());
  EXPECT_EQ("0:Unconvert", f.rows.shown[0]) << "the row shows the new name before the task runs";
}

// A folder of `length` characters below `root`.
std::string DeepFolder(const std::string& root, size_t length) {
  std::string folder = root.substr(0, root.size() - 1);
  while (folder.size() < length) {
    folder += "\\" + std::string(std::min<size_t>(40, length - folder.size() - 1), 'd');
    CreateDirectoryA(folder.c_str(), NULL);
  }
  return folder;
}

TEST(Batch, ATaskWithoutAValidOutputNameNeverConverts) {
  // Without a name that fits, a task keeps the first guess beside its
  // source, or the name in a folder chosen before.
  for (bool addedBefore : {false, true}) {
    SCOPED_TRACE(addedBefore ? "named in an earlier folder" : "never named");
    RunnerFixture f;
    std::string deep = DeepFolder(f.model.output.Path(), 230);
    if (!addedBefore) f.model.config.SetText("CurrentSavePath", deep);
    CTaskRecord* task = f.AddTask("a_source_with_a_rather_long_name.avi");
    ASSERT_TRUE(task);
    if (addedBefore) f.model.config.SetText("CurrentSavePath", deep);
    ScriptedRunner runner;
    runner.results = {1};
    f.Wire(&runner);
    runner.Run();
    EXPECT_TRUE(runner.converted.empty());
    EXPECT_EQ("Convert Failed, Output Path Too Long", f.model.list.GetTask(0)->stateText);
  }
}

TEST(Batch, StopOutsideABatchIsRefused) {
  RunnerFixture f;
  ScriptedRunner runner;
  f.Wire(&runner);
  EXPECT_EQ(0, runner.ConfirmAbort(0));
  EXPECT_TRUE(BoxRecorder::boxes.empty());
}

}  // namespace
