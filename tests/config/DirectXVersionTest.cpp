// The DirectX probe reads the marker files of a system folder.
#include <gtest/gtest.h>

#include "config/DirectXVersion.h"
#include "tests/support/TestSupport.h"

TEST(DirectXVersion, FolderWithoutMarkersGivesNone) {
  vrctest::TempDir empty;
  EXPECT_EQ(0, ProbeDirectXVersionIn(empty.Path().c_str()).major);
  EXPECT_EQ(0, ProbeDirectXVersionIn("").major);
}

TEST(DirectXVersion, FilesWithoutVersionResourceCountAsAbsent) {
  vrctest::TempDir folder;
  vrctest::WriteFile(folder.File("ddraw.dll"), "not a library");
  EXPECT_EQ(0, ProbeDirectXVersionIn(folder.Path().c_str()).major);
  vrctest::WriteFile(folder.File("d3d9.dll"), "present");
  DirectXVersion version = ProbeDirectXVersionIn(folder.Path().c_str());
  EXPECT_EQ(9, version.major);
  EXPECT_STREQ("9.0", version.text);
}

TEST(DirectXVersion, ThisSystemPassesTheStartUpCheck) {
  DirectXVersion version = ProbeDirectXVersion();
  printf("DirectX found: %s\n", version.text);
  EXPECT_GE(version.major, 8);
}
