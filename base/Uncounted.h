// A pointer to another object's interface, held without a reference count.
// The modules hand each other such pointers on purpose: the registry keeps
// every module from start-up to shut-down, so none goes away while another
// holds one of its interfaces. The holder never releases what it holds;
// the name says so where the member is declared.
#pragma once
#include <windows.h>

template <class T>
class CUncounted {
 public:
  CUncounted() : m_p(NULL) {}
  CUncounted(T* p) : m_p(p) {}  // NOLINT: taken as given, without AddRef
  CUncounted& operator=(T* p) {
    m_p = p;
    return *this;
  }
  // For out parameters (QueryInterface and its kin): nothing is released first.
  void** Out() { return reinterpret_cast<void**>(&m_p); }
  T* operator->() const { return m_p; }
  operator T*() const { return m_p; }
  T* Get() const { return m_p; }

 private:
  T* m_p;
};
