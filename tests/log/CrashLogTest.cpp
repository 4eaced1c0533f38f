// Collection of the crash logger's report: the text search (letter case,
// UTF-16 files, the byte limit) and the dated copy beside the module.
#include <gtest/gtest.h>

#include "log/CrashLog.h"
#include "tests/support/TestSupport.h"

using vrctest::TempDir;

namespace {

std::string Utf16File(const std::wstring& text) {
  std::string bytes = "\xFF\xFE";
  for (wchar_t c : text) {
    bytes += static_cast<char>(c & 0xFF);
    bytes += static_cast<char>((c >> 8) & 0xFF);
  }
  return bytes;
}

struct SearchCase {
  const char* name;
  std::string content;
  const char* text;
  int maxBytes;
  BOOL caseSensitive;
  BOOL found;
};

void PrintTo(const SearchCase& c, std::ostream* os) { *os << c.name; }

class FileContainsTest : public ::testing::TestWithParam<SearchCase> {};

// Points the temporary folder at a folder of the test's own for its lifetime.
class TemporaryFolder {
 public:
  explicit TemporaryFolder(const std::string& folder) {
    GetEnvironmentVariableA("TMP", m_old, MAX_PATH);
    SetEnvironmentVariableA("TMP", folder.c_str());
  }
  ~TemporaryFolder() { SetEnvironmentVariableA("TMP", m_old[0] ? m_old : NULL); }

 private:
  char m_old[MAX_PATH] = {0};
};

TEST_P(FileContainsTest, FindsTheText) {
  const SearchCase& c = GetParam();
  TempDir dir, temp;
  TemporaryFolder useTemp(temp.Path());
  // A file of the user's in the current folder under the name that a fixed
  // conversion name would take: it is neither overwritten nor removed.
  SetCurrentDirectoryA(dir.Path().c_str());
  std::string usersFile = dir.File("0C475E84_2EE3_471e_9559_C513CABF71A1.tmp");
  vrctest::WriteFile(usersFile, "the user's own");
  std::string path = dir.File("crash.log");
  vrctest::WriteFile(path, c.content);
  EXPECT_EQ(c.found, FileContains(path.c_str(), c.text, c.maxBytes, c.caseSensitive));
  EXPECT_EQ("the user's own", vrctest::ReadFile(usersFile));
  EXPECT_EQ(2u, vrctest::FilesIn(dir.Path()).size()) << "nothing written into the current folder";
  EXPECT_TRUE(vrctest::FilesIn(temp.Path()).empty()) << "the conversion is removed";
  SetCurrentDirectoryA(vrctest::TestFolder().c_str());
}

INSTANTIATE_TEST_SUITE_P(
    Table, FileContainsTest,
    ::testing::Values(
        SearchCase{"OtherLetterCaseIgnoringCase", "App: C:\\PROG\\MOVIECAST.DLL crashed", "c:\\prog\\MovieCast.dll", -1, FALSE, TRUE},
        SearchCase{"OtherLetterCaseCaseSensitive", "App: C:\\PROG\\MOVIECAST.DLL crashed", "c:\\prog\\MovieCast.dll", -1, TRUE, FALSE},
        SearchCase{"Utf16File", Utf16File(L"Module C:\\Prog\\TuneCast.dll faulted"), "c:\\prog\\tunecast.dll", -1, FALSE, TRUE},
        SearchCase{"Utf16FileWithoutTheText", Utf16File(L"Module C:\\Prog\\Other.dll faulted"), "tunecast.dll", -1, FALSE, FALSE},
        SearchCase{"BeyondTheByteLimit", std::string(100, '.') + "needle", "needle", 50, FALSE, FALSE},
        SearchCase{"WithinTheByteLimit", "needle" + std::string(100, '.'), "needle", 50, FALSE, TRUE},
        SearchCase{"EmptyFile", "", "x", -1, FALSE, FALSE}));

TEST(FileContains, MissingFileContainsNothing) {
  TempDir dir;
  EXPECT_FALSE(FileContains(dir.File("none.log").c_str(), "x", -1, FALSE));
}

// Points the crash logger's log folder at a folder of the test's own.
class CrashLoggerFolder {
 public:
  explicit CrashLoggerFolder(const std::string& folder) {
    RegCreateKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\DrWatson", 0, NULL, 0, KEY_ALL_ACCESS,
                    NULL, &m_key, NULL);
    RegSetValueExA(m_key, "LogFilePath", 0, REG_SZ, reinterpret_cast<const BYTE*>(folder.c_str()),
                   static_cast<DWORD>(folder.size() + 1));
  }
  ~CrashLoggerFolder() {
    RegDeleteValueA(m_key, "LogFilePath");
    RegCloseKey(m_key);
  }

