#include "app/MainUIModule.h"

#include "base/LogClient.h"

CMainUIModule::CMainUIModule()
    : m_pISkinCommand(NULL), m_pIConfigEx(NULL), m_pITranslater(NULL) {}

HRESULT CMainUIModule::QueryInterface(const IID*, void** out) {
  if (!out) return E_POINTER;
  return E_NOINTERFACE;
}

HRESULT CMainUIModule::InitInstance() {
  HRESULT hr = QueryModuleInterface(&CLSID_CommandExecutive, &IID_ISkinCommand,
                                    reinterpret_cast<void**>(&m_pISkinCommand));
  IModule* config = NULL;
  HRESULT found = GetHostObject(&CLSID_ConfigModule, reinterpret_cast<void**>(&config));
  hr |= found;
  if (SUCCEEDED(found) && config) {
    hr |= config->QueryInterface(&IID_IVarnoConfigEx, &m_pIConfigEx);
    hr |= config->QueryInterface(&IID_ILanguageTranslater, &m_pITranslater);
  }
  LogPrint(LOG_TRACE, "Varno Reel Craft UI InitInstance! hr=0x%x\n", hr);
  return S_OK;
}

HRESULT CMainUIModule::ExitInstance() {
  LogPrint(LOG_TRACE, "Varno Reel Craft UI ExitInstance!");
  return S_OK;
}
