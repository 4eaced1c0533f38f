// The module registry and the hosts that fill it.
#pragma once
#include <memory>
#include <vector>

#include "base/ComPtr.h"
#include "base/Handles.h"
#include "include/VarnoModule.h"

// One registered module: its object and the library its code lives in (none
// for objects made inside the program). The object goes before its library.
struct ModuleRecord {
  GUID id;
  CLibrary library;
  CComPtr<IModule> module;
};

// Holds every module in registration order; owns the objects and their
// libraries until it is destroyed.
class CModuleRegistry : public IModuleRegistry {
 public:
  CModuleRegistry();
  ~CModuleRegistry() override;

  HRESULT STDMETHODCALLTYPE QueryInterface(const IID* iid, void** out) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;
  HRESULT STDMETHODCALLTYPE InitAllModules() override;
  HRESULT STDMETHODCALLTYPE ExitAllModules() override;
  HRESULT STDMETHODCALLTYPE RegisterModule(const GUID* id, IModule* obj, HMODULE hModule) override;
  HRESULT STDMETHODCALLTYPE GetModule(const GUID* id, void** out) override;

  size_t GetCount() const { return m_records.size(); }
  const ModuleRecord& GetRecord(size_t i) const { return *m_records[i]; }

 private:
  // The records stay where they are while the array grows.
  std::vector<std::unique_ptr<ModuleRecord>> m_records;
};

// Loads a module library, calls its ordinal-1 factory and registers the object.
BOOL LoadModuleLibrary(IModuleRegistry* registry, const GUID* id, const char* path);
// Registers an object made inside the program (no library).
BOOL RegisterModuleObject(IModuleRegistry* registry, const GUID* id, IModule* obj);
// The same for an object made for the registry alone: a refused one is
// released at once.
BOOL HandOverModuleObject(IModuleRegistry* registry, const GUID* id, IModule* obj);

// The abstract host: it creates the registry and starts and stops the modules.
class CModuleHost {
 public:
  CModuleHost();
  virtual ~CModuleHost();
  virtual HRESULT InitInstance();
  virtual HRESULT ExitInstance();
  virtual BOOL LoadModules(IModuleRegistry* registry) = 0;
  virtual HRESULT GetModule(const GUID* id, void** out);

  IModuleRegistry* GetRegistry() const { return m_pRegistry; }

 protected:
  CComPtr<IModuleRegistry> m_pRegistry;
};
