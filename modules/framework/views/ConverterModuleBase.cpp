#include "modules/framework/views/ConverterModuleBase.h"

#include "base/ComPtr.h"
#include "include/VarnoModuleEvents.h"

CConverterModuleBase::CConverterModuleBase() : m_pContainer(new CConnectionPointContainer()) {}

CConverterModuleBase::~CConverterModuleBase() {}

HRESULT CConverterModuleBase::CreateView(const char*, HWND, const RECT*, const char*,
                                         IConverterView** out) {
  if (!out || !*out) return E_POINTER;
  m_views.push_back(*out);
  return S_OK;
}

HRESULT CConverterModuleBase::DestroyView(IConverterView* view) {
  if (!view || m_views.empty()) return E_INVALIDARG;
  for (std::vector<IConverterView*>::iterator it = m_views.begin(); it != m_views.end(); ++it) {
    if (*it == view) {
      m_views.erase(it);
      return S_OK;
    }
  }
  return E_INVALIDARG;
}

HRESULT CConverterModuleBase::UpdateViews(int a, const char* names) {
  for (size_t i = 0; i < m_views.size(); ++i)
    if (m_views[i]) m_views[i]->UpdateUI(a, names);
  return S_OK;
}

HRESULT CConverterModuleBase::FireModuleEvent(int code, INT_PTR p1, INT_PTR p2, INT_PTR p3) {
  int count = 0;
  if (!m_pContainer || FAILED(m_pContainer->SinkCount(&IID_IModuleEvents, &count)))
    return E_NOINTERFACE;
  // The count is read once: a sink that unadvises meanwhile shortens the
  // list, and the indexes past its end fail and are skipped.
  for (int i = 0; i < count; ++i) {
    CComPtr<IModuleEvents> sink;
    if (FAILED(m_pContainer->GetSink(&IID_IModuleEvents, i, sink.Out())) || !sink) continue;
    sink->OnModuleEvent(&m_moduleId, code, p1, p2, p3);
  }
  return S_OK;
}

HRESULT CConverterModuleBase::QueryContainer(const IID* iid, void** out) {
  m_pContainer->QueryInterface(*iid, out);
  return S_OK;
}
