#include "base/ConnectionPoint.h"

#include <string.h>

#include <new>
#include <utility>

namespace {

bool SameIid(const IID& a, const IID& b) { return memcmp(&a, &b, sizeof(IID)) == 0; }

}  // namespace

// ---- CConnectionPoint ----

CConnectionPoint::CConnectionPoint(const IID& iid, CConnectionPointContainer* container)
    : m_nRef(0), m_iid(iid), m_pContainer(container) {
  if (m_pContainer) m_pContainer->AddRef();
}

CConnectionPoint::~CConnectionPoint() {
  for (size_t i = 0; i < m_sinks.size(); ++i) m_sinks[i].sink.Release();
  m_sinks.clear();
  m_pContainer.Release();
}

void CConnectionPoint::DetachContainer() {
  CLock lock(m_cs);
  m_pContainer.Detach();  // the container is going: nothing to give back
}

HRESULT CConnectionPoint::QueryInterface(REFIID iid, void** out) {
  if (!out) return E_POINTER;
  CLock lock(m_cs);
  if (SameIid(iid, IID_IConnectionPoint) || SameIid(iid, IID_IUnknown)) {
    *out = static_cast<IConnectionPoint*>(this);
    AddRef();
    return S_OK;
  }
  *out = NULL;
  return E_NOINTERFACE;
}

ULONG CConnectionPoint::AddRef() { return InterlockedIncrement(&m_nRef); }

ULONG CConnectionPoint::Release() {
  LONG count = InterlockedDecrement(&m_nRef);
  if (count == 0) delete this;
  return count;
}

HRESULT CConnectionPoint::GetConnectionInterface(IID* out) {
  if (!out) return E_POINTER;
  CLock lock(m_cs);
  memcpy(out, &m_iid, sizeof(IID));
  return S_OK;
}

HRESULT CConnectionPoint::GetConnectionPointContainer(IConnectionPointContainer** out) {
  if (!out) return E_POINTER;
  CLock lock(m_cs);
  if (!m_pContainer) return E_UNEXPECTED;
  return m_pContainer->QueryInterface(IID_IConnectionPointContainer, reinterpret_cast<void**>(out));
}

HRESULT CConnectionPoint::Advise(IUnknown* sink, DWORD* cookie) {
  if (!sink || !cookie) return E_POINTER;
  CLock lock(m_cs);
  CComPtr<IUnknown> obtained;
  if (FAILED(sink->QueryInterface(m_iid, obtained.Out())) || !obtained)
    return CONNECT_E_NOCONNECTION;
  SinkEntry entry = {std::move(obtained), 0};
  m_sinks.push_back(std::move(entry));
  *cookie = static_cast<DWORD>(m_sinks.size());
  return S_OK;
}

HRESULT CConnectionPoint::Unadvise(DWORD cookie) {
  CLock lock(m_cs);
  // Cookie 0 wraps to a huge index and is refused with the rest.
  DWORD index = cookie - 1;
  if (cookie == 0 || index >= m_sinks.size()) return E_INVALIDARG;
  // Off the list before its Release runs, which may call back into the point.
  CComPtr<IUnknown> removed(std::move(m_sinks[index].sink));
  m_sinks.erase(m_sinks.begin() + index);
  removed.Release();
  return S_OK;
}

HRESULT CConnectionPoint::EnumConnections(IEnumConnections**) { return E_NOTIMPL; }

const IID* CConnectionPoint::GetInterfaceId() { return &m_iid; }

HRESULT CConnectionPoint::SinkCount(int* count) {
  if (!count) return E_POINTER;
  CLock lock(m_cs);
  *count = static_cast<int>(m_sinks.size());
  return S_OK;
}

HRESULT CConnectionPoint::GetSink(void** out, int index) {
  if (!out) return E_POINTER;
  CLock lock(m_cs);
  if (static_cast<unsigned>(index) >= m_sinks.size()) return E_INVALIDARG;
  return m_sinks[index].sink->QueryInterface(m_iid, out);
}

// ---- CConnectionPointContainer ----

CConnectionPointContainer::CConnectionPointContainer() : m_position(0) {}

CConnectionPointContainer::~CConnectionPointContainer() {
  CLock lock(m_cs);
  for (size_t i = 0; i < m_points.size(); ++i) {
    m_points[i]->DetachContainer();
    m_points[i].Release();
  }
  m_points.clear();
}

