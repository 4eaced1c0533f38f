#include "modules/framework/model/ConverterManager.h"

#include <string.h>

#include <utility>

#include "modules/framework/model/CodecLibrary.h"

namespace {
// The engine libraries, in the order in which they are loaded and searched.
const char* const kEngineFiles[3] = {"StreamCast.dll", "MuxCast.dll", "PicCast.dll"};

bool HasFormat(FORMATROW* rows, int count, const char* name) {
  if (!rows || count <= 0 || !name) return false;
  for (int i = 0; i < count; ++i) {
    if (strcmp(rows[i].szName, name) == 0) return true;
  }
  return false;
}
}  // namespace

CConverterManager::CConverterManager() : m_pConfig(NULL) {
  lstrcpynA(m_szFactoryName, "CreateVarnoConverter", MAX_PATH);
  for (int i = 0; i < 3; ++i) {
    m_libraries[i].fileName = kEngineFiles[i];
  }
}

CConverterManager::~CConverterManager() { UnloadEngines(); }

BOOL CConverterManager::Init(const char* installFolder) {
  if (m_pConfig) m_pConfig->GetString("OEMIConverterName", m_szFactoryName, MAX_PATH, 0);
  LoadEngines(installFolder ? installFolder : "");
  if (m_engines.empty()) return FALSE;
  m_pCodecLibrary.reset();  // the old binding goes before the new one is made
  m_pCodecLibrary.reset(new CCodecLibrary(m_pConfig));
  m_pCodecLibrary->SetFolder(installFolder ? installFolder : "");
  char path[kProfilePathRoom] = "";
  if (m_pConfig) m_pConfig->GetString("ConfigFilePath", path, sizeof(path), 0);
  m_profilePath = path;
  LoadOutputTypes();
  if (m_pConfig) {
    OutputTypeEntry entry;
    if (GetOutputType(m_pConfig->GetInt("CurrentLastOutputTypeIndex", 0, 0), &entry))
      LoadAudioChoices(entry.id);
  }
  return TRUE;
}

void CConverterManager::LoadEngines(const char* folder) {
  ReleaseEngines();  // a second Init starts afresh
  std::string base = folder;
  if (base.empty() || base[base.size() - 1] != '\\') base += '\\';
  for (int i = 0; i < 3; ++i) {
    size_t before = m_engines.size();
    m_libraries[i].handle = LoadEngine(base + m_libraries[i].fileName);
    if (m_engines.size() > before) m_engines.back().library = i;
  }
}

CLibrary CConverterManager::LoadEngine(const std::string& path) {
  CLibrary library;
  if (path.size() >= MAX_PATH || !library.Load(path.c_str())) return CLibrary();
  PFN_CreateVarnoConverter factory = (PFN_CreateVarnoConverter)library.Find(m_szFactoryName);
  IConvertEngine* engine = factory ? factory() : NULL;
  if (!engine) return CLibrary();
  LoadedEngine loaded = {CComPtr<IConvertEngine>(engine), -1};
  m_engines.push_back(std::move(loaded));
  return library;
}

IConvertEngine* CConverterManager::FindEngine(const char* inputFormat, const char* outputFormat) {
  for (size_t i = 0; i < m_engines.size(); ++i) {
    IConvertEngine* engine = m_engines[i].engine;
    if (!engine) continue;
    FORMATROW* rows = NULL;
    int count = engine->GetInputFormats(&rows);
    if (!HasFormat(rows, count, inputFormat)) continue;
    rows = NULL;
    count = engine->GetOutputFormats(&rows);
    if (HasFormat(rows, count, outputFormat)) return engine;
  }
  return NULL;
}

void CConverterManager::UnloadEngines() {
  ReleaseEngines();
  m_pCodecLibrary.reset();
  m_outputTypes.clear();
}

void CConverterManager::ReleaseEngines() {
  // Each engine goes before the library that holds its code.
  for (size_t i = 0; i < m_engines.size(); ++i) {
    m_engines[i].engine.Release();
    int row = m_engines[i].library;
    if (row >= 0) m_libraries[row].handle.Free();
  }
  m_engines.clear();
}
