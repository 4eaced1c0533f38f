// CCommandExecutive: the module that owns the program's named commands and
// wires the program to the configuration and the three conversion modules.
#pragma once
#include "ModuleBase.h"
#include "VarnoSkinCommand.h"

class CCommandExecutive : public CModuleBase {
 public:
  CCommandExecutive();
  ~CCommandExecutive() override;

  HRESULT STDMETHODCALLTYPE QueryInterface(const IID* iid, void** out) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;
  HRESULT STDMETHODCALLTYPE InitInstance() override;
  HRESULT STDMETHODCALLTYPE ExitInstance() override;

 private:
  class CSkinCommandPart : public ISkinCommand {
   public:
    explicit CSkinCommandPart(CCommandExecutive* owner) : m_pOwner(owner) {}
    HRESULT STDMETHODCALLTYPE QueryInterface(const IID* iid, void** out) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    int STDMETHODCALLTYPE IsControlEnabled(const char* name) override;
    INT_PTR STDMETHODCALLTYPE GetControlValue(const char* name) override;
    HRESULT STDMETHODCALLTYPE ExecuteSkinCommand(const char* name, int argument,
                                                 SkinCommandParam* param) override;
    HRESULT STDMETHODCALLTYPE ExecuteHotKeyCommand(int virtualKey, int, int, int) override;

   private:
    CCommandExecutive* m_pOwner;
  };

  CSkinCommandPart m_skinCommand;
  void* m_pIConfigEx;
  void* m_pITranslater;
  volatile LONG m_nRefCount;
};
