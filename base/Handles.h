// Holders for kernel handles, libraries, global memory and COM start-up:
// each gives back what it holds when it goes out of scope. Nothing outside
// these holders calls CloseHandle, FreeLibrary, GlobalFree or CoUninitialize.
#pragma once
#include <windows.h>
#include <objbase.h>
#include <ole2.h>

// An owned kernel handle (process, thread, pipe end, event, mutex, file).
// NULL and INVALID_HANDLE_VALUE both count as none.
class CHandle {
 public:
  explicit CHandle(HANDLE handle = NULL) : m_h(handle) {}
  ~CHandle() { Close(); }
  CHandle(const CHandle&) = delete;
  CHandle& operator=(const CHandle&) = delete;
  CHandle(CHandle&& other) noexcept : m_h(other.Detach()) {}
  CHandle& operator=(CHandle&& other) noexcept {
    if (this != &other) Reset(other.Detach());
    return *this;
  }

  void Reset(HANDLE handle = NULL) {
    Close();
    m_h = handle;
  }
  // False when a handle was held and did not close.
  bool Close() {
    bool closed = !IsValid() || CloseHandle(m_h) != FALSE;
    m_h = NULL;
    return closed;
  }
  HANDLE Detach() {
    HANDLE h = m_h;
    m_h = NULL;
    return h;
  }
  // For out parameters: the previous handle is closed first.
  HANDLE* Out() {
    Close();
    return &m_h;
  }
  bool IsValid() const { return m_h != NULL && m_h != INVALID_HANDLE_VALUE; }
  HANDLE Get() const { return m_h; }
  operator HANDLE() const { return m_h; }

 private:
  HANDLE m_h;
};

// An owned search handle of FindFirstFile.
class CFindHandle {
 public:
  explicit CFindHandle(HANDLE handle = INVALID_HANDLE_VALUE) : m_h(handle) {}
  ~CFindHandle() {
    if (m_h != INVALID_HANDLE_VALUE) FindClose(m_h);
  }
  CFindHandle(const CFindHandle&) = delete;
  CFindHandle& operator=(const CFindHandle&) = delete;
  bool IsValid() const { return m_h != INVALID_HANDLE_VALUE; }
  HANDLE Get() const { return m_h; }

 private:
  HANDLE m_h;
};

// An owned library: freed when replaced or out of scope.
class CLibrary {
 public:
  explicit CLibrary(HMODULE module = NULL) : m_h(module) {}
  ~CLibrary() { Free(); }
  CLibrary(const CLibrary&) = delete;
  CLibrary& operator=(const CLibrary&) = delete;
  CLibrary(CLibrary&& other) noexcept : m_h(other.Detach()) {}
  CLibrary& operator=(CLibrary&& other) noexcept {
    if (this != &other) Reset(other.Detach());
    return *this;
  }

  bool Load(const char* path) {
    Reset(LoadLibraryA(path));
    return m_h != NULL;
  }
  void Reset(HMODULE module = NULL) {
    Free();
    m_h = module;
  }
  void Free() {
    if (m_h) FreeLibrary(m_h);
    m_h = NULL;
  }
  HMODULE Detach() {
    HMODULE h = m_h;
    m_h = NULL;
    return h;
  }
  FARPROC Find(const char* name) const { return m_h ? GetProcAddress(m_h, name) : NULL; }
  HMODULE Get() const { return m_h; }
  operator HMODULE() const { return m_h; }

 private:
  HMODULE m_h;
};

// Owned global memory (GlobalAlloc): freed unless handed on with Detach.
class CGlobalMemory {
 public:
  explicit CGlobalMemory(HGLOBAL memory = NULL) : m_h(memory) {}
  ~CGlobalMemory() {
    if (m_h) GlobalFree(m_h);
  }
  CGlobalMemory(const CGlobalMemory&) = delete;
  CGlobalMemory& operator=(const CGlobalMemory&) = delete;
  void Reset(HGLOBAL memory = NULL) {
    if (m_h) GlobalFree(m_h);
    m_h = memory;
  }
  HGLOBAL Detach() {
    HGLOBAL h = m_h;
    m_h = NULL;
    return h;
  }
  HGLOBAL Get() const { return m_h; }

 private:
  HGLOBAL m_h;
};

// COM (or OLE) started on this thread for the holder's lifetime; ended only
// when the start succeeded.
class CComInit {
 public:
  enum Kind { kCom, kOle };
  explicit CComInit(Kind kind = kCom) : m_kind(kind) {
    m_hr = kind == kOle ? OleInitialize(NULL) : CoInitialize(NULL);
  }
  ~CComInit() {
    if (SUCCEEDED(m_hr)) {
      if (m_kind == kOle)
        OleUninitialize();
      else
        CoUninitialize();
    }
  }
  CComInit(const CComInit&) = delete;
  CComInit& operator=(const CComInit&) = delete;
  HRESULT Result() const { return m_hr; }
  bool Succeeded() const { return SUCCEEDED(m_hr); }

 private:
  Kind m_kind;
  HRESULT m_hr;
};
