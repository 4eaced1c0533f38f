// The output types, audio choices, output-file naming and codec command
// templates of the format profile, as the converter manager reads them.
#include <stdio.h>

#include "base/FormatProfile.h"
#include "modules/framework/model/ConverterManager.h"

void CConverterManager::LoadOutputTypes() {
  m_outputTypes.clear();
  if (!m_pConfig) return;
  LoadOutputTypeTable(Profile(), m_pConfig, &m_outputTypes);
}

BOOL CConverterManager::LookupCodecName(const char* key, std::string* name, BOOL audio) {
  if (!m_pConfig) return FALSE;
  return Profile().CodecName(key, audio, name);
}

BOOL CConverterManager::GetOutputType(int index, OutputTypeEntry* out) const {
  if (!m_pConfig) return FALSE;
  return CopyOutputType(m_outputTypes, index, out);
}

void CConverterManager::LoadAudioChoices(int outputTypeId) {
  if (!m_pConfig) return;
  ReadAudioChoiceLists(Profile(), outputTypeId, &m_sampleRates, &m_bitsChoices, &m_channelChoices);
}

BOOL CConverterManager::GetOutputFileNaming(std::string* namePrefix, int* digitCount,
                                            std::string* extension, int kind) {
  if (!m_pConfig || !namePrefix || !digitCount) return FALSE;
  const char* section = kind == 1 ? "StillImage" : "OUTPUTFILE";
  const CFormatProfile profile = Profile();
  *namePrefix = profile.Text(section, "PreFix");
  if (namePrefix->empty()) return FALSE;
  *digitCount = profile.Int(section, "count", 0);
  if (*digitCount < 1 || *digitCount > 5) return FALSE;
  // The type's own extension names the file, whatever "PostFix" holds.
  if (extension) *extension = profile.Text(section, "PostFix");
  return TRUE;
}

BOOL CConverterManager::GetCodecCommand(int number, std::string* command) {
  if (!m_pConfig || !command) return FALSE;
  char key[16];
  snprintf(key, sizeof(key), "%d", number);
  *command = Profile().Text("COMMOND", key);
  return !command->empty();
}
