// The log client that every deliverable carries: start and end lines, the
// level filter, the line limit and restarts.
#include <gtest/gtest.h>

#include <regex>

#include "base/LogClient.h"
#include "tests/support/TestSupport.h"

using vrctest::TempDir;

namespace {

// A module of the test's own with a log settings file that writes every
// level, without tick stamps, to client.log beside it.
class ClientFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    SetDllDirectoryA(vrctest::ProgramFolder().c_str());  // where chronicle.dll is
    m_module = m_dir.File("mod.dll");
    CopyFileA((vrctest::ProgramFolder() + "SkinScrollBar.dll").c_str(), m_module.c_str(), FALSE);
    m_hModule = LoadLibraryA(m_module.c_str());
    ASSERT_TRUE(m_hModule);
  }
  void TearDown() override {
    LogRelease();
    FreeLibrary(m_hModule);
  }
  void WriteSettings(int level) {
    vrctest::WriteFile(m_module + ".cfg", "[LogSetting]\r\nMask=1\r\nFile=client.log\r\nLevel=" +
                                              std::to_string(level) + "\r\nEnableTimeStamp=0\r\n");
  }
  std::vector<std::string> Lines() { return vrctest::Lines(vrctest::ReadFile(m_dir.File("client.log"))); }

  TempDir m_dir;
  std::string m_module;
  HMODULE m_hModule = NULL;
};

const std::regex kStartLine("0x[0-9A-Fa-f]+ start at [0-9]{4}-[0-9]{1,2}-[0-9]{1,2} [0-9]{2}:[0-9]{2}:[0-9]{2}\\.[0-9]{1,3}");
const std::regex kEndLine("End at [0-9]{4}-[0-9]{1,2}-[0-9]{1,2} [0-9]{2}:[0-9]{2}:[0-9]{2}\\.[0-9]{1,3}");

TEST_F(ClientFixture, StartLevelFilterAndEnd) {
  WriteSettings(3);
  ASSERT_TRUE(LogInitialize(m_hModule));
  EXPECT_TRUE(GetLogInterface());
  EXPECT_TRUE(LogPrint(3, "info %d\n", 3));
  EXPECT_FALSE(LogPrint(4, "trace %d\n", 4)) << "above the configured level";
  LogRelease();
  EXPECT_FALSE(LogPrint(0, "after the end\n")) << "lines after the end are dropped";
  std::vector<std::string> lines = Lines();
  ASSERT_EQ(3u, lines.size());
  EXPECT_TRUE(std::regex_match(lines[0], kStartLine)) << lines[0];
  char handle[32];
  wsprintfA(handle, "0x%p ", m_hModule);
  EXPECT_EQ(0u, lines[0].find(handle)) << "the line names the module handle";
  EXPECT_EQ("info 3", lines[1]);
  EXPECT_TRUE(std::regex_match(lines[2], kEndLine)) << lines[2];
  EXPECT_FALSE(GetLogInterface()) << "the log object is gone after the end";
}

TEST_F(ClientFixture, LongLinesAreCutAt1023Characters) {
  WriteSettings(0);
  ASSERT_TRUE(LogInitialize(m_hModule));
  std::string text(2000, 'x');
  EXPECT_TRUE(LogPrint(0, "%s", text.c_str()));
  LogRelease();
  std::string content = vrctest::ReadFile(m_dir.File("client.log"));
  EXPECT_NE(std::string::npos, content.find(std::string(1023, 'x') + "End at "));
  EXPECT_EQ(std::string::npos, content.find(std::string(1024, 'x')));
}

HANDLE WINAPI NoMutex(LPSECURITY_ATTRIBUTES, BOOL, const char*) {
  SetLastError(ERROR_NOT_ENOUGH_MEMORY);
  return NULL;
}

TEST_F(ClientFixture, StartFailsCleanlyWithoutItsMutex) {
  WriteSettings(3);
  LogSetCreateMutexSeam(NoMutex);
  BOOL started = LogInitialize(m_hModule);
  LogSetCreateMutexSeam(NULL);
  EXPECT_FALSE(started) << "a start that can write no line is a failure";
  EXPECT_FALSE(GetLogInterface()) << "the log object is given back";
  EXPECT_FALSE(LogPrint(0, "dropped\n"));
  LogRelease();
  EXPECT_TRUE(Lines().empty()) << "neither a start line nor an end line";

  ASSERT_TRUE(LogInitialize(m_hModule)) << "a later start with a mutex works";
  EXPECT_TRUE(LogPrint(3, "after %d\n", 1));
}

TEST_F(ClientFixture, SecondStartEndsTheFirstRun) {
  WriteSettings(0);
  ASSERT_TRUE(LogInitialize(m_hModule));
  ASSERT_TRUE(LogInitialize(m_hModule));
  LogRelease();
  std::vector<std::string> lines = Lines();
  ASSERT_EQ(4u, lines.size());
  EXPECT_TRUE(std::regex_match(lines[0], kStartLine));
  EXPECT_TRUE(std::regex_match(lines[1], kEndLine));
  EXPECT_TRUE(std::regex_match(lines[2], kStartLine));
  EXPECT_TRUE(std::regex_match(lines[3], kEndLine));
}

TEST_F(ClientFixture, WithoutSettingsFileNothingIsLogged) {
  EXPECT_FALSE(LogInitialize(m_hModule));
  EXPECT_FALSE(LogPrint(0, "nothing\n"));
  LogRelease();  // does nothing, and must not fail
  EXPECT_FALSE(vrctest::FileExists(m_dir.File("client.log")));
}

}  // namespace
