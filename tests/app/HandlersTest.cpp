// The command handlers against fake modules, with the dialogs, the shell and
// the help viewer replaced.
#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include "app/FolderChooser.h"
#include "app/HelpLauncher.h"
#include "base/Handles.h"
#include "base/Strings.h"
#include "tests/support/ExecutiveFakes.h"
#include "tests/support/TestSupport.h"
#include "winfx/FileDialog.h"
#include "winfx/Seams.h"

using vrctest::TempDir;

namespace {

// A drop handle as the shell makes it, for the given paths.
HGLOBAL MakeDrop(const std::vector<std::string>& paths) {
  std::string names;
  for (const std::string& p : paths) names.append(p).push_back(0);
  names.push_back(0);
  HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + names.size());
  DROPFILES* drop = static_cast<DROPFILES*>(GlobalLock(memory));
  drop->pFiles = sizeof(DROPFILES);
  memcpy(reinterpret_cast<char*>(drop) + sizeof(DROPFILES), names.data(), names.size());
  GlobalUnlock(memory);
  return memory;
}

TEST(Handlers, DropAddsFilesAndSkipsFoldersAndMissingFiles) {
  fakes::Wiring w;
  ASSERT_EQ(S_OK, w.Init());
  TempDir dir;
  std::string file = dir.File("clip.avi");
  vrctest::WriteFile(file, "x");
  CreateDirectoryA(dir.File("folder").c_str(), NULL);
  HGLOBAL drop = MakeDrop({dir.File("folder"), dir.File("missing.avi"), file});
  EXPECT_EQ(S_OK, w.Run("DropFiles", 0, 1, reinterpret_cast<INT_PTR>(drop)));
  EXPECT_EQ((std::vector<std::string>{"AddFile " + file}), w.video->calls);
  EXPECT_EQ(1, w.Enabled("Convert")) << "the button states follow the new task";
  EXPECT_EQ(E_FAIL, w.Run("DropFiles", 0, 0, 0)) << "no drop";
  EXPECT_EQ(E_FAIL, w.Run("DropFiles", 0, 1, 0)) << "a drop without its handle";
}

TEST(Handlers, SecondConvertDuringABatchAsksTheModuleToStop) {
  for (int stopResult : {0, 1}) {
    fakes::Wiring w;
    ASSERT_EQ(S_OK, w.Init());
    w.video->items = 1;
    w.video->stopResult = stopResult;  // 0 is S_OK: the stop was accepted
    w.executive->UpdateButtonStates();
    int valueAfterStop = -1;
    w.video->duringConvert = [&] {
      EXPECT_EQ(S_OK, w.Run("Convert"));
      valueAfterStop = static_cast<int>(w.executive->GetControlValue("Convert"));
    };
    EXPECT_EQ(S_OK, w.Run("Convert"));
    EXPECT_EQ((std::vector<std::string>{"Convert", "StopConvert 0"}), w.video->calls);
    EXPECT_EQ(stopResult == 0 ? 1 : 0, valueAfterStop) << "an accepted stop leaves the value alone";
  }
}

TEST(Executive, AFailedAdviseOnAnyModuleFailsTheStartUp) {
  for (int failing = 0; failing < 3; ++failing) {
    fakes::Wiring w;
    fakes::Converter* modules[3] = {w.video, w.music, w.photo};
    modules[failing]->point.adviseResult = CONNECT_E_ADVISELIMIT;
    EXPECT_EQ(CONNECT_E_ADVISELIMIT, w.Init()) << failing;
  }
}

TEST(Handlers, ConvertWithoutConverterFails) {
  fakes::Wiring w;
  w.config->ints["ReelCraftLastPage"] = 7;  // no such page: no converter
  EXPECT_EQ(E_FAIL, w.Init());
  EXPECT_EQ(E_POINTER, w.Run("Convert", 1, 1, 1));
}

