// CMainUIModule: the module that owns the main window and stands between it
// and the rest of the program.
#pragma once
#include "base/ModuleBase.h"
#include "include/VarnoSkinCommand.h"

class CMainUIModule : public CModuleBase {
 public:
  CMainUIModule();
  HRESULT STDMETHODCALLTYPE QueryInterface(const IID* iid, void** out) override;
  HRESULT STDMETHODCALLTYPE InitInstance() override;
  HRESULT STDMETHODCALLTYPE ExitInstance() override;

 private:
  ISkinCommand* m_pISkinCommand;
  void* m_pIConfigEx;
  void* m_pITranslater;
};
