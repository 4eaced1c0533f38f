// The language library: its handle and path, and the translator that its
// export at ordinal 1 creates.
#pragma once
#include <windows.h>

#include "base/ComPtr.h"
#include "base/Handles.h"
#include "include/VarnoTranslator.h"

class CLibraryHolder {
 public:
  CLibraryHolder();
  virtual ~CLibraryHolder();
  // E_INVALIDARG for a NULL path, E_ACCESSDENIED when a library is already
  // loaded, E_HANDLE when the library does not load.
  virtual HRESULT Load(const char* path);
  virtual void Unload();
  HMODULE GetHandle() const { return m_library; }
  const char* GetPath() const { return m_szPath; }

 protected:
  CLibrary m_library;
  char m_szPath[MAX_PATH];
};

class CTranslatorLibrary : public CLibraryHolder {
 public:
  ~CTranslatorLibrary() override;
  // Also creates the translator: E_NOTIMPL (library kept) without the
  // export, else the export's result.
  HRESULT Load(const char* path) override;
  // Releases the translator, then frees the library.
  void Unload() override;
  ILanguageTranslater* GetTranslator() const { return m_pTranslator; }

 private:
  void ReleaseTranslator();
  CComPtr<ILanguageTranslater> m_pTranslator;
};
