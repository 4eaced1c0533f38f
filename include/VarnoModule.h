// The module contract: every module object (the four libraries' objects and
// the program's own two) implements IModule; the registry that holds them all
// is handed to each one as IModuleRegistry. COM binary layout, no COM runtime.
#pragma once
#include <windows.h>
#include "include/VarnoGuids.h"

struct IModuleRegistry;

struct IModule {
  virtual HRESULT STDMETHODCALLTYPE QueryInterface(const IID* iid, void** out) = 0;
  virtual ULONG STDMETHODCALLTYPE AddRef() = 0;
  virtual ULONG STDMETHODCALLTYPE Release() = 0;
  virtual HRESULT STDMETHODCALLTYPE SetHost(IModuleRegistry* host) = 0;
  virtual HRESULT STDMETHODCALLTYPE SetModuleId(const GUID* id) = 0;
  virtual HRESULT STDMETHODCALLTYPE InitInstance() = 0;
  virtual HRESULT STDMETHODCALLTYPE ExitInstance() = 0;
  virtual int STDMETHODCALLTYPE Reserved(int) = 0;
  virtual ~IModule() {}
};

struct IModuleRegistry {
  virtual HRESULT STDMETHODCALLTYPE QueryInterface(const IID* iid, void** out) = 0;
  virtual ULONG STDMETHODCALLTYPE AddRef() = 0;
  virtual ULONG STDMETHODCALLTYPE Release() = 0;
  virtual HRESULT STDMETHODCALLTYPE InitAllModules() = 0;
  virtual HRESULT STDMETHODCALLTYPE ExitAllModules() = 0;
  virtual HRESULT STDMETHODCALLTYPE RegisterModule(const GUID* id, IModule* obj, HMODULE hModule) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetModule(const GUID* id, void** out) = 0;
  virtual ~IModuleRegistry() {}
};

// The factory that each module library exports at ordinal 1.
typedef IModule* (WINAPI* PFN_DllCreateObject)();
