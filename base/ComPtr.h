// An owned COM interface pointer: released when replaced or out of scope.
// Also holds the objects of the suite's own interfaces that are destroyed
// by a Release without a count (the engines).
#pragma once
#include <windows.h>

#include <memory>

template <class T>
class CComPtr {
 public:
  CComPtr() : m_p(NULL) {}
  // Takes over a reference that the caller already holds.
  explicit CComPtr(T* adopted) : m_p(adopted) {}
  ~CComPtr() { Release(); }
  CComPtr(const CComPtr&) = delete;
  CComPtr& operator=(const CComPtr&) = delete;
  CComPtr(CComPtr&& other) noexcept : m_p(other.Detach()) {}
  CComPtr& operator=(CComPtr&& other) noexcept {
    if (this != std::addressof(other)) {
      Release();
      m_p = other.Detach();
    }
    return *this;
  }

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
  // Hands the reference on; the holder is empty afterwards.
  T* Detach() {
    T* p = m_p;
    m_p = NULL;
    return p;
  }
  T* operator->() const { return m_p; }
  operator T*() const { return m_p; }
  T* Get() const { return m_p; }

 private:
  T* m_p;
};
