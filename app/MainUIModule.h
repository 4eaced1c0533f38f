// CMainUIModule: the module that owns the main window and stands between it
// and the rest of the program.
#pragma once
#include "base/ModuleBase.h"
#include "base/Uncounted.h"
#include "include/VarnoConfig.h"
#include "include/VarnoSkinCommand.h"
#include "include/VarnoTranslator.h"

class CMainUIModule : public CModuleBase {
 public:
  CMainUIModule();
  HRESULT STDMETHODCALLTYPE QueryInterface(const IID* iid, void** out) override;
  HRESULT STDMETHODCALLTYPE InitInstance() override;
  HRESULT STDMETHODCALLTYPE ExitInstance() override;

 private:
  // The executive and the configuration module hand these over uncounted:
  // the registry keeps both modules as long as this one.
  CUncounted<ISkinCommand> m_pISkinCommand;
  CUncounted<IVarnoConfigEx> m_pIConfigEx;
  CUncounted<ILanguageTranslater> m_pITranslater;
};
