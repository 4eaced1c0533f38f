// The log library: what its settings file makes of the messages, as a table;
// the hex layout; several log objects writing one file.
#include <gtest/gtest.h>

#include <regex>

#include "log/Log.h"
#include "tests/support/TestSupport.h"

using vrctest::TempDir;

namespace {

// A module of the test's own in the test's folder: its settings file is the
// module's path with ".cfg" appended, as for every deliverable.
class TestModule {
 public:
  TestModule(const TempDir& dir, const std::string& settings) : m_path(dir.File("mod.dll")) {
    CopyFileA((vrctest::ProgramFolder() + "SkinScrollBar.dll").c_str(), m_path.c_str(), FALSE);
    if (!settings.empty()) {
      std::string text = settings;
      size_t at = text.find("%FOLDER%");
      if (at != std::string::npos) text.replace(at, 8, dir.Path());
      vrctest::WriteFile(m_path + ".cfg", "[LogSetting]\r\n" + text);
    }
    m_hModule = LoadLibraryA(m_path.c_str());
  }
  ~TestModule() { FreeLibrary(m_hModule); }
  HINSTANCE Handle() const { return m_hModule; }

 private:
  std::string m_path;
  HMODULE m_hModule;
};

struct Message {
  unsigned level;
  const char* text;
};

struct SettingsCase {
  const char* name;
  const char* settings;  // after "[LogSetting]\r\n"
  const char* logFile;   // where the file must appear, relative to the folder
  HRESULT initialized;
  std::vector<Message> messages;
  const char* expected;  // file content with every tick stamp replaced by "T:"
};

void PrintTo(const SettingsCase& c, std::ostream* os) { *os << c.name; }

std::string WithoutStamps(const std::string& text) {
  return std::regex_replace(text, std::regex("[0-9]{8}:\r\n"), "T:");
}

class LogSettingsTest : public ::testing::TestWithParam<SettingsCase> {};

TEST_P(LogSettingsTest, WritesWhatTheSettingsSay) {
  const SettingsCase& c = GetParam();
  TempDir dir;
  TestModule module(dir, c.settings);
  ASSERT_TRUE(module.Handle());
  CLog log;
  ASSERT_EQ(c.initialized, log.Initialize(module.Handle()));
  for (const Message& m : c.messages) log.Log(m.level, m.text);
  // Each line reaches the file at once, while the object still lives.
  std::string path = dir.File(c.logFile);
  EXPECT_EQ(c.expected, WithoutStamps(vrctest::ReadFile(path)));
}

INSTANTIATE_TEST_SUITE_P(
    Table, LogSettingsTest,
    ::testing::Values(
        SettingsCase{"FileWithoutFolderGoesBesideSettingsStampedLevel0Only", "Mask=1\r\nFile=app.log\r\n",
                     "app.log", S_OK, {{0, "zero\n"}, {1, "one\n"}, {4, "four\n"}}, "T:zero\r\n"},
        SettingsCase{"Level4WritesLevel4NotLevel5",
                     "Mask=1\r\nFile=app.log\r\nLevel=4\r\nEnableTimeStamp=0\r\n", "app.log", S_OK,
                     {{4, "four\n"}, {5, "five\n"}, {0, "zero\n"}}, "four\r\nzero\r\n"},
        SettingsCase{"NoStampsWritesTextsUnchanged", "Mask=1\r\nFile=app.log\r\nEnableTimeStamp=0\r\n",
                     "app.log", S_OK, {{0, "a"}, {0, "b\n"}}, "ab\r\n"},
        SettingsCase{"DriveWithoutFolderCountsAsNoFolder",
                     "Mask=1\r\nFile=C:drive.log\r\nEnableTimeStamp=0\r\n", "drive.log", S_OK,
                     {{0, "x\n"}}, "x\r\n"},
        SettingsCase{"RootOnlyCountsAsNoFolder", "Mask=1\r\nFile=\\root.log\r\nEnableTimeStamp=0\r\n",
                     "root.log", S_OK, {{0, "x\n"}}, "x\r\n"},
        SettingsCase{"FullFolderIsKept", "Mask=1\r\nFile=%FOLDER%deep.log\r\nEnableTimeStamp=0\r\n",
                     "deep.log", S_OK, {{0, "x\n"}}, "x\r\n"},
        SettingsCase{"Mask0AcceptsMessagesAndWritesNothing", "Mask=0\r\nFile=app.log\r\n", "app.log",
                     S_FALSE, {{0, "x\n"}}, ""},
        SettingsCase{"DebuggerOnlyWritesNoFile", "Mask=2\r\nFile=app.log\r\n", "app.log", S_OK,
                     {{0, "x\n"}}, ""}),
    [](const ::testing::TestParamInfo<SettingsCase>& info) { return std::string(info.param.name); });

}  // namespace

