// FrameWright.exe started as its own process from a folder of the test's
// own: which modules it finds there, the order it starts and stops them in,
// and the single-instance guard.
#include <gtest/gtest.h>

#include <algorithm>

#include "base/Handles.h"
#include "tests/app/FixtureLog.h"
#include "tests/support/FakeConfig.h"
#include "tests/support/FakeTranslator.h"
#include "tests/support/TestSupport.h"
#include "ui/MainDialog.h"

using vrctest::TempDir;

namespace {

const char kMutexName[] = "{8E7970B6-9544-4946-9251-DD0A604FCA8D}";
const DWORD kTimeoutMs = 60000;

// A program folder with FrameWright.exe, the log library, the scroll-bar
// library and a log settings file that writes everything to fw.log.
class ProgramDir {
 public:
  ProgramDir() {
    for (const char* file : {"FrameWright.exe", "chronicle.dll", "SkinScrollBar.dll"})
      EXPECT_TRUE(vrctest::CopyInto(vrctest::ProgramFolder() + file, m_dir.Path())) << file;
    vrctest::WriteFile(m_dir.File("FrameWright.exe.cfg"),
                       "[LogSetting]\r\nMask=1\r\nFile=fw.log\r\nLevel=4\r\nEnableTimeStamp=0\r\n");
  }
  // A fixture module library under a module's file name.
  void AddModule(const char* fixture, const char* name) {
    CopyFileA((vrctest::TestFolder() + fixture).c_str(), m_dir.File(name).c_str(), FALSE);
  }
  int Run() { return vrctest::RunProcess("\"" + m_dir.File("FrameWright.exe") + "\"", m_dir.Path(), kTimeoutMs); }
  std::vector<std::string> Log() const { return vrctest::Lines(vrctest::ReadFile(m_dir.File("fw.log"))); }
  const TempDir& Dir() const { return m_dir; }

 private:
  TempDir m_dir;
};

bool Contains(const std::vector<std::string>& lines, const std::string& line) {
  return std::find(lines.begin(), lines.end(), line) != lines.end();
}

bool AnyStartsWith(const std::vector<std::string>& lines, const std::string& prefix) {
  return std::any_of(lines.begin(), lines.end(),
                     [&](const std::string& l) { return l.compare(0, prefix.size(), prefix) == 0; });
}

// The log lines from the first "Load" line on, without the start and end
// stamps (they hold the time).
std::vector<std::string> Spine(const std::vector<std::string>& lines) {
  std::vector<std::string> spine;
  for (const std::string& line : lines)
    if (line.find(" start at ") == std::string::npos && line.compare(0, 7, "End at ") != 0)
      spine.push_back(line);
  return spine;
}

TEST(FrameWright, WithoutModuleLibrariesEndsQuietlyAfterLoggingEachLoad) {
  ProgramDir program;
  int code = program.Run();
  ASSERT_NE(-2, code) << "the program did not end";
  std::string folder = program.Dir().Path();
  std::vector<std::string> expected = {
      "Varno Reel Craft InitInstance!",
      "Load " + folder + "OptionVault.dll! bRet=0",
      "Load " + folder + "MovieCast.dll! bRet=0",
      "Load " + folder + "TuneCast.dll! bRet=0",
      "Load " + folder + "StillCast.dll! bRet=0",
      "Load main module! bRet=1",
      "Load command executive module! bRet=1",
      "Varno Reel Craft UI InitInstance! hr=0x80004002",
      "Varno Reel Craft command InitInstance!",
      "Query config module IVarnoConfigEx interface! hr=0x80004002",
      "Varno Application InitInstance! hr=0x80004002",
      "Varno Reel Craft command ExitInstance!",
      "Varno Reel Craft UI ExitInstance!",
      "Varno Application ExitInstance! hr=0x0",
      "Varno Reel Craft ExitInstance!"};
  EXPECT_EQ(expected, Spine(program.Log())) << "exit code " << code;
}

TEST(FrameWright, ModulesStartInRegistrationOrderAndStopInReverse) {
  ProgramDir program;
  for (const char* name : {"OptionVault.dll", "MovieCast.dll", "StillCast.dll"})
    program.AddModule("fixture_module.dll", name);
  // TuneCast.dll is missing.
  FixtureLog calls(program.Dir());
  ASSERT_NE(-2, program.Run());

  std::vector<std::string> log = program.Log();
  std::string folder = program.Dir().Path();
  EXPECT_TRUE(Contains(log, "Load " + folder + "OptionVault.dll! bRet=1"));
  EXPECT_TRUE(Contains(log, "Load " + folder + "MovieCast.dll! bRet=1"));
  EXPECT_TRUE(Contains(log, "Load " + folder + "TuneCast.dll! bRet=0"));
  EXPECT_TRUE(Contains(log, "Load " + folder + "StillCast.dll! bRet=1"));
  // The fixture configuration module offers no configuration interface, so
  // the command executive, initialised last, ends the start-up.
  EXPECT_TRUE(Contains(log, "Query config module IVarnoConfigEx interface! hr=0x80004002"));

  std::vector<std::string> lifecycle;
  for (const std::string& line : calls.Lines())
    if (line.find("InitInstance") != std::string::npos || line.find("ExitInstance") != std::string::npos ||
        line.find("Release") != std::string::npos || line.find("unloaded") != std::string::npos)
      lifecycle.push_back(line);
  std::vector<std::string> expected = {
      "OptionVault.dll InitInstance", "MovieCast.dll InitInstance", "StillCast.dll InitInstance",
      "StillCast.dll ExitInstance",   "MovieCast.dll ExitInstance", "OptionVault.dll ExitInstance",
      "OptionVault.dll Release",      "OptionVault.dll unloaded",
      "MovieCast.dll Release",        "MovieCast.dll unloaded",
      "StillCast.dll Release",        "StillCast.dll unloaded"};
  EXPECT_EQ(expected, lifecycle);
}

TEST(FrameWright, AModuleThatFailsToInitialiseEndsTheStartUp) {
  ProgramDir program;
  program.AddModule("fixture_module_init_fails.dll", "OptionVault.dll");
  program.AddModule("fixture_module.dll", "MovieCast.dll");
  FixtureLog calls(program.Dir());
  ASSERT_NE(-2, program.Run());
  std::vector<std::string> lines = calls.Lines();
  EXPECT_TRUE(Contains(lines, "OptionVault.dll InitInstance"));
  EXPECT_FALSE(Contains(lines, "MovieCast.dll InitInstance"));
  EXPECT_TRUE(Contains(lines, "MovieCast.dll ExitInstance")) << "every module still exits";
  EXPECT_TRUE(Contains(program.Log(), "Varno Application InitInstance! hr=0x80004005"));
}

// Pumps this thread's messages until the window is no longer minimised, or
// a while has passed: the other process's restore arrives as messages.
void WaitForRestore(HWND hWnd) {
  for (int i = 0; i < 100 && IsIconic(hWnd); ++i) {
    MSG msg;
    while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    MsgWaitForMultipleObjects(0, NULL, FALSE, 50, QS_ALLINPUT);
  }
}

// A stand-in for the running instance's main window.
class RunningInstance {
 public:
  explicit RunningInstance(bool withWindow) {
    m_hMutex = CreateMutexA(NULL, TRUE, kMutexName);
    if (withWindow) {
      m_hWnd = CreateWindowExA(0, "#32770", "VarnoReelCraft", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                               10, 10, 200, 150, NULL, NULL, GetModuleHandleA(NULL), NULL);
      ShowWindow(m_hWnd, SW_MINIMIZE);
    }
  }
  ~RunningInstance() {
    if (m_hWnd) DestroyWindow(m_hWnd);
    CloseHandle(m_hMutex);
  }
  HWND Window() const { return m_hWnd; }

