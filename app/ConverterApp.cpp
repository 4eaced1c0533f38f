#include "app/ConverterApp.h"

#include <commctrl.h>
#include <ole2.h>

#include "base/LogClient.h"
#include <SkinScrollBar.h>
#include "include/VarnoSkinCommand.h"

const char SingleInstanceMutexName[] = "{8E7970B6-9544-4946-9251-DD0A604FCA8D}";

CConverterApp::CConverterApp() : m_hMutex(NULL), m_bOleStarted(false) {}

BOOL CConverterApp::InitInstance() {
  // The platform's OLE support (the modules' DirectShow and picture objects
  // need it) and the common controls.
  m_bOleStarted = SUCCEEDED(OleInitialize(NULL));
  INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);

  LogInitialize(GetInstance());
  LogPrint(LOG_TRACE, "Varno Reel Craft InitInstance!\n");

  if (CheckSingleInstance()) {
    HWND running = FindWindowA("#32770", "VarnoReelCraft");
    if (running) {
      if (IsIconic(running)) ShowWindow(running, SW_RESTORE);
      SetForegroundWindow(running);
    }
    return FALSE;
  }

  if (FAILED(m_host.InitInstance())) return FALSE;

  IModule* executive = NULL;
  ISkinCommand* command = NULL;
  if (SUCCEEDED(m_host.GetModule(&CLSID_CommandExecutive, reinterpret_cast<void**>(&executive))) &&
      executive &&
      SUCCEEDED(executive->QueryInterface(&IID_ISkinCommand, reinterpret_cast<void**>(&command))) &&
      command) {
    SkinCommandParam param = {};
    param.nForce1 = GetArgc();
    param.nForce2 = reinterpret_cast<INT_PTR>(GetArgv());
    command->ExecuteSkinCommand("CommandLine", 0, &param);
  }

  SkinSB_InitializeApp();
  return TRUE;
}

int CConverterApp::ExitInstance() {
  m_host.ExitInstance();
  SkinSB_UninitializeApp();
  if (m_hMutex) {
    CloseHandle(m_hMutex);
    m_hMutex = NULL;
  }
  LogPrint(LOG_TRACE, "Varno Reel Craft ExitInstance!\n");
  LogRelease();
  int code = CWinFxApp::ExitInstance();
  if (m_bOleStarted) {
    OleUninitialize();
    m_bOleStarted = false;
  }
  return code;
}

BOOL CConverterApp::CheckSingleInstance() {
  m_hMutex = CreateMutexA(NULL, TRUE, SingleInstanceMutexName);
  if (GetLastError() == ERROR_ALREADY_EXISTS) {
    LogPrint(LOG_TRACE, "Varno Reel Craft is running!\n");
    return TRUE;
  }
  return FALSE;
}

BOOL CConverterApp::PreTranslateMessage(MSG* msg) {
  IModule* ui = NULL;
  ISkinUI* skinUI = NULL;
  if (SUCCEEDED(m_host.GetModule(&CLSID_MainUIModule, reinterpret_cast<void**>(&ui))) && ui &&
      SUCCEEDED(ui->QueryInterface(&IID_ISkinUI, reinterpret_cast<void**>(&skinUI))) && skinUI &&
      skinUI->PreTranslateMessage(msg))
    return TRUE;
  return CWinFxApp::PreTranslateMessage(msg);
}
