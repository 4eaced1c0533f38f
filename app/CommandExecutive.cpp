#include "CommandExecutive.h"

#include "LogClient.h"

CCommandExecutive::CCommandExecutive()
    : m_skinCommand(this), m_pIConfigEx(NULL), m_pITranslater(NULL), m_nRefCount(1) {}

CCommandExecutive::~CCommandExecutive() {}

HRESULT CCommandExecutive::QueryInterface(const IID* iid, void** out) {
  if (!out) return E_POINTER;
  if (VrcSameGuid(iid, &IID_ISkinCommand)) {
    *out = &m_skinCommand;
    return S_OK;
  }
  return E_NOINTERFACE;
}

ULONG CCommandExecutive::AddRef() { return InterlockedIncrement(&m_nRefCount); }

ULONG CCommandExecutive::Release() {
  LONG count = InterlockedDecrement(&m_nRefCount);
  if (count == 0) delete this;
  return count;
}

HRESULT CCommandExecutive::InitInstance() {
  LogPrint(LOG_TRACE, "Varno Reel Craft command InitInstance!\n");
  HRESULT hr = CModuleBase::InitInstance();
  hr = QueryModuleInterface(&CLSID_ConfigModule, &IID_IVarnoConfigEx, &m_pIConfigEx);
  if (FAILED(hr)) {
    LogPrint(LOG_ERROR, "Query config module IVarnoConfigEx interface! hr=0x%x\n", hr);
    return hr;
  }
  hr = QueryModuleInterface(&CLSID_ConfigModule, &IID_ILanguageTranslater, &m_pITranslater);
  if (FAILED(hr)) {
    LogPrint(LOG_ERROR, "Query config module ILanguageTranslater interface! hr=0x%x\n", hr);
    return hr;
  }
  static const struct {
    const GUID* id;
    const char* failure;
  } kConverters[] = {
      {&CLSID_VideoModule, "Query MP4 converter module! hr=0x%x\n"},
      {&CLSID_MusicModule, "Query MP3 converter module! hr=0x%x\n"},
      {&CLSID_PhotoModule, "Query Photo converter module! hr=0x%x\n"},
  };
  for (const auto& converter : kConverters) {
    void* module = NULL;
    hr = GetHostObject(converter.id, &module);
    if (FAILED(hr)) {
      LogPrint(LOG_ERROR, converter.failure, hr);
      return hr;
    }
  }
  return hr;
}

HRESULT CCommandExecutive::ExitInstance() {
  LogPrint(LOG_TRACE, "Varno Reel Craft command ExitInstance!\n");
  m_pIConfigEx = NULL;
  m_pITranslater = NULL;
  return S_OK;
}

HRESULT CCommandExecutive::CSkinCommandPart::QueryInterface(const IID* iid, void** out) {
  return m_pOwner->QueryInterface(iid, out);
}
ULONG CCommandExecutive::CSkinCommandPart::AddRef() { return m_pOwner->AddRef(); }
ULONG CCommandExecutive::CSkinCommandPart::Release() { return m_pOwner->Release(); }
int CCommandExecutive::CSkinCommandPart::IsControlEnabled(const char*) { return 0; }
INT_PTR CCommandExecutive::CSkinCommandPart::GetControlValue(const char*) { return -1; }
HRESULT CCommandExecutive::CSkinCommandPart::ExecuteSkinCommand(const char*, int,
                                                                SkinCommandParam*) {
  LogPrint(LOG_TRACE, "Execute Skin Command!\n");
  return E_FAIL;
}
HRESULT CCommandExecutive::CSkinCommandPart::ExecuteHotKeyCommand(int, int, int, int) {
  LogPrint(LOG_TRACE, "Execute Hot Key Command!\n");
  return E_FAIL;
}
