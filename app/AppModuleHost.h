// The program's module host: loads the four module libraries from the
// program's folder and registers the program's own two modules after them.
#pragma once
#include "app/ModuleRegistry.h"

class CAppModuleHost : public CModuleHost {
 public:
  HRESULT InitInstance() override;
  HRESULT ExitInstance() override;
  BOOL LoadModules(IModuleRegistry* registry) override;
};
