#include "config/TranslatorLibrary.h"

#include "base/Strings.h"
#include "include/VarnoGuids.h"

CLibraryHolder::CLibraryHolder() : m_hModule(NULL) { m_szPath[0] = '\0'; }

CLibraryHolder::~CLibraryHolder() { CLibraryHolder::Unload(); }

HRESULT CLibraryHolder::Load(const char* path) {
  if (!path) return E_INVALIDARG;
  if (m_hModule) return E_ACCESSDENIED;
  m_hModule = LoadLibraryA(path);
  if (!m_hModule) return E_HANDLE;
  CopyBounded(m_szPath, sizeof(m_szPath), path);
  return S_OK;
}

void CLibraryHolder::Unload() {
  if (m_hModule) FreeLibrary(m_hModule);
  m_hModule = NULL;
  m_szPath[0] = '\0';
}

CTranslatorLibrary::~CTranslatorLibrary() { CTranslatorLibrary::Unload(); }

HRESULT CTranslatorLibrary::Load(const char* path) {
  HRESULT hr = CLibraryHolder::Load(path);
  if (FAILED(hr)) return hr;
  PFN_CreateTranslater create =
      reinterpret_cast<PFN_CreateTranslater>(GetProcAddress(m_hModule, MAKEINTRESOURCEA(1)));
  if (!create) return E_NOTIMPL;
  ReleaseTranslator();
  void* translator = nullptr;
  hr = create(&IID_ILanguageTranslater, &translator);
  if (SUCCEEDED(hr)) m_pTranslator = static_cast<ILanguageTranslater*>(translator);
  return hr;
}

void CTranslatorLibrary::ReleaseTranslator() {
  ILanguageTranslater* translator = m_pTranslator;
  m_pTranslator = nullptr;
  if (translator) translator->Release();
}

void CTranslatorLibrary::Unload() {
  ReleaseTranslator();
  CLibraryHolder::Unload();
}
