// Holders for kernel handles, libraries, global memory and COM start-up:
// each gives back what it holds when it goes out of scope. Nothing outside
// these holders calls CloseHandle, FreeLibrary, GlobalFree, UnmapViewOfFile or
// CoUninitialize.
#pragma once
#include <windows.h>
#include <objbase.h>
#include <ole2.h>

// The one shape of every owning holder: a value given back by Traits::Free
// when the holder is reset, replaced or goes out of scope. Traits::None is
// the value that holds nothing, Traits::IsValid tells a held value.
template <class T, class Traits>
class CHolder {
 public:
  explicit CHolder(T value = Traits::None()) : m_h(value) {}
  ~CHolder() { Free(); }
  CHolder(const CHolder&) = delete;
  CHolder& operator=(const CHolder&) = delete;
  CHolder(CHolder&& other) noexcept : m_h(other.Detach()) {}
  CHolder& operator=(CHolder&& other) noexcept {
    if (this != &other) Reset(other.Detach());
    return *this;
  }

  // False when a held value could not be given back.
  bool Free() {
    bool freed = !IsValid() || Traits::Free(m_h);
    m_h = Traits::None();
    return freed;
  }
  void Reset(T value = Traits::None()) {
    Free();
    m_h = value;
  }
  T Detach() {
    T h = m_h;
    m_h = Traits::None();
    return h;
  }
  // For out parameters: what was held is given back first.
  T* Out() {
    Free();
    return &m_h;
  }
  bool IsValid() const { return Traits::IsValid(m_h); }
  T Get() const { return m_h; }
  operator T() const { return m_h; }

 private:
  T m_h;
};

struct KernelHandleTraits {
  static HANDLE None() { return NULL; }
  static bool IsValid(HANDLE h) { return h != NULL && h != INVALID_HANDLE_VALUE; }
  static bool Free(HANDLE h) { return CloseHandle(h) != FALSE; }
};

// An owned kernel handle (process, thread, pipe end, event, mutex, file).
// NULL and INVALID_HANDLE_VALUE both count as none.
class CHandle : public CHolder<HANDLE, KernelHandleTraits> {
 public:
  using CHolder::CHolder;
  // False when a held handle did not close.
  bool Close() { return Free(); }
};

struct FindHandleTraits {
  static HANDLE None() { return INVALID_HANDLE_VALUE; }
  static bool IsValid(HANDLE h) { return h != INVALID_HANDLE_VALUE; }
  static bool Free(HANDLE h) { return FindClose(h) != FALSE; }
};

// An owned search handle of FindFirstFile.
typedef CHolder<HANDLE, FindHandleTraits> CFindHandle;

struct LibraryTraits {
  static HMODULE None() { return NULL; }
  static bool IsValid(HMODULE h) { return h != NULL; }
  static bool Free(HMODULE h) { return FreeLibrary(h) != FALSE; }
};

// An owned library: freed when replaced or out of scope.
class CLibrary : public CHolder<HMODULE, LibraryTraits> {
 public:
  using CHolder::CHolder;
  bool Load(const char* path) {
    Reset(LoadLibraryA(path));
    return IsValid();
  }
  FARPROC Find(const char* name) const { return IsValid() ? GetProcAddress(Get(), name) : NULL; }
};

struct GlobalMemoryTraits {
  static HGLOBAL None() { return NULL; }
  static bool IsValid(HGLOBAL h) { return h != NULL; }
  static bool Free(HGLOBAL h) { return GlobalFree(h) == NULL; }
};

// Owned global memory (GlobalAlloc): freed unless handed on with Detach.
typedef CHolder<HGLOBAL, GlobalMemoryTraits> CGlobalMemory;

struct FileViewTraits {
  static const void* None() { return NULL; }
  static bool IsValid(const void* p) { return p != NULL; }
  static bool Free(const void* p) { return UnmapViewOfFile(p) != FALSE; }
};

// An owned view of a file mapping (MapViewOfFile): unmapped when it goes.
typedef CHolder<const void*, FileViewTraits> CFileView;

// COM (or OLE) started on this thread for the holder's lifetime; ended only
// when the start succeeded.
class CComInit {
 public:
  // kComWorker: the free-threaded apartment, for a thread that runs no
  // message loop.
  enum Kind { kCom, kOle, kComWorker };
  explicit CComInit(Kind kind = kCom) : m_kind(kind) {
    m_hr = kind == kOle      ? OleInitialize(NULL)
           : kind == kCom    ? CoInitialize(NULL)
                             : CoInitializeEx(NULL, COINIT_MULTITHREADED);
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
