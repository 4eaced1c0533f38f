// A disk that fills up while the encoder writes: the task fails and leaves
// nothing behind. The disk is a 4 MB tmpfs that the test's set-up mounts
// beside the test program (reached through Wine's drive of the Unix root);
// without it the test skips. Once the task has passed the batch's space
// check and started, "another program" fills the disk but for a few KB.
#include <gtest/gtest.h>

#include <algorithm>

#include "base/Handles.h"

#include "tests/support/ModuleHarness.h"
#include "winfx/Seams.h"

namespace {

int WINAPI AnswerOk(HWND, const char*, const char*, UINT) { return IDOK; }

std::string SmallDisk() { return vrctest::TestFolder() + "small_disk\\"; }

// A disk this small is the test's own tmpfs, not the build's file system.
bool SmallDiskMounted(std::string* why) {
  ULARGE_INTEGER available = {}, total = {};
  if (!GetDiskFreeSpaceExA(SmallDisk().c_str(), &available, &total, NULL)) {
    *why = "no folder " + SmallDisk();
  } else if (total.QuadPart > 8 * 1024 * 1024) {
    *why = SmallDisk() + " is no small disk (" + std::to_string(total.QuadPart) + " bytes)";
  } else {
    return true;
  }
  *why += ": mounting its 4 MB tmpfs needs root, so the full-disk case is not checked here";
  return false;
}

// Takes all but kLeftBytes of the disk with a file of real bytes (a sparse
// file would take nothing).
const ULONGLONG kLeftBytes = 16 * 1024;
bool FillDisk(const std::string& path) {
  ULARGE_INTEGER available = {};
  if (!GetDiskFreeSpaceExA(SmallDisk().c_str(), &available, NULL, NULL)) return false;
  if (available.QuadPart <= kLeftBytes) return true;
  CHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL));
  if (!file.IsValid()) return false;
  std::vector<char> block(64 * 1024, 'f');
  ULONGLONG left = available.QuadPart - kLeftBytes;
  while (left > 0) {
    DWORD chunk = static_cast<DWORD>(std::min<ULONGLONG>(left, block.size()));
    DWORD written = 0;
    if (!WriteFile(file, block.data(), chunk, &written, NULL) || written != chunk) return false;
    left -= chunk;
  }
  return true;
}

// Fills the disk once the task has started; the test checks that it did.
ModuleHarness* g_harness = NULL;
int g_filled = 0;  // 0: not yet, 1: filled, -1: could not fill
void CALLBACK FillOnceStarted(HWND, UINT, UINT_PTR id, DWORD) {
  if (g_harness->Task(0)->stateText != "Convert...") return;
  KillTimer(NULL, id);
  g_filled = FillDisk(SmallDisk() + "other program.bin") ? 1 : -1;
}

struct FullDiskCase {
  const char* name;
  const char* source;
  int outputType;
};

void PrintTo(const FullDiskCase& c, std::ostream* os) { *os << c.name; }

class FullDisk : public ::testing::TestWithParam<FullDiskCase> {};

TEST_P(FullDisk, TheTaskFailsAndItsPartialOutputIsDeleted) {
  std::string why;
  if (!SmallDiskMounted(&why)) GTEST_SKIP() << why;
  for (const std::string& name : vrctest::FilesIn(SmallDisk())) DeleteFileA((SmallDisk() + name).c_str());
  VrcSetMessageBoxSeam(AnswerOk);
  ModuleHarness harness;
  ASSERT_TRUE(harness.Start());
  harness.configModule.config.SetText("CurrentSavePath", SmallDisk());
  ASSERT_EQ(1, harness.module->AddFile(Media(GetParam().source).c_str()));
  harness.UseOutputType(GetParam().outputType);
  std::string output = harness.Task(0)->outputPath;
  ASSERT_EQ(0u, output.find(SmallDisk())) << output;
  g_harness = &harness;
  g_filled = 0;
  UINT_PTR timer = SetTimer(NULL, 0, 10, FillOnceStarted);
  EXPECT_NE(1, harness.module->Convert());
  KillTimer(NULL, timer);
  ASSERT_EQ(1, g_filled) << "the disk was filled while the task ran";
  EXPECT_EQ("Convert Failed", harness.Task(0)->stateText);
  EXPECT_FALSE(vrctest::FileExists(output)) << "the truncated file is deleted";
  EXPECT_EQ((std::vector<std::string>{"other program.bin"}), vrctest::FilesIn(SmallDisk()))
      << "nothing of the task's is left on the full disk";
  harness.Stop();
  VrcSetMessageBoxSeam(NULL);
}

// Both outputs are far larger than what is left: two minutes of MP3, three
// seconds of MPEG-4 video with MP3 sound in an AVI file.
INSTANTIATE_TEST_SUITE_P(Outputs, FullDisk,
                         ::testing::Values(FullDiskCase{"Mp3", "long.mp4", 9},
                                           FullDiskCase{"Mpeg4InAvi", "clip.mp4", 1}));

}  // namespace
