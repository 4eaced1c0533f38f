// FrameWright.exe started from the program folder with the whole
// installation, as a user starts it: every module library loads, the
// modules and the executive start, the main window comes up, and a close
// of that window ends the program with every module stopped.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "base/Handles.h"
#include "tests/support/TestSupport.h"
#include "ui/MainDialog.h"

namespace {

const DWORD kStartTimeoutMs = 60000;

// The program's log settings beside it for the test's time: every line into
// a file of the test's own.
class LogSettings {
 public:
  explicit LogSettings(const std::string& logFile)
      : m_path(vrctest::ProgramFolder() + "FrameWright.exe.cfg") {
    vrctest::WriteFile(m_path, "[LogSetting]\r\nMask=1\r\nFile=" + logFile +
                                   "\r\nLevel=4\r\nEnableTimeStamp=0\r\n");
  }
  ~LogSettings() { DeleteFileA(m_path.c_str()); }

 private:
  std::string m_path;
};

bool Contains(const std::vector<std::string>& lines, const std::string& line) {
  return std::find(lines.begin(), lines.end(), line) != lines.end();
}

TEST(Installation, EveryModuleStartsAndTheMainWindowComesUp) {
  vrctest::TempDir dir;
  const std::string logFile = dir.File("fw.log");
  LogSettings settings(logFile);
  const std::string folder = vrctest::ProgramFolder();
  std::string command = "\"" + folder + "FrameWright.exe\"";
  STARTUPINFOA startup = {sizeof(startup)};
  PROCESS_INFORMATION started = {};
  ASSERT_TRUE(CreateProcessA(NULL, &command[0], NULL, NULL, FALSE, 0, NULL, folder.c_str(),
                             &startup, &started));
  CHandle process(started.hProcess), thread(started.hThread);

  // The window is made hidden and shown once its skin is on.
  HWND window = NULL;
  for (DWORD waited = 0; waited < kStartTimeoutMs; waited += 100) {
    if (WaitForSingleObject(process, 100) == WAIT_OBJECT_0) break;  // ended before its window
    window = FindRunningMainWindow();
    if (window && IsWindowVisible(window)) break;
  }
  ASSERT_TRUE(window != NULL) << "no main window; the log says:\n" << vrctest::ReadFile(logFile);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  EXPECT_EQ(started.dwProcessId, owner);
  EXPECT_TRUE(IsWindowVisible(window));

  // The close box of the window: the program ends as for "Power_Off".
  PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
  ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(process, kStartTimeoutMs));
  DWORD exitCode = 1;
  GetExitCodeProcess(process, &exitCode);
  EXPECT_EQ(0u, exitCode);

  std::vector<std::string> log = vrctest::Lines(vrctest::ReadFile(logFile));
  for (const char* module : {"OptionVault.dll", "MovieCast.dll", "TuneCast.dll", "StillCast.dll"})
    EXPECT_TRUE(Contains(log, "Load " + folder + module + "! bRet=1")) << module;
  EXPECT_TRUE(Contains(log, "Load main module! bRet=1"));
  EXPECT_TRUE(Contains(log, "Load command executive module! bRet=1"));
  EXPECT_TRUE(Contains(log, "Varno Application InitInstance! hr=0x0"));
  EXPECT_TRUE(Contains(log, "Varno Reel Craft command InitInstance!"));
  EXPECT_FALSE(Contains(log, "Varno Reel Craft has no main window after start-up!"));
  EXPECT_TRUE(Contains(log, "Varno Application ExitInstance! hr=0x0")) << vrctest::ReadFile(logFile);
  EXPECT_TRUE(Contains(log, "Varno Reel Craft ExitInstance!"));
}

}  // namespace
