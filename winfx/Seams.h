// The calls that a test must never make for real: message boxes (they wait
// for a user), the shell (it opens windows and other programs), the
// power-off and the help viewer. Each deliverable links its own copy; tests
// replace the functions with recorders through the setters and put the real
// ones back with NULL.
#pragma once
#include <windows.h>
#include <shellapi.h>

typedef int(WINAPI* PFN_VrcMessageBox)(HWND owner, const char* text, const char* caption,
                                       UINT style);
typedef HINSTANCE(WINAPI* PFN_VrcShellExecute)(HWND owner, const char* verb, const char* file,
                                               const char* parameters, const char* folder,
                                               int show);
// Asks the system to switch the computer off; FALSE when it refused.
typedef BOOL(WINAPI* PFN_VrcPowerOff)();
// The system help viewer (HtmlHelpA of hhctrl.ocx, loaded on first use).
typedef HWND(WINAPI* PFN_VrcHtmlHelp)(HWND owner, const char* file, UINT command,
                                      DWORD_PTR data);

int VrcMessageBox(HWND owner, const char* text, const char* caption, UINT style);
HINSTANCE VrcShellExecute(HWND owner, const char* verb, const char* file, const char* parameters,
                          const char* folder, int show);
BOOL VrcPowerOff();
HWND VrcHtmlHelp(HWND owner, const char* file, UINT command, DWORD_PTR data);

void VrcSetMessageBoxSeam(PFN_VrcMessageBox fn);
void VrcSetShellExecuteSeam(PFN_VrcShellExecute fn);
void VrcSetPowerOffSeam(PFN_VrcPowerOff fn);
void VrcSetHtmlHelpSeam(PFN_VrcHtmlHelp fn);

// Starts a program through the shell (ShellExecuteEx), with its process
// handle when the caller asks for it; FALSE when it did not start.
typedef BOOL(WINAPI* PFN_VrcShellExecuteEx)(SHELLEXECUTEINFOA* run);
BOOL VrcShellExecuteEx(SHELLEXECUTEINFOA* run);
void VrcSetShellExecuteExSeam(PFN_VrcShellExecuteEx fn);

// Starts a program from a command line (WinExec); above 31 when it started.
typedef UINT(WINAPI* PFN_VrcWinExec)(const char* commandLine, UINT show);
UINT VrcWinExec(const char* commandLine, UINT show);
void VrcSetWinExecSeam(PFN_VrcWinExec fn);
