#include "base/ModuleBase.h"

#include <string.h>

CModuleBase::CModuleBase() : m_pHost(NULL) { memset(&m_moduleId, 0, sizeof(m_moduleId)); }

CModuleBase::~CModuleBase() {}

HRESULT CModuleBase::QueryInterface(const IID*, void**) { return E_NOINTERFACE; }

ULONG CModuleBase::AddRef() { return 0; }

ULONG CModuleBase::Release() {
  delete this;
  return 0;
}

HRESULT CModuleBase::SetHost(IModuleRegistry* host) {
  m_pHost = host;
  return S_OK;
}

HRESULT CModuleBase::SetModuleId(const GUID* id) {
  if (id) memcpy(&m_moduleId, id, sizeof(m_moduleId));
  return S_OK;
}

HRESULT CModuleBase::InitInstance() { return S_OK; }

HRESULT CModuleBase::ExitInstance() { return S_OK; }

int CModuleBase::Reserved(int) { return 0; }

HRESULT CModuleBase::GetHostObject(const GUID* id, void** out) {
  if (!m_pHost) return E_POINTER;
  return m_pHost->GetModule(id, out);
}

HRESULT CModuleBase::QueryModuleInterface(const GUID* moduleId, const IID* iid, void** out) {
  IModule* module = NULL;
  HRESULT hr = GetHostObject(moduleId, reinterpret_cast<void**>(&module));
  if (FAILED(hr)) return hr;
  if (!module) return E_POINTER;
  return module->QueryInterface(iid, out);
}
