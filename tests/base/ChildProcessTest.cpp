// The child process with its output pipe against a scripted child: what
// comes through the pipe, the exit code, the working folder, the empty
// input, and the end of everything the child started when it is ended.
#include <gtest/gtest.h>

#include <stdlib.h>

#include "base/ChildProcess.h"
#include "base/Handles.h"
#include "tests/support/TestSupport.h"

namespace {

std::string FixtureChild() { return vrctest::TestFolder() + "fixture_child.exe"; }

::testing::AssertionResult StartChild(CChildProcess& child, const std::string& arguments,
                                      const char* folder = NULL) {
  if (!child.CreatePipes()) return ::testing::AssertionFailure() << "pipes: " << GetLastError();
  if (!child.Start(FixtureChild().c_str(), "\"" + FixtureChild() + "\" " + arguments, folder))
    return ::testing::AssertionFailure() << "start: " << GetLastError();
  if (!child.CloseChildEnds()) return ::testing::AssertionFailure() << "close: " << GetLastError();
  return ::testing::AssertionSuccess();
}

// Reads until the child has ended and its output is read; or, with
// untilLine, until the first line is complete. The child's end counts as
// the end of the output too, as a writer left behind may keep the pipe open.
std::string ReadOutput(CChildProcess& child, bool untilLine = false) {
  std::string text;
  bool ended = false;
  for (;;) {
    if (untilLine && text.find('\n') != std::string::npos) break;
    DWORD available = 0;
    if (!child.Peek(&available)) break;
    if (available == 0) {
      if (ended) break;
      ended = WaitForSingleObject(child.Process(), 50) == WAIT_OBJECT_0;
      continue;
    }
    char buffer[256];
    DWORD read = 0;
    if (!child.Read(buffer, sizeof(buffer), &read)) break;
    text.append(buffer, read);
  }
  return text;
}

struct ChildCase {
  const char* name;
  std::string arguments;
  bool inFolder;       // started in a temporary folder, which is then the output
  std::string output;
  DWORD exitCode;
};

void PrintTo(const ChildCase& c, std::ostream* os) { *os << c.name; }

class ChildProcessRun : public ::testing::TestWithParam<ChildCase> {};

TEST_P(ChildProcessRun, OutputAndExitCode) {
  const ChildCase& c = GetParam();
  vrctest::TempDir folder;
  std::string folderText = folder.Path().substr(0, folder.Path().size() - 1);
  CChildProcess child;
  ASSERT_TRUE(StartChild(child, c.arguments, c.inFolder ? folderText.c_str() : NULL));
  std::string output = ReadOutput(child);
  if (c.inFolder)  // file names do not tell case apart
    EXPECT_EQ(0, lstrcmpiA(folderText.c_str(), output.c_str())) << output;
  else
    EXPECT_EQ(c.output, output);
  EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(child.Process(), 10000));
  EXPECT_TRUE(child.HasEnded());
  DWORD code = 12345;
  ASSERT_TRUE(child.GetExitCode(&code));
  EXPECT_EQ(c.exitCode, code);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ChildProcessRun,
    ::testing::Values(
        ChildCase{"OutputAndErrorsComeThroughOnePipe", "print one eprint two print three", false,
                  "onetwothree", 0},
        ChildCase{"TheExitCodeIsKept", "print before exit 7 print after", false, "before", 7},
        ChildCase{"TheInputHasNoWriter", "input", false, "input ended", 0},
        ChildCase{"TheGivenFolderIsTheWorkingFolder", "folder", true, "", 0}),
    [](const ::testing::TestParamInfo<ChildCase>& info) { return std::string(info.param.name); });

TEST(ChildProcess, AProgramThatDoesNotStartLeavesTheSystemsReason) {
  vrctest::TempDir empty;
  CChildProcess child;
  ASSERT_TRUE(child.CreatePipes());
  SetLastError(0);
  EXPECT_FALSE(child.Start(empty.File("missing.exe").c_str(), " x", NULL));
  EXPECT_NE(0u, GetLastError());
  EXPECT_FALSE(child.HasEnded());
  DWORD code = 0;
  EXPECT_FALSE(child.GetExitCode(&code));
  child.Terminate(1, 0);  // nothing to end: no effect
}

TEST(ChildProcess, ARunningChildIsEndedWithTheGivenCode) {
  CChildProcess child;
  ASSERT_TRUE(StartChild(child, "hang"));
  EXPECT_FALSE(child.HasEnded());
  DWORD code = 0;
  ASSERT_TRUE(child.GetExitCode(&code));
  EXPECT_EQ(static_cast<DWORD>(STILL_ACTIVE), code);
  child.Terminate(5, 10000);
  EXPECT_TRUE(child.HasEnded());
  ASSERT_TRUE(child.GetExitCode(&code));
  EXPECT_EQ(5u, code);
}

struct TreeCase {
  const char* name;
  const char* arguments;
};

void PrintTo(const TreeCase& c, std::ostream* os) { *os << c.name; }

class ChildProcessTree : public ::testing::TestWithParam<TreeCase> {};

// A child that was stopped between starting a program of its own and
// resuming it left that program behind, suspended for ever.
TEST_P(ChildProcessTree, EndingTheChildEndsWhatItStarted) {
  CChildProcess child;
  ASSERT_TRUE(StartChild(child, GetParam().arguments));
  std::string line = ReadOutput(child, true);
  DWORD id = strtoul(line.c_str(), NULL, 10);
  ASSERT_NE(0u, id) << line;
  CHandle grandchild(OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, id));
  ASSERT_TRUE(grandchild.IsValid());
  EXPECT_TRUE(child.InJob());
  child.Terminate(1, 10000);
  EXPECT_TRUE(child.HasEnded());
  DWORD waited = WaitForSingleObject(grandchild, 10000);
  EXPECT_EQ(WAIT_OBJECT_0, waited) << "the child's own child still runs";
  if (waited != WAIT_OBJECT_0) TerminateProcess(grandchild, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ChildProcessTree,
    ::testing::Values(TreeCase{"ARunningProgram", "start running"},
                      TreeCase{"ASuspendedProgram", "start suspended"}),
    [](const ::testing::TestParamInfo<TreeCase>& info) { return std::string(info.param.name); });

}  // namespace
