// Path wrappers and the free space of a folder.
#include <gtest/gtest.h>

#include <string.h>

#include "base/Paths.h"
#include "tests/support/TestSupport.h"

namespace {

TEST(PathUtilsTest, ExtensionAndFileName) {
  const struct {
    const char *path, *ext, *name;
  } cases[] = {
      {"C:\\v\\clip.avi", ".avi", "clip.avi"},
      {"C:\\v\\my.holiday.MPG", ".MPG", "my.holiday.MPG"},
      {"C:\\v.d\\noext", "", "noext"},
      {"clip", "", "clip"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path);
    EXPECT_STREQ(c.ext, GetFileExt(c.path));
    EXPECT_STREQ(c.name, GetFileNameFromPath(c.path));
  }
  const char* noExt = "C:\\v\\noext";
  EXPECT_EQ(noExt + strlen(noExt), GetFileExt(noExt));  // the end of the string
}

TEST(PathUtilsTest, WidePathsFitOrAreRefused) {
  const struct {
    const char* name;
    size_t length;  // characters of the path, without its terminator
    bool fits;
  } rows[] = {
    {"a short path", 10, true},
    {"the longest that fits with its terminator", MAX_PATH - 1, true},
    {"260 characters", MAX_PATH, false},
    {"far longer", 3 * MAX_PATH, false},
  };
  for (const auto& row : rows) {
    std::string path = "C:\\" + std::string(row.length - 3, 'a');
    wchar_t wide[MAX_PATH + 1];
    wide[MAX_PATH] = L'#';  // must stay untouched
    EXPECT_EQ(row.fits, WidenPath(path.c_str(), wide, MAX_PATH)) << row.name;
    EXPECT_EQ(row.fits ? row.length : 0u, wcslen(wide)) << row.name;
    EXPECT_EQ(L'#', wide[MAX_PATH]) << row.name;
  }
  wchar_t wide[4];
  EXPECT_FALSE(WidenPath(NULL, wide, 4));
}

TEST(DiskUtilsTest, FreeSpaceOfAFolder) {
  vrctest::TempDir dir;
  ULARGE_INTEGER free;
  free.QuadPart = 0;
  EXPECT_TRUE(GetFreeDiskSpace(dir.Path().c_str(), &free));
  EXPECT_GT(free.QuadPart, 0u);
  EXPECT_FALSE(GetFreeDiskSpace(NULL, &free));
  EXPECT_FALSE(GetFreeDiskSpace(dir.Path().c_str(), NULL));
  free.QuadPart = 1;
  EXPECT_FALSE(GetFreeDiskSpace("Q:\\no\\such\\drive", &free));
  EXPECT_EQ(0u, free.QuadPart);
  // A path longer than the buffer is cut, not overrun.
  std::string overlong = dir.Path() + std::string(400, 'x');
  GetFreeDiskSpace(overlong.c_str(), &free);
}

}  // namespace