 private:
  HANDLE m_hMutex = NULL;
  HWND m_hWnd = NULL;
};

TEST(FrameWright, SecondInstanceRestoresTheRunningWindowAndEnds) {
  RunningInstance running(true);
  ASSERT_TRUE(running.Window());
  ASSERT_TRUE(IsIconic(running.Window()));
  ProgramDir program;
  ASSERT_NE(-2, program.Run());
  // The restore may still be on its way through this thread's queue.
  WaitForRestore(running.Window());
  EXPECT_FALSE(IsIconic(running.Window())) << "the minimised window is restored";
  std::vector<std::string> log = program.Log();
  EXPECT_TRUE(Contains(log, "Varno Reel Craft is running!"));
  EXPECT_FALSE(AnyStartsWith(log, "Load ")) << "no module is loaded";
  EXPECT_TRUE(Contains(log, "Varno Reel Craft ExitInstance!"));
}

BOOL WINAPI IgnoreScrollBarSkin(const char*, const char*) { return TRUE; }

TEST(FrameWright, SecondInstanceFindsTheRealMainWindowAfterItsCaptionIsTranslated) {
  CHandle mutex(CreateMutexA(NULL, TRUE, kMutexName));
  ASSERT_TRUE(mutex.IsValid());
  SetScrollBarSkinLoaderSeam(IgnoreScrollBarSkin);
  CFakeConfig config;
  CFakeTranslator translator;
  config.SetText("OEMAppName", "Varno Reel Craft V2.0");
  translator.translations["Varno Reel Craft V2.0"] = "Varno Filmwerkstatt";
  {
    CMainDialog window;
    window.SetConfig(&config);
    window.SetTranslator(&translator);
    ASSERT_TRUE(window.CreateFromTemplate(102));
    ASSERT_FALSE(FindWindowA("#32770", "VarnoReelCraft")) << "the caption is the translation";
    ShowWindow(window, SW_MINIMIZE);
    ASSERT_TRUE(IsIconic(window));
    ProgramDir program;
    ASSERT_NE(-2, program.Run());
    WaitForRestore(window);
    EXPECT_FALSE(IsIconic(window)) << "the second start found the window by its mark";
    EXPECT_TRUE(Contains(program.Log(), "Varno Reel Craft is running!"));
  }
  SetScrollBarSkinLoaderSeam(NULL);
}

TEST(FrameWright, SecondInstanceWhileTheFirstIsStillStartingJustEnds) {
  RunningInstance running(false);
  ProgramDir program;
  ASSERT_NE(-2, program.Run());
  std::vector<std::string> log = program.Log();
  EXPECT_TRUE(Contains(log, "Varno Reel Craft is running!"));
  EXPECT_FALSE(AnyStartsWith(log, "Load "));
}

}  // namespace
