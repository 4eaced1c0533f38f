#include "winfx/Seams.h"

#include <shellapi.h>

#include "base/Handles.h"
#include "base/RuntimeFunctions.h"

namespace {

int WINAPI RealMessageBox(HWND owner, const char* text, const char* caption, UINT style) {
  return MessageBoxA(owner, text, caption, style);
}

HINSTANCE WINAPI RealShellExecute(HWND owner, const char* verb, const char* file,
                                  const char* parameters, const char* folder, int show) {
  return ShellExecuteA(owner, verb, file, parameters, folder, show);
}

// Enables the shutdown privilege of the process and asks for a forced
// power-off.
BOOL WINAPI RealPowerOff() {
  CHandle token;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, token.Out()))
    return FALSE;
  TOKEN_PRIVILEGES privileges = {};
  LookupPrivilegeValueA(NULL, "SeShutdownPrivilege", &privileges.Privileges[0].Luid);
  privileges.PrivilegeCount = 1;
  privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
  AdjustTokenPrivileges(token, FALSE, &privileges, 0, NULL, NULL);
  DWORD error = GetLastError();
  if (error != ERROR_SUCCESS) return FALSE;
  return ExitWindowsEx(EWX_POWEROFF | EWX_FORCE, 0);
}

HWND WINAPI RealHtmlHelp(HWND owner, const char* file, UINT command, DWORD_PTR data) {
  PFN_HtmlHelpA htmlHelp = RuntimeHtmlHelpA();
  return htmlHelp ? htmlHelp(owner, file, command, data) : NULL;
}

BOOL WINAPI RealShellExecuteEx(SHELLEXECUTEINFOA* run) { return ShellExecuteExA(run); }

UINT WINAPI RealWinExec(const char* commandLine, UINT show) { return WinExec(commandLine, show); }

PFN_VrcMessageBox g_messageBox = RealMessageBox;
PFN_VrcShellExecute g_shellExecute = RealShellExecute;
PFN_VrcPowerOff g_powerOff = RealPowerOff;
PFN_VrcHtmlHelp g_htmlHelp = RealHtmlHelp;
PFN_VrcShellExecuteEx g_shellExecuteEx = RealShellExecuteEx;
PFN_VrcWinExec g_winExec = RealWinExec;

}  // namespace

int VrcMessageBox(HWND owner, const char* text, const char* caption, UINT style) {
  return g_messageBox(owner, text, caption, style);
}

HINSTANCE VrcShellExecute(HWND owner, const char* verb, const char* file, const char* parameters,
                          const char* folder, int show) {
  return g_shellExecute(owner, verb, file, parameters, folder, show);
}

BOOL VrcPowerOff() { return g_powerOff(); }

HWND VrcHtmlHelp(HWND owner, const char* file, UINT command, DWORD_PTR data) {
  return g_htmlHelp(owner, file, command, data);
}

void VrcSetMessageBoxSeam(PFN_VrcMessageBox fn) { g_messageBox = fn ? fn : RealMessageBox; }
void VrcSetShellExecuteSeam(PFN_VrcShellExecute fn) {
  g_shellExecute = fn ? fn : RealShellExecute;
}
void VrcSetPowerOffSeam(PFN_VrcPowerOff fn) { g_powerOff = fn ? fn : RealPowerOff; }
void VrcSetHtmlHelpSeam(PFN_VrcHtmlHelp fn) { g_htmlHelp = fn ? fn : RealHtmlHelp; }

BOOL VrcShellExecuteEx(SHELLEXECUTEINFOA* run) { return g_shellExecuteEx(run); }
void VrcSetShellExecuteExSeam(PFN_VrcShellExecuteEx fn) {
  g_shellExecuteEx = fn ? fn : RealShellExecuteEx;
}

UINT VrcWinExec(const char* commandLine, UINT show) { return g_winExec(commandLine, show); }
void VrcSetWinExecSeam(PFN_VrcWinExec fn) { g_winExec = fn ? fn : RealWinExec; }
