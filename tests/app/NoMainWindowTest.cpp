// FrameWright.exe with the whole installation whose main window cannot be
// made: every module starts, the main UI module is left without a window,
// and the program must end by itself (logging why) instead of waiting in
// its message loop for ever with the single-instance mutex held.
#include <gtest/gtest.h>

#include <string.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/support/TestSupport.h"

namespace {

const DWORD kRunTimeoutMs = 60000;  // a program that waits for ever is ended here

bool Contains(const std::vector<std::string>& lines, const std::string& line) {
  return std::find(lines.begin(), lines.end(), line) != lines.end();
}

// Makes the main window's dialog template a child window's: with no parent
// the system refuses to create it, as it refuses any window it cannot make.
// The template is found by its header and caption in the program file.
bool BreakMainWindowTemplate(const std::string& program) {
  std::string file = vrctest::ReadFile(program);
  const std::wstring caption = L"VarnoReelCraft";
  const std::string pattern(reinterpret_cast<const char*>(caption.c_str()), caption.size() * 2);
  const size_t kHeader = 26, kNoMenuNoClass = 4, kStyle = 12;
  int broken = 0;
  for (size_t at = file.find(pattern); at != std::string::npos; at = file.find(pattern, at + 1)) {
    if (at < kHeader + kNoMenuNoClass) continue;
    char* header = &file[at - kHeader - kNoMenuNoClass];
    WORD version, signature, width, height;
    DWORD style;
    memcpy(&version, header, 2);
    memcpy(&signature, header + 2, 2);
    memcpy(&width, header + 22, 2);
    memcpy(&height, header + 24, 2);
    memcpy(&style, header + kStyle, 4);
    if (version != 1 || signature != 0xFFFF || width != 320 || height != 200) continue;
    style = (style & ~static_cast<DWORD>(WS_POPUP)) | WS_CHILD;
    memcpy(header + kStyle, &style, 4);
    ++broken;
  }
  return broken == 1 && vrctest::WriteFile(program, file);
}

// A copy of FrameWright.exe beside the real one, so that it finds the
// installation, with its log settings; both go with the test.
class WindowlessProgram {
 public:
  WindowlessProgram()
      : m_program(vrctest::ProgramFolder() + "FrameWrightNoWindow.exe"),
        m_settings(m_program + ".cfg") {}
  ~WindowlessProgram() {
    DeleteFileA(m_settings.c_str());
    DeleteFileA(m_program.c_str());
  }
  bool Make() {
    return CopyFileA((vrctest::ProgramFolder() + "FrameWright.exe").c_str(), m_program.c_str(),
                     FALSE) &&
           BreakMainWindowTemplate(m_program);
  }
  // The program's exit code, -2 when it had to be ended; its log lines.
  int Run(const std::string& logFile) {
    vrctest::WriteFile(m_settings, "[LogSetting]\r\nMask=1\r\nFile=" + logFile +
                                       "\r\nLevel=4\r\nEnableTimeStamp=0\r\n");
    return vrctest::RunProcess("\"" + m_program + "\"", vrctest::ProgramFolder(), kRunTimeoutMs);
  }

 private:
  std::string m_program;
  std::string m_settings;
};

TEST(NoMainWindow, TheProgramEndsByItselfAndALaterStartIsNotRefused) {
  WindowlessProgram program;
  ASSERT_TRUE(program.Make()) << "no program file whose main window cannot be made";
  vrctest::TempDir dir;
  for (const char* run : {"first.log", "second.log"}) {
    const std::string logFile = dir.File(run);
    EXPECT_NE(-2, program.Run(logFile)) << run << ": the program did not end by itself";
    const std::string text = vrctest::ReadFile(logFile);
    std::vector<std::string> log = vrctest::Lines(text);
    // Every module started: only the window is missing.
    EXPECT_TRUE(Contains(log, "Varno Application InitInstance! hr=0x0")) << run << "\n" << text;
    EXPECT_TRUE(Contains(log, "Varno Reel Craft has no main window after start-up!")) << run << "\n" << text;
    EXPECT_FALSE(Contains(log, "Varno Reel Craft is running!"))
        << run << ": the start was refused, the mutex was still held";
    EXPECT_TRUE(Contains(log, "Varno Application ExitInstance! hr=0x0")) << run;
    EXPECT_TRUE(Contains(log, "Varno Reel Craft ExitInstance!")) << run;
  }
}

}  // namespace
