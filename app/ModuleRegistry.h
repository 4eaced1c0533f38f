// The module registry and the hosts that fill it.
#pragma once
#include <vector>

#include "include/VarnoModule.h"

struct ModuleRecord {
  GUID id;
  IModule* pModule;
  HMODULE hModule;  // NULL for objects made inside the program
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
  const ModuleRecord& GetRecord(size_t i) const { return m_records[i]; }

 private:
  std::vector<ModuleRecord> m_records;
};

// Loads a module library, calls its ordinal-1 factory and registers the object.
BOOL LoadModuleLibrary(IModuleRegistry* registry, const GUID* id, const char* path);
// Registers an object made inside the program (no library).
BOOL RegisterModuleObject(IModuleRegistry* registry, const GUID* id, IModule* obj);

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
  IModuleRegistry* m_pRegistry;
};
