// The binding of the codec library (the configuration value
// "OEMVarnoCodecFileName"): its encoder entry point and its two probes. The
// library is freed and loaded again before every call into it.
#pragma once
#include <windows.h>

#include <string>

#include "base/Handles.h"
#include "base/Uncounted.h"
#include "include/VarnoConfig.h"
#include "include/VarnoEngine.h"

enum { kCodecAllocFailed = 12 };  // also the answer when an export is missing

class CCodecLibrary : public IConvertProgress {
 public:
  explicit CCodecLibrary(IVarnoConfigEx* config);
  virtual ~CCodecLibrary();

  // Scales a two-pass run's percentages into one 0..100 run and forwards
  // them to the callback of the current run.
  int STDMETHODCALLTYPE Progress(int kind, int value, int* abort) override;

  void SetFolder(const char* folder) { m_folder = folder ? folder : ""; }
  const std::string& GetFolder() const { return m_folder; }
  // Frees a loaded library, makes `folder` the current directory and loads
  // the library from it.
  BOOL Load(const char* folder);
  void Unload();

  int RunCodec(int argc, char** argv, IConvertProgress* callback);
  int GetVideoInfo(const char* path, VarnoVideoInfo* info);
  int GetAudioInfo(const char* path, VarnoAudioInfo* info);

 private:
  // Reloads from the stored folder and looks the export up.
  FARPROC Reload(const char* exportName);

  CUncounted<IVarnoConfigEx> m_pConfig;  // the configuration module outlives the modules
  CLibrary m_hLibrary;
  std::string m_folder;
  int m_pass;
  int m_firstPassMax;
  IConvertProgress* m_pCallback;
};