 private:
  HKEY m_key = NULL;
};

std::string DatedCopyName(const std::string& folder) {
  SYSTEMTIME now;
  GetLocalTime(&now);
  char name[MAX_PATH];
  wsprintfA(name, "%sdrwtsn%d%02d%02d-%d.log", folder.c_str(), now.wYear, now.wMonth, now.wDay, now.wHour);
  return name;
}

TEST(CrashLog, ALogThatNamesTheModuleIsCopiedBesideItAndRemoved) {
  TempDir logs, program;
  CrashLoggerFolder logger(logs.Path());
  std::string crashLog = logs.File("drwtsn32.log");
  std::string module = program.File("MovieCast.dll");
  std::string upper = module;
  CharUpperBuffA(&upper[0], static_cast<DWORD>(upper.size()));
  vrctest::WriteFile(crashLog, "Application exception in " + upper + "\r\n");

  char path[MAX_PATH];
  ASSERT_TRUE(GetCrashLogPath(path, MAX_PATH));
  EXPECT_STREQ(crashLog.c_str(), path);

  std::string before = DatedCopyName(program.Path());
  CollectCrashLog(module.c_str(), 0, "");
  std::string after = DatedCopyName(program.Path());
  EXPECT_TRUE(vrctest::FileExists(before) || vrctest::FileExists(after));
  EXPECT_FALSE(vrctest::FileExists(crashLog)) << "collected once";
}

TEST(CrashLog, ACopyThatFailsLeavesTheCrashLog) {
  TempDir logs, program;
  CrashLoggerFolder logger(logs.Path());
  std::string crashLog = logs.File("drwtsn32.log");
  // The module's folder is gone: the copy beside it cannot be made.
  std::string module = program.File("gone\\MovieCast.dll");
  vrctest::WriteFile(crashLog, "Application exception in " + module + "\r\n");
  CollectCrashLog(module.c_str(), 0, "");
  EXPECT_TRUE(vrctest::FileExists(crashLog)) << "the only copy of the report stays";
  EXPECT_TRUE(vrctest::FilesIn(program.Path()).empty());
}

TEST(CrashLog, ASecondCrashInTheSameHourKeepsTheFirstCopy) {
  TempDir logs, program;
  CrashLoggerFolder logger(logs.Path());
  std::string crashLog = logs.File("drwtsn32.log");
  std::string module = program.File("MovieCast.dll");
  std::string report = "Application exception in " + module + "\r\nsecond crash\r\n";
  vrctest::WriteFile(crashLog, report);
  std::string earlier = DatedCopyName(program.Path());
  vrctest::WriteFile(earlier, "first crash");
  CollectCrashLog(module.c_str(), 0, "");
  EXPECT_EQ("first crash", vrctest::ReadFile(earlier));
  EXPECT_FALSE(vrctest::FileExists(crashLog));
  std::vector<std::string> names = vrctest::FilesIn(program.Path());
  ASSERT_EQ(2u, names.size());
  std::string copy = program.File(names[0] == earlier.substr(program.Path().size()) ? names[1] : names[0]);
  EXPECT_EQ(report, vrctest::ReadFile(copy));
}

TEST(CrashLog, ALogOfAnotherModuleStays) {
  TempDir logs, program;
  CrashLoggerFolder logger(logs.Path());
  std::string crashLog = logs.File("drwtsn32.log");
  vrctest::WriteFile(crashLog, "Application exception in C:\\elsewhere\\other.dll\r\n");
  CollectCrashLog(program.File("MovieCast.dll").c_str(), 1, "someone");
  EXPECT_TRUE(vrctest::FileExists(crashLog));
  EXPECT_FALSE(vrctest::FileExists(DatedCopyName(program.Path())));
}

}  // namespace
