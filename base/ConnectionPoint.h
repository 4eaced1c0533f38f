// The module's connection points on the platform's IConnectionPointContainer
// and IConnectionPoint interfaces, without a COM runtime: plain objects,
// reference counts kept by hand, one critical section per object (always
// taken container first, then point). SinkCount and GetSink let the owning
// module walk the sinks advised for one interface.
#pragma once
#include <windows.h>
#include <ocidl.h>
#include <olectl.h>

#include <vector>

#include "base/ComPtr.h"

class CConnectionPointContainer;

// A critical section that lives as long as its owner, and its scoped lock.
class CCriticalSection {
 public:
  CCriticalSection() { InitializeCriticalSection(&m_cs); }
  ~CCriticalSection() { DeleteCriticalSection(&m_cs); }
  CCriticalSection(const CCriticalSection&) = delete;
  CCriticalSection& operator=(const CCriticalSection&) = delete;
  void Enter() { EnterCriticalSection(&m_cs); }
  void Leave() { LeaveCriticalSection(&m_cs); }

 private:
  CRITICAL_SECTION m_cs;
};

class CLock {
 public:
  explicit CLock(CCriticalSection& cs) : m_cs(cs) { m_cs.Enter(); }
  ~CLock() { m_cs.Leave(); }
  CLock(const CLock&) = delete;
  CLock& operator=(const CLock&) = delete;

 private:
  CCriticalSection& m_cs;
};

class CConnectionPoint : public IConnectionPoint {
 public:
  // The point holds its container until the container detaches it.
  CConnectionPoint(const IID& iid, CConnectionPointContainer* container);

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;
  HRESULT STDMETHODCALLTYPE GetConnectionInterface(IID* out) override;
  HRESULT STDMETHODCALLTYPE GetConnectionPointContainer(IConnectionPointContainer** out) override;
  // Cookies are 1-based positions in the sink list.
  HRESULT STDMETHODCALLTYPE Advise(IUnknown* sink, DWORD* cookie) override;
  HRESULT STDMETHODCALLTYPE Unadvise(DWORD cookie) override;
  HRESULT STDMETHODCALLTYPE EnumConnections(IEnumConnections** out) override;
  virtual ~CConnectionPoint();
  virtual const IID* GetInterfaceId();
  virtual HRESULT SinkCount(int* count);
  // An added reference to the sink at index, as the point's interface.
  virtual HRESULT GetSink(void** out, int index);

  // The container is going away: the point forgets it, so that a caller who
  // still holds the point gets E_UNEXPECTED instead of a call into freed memory.
  void DetachContainer();

 private:
  struct SinkEntry {
    CComPtr<IUnknown> sink;  // as obtained for the point's interface
    DWORD word;              // kept with the sink, always 0
  };

  CCriticalSection m_cs;
  volatile LONG m_nRef;
  IID m_iid;
  // The container's AddRef and Release do not count; they are called all
  // the same, as for any interface that is held.
  CComPtr<CConnectionPointContainer> m_pContainer;
  std::vector<SinkEntry> m_sinks;
};

class CConnectionPointContainer : public IConnectionPointContainer, public IEnumConnectionPoints {
 public:
  CConnectionPointContainer();

  // The container lives exactly as long as its module: neither call counts.
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;
  HRESULT STDMETHODCALLTYPE EnumConnectionPoints(IEnumConnectionPoints** out) override;
  // Makes a point for an IID that has none yet; never fails for lack of one.
  HRESULT STDMETHODCALLTYPE FindConnectionPoint(REFIID iid, IConnectionPoint** out) override;
  virtual ~CConnectionPointContainer();
  virtual HRESULT AddPoints(const IID* iids, int count);
  virtual HRESULT SinkCount(const IID* iid, int* count);
  virtual HRESULT GetSink(const IID* iid, int index, void** out);

  // The enumerator: the container is its own and only one (one position).
  HRESULT STDMETHODCALLTYPE Next(ULONG count, IConnectionPoint** points, ULONG* fetched) override;
  HRESULT STDMETHODCALLTYPE Skip(ULONG count) override;
  HRESULT STDMETHODCALLTYPE Reset() override;
  HRESULT STDMETHODCALLTYPE Clone(IEnumConnectionPoints** out) override;

 private:
  CConnectionPoint* FindPoint(const IID& iid);

  CCriticalSection m_cs;
  std::vector<CComPtr<CConnectionPoint>> m_points;
  ULONGLONG m_position;                     // grows without bound under Skip
};
