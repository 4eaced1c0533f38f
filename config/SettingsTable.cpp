#include "config/SettingsTable.h"

#include <string.h>

#include "base/Strings.h"

namespace {

struct IntSeed {
  const char* name;
  int value;
  int defaultValue;
};

struct StringSeed {
  const char* name;
  const char* defaultValue;
};

const IntSeed kIntSeeds[] = {
    {"AudioParamCodecIndex", 0, 0},
    {"AudioFormatIndex", 0, 0},
    {"AudioFormatData", 0, 0},
    {"VideoParamCodecIndex", 0, 0},
    {"VideoSize", -1, -1},
    {"VideoFPS", -1, -1},
    {"VideoKeyFrame", 8, 8},
    {"VideoQuality", 100, 100},
    {"VideoBitrate", -1, -1},
    {"MaxWidth", 640, 640},
    {"MinWidth", 0, 0},
    {"KeepSourceRatio", 1, 1},
    {"KeepImageRatio", 1, 1},
    {"VCDChannel", 0, 0},
    {"ReelCraftLastPage", 0, 0},
    {"NotFirstTimeRun", 0, 0},
    {"CurrentLastOutputTypeIndex", 0, 0},
    {"CurrentLastOutputTypeData", 0, 0},
    {"VideoLastOutputTypeIndex", 0, 0},
    {"VideoLastOutputTypeData", 0, 0},
    {"MusicLastOutputTypeIndex", 0, 0},
    {"MusicLastOutputTypeData", 0, 0},
    {"PhotoLastOutputTypeIndex", 0, 0},
    {"PhotoLastOutputTypeData", 0, 0},
    {"UserDefinedFormat", 0, -1},
    {"SamplesPerSecond", 0, 44100},
    {"BitsPerSample", 0, 24},
    {"NumChannels", 0, 2},
    {"UseUserDefined", 0, 0},
    {"UserMP3Mode", 0, 0},
    {"UserMP3SamplingRate", 0, 0},
    {"UserMP3Channel", 0, 0},
    {"UserMP3Quality", 0, 0},
    {"UserMP3Bitrate", 0, 0},
    {"MP3Mode", 0, 0},
    {"MP3SamplingRate", 0, 0},
    {"MP3Channel", 0, 0},
    {"MP3Quality", 0, 0},
    {"MP3Bitrate", 0, 0},
    {"PhotoResolutionIndex", 0, 0},
    {"PhotoResolutionData", 0, 0},
    {"PhotoQualityIndex", 0, 0},
    {"PhotoQualityData", 0, 0},
    {"PhotoMinWidth", 0, 0},
    {"UILanguageLCID", 0, 1033},
    {"ExitWindowsEx", 0, 0},
    {"Splitter", 0, -1},
    {"UseDefaultAudioFormat", 0, 0},
    {"Used2Pass", 0, 0},
    {"Coach7Bitrate", 0, 0},
};

const StringSeed kStringSeeds[] = {
    {"CurrentSkinDirectory", ""}, {"CurrentSavePath", ""},
    {"VideoSavePath", ""},        {"MusicSavePath", ""},
    {"PhotoSavePath", ""},        {"RealCodecPath", ""},
    {"LastOpenPath", ""},         {"UserDefinedAudioCodec", ""},
    {"UserDefinedVideoCodec", ""}, {"ImageTempFolder", "C:\\temp"},
    {"InstallDirectory", ""},     {"PSPMP4Directory", "MP_ROOT\\100MNV01"},
};

enum {
  kIntCount = sizeof(kIntSeeds) / sizeof(kIntSeeds[0]),
  kStringCount = sizeof(kStringSeeds) / sizeof(kStringSeeds[0]),
};
static_assert(kIntCount == 50, "50 integer settings");
static_assert(kStringCount == 12, "12 string settings");

SettingIntEntry g_intSettings[kIntCount];
SettingStringEntry g_stringSettings[kStringCount];

// Fills the tables when the library loads.
struct TableSeeder {
  TableSeeder() { ResetSettingTables(); }
} g_seeder;

}  // namespace

void ResetSettingTables() {
  for (int i = 0; i < kIntCount; ++i)
    g_intSettings[i] = {kIntSeeds[i].name, kIntSeeds[i].value, kIntSeeds[i].defaultValue};
  for (int i = 0; i < kStringCount; ++i) {
    g_stringSettings[i].name = kStringSeeds[i].name;
    CopyBounded(g_stringSettings[i].value, SETTING_TEXT_SIZE, "");
    CopyBounded(g_stringSettings[i].defaultValue, SETTING_TEXT_SIZE, kStringSeeds[i].defaultValue);
  }
}

int IntSettingCount() { return kIntCount; }
int StringSettingCount() { return kStringCount; }

SettingIntEntry* IntSettingAt(int index) {
  return (index >= 0 && index < kIntCount) ? &g_intSettings[index] : nullptr;
}

SettingStringEntry* StringSettingAt(int index) {
  return (index >= 0 && index < kStringCount) ? &g_stringSettings[index] : nullptr;
}

SettingIntEntry* FindIntSetting(const char* name) {
  if (!name) return nullptr;
  for (auto& row : g_intSettings)
    if (_stricmp(row.name, name) == 0) return &row;
  return nullptr;
}

SettingStringEntry* FindStringSetting(const char* name) {
  if (!name) return nullptr;
  for (auto& row : g_stringSettings)
    if (_stricmp(row.name, name) == 0) return &row;
  return nullptr;
}