TEST(Handlers, OutputFormatChangeAppliesTheTypeAndTheSameIndexDoesNothing) {
  fakes::Wiring w;
  w.config->ints["VideoLastOutputTypeIndex"] = 2;
  w.config->strings["VideoSavePath"] = "C:\\Videos";
  ASSERT_EQ(S_OK, w.Init());
  EXPECT_EQ(2, w.config->ints["CurrentLastOutputTypeIndex"]);
  EXPECT_EQ(S_OK, w.Run("OutputFormat", 2));
  EXPECT_TRUE(w.video->calls.empty());
  EXPECT_EQ(S_OK, w.Run("OutputFormat", 4));
  EXPECT_EQ((std::vector<std::string>{"ApplyOutputSettings"}), w.video->calls);
  EXPECT_EQ(4, w.config->ints["VideoLastOutputTypeIndex"]);
  EXPECT_EQ(4, w.executive->GetControlValue("OutputFormat"));
  EXPECT_EQ(E_POINTER, w.executive->ExecuteSkinCommand("OutputFormat", 0, NULL))
      << "no record: no switch to the first type";
  EXPECT_EQ(4, w.executive->GetControlValue("OutputFormat"));
  EXPECT_EQ("C:\\Videos", w.config->strings["CurrentSavePath"]);
  EXPECT_EQ("C:\\Videos", w.Text("BrowseEdit"));
}

