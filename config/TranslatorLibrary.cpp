#include "config/TranslatorLibrary.h"

#include <utility>

#include "base/Strings.h"
#include "include/VarnoGuids.h"

CLibraryHolder::CLibraryHolder() { m_szPath[0] = '\0'; }

CLibraryHolder::~CLibraryHolder() { CLibraryHolder::Unload(); }

HRESULT CLibraryHolder::Load(const char* path) {
  if (!path) return E_INVALIDARG;
  if (m_library) return E_ACCESSDENIED;
  if (!m_library.Load(path)) return E_HANDLE;
  CopyBounded(m_szPath, sizeof(m_szPath), path);
  return S_OK;
}

void CLibraryHolder::Unload() {
  m_library.Free();
  m_szPath[0] = '\0';
}

CTranslatorLibrary::~CTranslatorLibrary() { CTranslatorLibrary::Unload(); }

HRESULT CTranslatorLibrary::Load(const char* path) {
  HRESULT hr = CLibraryHolder::Load(path);
  if (FAILED(hr)) return hr;
  PFN_CreateTranslater create =
      reinterpret_cast<PFN_CreateTranslater>(m_library.Find(MAKEINTRESOURCEA(1)));
  if (!create) return E_NOTIMPL;
  ReleaseTranslator();
  void* translator = nullptr;
  hr = create(&IID_ILanguageTranslater, &translator);
  if (SUCCEEDED(hr))
    m_pTranslator = CComPtr<ILanguageTranslater>(static_cast<ILanguageTranslater*>(translator));
  return hr;
}

void CTranslatorLibrary::ReleaseTranslator() {
  // The member is empty before the translator's Release runs.
  CComPtr<ILanguageTranslater> translator(std::move(m_pTranslator));
}

void CTranslatorLibrary::Unload() {
  ReleaseTranslator();
  CLibraryHolder::Unload();
}
