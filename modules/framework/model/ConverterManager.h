// What a conversion module loads or reads once at start-up: the engine
// libraries and their engine objects, the codec library binding, the output
// types of the format profile and the audio choice lists of the current
// type.
#pragma once
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "base/ComPtr.h"
#include "base/FormatProfile.h"
#include "base/Handles.h"
#include "base/Uncounted.h"
#include "include/VarnoConfig.h"
#include "include/VarnoEngine.h"
#include "modules/framework/model/OutputType.h"

class CCodecLibrary;

class CConverterManager {
 public:
  CConverterManager();
  virtual ~CConverterManager();
  // Loads the engines from installFolder; FALSE when none loaded. Then the
  // codec library binding, the output types and the current audio choices.
  virtual BOOL Init(const char* installFolder);
  // The first engine in load order that offers both names (byte for byte).
  virtual IConvertEngine* FindEngine(const char* inputFormat, const char* outputFormat);

  void SetConfig(IVarnoConfigEx* config) { m_pConfig = config; }
  IVarnoConfigEx* GetConfig() const { return m_pConfig; }
  CCodecLibrary* GetCodecLibrary() const { return m_pCodecLibrary.get(); }
  BOOL HasCodecLibrary() const { return m_pCodecLibrary != nullptr; }
  int GetEngineCount() const { return (int)m_engines.size(); }

  // Output types and audio choices, read from the format profile.
  void LoadOutputTypes();
  BOOL GetOutputType(int index, OutputTypeEntry* out) const;
  int GetOutputTypeCount() const { return (int)m_outputTypes.size(); }
  BOOL LookupCodecName(const char* key, std::string* name, BOOL audio);
  void LoadAudioChoices(int outputTypeId);
  // kind 1: still images ("StillImage"), else "OUTPUTFILE".
  BOOL GetOutputFileNaming(std::string* namePrefix, int* digitCount, std::string* extension,
                           int kind);
  BOOL GetCodecCommand(int number, std::string* command);

  const std::vector<std::string>& GetSampleRateChoices() const { return m_sampleRates; }
  const std::vector<std::string>& GetBitsChoices() const { return m_bitsChoices; }
  const std::vector<std::string>& GetChannelChoices() const { return m_channelChoices; }
  const std::string& GetProfilePath() const { return m_profilePath; }

 protected:
  void LoadEngines(const char* folder);
  // The library whose factory made an engine (added to m_engines); empty
  // when there is no library or no engine.
  CLibrary LoadEngine(const std::string& path);
  void UnloadEngines();
  void ReleaseEngines();

  // The format profile: integers read directly from the file, texts through
  // the configuration (1024 characters).
  CFormatProfile Profile() const { return CFormatProfile(m_profilePath.c_str(), m_pConfig); }

  struct EngineLibrary {
    const char* fileName;
    CLibrary handle;
  };
  struct LoadedEngine {
    CComPtr<IConvertEngine> engine;
    int library;  // row of m_libraries it came from
  };

  std::vector<LoadedEngine> m_engines;
  std::unique_ptr<CCodecLibrary> m_pCodecLibrary;
  CUncounted<IVarnoConfigEx> m_pConfig;  // the configuration module outlives the modules
  char m_szFactoryName[MAX_PATH];
  std::string m_profilePath;
  std::vector<OutputTypeEntry> m_outputTypes;
  std::vector<std::string> m_sampleRates;
  std::vector<std::string> m_bitsChoices;
  std::vector<std::string> m_channelChoices;
  EngineLibrary m_libraries[3];
};
