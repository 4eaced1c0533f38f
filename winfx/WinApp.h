// The application object of the program's own small window framework: one
// instance per program, started by the framework's WinMain.
#pragma once
#include <windows.h>

class CWinFxApp {
 public:
  CWinFxApp();
  virtual ~CWinFxApp();

  // FALSE ends the program before the message loop; ExitInstance runs anyway.
  virtual BOOL InitInstance() { return TRUE; }
  virtual int ExitInstance() { return m_nExitCode; }
  // Every message is offered here first; TRUE means it was consumed. The
  // windows from the target up its parents are asked first.
  virtual BOOL PreTranslateMessage(MSG* msg);
  // The message loop: ends when WM_QUIT arrives or the main window is gone
  // (the window layer posts WM_QUIT when the main window is destroyed).
  virtual int Run();

  HINSTANCE GetInstance() const { return m_hInstance; }
  HWND GetMainWnd() const { return m_hMainWnd; }
  void SetMainWnd(HWND hWnd) { m_hMainWnd = hWnd; }
  int GetArgc() const { return m_argc; }
  char** GetArgv() const { return m_argv; }

  // The framework's entry: InitInstance, Run when it succeeded, ExitInstance.
  int Main(HINSTANCE hInstance, int argc, char** argv);

 protected:
  HINSTANCE m_hInstance;
  HWND m_hMainWnd;
  int m_nExitCode;
  int m_argc;
  char** m_argv;
};

// The one application object of the running program, or NULL.
CWinFxApp* WinFxGetApp();
