#include "app/ConverterApp.h"

#include <commctrl.h>

#include "base/LogClient.h"
#include "base/Uncounted.h"
#include <SkinScrollBar.h>
#include "include/VarnoSkinCommand.h"
#include "ui/MainDialog.h"

const char SingleInstanceMutexName[] = "{8E7970B6-9544-4946-9251-DD0A604FCA8D}";

CConverterApp::CConverterApp() {}

BOOL CConverterApp::InitInstance() {
  // The platform's OLE support (the modules' DirectShow and picture objects
  // need it) and the common controls.
  m_ole.emplace(CComInit::kOle);
  INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);

  LogInitialize(GetInstance());
  LogPrint(LOG_TRACE, "Varno Reel Craft InitInstance!\n");

  if (CheckSingleInstance()) {
    HWND running = FindRunningMainWindow();
    if (running) {
      if (IsIconic(running)) ShowWindow(running, SW_RESTORE);
      SetForegroundWindow(running);
    }
    return FALSE;
  }

  if (FAILED(m_host.InitInstance())) return FALSE;

  // The registry's objects and the executive's command interface come uncounted.
  CUncounted<IModule> executive;
  CUncounted<ISkinCommand> command;
  if (SUCCEEDED(m_host.GetModule(&CLSID_CommandExecutive, executive.Out())) && executive &&
      SUCCEEDED(executive->QueryInterface(&IID_ISkinCommand, command.Out())) && command) {
    SkinCommandParam param = {};
    param.nForce1 = GetArgc();
    param.nForce2 = reinterpret_cast<INT_PTR>(GetArgv());
    command->ExecuteSkinCommand("CommandLine", 0, &param);
  }

  SkinSB_InitializeApp();
  // The message loop only ends with the main window (or a quit on it): with
  // none it would wait for ever, unseen, holding the single-instance mutex.
  if (!GetMainWnd() || !IsWindow(GetMainWnd())) {
    LogPrint(LOG_ERROR, "Varno Reel Craft has no main window after start-up!\n");
    return FALSE;
  }
  return TRUE;
}

int CConverterApp::ExitInstance() {
  m_host.ExitInstance();
  SkinSB_UninitializeApp();
  m_mutex.Close();
  LogPrint(LOG_TRACE, "Varno Reel Craft ExitInstance!\n");
  LogRelease();
  int code = CWinFxApp::ExitInstance();
  m_ole.reset();
  return code;
}

BOOL CConverterApp::CheckSingleInstance() {
  HANDLE mutex = CreateMutexA(NULL, TRUE, SingleInstanceMutexName);
  DWORD error = GetLastError();
  m_mutex.Reset(mutex);
  if (error == ERROR_ALREADY_EXISTS) {
    LogPrint(LOG_TRACE, "Varno Reel Craft is running!\n");
    return TRUE;
  }
  return FALSE;
}

BOOL CConverterApp::PreTranslateMessage(MSG* msg) {
  CUncounted<IModule> ui;
  CUncounted<ISkinUI> skinUI;
  if (SUCCEEDED(m_host.GetModule(&CLSID_MainUIModule, ui.Out())) && ui &&
      SUCCEEDED(ui->QueryInterface(&IID_ISkinUI, skinUI.Out())) && skinUI &&
      skinUI->PreTranslateMessage(msg))
    return TRUE;
  return CWinFxApp::PreTranslateMessage(msg);
}
