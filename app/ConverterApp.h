// CConverterApp: the program's application object. It starts the log,
// refuses a second instance, starts the modules and gives the main UI module
// the first look at every message.
#pragma once
#include <optional>

#include "app/AppModuleHost.h"
#include "base/Handles.h"
#include "winfx/WinApp.h"

extern const char SingleInstanceMutexName[];

class CConverterApp : public CWinFxApp {
 public:
  CConverterApp();
  BOOL InitInstance() override;
  int ExitInstance() override;
  BOOL PreTranslateMessage(MSG* msg) override;
  BOOL CheckSingleInstance();

 private:
  CAppModuleHost m_host;
  CHandle m_mutex;
  // OLE runs from the start of InitInstance to the end of ExitInstance.
  std::optional<CComInit> m_ole;
};
