// The configuration module as the registry hands it to a module: the fake
// configuration and the fake translator (which it can be told to refuse);
// and a registry that holds that module alone.
#pragma once
#include "include/VarnoConfig.h"
#include "include/VarnoModule.h"
#include "include/VarnoTranslator.h"
#include "tests/support/FakeConfig.h"
#include "tests/support/FakeTranslator.h"

class CFakeConfigModule : public IModule {
 public:
  CFakeConfig config;
  CFakeTranslator translator;
  bool refuseTranslator = false;

  HRESULT STDMETHODCALLTYPE QueryInterface(const IID* iid, void** out) override {
    if (IsEqualIID(*iid, IID_IVarnoConfigEx)) {
      *out = static_cast<IVarnoConfigEx*>(&config);
      return S_OK;
    }
    if (IsEqualIID(*iid, IID_ILanguageTranslater) && !refuseTranslator) {
      *out = static_cast<ILanguageTranslater*>(&translator);
      return S_OK;
    }
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  HRESULT STDMETHODCALLTYPE SetHost(IModuleRegistry*) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE SetModuleId(const GUID*) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE InitInstance() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE ExitInstance() override { return S_OK; }
  int STDMETHODCALLTYPE Reserved(int) override { return 0; }
};

class CFakeRegistry : public IModuleRegistry {
 public:
  IModule* configModule = NULL;

  HRESULT STDMETHODCALLTYPE QueryInterface(const IID*, void**) override { return E_NOTIMPL; }
  ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
  ULONG STDMETHODCALLTYPE Release() override { return 0; }
  HRESULT STDMETHODCALLTYPE InitAllModules() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE ExitAllModules() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE RegisterModule(const GUID*, IModule*, HMODULE) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE GetModule(const GUID* id, void** out) override {
    if (!out) return E_INVALIDARG;
    if (configModule && IsEqualGUID(*id, CLSID_ConfigModule)) {
      *out = configModule;
      return S_OK;
    }
    return E_NOINTERFACE;
  }
};
