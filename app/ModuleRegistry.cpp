#include "app/ModuleRegistry.h"

#include <string.h>

CModuleRegistry::CModuleRegistry() {}

CModuleRegistry::~CModuleRegistry() {
  // Each object goes before its own library is unloaded.
  for (ModuleRecord& record : m_records) {
    if (record.pModule) record.pModule->Release();
    if (record.hModule) FreeLibrary(record.hModule);
    memset(&record, 0, sizeof(record));
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
    IModule* module = m_records[i].pModule;
    if (!module) continue;
    HRESULT hr = module->InitInstance();
    if (FAILED(hr)) return hr;
  }
  return S_OK;
}

HRESULT CModuleRegistry::ExitAllModules() {
  for (size_t i = m_records.size(); i-- > 0;) {
    if (m_records[i].pModule) m_records[i].pModule->ExitInstance();
  }
  return S_OK;
}

HRESULT CModuleRegistry::RegisterModule(const GUID* id, IModule* obj, HMODULE hModule) {
  if (!obj || !id) return E_POINTER;
  HRESULT hr = obj->SetHost(this);
  if (FAILED(hr)) return hr;
  hr = obj->SetModuleId(id);
  if (FAILED(hr)) return hr;
  ModuleRecord record;
  memcpy(&record.id, id, sizeof(GUID));
  record.pModule = obj;
  record.hModule = hModule;
  if (m_records.size() == m_records.capacity()) m_records.reserve(m_records.size() * 2 + 1);
  m_records.push_back(record);
  return S_OK;
}

HRESULT CModuleRegistry::GetModule(const GUID* id, void** out) {
  if (!out) return E_INVALIDARG;
  for (const ModuleRecord& record : m_records) {
    if (VrcSameGuid(&record.id, id)) {
      *out = record.pModule;
      return S_OK;
    }
  }
  return E_NOINTERFACE;
}

BOOL LoadModuleLibrary(IModuleRegistry* registry, const GUID* id, const char* path) {
  if (!registry) return FALSE;
  HMODULE library = LoadLibraryA(path);
  if (!library) return FALSE;
  PFN_DllCreateObject create =
      reinterpret_cast<PFN_DllCreateObject>(GetProcAddress(library, MAKEINTRESOURCEA(1)));
  IModule* module = create ? create() : NULL;
  if (!module) {
    FreeLibrary(library);
    return FALSE;
  }
  if (FAILED(registry->RegisterModule(id, module, library))) {
    // Not recorded: the object and its library would otherwise be lost.
    module->Release();
    FreeLibrary(library);
    return FALSE;
  }
  return TRUE;
}

BOOL RegisterModuleObject(IModuleRegistry* registry, const GUID* id, IModule* obj) {
  return registry && SUCCEEDED(registry->RegisterModule(id, obj, NULL));
}

CModuleHost::CModuleHost() : m_pRegistry(new CModuleRegistry()) {}

CModuleHost::~CModuleHost() {
  if (m_pRegistry) m_pRegistry->Release();
  m_pRegistry = NULL;
}

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
