#include "tests/app/ProgramInProcess.h"

#include <shlobj.h>
#include <shlwapi.h>
#include <stdio.h>

#include "app/FolderChooser.h"
#include "config/OemValue.h"
#include "ui/SkinPopupMenu.h"
#include "winfx/Seams.h"
#include "winfx/Wnd.h"

namespace {

const UINT kBoxTimerMs = 100;
std::string g_browseAnswer;
std::vector<std::string> g_boxes;
std::vector<std::string> g_opened;

bool AnswerFolder(HWND, const char*, UINT, const char*, std::string* folder) {
  if (g_browseAnswer.empty()) return false;
  *folder = g_browseAnswer;
  return true;
}

int WINAPI RecordBox(HWND, const char* text, const char*, UINT) {
  g_boxes.push_back(text ? text : "");
  return IDOK;
}

HINSTANCE WINAPI RecordShell(HWND, const char*, const char* file, const char*, const char*, int) {
  g_opened.push_back(file ? file : "");
  return reinterpret_cast<HINSTANCE>(static_cast<INT_PTR>(42));  // above 32: done
}

BOOL WINAPI RefusePowerOff() { return FALSE; }
HWND WINAPI NoHelp(HWND, const char*, UINT, DWORD_PTR) { return NULL; }
UINT WINAPI NoProgram(const char*, UINT) { return 0; }

// A message box of a library on this thread: a top-level dialog that is
// not the main window. It is answered as a user would (OK, or No where
// there is no OK) and its text kept.
BOOL CALLBACK AnswerBox(HWND hWnd, LPARAM main) {
  char className[16] = {0};
  GetClassNameA(hWnd, className, sizeof(className));
  if (hWnd == reinterpret_cast<HWND>(main) || lstrcmpA(className, "#32770") != 0 ||
      !IsWindowVisible(hWnd))
    return TRUE;
  char text[1024] = {0};
  GetDlgItemTextA(hWnd, 0xFFFF, text, sizeof(text));  // a message box's text
  g_boxes.push_back(text);
  PostMessageA(hWnd, WM_COMMAND, GetDlgItem(hWnd, IDOK) ? IDOK : IDNO, 0);
  return TRUE;
}

void CALLBACK AnswerBoxes(HWND, UINT, UINT_PTR, DWORD) {
  EnumThreadWindows(GetCurrentThreadId(), AnswerBox, reinterpret_cast<LPARAM>(FindRunningMainWindow()));
}

const char* const kLoggingLibraries[] = {"OptionVault.dll", "MovieCast.dll", "TuneCast.dll",
                                         "StillCast.dll", "MuxCast.dll"};

std::string LogSettings(const std::string& logFile) {
  return "[LogSetting]\r\nMask=1\r\nFile=" + logFile + "\r\nLevel=4\r\nEnableTimeStamp=0\r\n";
}

std::string OemLine(int number, const std::string& plain) {
  char stored[OEM_VALUE_DIGITS + 1];
  EncodeOemValue(plain.c_str(), stored, sizeof(stored));
  char line[OEM_VALUE_DIGITS + 32];
  snprintf(line, sizeof(line), "ConfigCtrlInfo%d=%s\r\n", number, stored);
  return line;
}

// The shipped Config.ini with the registry root (the fifth OEM value)
// replaced.
std::string ConfigIniWithRoot(const std::string& root) {
  std::string text;
  for (const std::string& line :
       vrctest::Lines(vrctest::ReadFile(vrctest::ProgramFolder() + "Configs\\Config.ini")))
    if (line.compare(0, 16, "ConfigCtrlInfo5=") != 0) text += line + "\r\n";
  return text + OemLine(5, root);
}

}  // namespace

ProgramInProcess::ProgramInProcess() {
  char root[96];
  snprintf(root, sizeof(root), "Software\\VarnoReelCraftTests\\program-%lu-%lu",
           GetCurrentProcessId(), GetTickCount());
  m_root = root;
  const std::string folder = vrctest::TestFolder();
  vrctest::WriteFile(folder + "Configs\\Config.ini", ConfigIniWithRoot(m_root));
  // The program's log settings are named after the running program's file.
  char self[MAX_PATH] = {0};
  GetModuleFileNameA(NULL, self, MAX_PATH);
  m_logSettings = std::string(self) + ".cfg";
  m_logFile = m_dir.File("program.log");
  vrctest::WriteFile(m_logSettings, LogSettings(m_logFile));
  // Each library's log client reads settings named after its own file.
  for (const char* library : kLoggingLibraries) {
    m_libraryLogs.push_back(m_dir.File(std::string(library) + ".log"));
    vrctest::WriteFile(folder + library + ".cfg", LogSettings(m_libraryLogs.back()));
  }
  m_hInstance = GetModuleHandleA(NULL);
  m_args[0] = self;
  m_argc = 1;
  m_argv = m_args;
  VrcSetMessageBoxSeam(RecordBox);
  VrcSetShellExecuteSeam(RecordShell);
  VrcSetPowerOffSeam(RefusePowerOff);
  VrcSetHtmlHelpSeam(NoHelp);
  VrcSetWinExecSeam(NoProgram);
  SetChooseFolderSeam(AnswerFolder);
}

