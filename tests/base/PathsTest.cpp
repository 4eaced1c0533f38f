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
