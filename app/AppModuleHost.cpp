#include "app/AppModuleHost.h"

#include <string.h>

#include "app/CommandExecutive.h"
#include "app/MainUIModule.h"
#include "base/LogClient.h"

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
  char folder[MAX_PATH] = {0};
  GetModuleFileNameA(NULL, folder, MAX_PATH);
  char* slash = strrchr(folder, '\\');
  if (slash) slash[1] = 0;

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
    char path[MAX_PATH * 2];
    lstrcpynA(path, folder, MAX_PATH);
    lstrcatA(path, library.file);
    BOOL loaded = LoadModuleLibrary(registry, library.id, path);
    LogPrint(LOG_ALWAYS, "Load %s! bRet=%d\n", path, loaded);
  }

  IModule* ui = new CMainUIModule();
  BOOL ret = RegisterModuleObject(registry, &CLSID_MainUIModule, ui);
  if (!ret) ui->Release();
  LogPrint(LOG_ALWAYS, "Load main module! bRet=%d\n", ret);

  IModule* executive = new CCommandExecutive();
  ret = RegisterModuleObject(registry, &CLSID_CommandExecutive, executive);
  if (!ret) executive->Release();
  LogPrint(LOG_ALWAYS, "Load command executive module! bRet=%d\n", ret);
  return ret;
}
