#include "app/AppModuleHost.h"

#include <string>

#include "app/CommandExecutive.h"
#include "app/MainUIModule.h"
#include "base/LogClient.h"
#include "base/Paths.h"

HRESULT CAppModuleHost::InitInstance() {
  HRESULT hr = CModuleHost::InitInstance();
  LogPrint(LOG_TRACE, "Varno Application InitInstance! hr=0x%x\n", hr);
  return hr;
}

HRESULT CAppModuleHost::ExitInstance() {
  HRESULT hr = CModuleHost::ExitInstance();
  LogPrint(LOG_TRACE, "Varno Application ExitInstance! hr=0x%x\n", hr);
  return hr;
}

BOOL CAppModuleHost::LoadModules(IModuleRegistry* registry) {
  // With its last backslash.
  std::string folder = ModuleFolder();

  static const struct {
    const char* file;
    const GUID* id;
  } kLibraries[] = {
      {"OptionVault.dll", &CLSID_ConfigModule},
      {"MovieCast.dll", &CLSID_VideoModule},
      {"TuneCast.dll", &CLSID_MusicModule},
      {"StillCast.dll", &CLSID_PhotoModule},
  };
  for (const auto& library : kLibraries) {
    std::string path = folder + library.file;
    BOOL loaded = LoadModuleLibrary(registry, library.id, path.c_str());
    LogPrint(LOG_ALWAYS, "Load %s! bRet=%d\n", path.c_str(), loaded);
  }

  BOOL ret = HandOverModuleObject(registry, &CLSID_MainUIModule, new CMainUIModule());
  LogPrint(LOG_ALWAYS, "Load main module! bRet=%d\n", ret);

  ret = HandOverModuleObject(registry, &CLSID_CommandExecutive, new CCommandExecutive());
  LogPrint(LOG_ALWAYS, "Load command executive module! bRet=%d\n", ret);
  return ret;
}
