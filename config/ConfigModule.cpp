#include "config/ConfigModule.h"

#include "base/Strings.h"
#include "include/VarnoGuids.h"

namespace {

struct OemRow {
  const char* name;
  const char* builtin;
};

const OemRow kOemRows[OEM_VALUE_COUNT] = {
    {"OEMVarnoCodecFileName", "VarnoCodec.dll"},
    {"OEMCompanyName", "Varnomedia, Inc."},
    {"OEMAppName", "Varno Reel Craft V2.0"},
    {"OEMVersionFileName", "VarnoReelCraft.dll"},
    {"OEMRegKeyName", "Software\\Varno Reel Craft V2.0"},
    {"OEMIConverterName", "CreateVarnoConverter"},
    {"OEMMediaProfileName", "VarnoMediaProfile.prx"},
    {"OEMUserID", ""},
};

}  // namespace

const char* OemDefaultValue(int index) {
  return (index >= 0 && index < OEM_VALUE_COUNT) ? kOemRows[index].builtin : "";
}

const char* OemValueName(int index) {
  return (index >= 0 && index < OEM_VALUE_COUNT) ? kOemRows[index].name : "";
}

CConfigModule::CConfigModule() {
  for (int i = 0; i < OEM_VALUE_COUNT; ++i)
    CopyBounded(m_szOem[i], sizeof(m_szOem[i]), kOemRows[i].builtin);
}

CConfigModule::~CConfigModule() { m_translator.Unload(); }

HRESULT CConfigModule::QueryInterface(const IID* iid, void** out) {
  if (!out) return E_POINTER;
  if (!iid) return E_NOINTERFACE;
  if (IsEqualGUID(*iid, IID_ILanguageTranslater)) {
    *out = m_translator.GetTranslator();
    return S_OK;
  }
  if (IsEqualGUID(*iid, IID_IVarnoConfig) || IsEqualGUID(*iid, IID_IVarnoConfigEx)) {
    *out = ConfigFace();
    return S_OK;
  }
  return E_NOINTERFACE;
}

ULONG CConfigModule::AddRef() { return 0; }

ULONG CConfigModule::Release() {
  delete this;
  return 0;
}
