// The music module's MP3 output types ([MOT<n>] of the format profile) and
// the MP3 settings that the chosen type puts in force, with the summary that
// the music page shows. Text in, records and settings out: no window.
#pragma once
#include <string>

#include "include/VarnoConfig.h"
#include "modules/framework/model/TaskRecord.h"

class CConverterManager;

// Reads [MOT<n>] into out (outputType, audioCodec, sampleRate, channels,
// audioBitRate, audioMode, audioQuality, stateText = "Desc"). FALSE without
// configuration or at the first of ID, ASR, AC, AB, AM, AQ that is missing;
// the values read before it stay in out.
BOOL ReadMusicOutputType(const CConverterManager& manager, int n, CTaskRecord* out);

// Puts the MP3 settings of output type "MusicLastOutputTypeIndex" in force:
// its own five values, or the "User..." ones when its description holds
// "User defined". A section that cannot be read completely keeps the stored
// settings. Returns the summary "%dHz,%s,%dkbps,%s" of what is now in force.
std::string SyncMp3Settings(IVarnoConfigEx* config, const CConverterManager& manager);

// The summary of the MP3 settings in force.
std::string Mp3SettingsSummary(IVarnoConfigEx* config);