HRESULT CConnectionPointContainer::QueryInterface(REFIID iid, void** out) {
  if (!out) return E_POINTER;
  CLock lock(m_cs);
  if (SameIid(iid, IID_IConnectionPointContainer)) {
    *out = static_cast<IConnectionPointContainer*>(this);
    return S_OK;
  }
  if (SameIid(iid, IID_IEnumConnectionPoints)) {
    *out = static_cast<IEnumConnectionPoints*>(this);
    return S_OK;
  }
  *out = NULL;
  return E_NOINTERFACE;
}

ULONG CConnectionPointContainer::AddRef() { return 1; }

ULONG CConnectionPointContainer::Release() { return 0; }

HRESULT CConnectionPointContainer::EnumConnectionPoints(IEnumConnectionPoints** out) {
  if (!out) return E_POINTER;
  CLock lock(m_cs);
  m_position = 0;
  *out = static_cast<IEnumConnectionPoints*>(this);
  return S_OK;
}

CConnectionPoint* CConnectionPointContainer::FindPoint(const IID& iid) {
  for (size_t i = 0; i < m_points.size(); ++i)
    if (SameIid(*m_points[i]->GetInterfaceId(), iid)) return m_points[i].Get();
  return NULL;
}

HRESULT CConnectionPointContainer::FindConnectionPoint(REFIID iid, IConnectionPoint** out) {
  if (!out) return E_POINTER;
  CLock lock(m_cs);
  CConnectionPoint* point = FindPoint(iid);
  if (!point) {
    point = new (std::nothrow) CConnectionPoint(iid, this);
    if (!point) return E_OUTOFMEMORY;
    point->AddRef();
    m_points.push_back(CComPtr<CConnectionPoint>(point));
  }
  return point->QueryInterface(IID_IConnectionPoint, reinterpret_cast<void**>(out));
}

HRESULT CConnectionPointContainer::AddPoints(const IID* iids, int count) {
  if (!iids) return E_POINTER;
  if (count == 0) return E_INVALIDARG;
  CLock lock(m_cs);
  for (int i = 0; i < count; ++i) {
    CConnectionPoint* point = new (std::nothrow) CConnectionPoint(iids[i], this);
    if (!point) return E_OUTOFMEMORY;
    point->AddRef();
    m_points.push_back(CComPtr<CConnectionPoint>(point));
  }
  return S_OK;
}

HRESULT CConnectionPointContainer::SinkCount(const IID* iid, int* count) {
  if (!count) return E_POINTER;
  CLock lock(m_cs);
  CConnectionPoint* point = iid ? FindPoint(*iid) : NULL;
  if (!point) return CONNECT_E_NOCONNECTION;
  return point->SinkCount(count);
}

HRESULT CConnectionPointContainer::GetSink(const IID* iid, int index, void** out) {
  if (!out) return E_POINTER;
  CLock lock(m_cs);
  CConnectionPoint* point = iid ? FindPoint(*iid) : NULL;
  if (!point) return CONNECT_E_NOCONNECTION;
  return point->GetSink(out, index);
}

HRESULT CConnectionPointContainer::Next(ULONG count, IConnectionPoint** points, ULONG* fetched) {
  if (!fetched || !points) return E_POINTER;
  CLock lock(m_cs);
  if (m_position >= m_points.size()) return S_FALSE;
  ULONGLONG remaining = m_points.size() - m_position;
  if (count > remaining) count = static_cast<ULONG>(remaining);
  for (ULONG i = 0; i < count; ++i) {
    CConnectionPoint* point = m_points[static_cast<size_t>(m_position++)];
    point->QueryInterface(IID_IConnectionPoint, reinterpret_cast<void**>(&points[i]));
  }
  *fetched = count;
  return S_OK;
}

HRESULT CConnectionPointContainer::Skip(ULONG count) {
  CLock lock(m_cs);
  m_position += count;
  return S_OK;
}

HRESULT CConnectionPointContainer::Reset() {
  CLock lock(m_cs);
  m_position = 0;
  return S_OK;
}

HRESULT CConnectionPointContainer::Clone(IEnumConnectionPoints**) { return E_NOTIMPL; }
