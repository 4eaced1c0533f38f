// The in-memory copy of an INI file against the system's own profile reader:
// every row is read both ways and must give the same answer, since the
// format profile and hand-edited skins rely on the system's rules.
#include <gtest/gtest.h>
#include <windows.h>

#include <string.h>

#include <string>

#include "base/Handles.h"
#include "base/ProfileFile.h"
#include "tests/support/TestSupport.h"

namespace {

struct IntRow {
  const char* name;
  const char* value;  // NULL: no such key
  int fallback;
};

TEST(ProfileFile, IntegersAreThoseOfTheProfileReader) {
  const IntRow rows[] = {
      {"plain", "42", 7},
      {"negative", "-7", 7},
      {"minus zero", "-0", 7},
      {"plus sign", "+5", 7},
      {"hexadecimal", "0x1F", 7},
      {"leading zeros", "007", 7},
      {"spaces around", "  12  ", 7},
      {"digits then letters", "12abc", 7},
      {"letters", "abc", 7},
      {"decimal point", "1.5", 7},
      {"empty", "", 7},
      {"quoted", "\"-3\"", 7},
      {"nine digits", "123456789", 7},
      {"ten digits", "4294967295", 7},
      {"too large", "99999999999", 7},
      {"a lone minus", "-", 7},
      {"missing key", NULL, 7},
      {"missing key, negative default", NULL, -1},
  };
  vrctest::TempDir dir;
  int n = 0;
  for (const IntRow& row : rows) {
    const std::string path = dir.File("int" + std::to_string(n++) + ".ini");
    std::string text = "[S]\nOther=1\n";
    if (row.value) text += std::string("Key=") + row.value + "\n";
    ASSERT_TRUE(vrctest::WriteFile(path, text));
    const int expected = static_cast<int>(GetPrivateProfileIntA("S", "Key", row.fallback, path.c_str()));
    EXPECT_EQ(expected, ProfileInt(*SharedProfileFile(path), "S", "Key", row.fallback)) << row.name;
  }
  const std::string missing = dir.File("none.ini");
  EXPECT_EQ(static_cast<int>(GetPrivateProfileIntA("S", "Key", 5, missing.c_str())),
            ProfileInt(*SharedProfileFile(missing), "S", "Key", 5))
      << "missing file";
}

TEST(ProfileFile, TextsInASmallBufferAreCutAsTheProfileReaderCutsThem) {
  const struct {
    const char* value;
    size_t room;
  } rows[] = {
      {"abcdef", 1}, {"abcdef", 2}, {"abcdef", 6}, {"abcdef", 7}, {"\"abcd\"", 4},
      {"\"abcd\"", 5}, {"\"abcd\"", 6}, {"\"abcd\"", 7}, {"'x'", 2}, {"", 3},
  };
  vrctest::TempDir dir;
  int n = 0;
  for (const auto& row : rows) {
    const std::string path = dir.File("text" + std::to_string(n++) + ".ini");
    ASSERT_TRUE(vrctest::WriteFile(path, std::string("[S]\nKey=") + row.value + "\n"));
    std::string expected(row.room + 1, '\0');
    GetPrivateProfileStringA("S", "Key", "dflt", &expected[0], static_cast<DWORD>(row.room),
                             path.c_str());
    expected.resize(strlen(expected.c_str()));
    EXPECT_EQ(expected, ProfileString(*SharedProfileFile(path), "S", "Key", "dflt", row.room))
        << row.value << " in " << row.room;
  }
}

// The file system dates a write to a step of its clock, so a value changed
// within one step, in a file of the same size, keeps the file's stamp: each
// write here is given the same time of writing, as one step of a coarse
// clock gives it, and the value must still be read as it is now.
TEST(ProfileFile, AValueChangedWithinOneClockStepIsReadAsItIsNow) {
  vrctest::TempDir dir;
  const std::string path = dir.File("profile.ini");
  FILETIME step;
  GetSystemTimeAsFileTime(&step);
  for (int value = 1; value <= 3; ++value) {
    ASSERT_TRUE(vrctest::WriteFile(path, "[S]\nKey=" + std::to_string(value) + "\n"));
    CHandle file(CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ, NULL,
                             OPEN_EXISTING, 0, NULL));
    ASSERT_TRUE(SetFileTime(file, NULL, NULL, &step));
    file.Close();
    EXPECT_EQ(value, ProfileInt(*SharedProfileFile(path), "S", "Key", 0));
    EXPECT_EQ(std::to_string(value), ProfileString(*SharedProfileFile(path), "S", "Key", "", 16));
  }
}

}  // namespace