namespace {

TEST(LogLibrary, WithoutSettingsFileInitializeFailsAndNothingIsWritten) {
  TempDir dir;
  TestModule module(dir, "");
  CLog log;
  EXPECT_EQ(E_FAIL, log.Initialize(module.Handle()));
  log.Log(0, "x\n");
  int level = -1;
  EXPECT_EQ(S_OK, log.GetLevel(&level));
  EXPECT_EQ(0, level);
  EXPECT_EQ(E_INVALIDARG, log.GetLevel(NULL));
}

TEST(LogLibrary, SizeCapStartsTheFileAgainAndKeepsEveryLineWhole) {
  TempDir dir;
  // MaxLogSize=0 still caps at 1024 bytes.
  TestModule module(dir, "Mask=1\r\nFile=cap.log\r\nMaxLogSize=0\r\nEnableTimeStamp=0\r\n");
  // Two log objects on one file, as two deliverables of one process have.
  CLog first, second;
  ASSERT_EQ(S_OK, first.Initialize(module.Handle()));
  ASSERT_EQ(S_OK, second.Initialize(module.Handle()));
  std::string line(98, 'a');
  for (int i = 0; i < 40; ++i) {
    std::string a = "A" + std::to_string(i % 10) + line.substr(0, 96) + "\n";
    std::string b = "B" + std::to_string(i % 10) + line.substr(0, 96) + "\n";
    first.Log(0, a.c_str());
    second.Log(0, b.c_str());
    std::string content = vrctest::ReadFile(dir.File("cap.log"));
    ASSERT_LE(content.size(), 1024u + 2 * 100u) << "at most the cap and one message of each";
    for (const std::string& written : vrctest::Lines(content))
      ASSERT_EQ(98u, written.size()) << "a line was overwritten: " << written;
  }
}

TEST(LogLibrary, FullFileIsKeptAsOneOldCopyBeforeStartingAgain) {
  TempDir dir;
  TestModule module(dir, "Mask=1\r\nFile=cap.log\r\nMaxLogSize=0\r\nEnableTimeStamp=0\r\n");
  CLog log;
  ASSERT_EQ(S_OK, log.Initialize(module.Handle()));
  std::string filler(97, 'x');
  // Eleven lines of 100 bytes pass the 1024-byte cap: the twelfth starts again.
  for (int i = 0; i < 12; ++i) log.Log(0, ("L" + std::to_string(i % 10) + filler + "\n").c_str());
  std::string kept = vrctest::ReadFile(dir.File("cap.log.old"));
  std::vector<std::string> keptLines = vrctest::Lines(kept);
  ASSERT_EQ(11u, keptLines.size()) << "the full file, not emptied";
  EXPECT_EQ("L0", keptLines.front().substr(0, 2)) << "from its first line";
  std::vector<std::string> now = vrctest::Lines(vrctest::ReadFile(dir.File("cap.log")));
  ASSERT_EQ(1u, now.size());
  EXPECT_EQ("L1", now.front().substr(0, 2));

  // The next start again replaces the one older copy.
  for (int i = 0; i < 11; ++i) log.Log(0, ("M" + std::to_string(i % 10) + filler + "\n").c_str());
  keptLines = vrctest::Lines(vrctest::ReadFile(dir.File("cap.log.old")));
  ASSERT_EQ(11u, keptLines.size());
  EXPECT_EQ("L1", keptLines.front().substr(0, 2));
  EXPECT_EQ("M9", keptLines.back().substr(0, 2));
  EXPECT_FALSE(vrctest::FileExists(dir.File("cap.log.old.old")));
}

TEST(LogLibrary, LogHexLaysOutSixteenBytesPerLineInGroupsOfEight) {
  TempDir dir;
  TestModule module(dir, "Mask=1\r\nFile=hex.log\r\nLevel=3\r\nEnableTimeStamp=0\r\n");
  CLog log;
  ASSERT_EQ(S_OK, log.Initialize(module.Handle()));
  BYTE bytes[17];
  for (int i = 0; i < 17; ++i) bytes[i] = static_cast<BYTE>(i);
  EXPECT_EQ(S_OK, log.LogHex(3, bytes, 8));
  EXPECT_EQ(S_OK, log.LogHex(3, bytes, 17));
  EXPECT_EQ(E_NOTIMPL, log.LogHex(4, bytes, 17)) << "above the configured level";
  EXPECT_EQ(E_INVALIDARG, log.LogHex(3, NULL, 4));
  EXPECT_EQ(E_INVALIDARG, log.LogHex(3, bytes, 0));
  std::string expected =
      " 00 01 02 03 04 05 06 07 \r\n"
      " 00 01 02 03 04 05 06 07  08 09 0A 0B 0C 0D 0E 0F \r\n"
      " 10 \r\n";
  EXPECT_EQ(expected, vrctest::ReadFile(dir.File("hex.log")));
}

TEST(LogLibrary, LogHexOfManyFullLinesFitsItsBuffer) {
  TempDir dir;
  TestModule module(dir, "Mask=1\r\nFile=hex.log\r\nEnableTimeStamp=0\r\n");
  CLog log;
  ASSERT_EQ(S_OK, log.Initialize(module.Handle()));
  std::vector<BYTE> bytes(16 * 64, 0xAB);
  EXPECT_EQ(S_OK, log.LogHex(0, bytes.data(), static_cast<unsigned>(bytes.size())));
  std::vector<std::string> lines = vrctest::Lines(vrctest::ReadFile(dir.File("hex.log")));
  ASSERT_EQ(64u, lines.size());
  EXPECT_EQ(" AB AB AB AB AB AB AB AB  AB AB AB AB AB AB AB AB ", lines[63]);
}

TEST(LogLibrary, ExportedFactoryMakesResetObjects) {
  HMODULE library = LoadLibraryA((vrctest::ProgramFolder() + "chronicle.dll").c_str());
  ASSERT_TRUE(library);
  auto create = reinterpret_cast<PFN_CreateLogInterface>(GetProcAddress(library, "CreateLogInterface"));
  ASSERT_TRUE(create) << "exported by its plain name";
  EXPECT_EQ(E_INVALIDARG, create(NULL));
  ILog* log = NULL;
  ASSERT_EQ(S_OK, create(&log));
  int level = -1;
  EXPECT_EQ(S_OK, log->GetLevel(&level));
  EXPECT_EQ(0, level);
  EXPECT_EQ(S_OK, log->SetLevel(3));
  EXPECT_EQ(S_OK, log->GetLevel(&level));
  EXPECT_EQ(3, level);
  EXPECT_EQ(E_NOTIMPL, log->Unused1(0, 0));
  log->Release();
  FreeLibrary(library);
}

}  // namespace
