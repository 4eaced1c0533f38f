#include "config/FormatProfile.h"

#include <stdio.h>
#include <string.h>

#include "include/VarnoConfig.h"

namespace {

bool IsSizeList(const char* name) {
  return _stricmp(name, "VIDEOSIZE") == 0 || _stricmp(name, "PhotoResolution") == 0;
}

bool ListHasRows(const ValueList& values) {
  return !values.empty() && values.size() <= MAX_LIST_ROWS;
}

TextList g_audioParamLists[3];
std::vector<OutputTypeEntry> g_outputTypes;

// The list's `default`, or its first row's value when absent.
int ListDefault(const CFormatProfile& profile, const char* name, const ValueList& values) {
  return profile.Int(name, "default", values.front());
}

// Reads a list for output type 0 (the lists emptied first).
bool ReadList(const char* file, const char* name, TextList* texts, ValueList* values) {
  texts->clear();
  values->clear();
  return ReadProfileList(file, name, texts, values, 0) != FALSE;
}

// The index of the first row whose value equals `value`, or -1.
int RowOf(const ValueList& values, int value) {
  for (size_t i = 0; i < values.size(); ++i)
    if (values[i] == value) return static_cast<int>(i);
  return -1;
}

void LoadVideoDefaults(IVarnoConfigEx* config, const char* file) {
  const CFormatProfile profile(file);
  static const char* const kLists[] = {"VideoSize", "VideoQuality", "VideoKeyFrame",
                                       "VideoFPS",  "VideoBitrate", "Splitter"};
  TextList texts;
  ValueList values;
  for (const char* name : kLists) {
    if (!ReadList(file, name, &texts, &values)) continue;
    config->SetInt(name, ListDefault(profile, name, values), 0);
    if (strcmp(name, "VideoSize") == 0) {
      config->SetInt("MaxWidth", profile.Int("VideoSize", "MaxWidth", 640) & ~0xF, 0);
      config->SetInt("MinWidth", profile.Int("VideoSize", "MinWidth", 0) & ~0xF, 0);
      config->SetInt("KeepSourceRatio", profile.Int("VideoSize", "KeepSourceRatio", 1), 0);
    } else if (strcmp(name, "VideoQuality") == 0) {
      config->SetInt("Used2Pass", profile.Int("VideoQuality", "Used2Pass", 0), 0);
    } else if (strcmp(name, "VideoBitrate") == 0) {
      config->SetInt("Coach7Bitrate", profile.Int("VideoBitrate", "Coach7Bitrate", 0), 0);
    }
  }
  config->SetString("PSPMP4Directory",
                    profile.Text("PSPMP4Directory", "1", 260, "MP_ROOT\\100MNV01").c_str(), 0);
}

void LoadPhotoDefaults(IVarnoConfigEx* config, const char* file) {
  const CFormatProfile profile(file);
  config->SetInt("KeepImageRatio", profile.Int("StillImage", "KeepImageRatio", 1), 0);
  config->SetInt("PhotoMinWidth", profile.Int("StillImage", "PhotoMinWidth", 0), 0);
  config->SetString("ImageTempFolder", profile.Text("StillImage", "ImageTempDir").c_str(), 0);
  struct PhotoList {
    const char* list;
    const char* dataKey;
    const char* indexKey;
  };
  static const PhotoList kLists[] = {
      {"PhotoResolution", "PhotoResolutionData", "PhotoResolutionIndex"},
      {"PhotoQuality", "PhotoQualityData", "PhotoQualityIndex"},
  };
  TextList texts;
  ValueList values;
  for (const PhotoList& photo : kLists) {
    if (!ReadList(file, photo.list, &texts, &values)) continue;
    int value = ListDefault(profile, photo.list, values);
    config->SetInt(photo.dataKey, value, 0);
    int row = RowOf(values, value);
    if (row >= 0) config->SetInt(photo.indexKey, row, 0);
  }
}

void LoadAudioDefaults(IVarnoConfigEx* config, const char* file) {
  const CFormatProfile profile(file);
  config->SetInt("VCDChannel", profile.Int("AudioParam", "VCDChannel", 0), 0);
  config->SetInt("AudioFormatData", profile.Int("AudioParam", "AudioFormatData", 0), 0);
  config->SetInt("UseDefaultAudioFormat", profile.Int("AudioParam", "UseDefaultAudioFormat", 0),
                 0);
  static const char* const kLists[] = {"MP3Mode", "MP3SamplingRate", "MP3Channel", "MP3Quality",
                                       "MP3Bitrate"};
  TextList texts;
  ValueList values;
  for (const char* name : kLists) {
    if (!ReadList(file, name, &texts, &values)) continue;
    int value = ListDefault(profile, name, values);
    config->SetInt(name, value, 0);
    config->SetInt((std::string("User") + name).c_str(), value, 0);
  }
}

}  // namespace