ProgramInProcess::~ProgramInProcess() {
  Stop();
  SHDeleteKeyA(HKEY_CURRENT_USER, m_root.c_str());
  DeleteFileA(m_logSettings.c_str());
  for (const char* library : kLoggingLibraries)
    DeleteFileA((vrctest::TestFolder() + library + ".cfg").c_str());
  SetChooseFolderSeam(NULL);
  // Leave the program folder the configuration made current.
  SetCurrentDirectoryA(vrctest::TestFolder().c_str());
}

bool ProgramInProcess::Start() {
  SetTimer(NULL, 0, kBoxTimerMs, AnswerBoxes);
  m_started = true;
  return InitInstance() != FALSE;
}

void ProgramInProcess::Stop() {
  if (!m_started || m_stopped) return;
  m_stopped = true;
  ExitInstance();
}

CMainDialog* ProgramInProcess::Main() const {
  return dynamic_cast<CMainDialog*>(CWnd::FromHandle(FindRunningMainWindow()));
}

CSkinAppDialog* ProgramInProcess::Page(int index) const {
  CMainDialog* main = Main();
  if (!main || index < 0 || index >= static_cast<int>(main->Views().size())) return NULL;
  return dynamic_cast<CSkinAppDialog*>(CWnd::FromHandle(main->Views()[index]->GetViewWnd()));
}

std::string ProgramInProcess::LibraryLogs() const {
  std::string text;
  for (const std::string& log : m_libraryLogs)
    text += "--- " + log + "\n" + vrctest::ReadFile(log);
  return text;
}

void ProgramInProcess::AnswerBrowseWith(const std::string& folder) { g_browseAnswer = folder; }
const std::vector<std::string>& ProgramInProcess::AnsweredBoxes() { return g_boxes; }
void ProgramInProcess::ForgetBoxes() { g_boxes.clear(); }
const std::vector<std::string>& ProgramInProcess::OpenedFolders() { return g_opened; }

namespace {

// The first control of that name (case ignored) of one kind.
template <class Control>
Control* FindByName(const std::vector<std::unique_ptr<Control>>& controls, const char* name) {
  for (const auto& control : controls)
    if (lstrcmpiA(control->name.c_str(), name) == 0) return control.get();
  return NULL;
}

}  // namespace

CSkinPushButton* FindButton(const CSkinDialog& window, const char* name) {
  return FindByName(window.Buttons(), name);
}
CSkinDropDown* FindDropDown(const CSkinDialog& window, const char* name) {
  return FindByName(window.DropDowns(), name);
}
CSkinProgress* FindProgress(const CSkinDialog& window, const char* name) {
  return FindByName(window.ProgressBars(), name);
}

ISkinValueControl* FindEdit(const CSkinDialog& window, const char* name) {
  for (const auto& edit : window.Edits())
    if (lstrcmpiA(edit->GetControlName().c_str(), name) == 0) return edit.get();
  return NULL;
}

HWND FindView(const CSkinAppDialog& window, const char* viewName) {
  for (IConverterView* view : window.Views()) {
    char name[128] = {0};
    if (SUCCEEDED(view->GetViewName(name, sizeof(name) - 1)) && lstrcmpiA(name, viewName) == 0)
      return view->GetViewWnd();
  }
  return NULL;
}

void Click(HWND control) {
  RECT r;
  GetClientRect(control, &r);
  const LPARAM middle = MAKELPARAM(r.right / 2, r.bottom / 2);
  SendMessageA(control, WM_MOUSEMOVE, 0, middle);
  SendMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, middle);
  SendMessageA(control, WM_LBUTTONUP, 0, middle);
}

bool ChooseRow(CSkinDropDown& dropDown, int row) {
  Click(dropDown);
  // The open popup holds the mouse.
  HWND popup = GetCapture();
  if (!popup || popup == dropDown.m_hWnd) return false;
  const int height = CSkinPopupMenu::ItemHeight();
  const LPARAM at = MAKELPARAM(20, row * height + height / 2);
  SendMessageA(popup, WM_MOUSEMOVE, 0, at);
  SendMessageA(popup, WM_LBUTTONUP, 0, at);
  return dropDown.GetCurSel() == row;
}

void DropFiles(HWND window, const std::vector<std::string>& files, bool post) {
  SIZE_T size = sizeof(DROPFILES) + 1;
  for (const std::string& file : files) size += file.size() + 1;
  HGLOBAL drop = GlobalAlloc(GHND, size);
  DROPFILES* header = static_cast<DROPFILES*>(GlobalLock(drop));
  header->pFiles = sizeof(DROPFILES);
  header->pt.x = header->pt.y = 40;
  header->fWide = FALSE;
  char* names = reinterpret_cast<char*>(header) + sizeof(DROPFILES);
  for (const std::string& file : files) {
    memcpy(names, file.c_str(), file.size() + 1);
    names += file.size() + 1;
  }
  GlobalUnlock(drop);
  if (post)
    PostMessageA(window, WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);
  else
    SendMessageA(window, WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);
}

void PumpFor(DWORD milliseconds) {
  CWinFxApp* app = WinFxGetApp();
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < milliseconds) {
    MSG msg;
    while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE)) {
      if (app && app->PreTranslateMessage(&msg)) continue;
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    MsgWaitForMultipleObjects(0, NULL, FALSE, 20, QS_ALLINPUT);
  }
}
