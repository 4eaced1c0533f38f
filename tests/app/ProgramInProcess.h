// The program started inside the test's own process, as FrameWright.exe
// starts: the application object's own InitInstance (single-instance mutex,
// the module host loading every library of the program folder, the main UI
// module and the executive, the main window) and its ExitInstance at the
// end. The test program lives in a program folder of the tests' own
// (build/<arch>/testprogram: the installation's files linked in from bin),
// since the program and its modules find everything beside the running
// program's file. Its Config.ini is written here with a registry root of
// the test's own, removed at the end, so the user's settings are never
// touched.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "app/ConverterApp.h"
#include "tests/support/TestSupport.h"
#include "ui/MainDialog.h"

class ProgramInProcess : public CConverterApp {
 public:
  ProgramInProcess();
  ~ProgramInProcess() override;

  // The program's InitInstance; false when it refused to start (the log
  // says why).
  bool Start();
  // The program's ExitInstance; once.
  void Stop();

  CMainDialog* Main() const;
  // The converter page of that index (0 video, 1 music, 2 photo), or NULL.
  CSkinAppDialog* Page(int index) const;
  std::string Log() const { return vrctest::ReadFile(m_logFile); }
  // The logs of the configuration, the modules and the engine, one after
  // the other.
  std::string LibraryLogs() const;
  const std::string& RegistryRoot() const { return m_root; }

  // The folder that the Browse button's folder dialog answers next.
  static void AnswerBrowseWith(const std::string& folder);
  // The texts of the message boxes that the libraries showed and that were
  // answered (the libraries' boxes cannot be replaced from here: each one
  // links its own copy of the seams), and those of the program's own boxes.
  static const std::vector<std::string>& AnsweredBoxes();
  static void ForgetBoxes();
  // The folders that the shell was asked to open.
  static const std::vector<std::string>& OpenedFolders();

 private:
  vrctest::TempDir m_dir;
  std::string m_logFile, m_logSettings, m_root;
  std::vector<std::string> m_libraryLogs;
  bool m_started = false, m_stopped = false;
  char* m_args[1];
};

// The skinned push button or drop-down of that name in a window, or NULL.
CSkinPushButton* FindButton(const CSkinDialog& window, const char* name);
CSkinDropDown* FindDropDown(const CSkinDialog& window, const char* name);
CSkinProgress* FindProgress(const CSkinDialog& window, const char* name);
ISkinValueControl* FindEdit(const CSkinDialog& window, const char* name);
// The window of the hosted view of that name, or NULL.
HWND FindView(const CSkinAppDialog& window, const char* viewName);

// A click as the mouse makes it: over, down and up in the middle of the
// control. A command that it starts runs before this returns.
void Click(HWND control);
// Opens the drop-down and picks that row of its popup with the mouse.
bool ChooseRow(CSkinDropDown& dropDown, int row);
// Files dropped on a window: WM_DROPFILES with a drop handle made as the
// shell makes it (DROPFILES and the names, each ending with a zero, one
// more zero at the end). The receiver frees it.
void DropFiles(HWND window, const std::vector<std::string>& files, bool post = false);

// Pumps this thread's messages through the program for a while.
void PumpFor(DWORD milliseconds);