BOOL ReadProfileList(const char* file, const char* name, TextList* texts, ValueList* values,
                     int outputTypeId) {
  if (!file || !name || !texts || !values) return FALSE;
  const CFormatProfile profile(file);
  int count = profile.Int(name, "count", 0);
  if (_stricmp(name, "VIDEOSIZE") == 0 && (outputTypeId == 6 || outputTypeId == 7)) {
    // These players take one frame size only.
    texts->push_back(outputTypeId == 6 ? "176x144" : "320x240");
    values->push_back(outputTypeId == 6 ? (176 << 16 | 144) : (320 << 16 | 240));
    return TRUE;
  }
  if (count >= 1 && count <= MAX_LIST_ROWS) {
    const bool sizeList = IsSizeList(name);
    for (int i = 0; i <= count; ++i) {
      char section[300];
      snprintf(section, sizeof(section), "%s%d", name, i);
      std::string text = profile.Text(section, "1");
      if (text.empty()) continue;
      int value;
      if (sizeList) {
        int width = profile.Int(section, "2", 0), height = profile.Int(section, "3", 0);
        if ((width & 0xFFFF) == 0 || (height & 0xFFFF) == 0) continue;
        value = static_cast<int>((static_cast<unsigned>(width) << 16) |
                                 (static_cast<unsigned>(height) & 0xFFFF));
      } else {
        value = profile.Int(section, "2", -2);
        if (value == -2) continue;
      }
      texts->push_back(text);
      values->push_back(value);
    }
  }
  return ListHasRows(*values) ? TRUE : FALSE;
}

BOOL ReadOutputFormats(TextList* list, const char* file) {
  if (!list) return FALSE;
  list->clear();
  const CFormatProfile profile(file);
  int count = profile.Int("OUTPUTFORMAT", "count", 0);
  for (int i = 1; i <= count; ++i) {
    char key[16];
    snprintf(key, sizeof(key), "%d", i);
    std::string name = profile.Text("OUTPUTFORMAT", key);
    if (!name.empty()) list->push_back(name);
  }
  return list->empty() ? FALSE : TRUE;
}

int ReadAudioParamLists(int outputTypeId, const char* file) {
  ReadAudioChoiceLists(CFormatProfile(file), outputTypeId,
                       &g_audioParamLists[AUDIO_PARAM_SAMPLES_PER_SECOND],
                       &g_audioParamLists[AUDIO_PARAM_BITS_PER_SAMPLE],
                       &g_audioParamLists[AUDIO_PARAM_NUM_CHANNELS]);
  return 1;
}

const TextList& GetAudioParamList(AudioParamList which) { return g_audioParamLists[which]; }

BOOL ReadCodecNames(const char* file, const char* section, TextList* audio, TextList* video) {
  if (!audio || !video) return FALSE;
  const CFormatProfile profile(file);
  std::string vp = profile.Text(section, "VP");
  if (vp.empty()) return FALSE;
  for (const std::string& key : SplitCommaList(vp))
    video->push_back(profile.Text("VIDEO", key.c_str()));
  std::string ap = profile.Text(section, "AP");
  if (ap.empty()) return FALSE;
  for (const std::string& key : SplitCommaList(ap))
    audio->push_back(profile.Text("AUDIO", key.c_str()));
  return TRUE;
}

int LoadProfileDefaults(IVarnoConfigEx* config) {
  if (!config) return 0;
  char file[kProfilePathRoom] = {0};
  if (!config->GetString("ConfigFilePath", file, sizeof(file), 0)) return 0;
  LoadVideoDefaults(config, file);
  LoadPhotoDefaults(config, file);
  LoadAudioDefaults(config, file);
  return 1;
}

void LoadOutputTypes(IVarnoConfigEx* config) {
  g_outputTypes.clear();
  if (!config) return;
  char file[kProfilePathRoom] = {0};
  if (!config->GetString("ConfigFilePath", file, sizeof(file), 0)) return;
  LoadOutputTypeTable(CFormatProfile(file), config, &g_outputTypes);
}

BOOL GetOutputType(int index, OutputTypeEntry* out) {
  return CopyOutputType(g_outputTypes, index, out);
}

int GetOutputTypeCount() { return static_cast<int>(g_outputTypes.size()); }
