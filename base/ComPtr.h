// An owned COM interface pointer: released when replaced or out of scope.
#pragma once
#include <windows.h>

template <class T>
class CComPtr {
 public:
  CComPtr() : m_p(NULL) {}
  ~CComPtr() { Release(); }
  CComPtr(const CComPtr&) = delete;
  CComPtr& operator=(const CComPtr&) = delete;

  void Release() {
    if (m_p) m_p->Release();
    m_p = NULL;
  }
  // For out parameters: the previous pointer is released first.
  T** operator&() {
    Release();
    return &m_p;
  }
  void** Out() { return reinterpret_cast<void**>(operator&()); }
  T* operator->() const { return m_p; }
  operator T*() const { return m_p; }
  T* Get() const { return m_p; }

 private:
  T* m_p;
};
