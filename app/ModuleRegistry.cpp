#include "app/ModuleRegistry.h"

#include <string.h>

#include "base/Borders.h"

namespace {

// Registers an object with its library (none for an object made inside the
// program): the registry owns both from then on. A refused object is
// released, and then its library freed.
BOOL HandOver(IModuleRegistry* registry, const GUID* id, IModule* obj, CLibrary& library) {
  if (registry && SUCCEEDED(registry->RegisterModule(id, obj, library.Get()))) {
    library.Detach();
    return TRUE;
  }
  CComPtr<IModule> refused(obj);  // released on the way out
  return FALSE;
}

}  // namespace

CModuleRegistry::CModuleRegistry() {}

CModuleRegistry::~CModuleRegistry() {
  // Each object goes before its own library is unloaded; a record given back
  // no longer answers to its id.
  for (std::unique_ptr<ModuleRecord>& record : m_records) {
    record->module.Release();
    record->library.Free();
    memset(&record->id, 0, sizeof(record->id));
  }
  m_records.clear();
}

HRESULT CModuleRegistry::QueryInterface(const IID*, void**) { return E_NOTIMPL; }

ULONG CModuleRegistry::AddRef() { return 1; }

ULONG CModuleRegistry::Release() {
  delete this;
  return 0;
}

HRESULT CModuleRegistry::InitAllModules() {
  for (size_t i = 0; i < m_records.size(); ++i) {
    IModule* module = m_records[i]->module;
    if (!module) continue;
    // The program's own modules run in this library: what they throw stops
    // here and fails the start-up quietly.
    HRESULT hr = HResultAtBorder("Varno Application module InitInstance",
                                 [&] { return module->InitInstance(); });
    if (FAILED(hr)) return hr;
  }
  return S_OK;
}

HRESULT CModuleRegistry::ExitAllModules() {
  for (size_t i = m_records.size(); i-- > 0;) {
    IModule* module = m_records[i]->module;
    if (module)
      HResultAtBorder("Varno Application module ExitInstance",
                      [&] { return module->ExitInstance(); });
  }
  return S_OK;
}

HRESULT CModuleRegistry::RegisterModule(const GUID* id, IModule* obj, HMODULE hModule) {
  if (!obj || !id) return E_POINTER;
  HRESULT hr = obj->SetHost(this);
  if (FAILED(hr)) return hr;
  hr = obj->SetModuleId(id);
  if (FAILED(hr)) return hr;
  std::unique_ptr<ModuleRecord> record(new ModuleRecord());
  memcpy(&record->id, id, sizeof(GUID));
  if (m_records.size() == m_records.capacity()) m_records.reserve(m_records.size() * 2 + 1);
  // Nothing fails from here on: the record takes the object and its library.
  record->module = CComPtr<IModule>(obj);
  record->library.Reset(hModule);
  m_records.push_back(std::move(record));
  return S_OK;
}

HRESULT CModuleRegistry::GetModule(const GUID* id, void** out) {
  if (!out) return E_INVALIDARG;
  for (const std::unique_ptr<ModuleRecord>& record : m_records) {
    if (VrcSameGuid(&record->id, id)) {
      *out = record->module.Get();
      return S_OK;
    }
  }
  return E_NOINTERFACE;
}

BOOL LoadModuleLibrary(IModuleRegistry* registry, const GUID* id, const char* path) {
  if (!registry) return FALSE;
  CLibrary library;
  if (!library.Load(path)) return FALSE;
  PFN_DllCreateObject create =
      reinterpret_cast<PFN_DllCreateObject>(library.Find(MAKEINTRESOURCEA(1)));
  IModule* module = create ? create() : NULL;
  if (!module) return FALSE;
  // Not recorded, the object and its library would otherwise be lost.
  return HandOver(registry, id, module, library);
}

BOOL RegisterModuleObject(IModuleRegistry* registry, const GUID* id, IModule* obj) {
  return registry && SUCCEEDED(registry->RegisterModule(id, obj, NULL));
}

BOOL HandOverModuleObject(IModuleRegistry* registry, const GUID* id, IModule* obj) {
  CLibrary none;
  return HandOver(registry, id, obj, none);
}

CModuleHost::CModuleHost() : m_pRegistry(new CModuleRegistry()) {}

CModuleHost::~CModuleHost() {}

HRESULT CModuleHost::InitInstance() {
  if (!m_pRegistry) return E_UNEXPECTED;
  if (!LoadModules(m_pRegistry)) return E_FAIL;
  return m_pRegistry->InitAllModules();
}

HRESULT CModuleHost::ExitInstance() {
  if (!m_pRegistry) return E_UNEXPECTED;
  return m_pRegistry->ExitAllModules();
}

HRESULT CModuleHost::GetModule(const GUID* id, void** out) {
  if (!m_pRegistry) return E_POINTER;
  return m_pRegistry->GetModule(id, out);
}
