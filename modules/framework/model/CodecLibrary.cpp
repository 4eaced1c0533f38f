#include "modules/framework/model/CodecLibrary.h"

#include <stdlib.h>

#include "base/LogClient.h"
#include "base/Paths.h"

CCodecLibrary::CCodecLibrary(IVarnoConfigEx* config)
    : m_pConfig(config), m_pass(0), m_firstPassMax(0), m_pCallback(NULL) {}

CCodecLibrary::~CCodecLibrary() { Unload(); }

int CCodecLibrary::Progress(int kind, int value, int* abort) {
  int v = value;
  if (m_pass == 1) {
    v = value / 2;
    if (v > m_firstPassMax) m_firstPassMax = v;
  } else if (m_pass == 2) {
    v = value / 2 + m_firstPassMax;
  }
  return m_pCallback ? m_pCallback->Progress(kind, v, abort) : 0;
}

BOOL CCodecLibrary::Load(const char* folder) {
  Unload();
  if (!folder) return FALSE;
  char fileName[MAX_PATH] = "VarnoCodec.dll";
  if (m_pConfig) m_pConfig->GetString("OEMVarnoCodecFileName", fileName, MAX_PATH, 0);
  std::string path = folder;
  if (path.empty() || path[path.size() - 1] != '\\') path += '\\';
  path += fileName;
  if (path.size() >= MAX_PATH) {
    LogPrint(LOG_ERROR, "Codec library path too long: %s\n", path.c_str());
    return FALSE;
  }
  SetCurrentDirectoryA(folder);
  if (!m_hLibrary.Load(path.c_str())) return FALSE;
  if (m_folder.empty() || m_folder != folder) m_folder = folder;
  return TRUE;
}

void CCodecLibrary::Unload() { m_hLibrary.Free(); }

FARPROC CCodecLibrary::Reload(const char* exportName) {
  std::string folder = m_folder;
  if (!Load(folder.c_str())) return NULL;
  return m_hLibrary.Find(exportName);
}

// Each call runs in the library's folder, which Load makes the current
// directory; the program gets its own current directory back afterwards.
int CCodecLibrary::RunCodec(int argc, char** argv, IConvertProgress* callback) {
  CurrentDirectory directory;
  PFN_mainCodec mainCodec = (PFN_mainCodec)Reload("mainCodec");
  if (!mainCodec) return kCodecAllocFailed;
  m_pCallback = callback;
  m_pass = (argc >= 2 && argv && argv[1]) ? atoi(argv[1]) : 0;
  if (m_pass == 1) m_firstPassMax = 0;
  return mainCodec(argc, argv, this);
}

int CCodecLibrary::GetVideoInfo(const char* path, VarnoVideoInfo* info) {
  CurrentDirectory directory;
  PFN_GetVarnoVideoInfo probe = (PFN_GetVarnoVideoInfo)Reload("GetVarnoVideoInfo");
  if (!probe) return kCodecAllocFailed;
  return probe(path, info);
}

int CCodecLibrary::GetAudioInfo(const char* path, VarnoAudioInfo* info) {
  CurrentDirectory directory;
  PFN_GetVarnoAudioInfo probe = (PFN_GetVarnoAudioInfo)Reload("GetVarnoAudioInfo");
  if (!probe) return kCodecAllocFailed;
  return probe(path, info);
}
