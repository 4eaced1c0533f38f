#include "modules/music/MusicSettings.h"

#include <stdio.h>

#include "base/FormatProfile.h"
#include "modules/framework/model/ConverterManager.h"

namespace {

const char* const kMp3Settings[] = {"MP3SamplingRate", "MP3Channel", "MP3Bitrate", "MP3Mode",
                                    "MP3Quality"};
const int kMonoChannelMode = 3;  // the MP3 channel setting's value for mono

}  // namespace

BOOL ReadMusicOutputType(const CConverterManager& manager, int n, CTaskRecord* out) {
  IVarnoConfigEx* config = manager.GetConfig();
  if (!config || !out) return FALSE;
  CFormatProfile profile(manager.GetProfilePath().c_str(), config);
  char section[32];
  snprintf(section, sizeof(section), "MOT%d", n);
  const int kMissing = -1;
  if ((out->outputType = profile.Int(section, "ID", kMissing)) == kMissing) return FALSE;
  out->audioCodec = profile.Int(section, "AP", kMissing);
  if ((out->sampleRate = profile.Int(section, "ASR", kMissing)) == kMissing) return FALSE;
  if ((out->channels = static_cast<short>(profile.Int(section, "AC", kMissing))) == kMissing)
    return FALSE;
  if ((out->audioBitRate = profile.Int(section, "AB", kMissing)) == kMissing) return FALSE;
  if ((out->audioMode = profile.Int(section, "AM", kMissing)) == kMissing) return FALSE;
  if ((out->audioQuality = profile.Int(section, "AQ", kMissing)) == kMissing) return FALSE;
  out->stateText = profile.Text(section, "Desc", MAX_PATH);
  return TRUE;
}

std::string Mp3SettingsSummary(IVarnoConfigEx* config) {
  char summary[128];
  snprintf(summary, sizeof(summary), "%dHz,%s,%dkbps,%s", config->GetInt("MP3SamplingRate", 0, 0),
           config->GetInt("MP3Channel", 0, 0) == kMonoChannelMode ? "Mono" : "Stereo",
           config->GetInt("MP3Bitrate", 0, 0), config->GetInt("MP3Mode", 0, 0) ? "VBR" : "CBR");
  return summary;
}

std::string SyncMp3Settings(IVarnoConfigEx* config, const CConverterManager& manager) {
  CTaskRecord type;
  // A section that is missing or incomplete would put zeros and -1 in the
  // place of the user's settings: they stay as they are.
  if (ReadMusicOutputType(manager, config->GetInt("MusicLastOutputTypeIndex", 0, 0), &type)) {
    if (type.stateText.find("User defined") == std::string::npos) {
      config->SetInt("MusicLastOutputTypeData", 0, 0);
      const int values[] = {type.sampleRate, type.channels, type.audioBitRate, type.audioMode,
                            type.audioQuality};
      for (int i = 0; i < 5; ++i) config->SetInt(kMp3Settings[i], values[i], 0);
    } else {
      config->SetInt("MusicLastOutputTypeData", kUserDefinedMp3Data, 0);
      for (const char* name : kMp3Settings)
        config->SetInt(name, config->GetInt((std::string("User") + name).c_str(), 0, 0), 0);
    }
  }
  return Mp3SettingsSummary(config);
}