TEST(Handlers, PowerOffWhileIdlePostsTheQuitMessage) {
  fakes::Wiring w;
  ASSERT_EQ(S_OK, w.Init());
  MSG msg;
  while (PeekMessageA(&msg, NULL, WM_QUIT, WM_QUIT, PM_REMOVE)) {
  }
  EXPECT_EQ(S_OK, w.Run("Power_Off"));
  EXPECT_TRUE(PeekMessageA(&msg, NULL, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_TRUE(w.video->calls.empty()) << "nothing to stop";
}

TEST(Handlers, PhotoResolutionPacksWidthAndHeightAndQualityOnlyStores) {
  fakes::Wiring w;
  w.config->ints["ReelCraftLastPage"] = 2;
  w.config->ini["PhotoResolution3/2"] = 640;
  w.config->ini["PhotoResolution3/3"] = 480;
  w.config->ini["PhotoQuality1/2"] = 85;
  ASSERT_EQ(S_OK, w.Init());
  EXPECT_EQ(S_OK, w.Run("PhotoResolution", 3));
  EXPECT_EQ(0x028001E0, w.config->ints["PhotoResolutionData"]);
  EXPECT_EQ(3, w.config->ints["PhotoResolutionIndex"]);
  EXPECT_EQ((std::vector<std::string>{"ApplyOutputSettings"}), w.photo->calls);
  EXPECT_EQ(S_OK, w.Run("PhotoResolution", 3));
  EXPECT_EQ(1u, w.photo->calls.size()) << "the same index changes nothing";
  EXPECT_EQ(S_OK, w.Run("PhotoQuality", 1));
  EXPECT_EQ(85, w.config->ints["PhotoQualityData"]);
  EXPECT_EQ(1u, w.photo->calls.size()) << "the quality is read at the module's next load";
  EXPECT_EQ(E_POINTER, w.executive->ExecuteSkinCommand("PhotoQuality", 0, NULL));
}

TEST(Handlers, SettingOpensThePagesDialogAndAppliesOnlyOnOk) {
  struct {
    int page;
    int dialogResult;
    int dialog;
    bool applied;
  } cases[] = {{0, 1, 100, true}, {1, 2, 101, false}, {2, 0, 102, false}, {2, 1, 102, true}};
  for (const auto& c : cases) {
    fakes::Wiring w;
    w.config->ints["ReelCraftLastPage"] = c.page;
    w.config->dialogResult = c.dialogResult;
    ASSERT_EQ(S_OK, w.Init());
    fakes::Converter* module = c.page == 0 ? w.video : c.page == 1 ? w.music : w.photo;
    EXPECT_EQ(S_OK, w.Run("Setting"));
    EXPECT_EQ(std::vector<int>{c.dialog}, w.config->dialogs);
    EXPECT_EQ(c.applied, !module->calls.empty()) << c.page << " " << c.dialogResult;
  }
}

TEST(Handlers, OptionReloadsTheSkinWhenTheLanguageChanged) {
  for (int result : {1, 100}) {
    fakes::Wiring w;
    w.config->dialogResult = result;
    ASSERT_EQ(S_OK, w.Init());
    EXPECT_EQ(S_OK, w.Run("Option"));
    EXPECT_EQ(result == 100 ? 1 : 0, w.ui->reloads);
  }
}

std::vector<std::string> g_boxes;
int WINAPI RecordBox(HWND, const char* text, const char* caption, UINT) {
  g_boxes.push_back(std::string(caption) + ": " + text);
  return IDOK;
}
std::vector<std::string> g_shell;
HINSTANCE WINAPI RecordShell(HWND, const char* verb, const char* file, const char*, const char*, int) {
  g_shell.push_back(std::string(verb) + " " + file);
  return reinterpret_cast<HINSTANCE>(33);
}

TEST(Handlers, OpenFolderOpensAnExistingFolderAndWarnsOfAMissingOne) {
  fakes::Wiring w;
  w.config->translations["Output path doesn't exist!"] = "Ausgabepfad fehlt!";
  ASSERT_EQ(S_OK, w.Init());
  VrcSetMessageBoxSeam(RecordBox);
  VrcSetShellExecuteSeam(RecordShell);
  TempDir dir;
  w.config->strings["CurrentSavePath"] = dir.Path();
  EXPECT_EQ(S_OK, w.Run("OpenFolder"));
  w.config->strings["CurrentSavePath"] = dir.File("gone");
  EXPECT_EQ(S_OK, w.Run("OpenFolder"));
  EXPECT_EQ((std::vector<std::string>{"open " + dir.Path()}), g_shell);
  EXPECT_EQ((std::vector<std::string>{"Varno Reel Craft V2.0: Ausgabepfad fehlt!"}), g_boxes);
  VrcSetMessageBoxSeam(NULL);
  VrcSetShellExecuteSeam(NULL);
}

TEST(Handlers, MessageBoxTextsGetTheApplicationNameWithinTheirBuffer) {
  fakes::Wiring w;
  w.config->strings["OEMAppName"] = std::string(300, 'N');
  ASSERT_EQ(S_OK, w.Init());
  VrcSetMessageBoxSeam(RecordBox);
  g_boxes.clear();
  w.executive->ShowMessageBox("APPNAME says hello", "APPNAME", MB_OK);
  ASSERT_EQ(1u, g_boxes.size());
  EXPECT_EQ(std::string(259, 'N') + ": " + std::string(259, 'N'), g_boxes[0]);
  VrcSetMessageBoxSeam(NULL);
}

// The open-file dialog: what it was given and a scripted answer.
OPENFILENAMEA g_dialogSeen;
std::string g_dialogTitle, g_dialogFolder;
std::string g_dialogFilter;
std::string g_dialogAnswer;
BOOL WINAPI AnswerDialog(OPENFILENAMEA* dialog) {
  g_dialogSeen = *dialog;
  g_dialogTitle = dialog->lpstrTitle ? dialog->lpstrTitle : "";
  g_dialogFolder = dialog->lpstrInitialDir ? dialog->lpstrInitialDir : "";
  const char* f = dialog->lpstrFilter;
  g_dialogFilter.clear();
  while (*f) {
    g_dialogFilter += f;
    g_dialogFilter += '|';
    f += strlen(f) + 1;
  }
  if (g_dialogAnswer.empty()) return FALSE;
  memcpy(dialog->lpstrFile, g_dialogAnswer.data(), g_dialogAnswer.size());
  return TRUE;
}

TEST(Handlers, AddFilesAddsEachChosenFileInOrder) {
  fakes::Wiring w;
  w.config->ints["ReelCraftLastPage"] = 1;
  w.config->strings["LastOpenPath"] = "C:\\Music";
  w.config->translations["Select Music Files"] = "Musikdateien";
  ASSERT_EQ(S_OK, w.Init());
  VrcSetOpenFileNameSeam(AnswerDialog);
  g_dialogAnswer = std::string("C:\\Music\0a.mp3\0b.wav\0\0", 22);
  EXPECT_EQ(S_OK, w.Run("AddFiles"));
  EXPECT_EQ((std::vector<std::string>{"AddFile C:\\Music\\a.mp3", "AddFile C:\\Music\\b.wav"}), w.music->calls);
  EXPECT_EQ("C:\\Music", w.config->strings["LastOpenPath"]);
  EXPECT_EQ("Musikdateien", g_dialogTitle);
  EXPECT_EQ("C:\\Music", g_dialogFolder);
  EXPECT_EQ(static_cast<DWORD>(OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_ALLOWMULTISELECT | OFN_EXPLORER |
                               OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST),
            g_dialogSeen.Flags);
  EXPECT_EQ(32768u, g_dialogSeen.nMaxFile);
  EXPECT_EQ(0u, g_dialogFilter.find("Supported Files|*.RM;*.RMVB;*.AVI;*.WMV;*.WMA;"));
  EXPECT_NE(std::string::npos, g_dialogFilter.find("|Windows Media Audio Files(*.WMA)|*.WMA|"));

  w.music->calls.clear();
  g_dialogAnswer.clear();  // cancelled
  EXPECT_EQ(S_OK, w.Run("AddFiles"));
  EXPECT_TRUE(w.music->calls.empty());
  VrcSetOpenFileNameSeam(NULL);
}

// A drop handle with wide names, as the shell makes it on NT.
HGLOBAL MakeWideDrop(const std::vector<std::wstring>& paths) {
  std::wstring names;
  for (const std::wstring& p : paths) names.append(p).push_back(0);
  names.push_back(0);
  size_t bytes = names.size() * sizeof(wchar_t);
  HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + bytes);
  DROPFILES* drop = static_cast<DROPFILES*>(GlobalLock(memory));
  drop->pFiles = sizeof(DROPFILES);
  drop->fWide = TRUE;
  memcpy(reinterpret_cast<char*>(drop) + sizeof(DROPFILES), names.data(), bytes);
  GlobalUnlock(memory);
  return memory;
}

std::wstring WideOf(const std::string& text) {
  return std::wstring(text.begin(), text.end());  // the test folders are plain ASCII
}

TEST(Handlers, DroppedNamesTheCodePageCannotWriteAreNamedInOneMessage) {
  if (GetACP() == CP_UTF8) GTEST_SKIP() << "the ANSI code page is UTF-8: every name can be written";
  fakes::Wiring w;
  ASSERT_EQ(S_OK, w.Init());
  VrcSetMessageBoxSeam(RecordBox);
  g_boxes.clear();
  TempDir dir;
  std::string plain = dir.File("clip.avi");
  vrctest::WriteFile(plain, "x");
  // Cyrillic and CJK letters: no single-byte Western code page has them.
  const std::wstring cyrillic = WideOf(dir.Path()) + L"\x0444\x0438\x043B\x044C\x043C.avi";
  const std::wstring cjk = WideOf(dir.Path()) + L"\x52A8\x753B.avi";
  std::string shownCyrillic, shownCjk;
  ASSERT_FALSE(NarrowExactly(cyrillic.c_str(), &shownCyrillic)) << "code page " << GetACP();
  ASSERT_FALSE(NarrowExactly(cjk.c_str(), &shownCjk));
  for (const std::wstring& name : {cyrillic, cjk}) {
    CHandle file(CreateFileW(name.c_str(), GENERIC_WRITE, 0, NULL, CREATE_NEW, 0, NULL));
    ASSERT_TRUE(file.IsValid());
  }
  HGLOBAL drop = MakeWideDrop({cyrillic, WideOf(plain), cjk});
  EXPECT_EQ(S_OK, w.Run("DropFiles", 0, 1, reinterpret_cast<INT_PTR>(drop)));
  EXPECT_EQ((std::vector<std::string>{"AddFile " + plain}), w.video->calls);
  ASSERT_EQ(1u, g_boxes.size()) << "one message for the whole drop";
  EXPECT_NE(std::string::npos, g_boxes[0].find("not added")) << g_boxes[0];
  EXPECT_NE(std::string::npos, g_boxes[0].find(shownCyrillic)) << g_boxes[0];
  EXPECT_NE(std::string::npos, g_boxes[0].find(shownCjk)) << g_boxes[0];
  EXPECT_EQ(std::string::npos, g_boxes[0].find("clip.avi")) << "the added file is not named";

  // A drop where every name can be written says nothing.
  g_boxes.clear();
  EXPECT_EQ(S_OK, w.Run("DropFiles", 0, 1, reinterpret_cast<INT_PTR>(MakeWideDrop({WideOf(plain)}))));
  EXPECT_TRUE(g_boxes.empty());
  VrcSetMessageBoxSeam(NULL);
}

TEST(Handlers, ChosenNamesWithTheDialogsStandInsAreNamedInOneMessage) {
  fakes::Wiring w;
  w.config->ints["ReelCraftLastPage"] = 1;
  ASSERT_EQ(S_OK, w.Init());
  VrcSetOpenFileNameSeam(AnswerDialog);
  VrcSetMessageBoxSeam(RecordBox);
  g_boxes.clear();
  // What the narrow dialog writes for two Cyrillic names and a plain one.
  g_dialogAnswer = std::string("C:\\Music\0????.mp3\0b.wav\0???.wav\0\0", 33);
  EXPECT_EQ(S_OK, w.Run("AddFiles"));
  EXPECT_EQ((std::vector<std::string>{"AddFile C:\\Music\\b.wav"}), w.music->calls);
  ASSERT_EQ(1u, g_boxes.size());
  EXPECT_NE(std::string::npos, g_boxes[0].find("\nC:\\Music\\????.mp3\nC:\\Music\\???.wav")) << g_boxes[0];
  g_dialogAnswer.clear();
  VrcSetOpenFileNameSeam(NULL);
  VrcSetMessageBoxSeam(NULL);
}

struct SelectionCase {
  const char* name;
  std::string buffer;
  std::string pathName;
  std::vector<std::string> files;
};

void PrintTo(const SelectionCase& c, std::ostream* os) { *os << c.name; }

class SelectionTest : public ::testing::TestWithParam<SelectionCase> {};

TEST_P(SelectionTest, SplitsTheDialogsAnswer) {
  const SelectionCase& c = GetParam();
  std::string pathName;
  std::vector<std::string> files;
  CFileOpenDialog::ParseSelection(c.buffer.data(), c.buffer.size(), &pathName, &files);
  EXPECT_EQ(c.pathName, pathName);
  EXPECT_EQ(c.files, files);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SelectionTest,
    ::testing::Values(
        SelectionCase{"OneFile", std::string("C:\\a\\b.avi\0\0", 12), "C:\\a\\b.avi", {"C:\\a\\b.avi"}},
        SelectionCase{"SeveralFiles", std::string("C:\\a\0x.avi\0y.mp4\0\0", 18), "C:\\a",
                      {"C:\\a\\x.avi", "C:\\a\\y.mp4"}},
        SelectionCase{"FilesInADriveRoot", std::string("C:\\\0x.avi\0y.avi\0\0", 17), "C:\\",
                      {"C:\\x.avi", "C:\\y.avi"}},
        SelectionCase{"Nothing", std::string("\0\0", 2), "", {}},
        SelectionCase{"UnterminatedBuffer", std::string("C:\\a\0x.avi", 10), "C:\\a", {"C:\\a\\x.avi"}}),
    [](const ::testing::TestParamInfo<SelectionCase>& info) { return std::string(info.param.name); });

std::vector<std::string> g_browsed;
bool AnswerFolder(HWND, const char* title, UINT flags, const char* initial, std::string* folder) {
  g_browsed.push_back(std::string(title) + "|" + std::to_string(flags) + "|" + initial);
  *folder = "D:\\Out";
  return true;
}

TEST(Handlers, BrowseStoresTheFolderForThePageAndRenamesOutputs) {
  fakes::Wiring w;
  w.config->ints["ReelCraftLastPage"] = 1;
  w.config->strings["MusicSavePath"] = "C:\\Before";
  ASSERT_EQ(S_OK, w.Init());
  SetChooseFolderSeam(AnswerFolder);
  EXPECT_EQ(S_OK, w.Run("Browse"));
  EXPECT_EQ((std::vector<std::string>{"Current Folder:|81|C:\\Before"}), g_browsed);
  EXPECT_EQ("D:\\Out", w.config->strings["MusicSavePath"]);
  EXPECT_EQ("D:\\Out", w.config->strings["CurrentSavePath"]);
  EXPECT_EQ("D:\\Out", w.Text("BrowseEdit"));
  EXPECT_EQ((std::vector<std::string>{"UpdateOutputNames"}), w.music->calls);
  SetChooseFolderSeam(NULL);
}

TEST(Handlers, PlayStopAndSeek) {
  fakes::Wiring w;
  ASSERT_EQ(S_OK, w.Init());
  w.video->items = 1;
  w.video->selected = 1;
  w.executive->UpdateButtonStates();
  EXPECT_EQ(S_OK, w.Run("Play"));
  EXPECT_EQ(0, w.Enabled("Play"));
  EXPECT_EQ(1, w.Enabled("Stop"));
  EXPECT_EQ(E_FAIL, w.Run("Play_Progress", 40, 1, 1)) << "disabled until the position bar is on";
  w.executive->UpdateButtonStates();  // as the play-progress events do
  EXPECT_EQ(S_OK, w.Run("Play_Progress", 40, 1, 1));
  EXPECT_EQ(S_OK, w.Run("Stop"));
  EXPECT_EQ(1, w.Enabled("Play"));
  EXPECT_EQ(0, w.Enabled("Stop"));
  EXPECT_EQ("", w.Text("Time"));
  EXPECT_EQ((std::vector<std::string>{"Play", "Seek 40", "Stop"}), w.video->calls);
}

TEST(Handlers, PageSwitchTakesTheNewPagesModule) {
  fakes::Wiring w;
  ASSERT_EQ(S_OK, w.Init());
  w.config->ints["ReelCraftLastPage"] = 1;
  w.config->strings["MusicSavePath"] = "C:\\Music";
  w.config->ints["MP3SamplingRate"] = 44100;
  w.config->ints["MP3Channel"] = 3;
  w.config->ints["MP3Bitrate"] = 128;
  EXPECT_EQ(S_OK, w.Run("CheckReelCraftTab", 0, reinterpret_cast<INT_PTR>("ShowMusicConverter")));
  EXPECT_EQ(1, w.executive->CurrentPage());
  EXPECT_EQ(1, w.executive->GetControlValue("ShowMusicConverter"));
  EXPECT_EQ(0, w.executive->GetControlValue("ShowVideoConverter"));
  EXPECT_EQ("44100Hz,Mono,128kbps,CBR", w.Text("MusicInfo"));
  EXPECT_EQ("C:\\Music", w.config->strings["CurrentSavePath"]);
  w.music->items = 1;
  EXPECT_EQ(S_OK, w.Run("DeleteFiles", 1, 1, 1));
  EXPECT_EQ((std::vector<std::string>{"DeleteFiles"}), w.music->calls);
}

// The help launcher.
std::string g_helpShown;
HWND WINAPI RecordHelp(HWND, const char* file, UINT command, DWORD_PTR) {
  g_helpShown = std::string(file) + "#" + std::to_string(command);
  return NULL;
}

TEST(Help, TopicsOpenInTheHelpFileBesideTheProgramAndAddressesInTheShell) {
  VrcSetHtmlHelpSeam(RecordHelp);
  VrcSetShellExecuteSeam(RecordShell);
  g_shell.clear();
  std::string help = vrctest::TestFolder() + "Help.chm";
  DeleteFileA(help.c_str());
  EXPECT_FALSE(OpenHelpTopic(NULL, "Overview.htm")) << "no help file";
  EXPECT_TRUE(OpenHelpTopic(NULL, "http://www.example.org/help"));
  EXPECT_EQ((std::vector<std::string>{"open http://www.example.org/help"}), g_shell);
  vrctest::WriteFile(help, "ITSF");
  EXPECT_TRUE(OpenHelpTopic(NULL, "Overview.htm"));
  EXPECT_EQ(help + "::/Overview.htm#0", g_helpShown);
  DeleteFileA(help.c_str());
  VrcSetHtmlHelpSeam(NULL);
  VrcSetShellExecuteSeam(NULL);
}

TEST(Help, OsVersionClasses) {
  struct {
    DWORD platform, major, minor;
    int type;
  } cases[] = {{VER_PLATFORM_WIN32s, 3, 1, 1},      {VER_PLATFORM_WIN32_NT, 4, 0, 6},
               {VER_PLATFORM_WIN32_NT, 5, 0, 7},    {VER_PLATFORM_WIN32_NT, 5, 1, 8},
               {VER_PLATFORM_WIN32_NT, 5, 2, 5},    {VER_PLATFORM_WIN32_NT, 6, 0, 5},
               {VER_PLATFORM_WIN32_NT, 10, 0, 5},   {VER_PLATFORM_WIN32_WINDOWS, 4, 10, 3},
               {VER_PLATFORM_WIN32_WINDOWS, 4, 90, 4}, {VER_PLATFORM_WIN32_WINDOWS, 4, 0, 2},
               {VER_PLATFORM_WIN32_WINDOWS, 5, 0, 2}};
  for (const auto& c : cases) {
    OSVERSIONINFOA version = {};
    version.dwPlatformId = c.platform;
    version.dwMajorVersion = c.major;
    version.dwMinorVersion = c.minor;
    EXPECT_EQ(c.type, ClassifyOSVersion(version)) << c.platform << " " << c.major << "." << c.minor;
  }
  EXPECT_NE(0, GetOSVersionType());
}

}  // namespace
