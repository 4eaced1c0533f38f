#include "app/MainUIModule.h"

#include "base/LogClient.h"

CMainUIModule::CMainUIModule() {}

HRESULT CMainUIModule::QueryInterface(const IID*, void** out) {
  if (!out) return E_POINTER;
  return E_NOINTERFACE;
}

HRESULT CMainUIModule::InitInstance() {
  HRESULT hr = QueryModuleInterface(&CLSID_CommandExecutive, &IID_ISkinCommand, m_pISkinCommand.Out());
  CUncounted<IModule> config;
  HRESULT found = GetHostObject(&CLSID_ConfigModule, config.Out());
  hr |= found;
  if (SUCCEEDED(found) && config) {
    hr |= config->QueryInterface(&IID_IVarnoConfigEx, m_pIConfigEx.Out());
    hr |= config->QueryInterface(&IID_ILanguageTranslater, m_pITranslater.Out());
  }
  LogPrint(LOG_TRACE, "Varno Reel Craft UI InitInstance! hr=0x%x\n", hr);
  return S_OK;
}

HRESULT CMainUIModule::ExitInstance() {
  LogPrint(LOG_TRACE, "Varno Reel Craft UI ExitInstance!");
  return S_OK;
}
