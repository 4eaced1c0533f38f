#include "config/FormatProfile.h"

#include <stdio.h>
#include <string.h>

#include <uuids.h>

#include "base/Strings.h"
#include "include/AudioChoices.h"
#include "include/VarnoConfig.h"

namespace {

enum { kTextRoom = 1024 };

std::string ReadText(const char* file, const char* section, const char* key, int room = kTextRoom) {
  std::vector<char> text(room + 1, '\0');
  GetPrivateProfileStringA(section, key, "", text.data(), room, file);
  return text.data();
}

int ReadInt(const char* file, const char* section, const char* key, int fallback) {
  return static_cast<int>(GetPrivateProfileIntA(section, key, fallback, file));
}

bool IsSizeList(const char* name) {
  return _stricmp(name, "VIDEOSIZE") == 0 || _stricmp(name, "PhotoResolution") == 0;
}

bool ListHasRows(const ValueList& values) {
  return !values.empty() && values.size() <= MAX_LIST_ROWS;
}

TextList g_audioParamLists[3];
std::vector<OutputTypeEntry> g_outputTypes;
PFN_FindWmCodecIndex g_findWmCodecIndex = FindWmCodecIndex;

// The list's `default`, or its first row's value when absent.
int ListDefault(const char* file, const char* name, const ValueList& values) {
  return ReadInt(file, name, "default", values.front());
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
  static const char* const kLists[] = {"VideoSize", "VideoQuality", "VideoKeyFrame",
                                       "VideoFPS",  "VideoBitrate", "Splitter"};
  TextList texts;
  ValueList values;
  for (const char* name : kLists) {
    if (!ReadList(file, name, &texts, &values)) continue;
    config->SetInt(name, ListDefault(file, name, values), 0);
    if (strcmp(name, "VideoSize") == 0) {
      config->SetInt("MaxWidth", ReadInt(file, "VideoSize", "MaxWidth", 640) & ~0xF, 0);
      config->SetInt("MinWidth", ReadInt(file, "VideoSize", "MinWidth", 0) & ~0xF, 0);
      config->SetInt("KeepSourceRatio", ReadInt(file, "VideoSize", "KeepSourceRatio", 1), 0);
    } else if (strcmp(name, "VideoQuality") == 0) {
      config->SetInt("Used2Pass", ReadInt(file, "VideoQuality", "Used2Pass", 0), 0);
    } else if (strcmp(name, "VideoBitrate") == 0) {
      config->SetInt("Coach7Bitrate", ReadInt(file, "VideoBitrate", "Coach7Bitrate", 0), 0);
    }
  }
  std::vector<char> folder(261, '\0');
  GetPrivateProfileStringA("PSPMP4Directory", "1", "MP_ROOT\\100MNV01", folder.data(), 260, file);
  config->SetString("PSPMP4Directory", folder.data(), 0);
}

void LoadPhotoDefaults(IVarnoConfigEx* config, const char* file) {
  config->SetInt("KeepImageRatio", ReadInt(file, "StillImage", "KeepImageRatio", 1), 0);
  config->SetInt("PhotoMinWidth", ReadInt(file, "StillImage", "PhotoMinWidth", 0), 0);
  config->SetString("ImageTempFolder", ReadText(file, "StillImage", "ImageTempDir").c_str(), 0);
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
    int value = ListDefault(file, photo.list, values);
    config->SetInt(photo.dataKey, value, 0);
    int row = RowOf(values, value);
    if (row >= 0) config->SetInt(photo.indexKey, row, 0);
  }
}

void LoadAudioDefaults(IVarnoConfigEx* config, const char* file) {
  config->SetInt("VCDChannel", ReadInt(file, "AudioParam", "VCDChannel", 0), 0);
  config->SetInt("AudioFormatData", ReadInt(file, "AudioParam", "AudioFormatData", 0), 0);
  config->SetInt("UseDefaultAudioFormat", ReadInt(file, "AudioParam", "UseDefaultAudioFormat", 0),
                 0);
  static const char* const kLists[] = {"MP3Mode", "MP3SamplingRate", "MP3Channel", "MP3Quality",
                                       "MP3Bitrate"};
  TextList texts;
  ValueList values;
  for (const char* name : kLists) {
    if (!ReadList(file, name, &texts, &values)) continue;
    int value = ListDefault(file, name, values);
    config->SetInt(name, value, 0);
    config->SetInt((std::string("User") + name).c_str(), value, 0);
  }
}

}  // namespace

TextList SplitCommaList(const char* text) {
  TextList items;
  if (!text) return items;
  const char* start = text;
  for (const char* comma = strchr(start, ','); comma; comma = strchr(start, ',')) {
    if (comma == start && items.empty()) break;  // an empty first item ends the list
    items.emplace_back(start, comma - start);
    start = comma + 1;
  }
  return items;
}

BOOL ReadProfileList(const char* file, const char* name, TextList* texts, ValueList* values,
                     int outputTypeId) {
  if (!file || !name || !texts || !values) return FALSE;
  int count = ReadInt(file, name, "count", 0);
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
      std::string text = ReadText(file, section, "1");
      if (text.empty()) continue;
      int value;
      if (sizeList) {
        int width = ReadInt(file, section, "2", 0), height = ReadInt(file, section, "3", 0);
        if ((width & 0xFFFF) == 0 || (height & 0xFFFF) == 0) continue;
        value = static_cast<int>((static_cast<unsigned>(width) << 16) |
                                 (static_cast<unsigned>(height) & 0xFFFF));
      } else {
        value = ReadInt(file, section, "2", -2);
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
  int count = ReadInt(file, "OUTPUTFORMAT", "count", 0);
  for (int i = 1; i <= count; ++i) {
    char key[16];
    snprintf(key, sizeof(key), "%d", i);
    std::string name = ReadText(file, "OUTPUTFORMAT", key);
    if (!name.empty()) list->push_back(name);
  }
  return list->empty() ? FALSE : TRUE;
}

int ReadAudioParamLists(int outputTypeId, const char* file) {
  char id[16];
  snprintf(id, sizeof(id), "%d", outputTypeId);
  bool ownLists = false;
  for (const std::string& item : SplitCommaList(ReadText(file, "AudioParam", "ID").c_str()))
    if (item == id) ownLists = true;
  struct Builtin {
    const char* key;
    const char* const* texts;
    int count;
  };
  // Built-in choices in the shared table order (lowest first), so that a
  // stored position means the same format here and in the modules.
  const Builtin kBuiltins[] = {
      {"SamplesPerSecond", kAudioSampleRateTexts, kAudioSampleRateCount},
      {"BitsPerSample", kAudioBitsTexts, kAudioBitsCount},
      {"NumChannels", kAudioChannelTexts, kAudioChannelCount},
  };
  for (int i = 0; i < 3; ++i) {
    TextList& list = g_audioParamLists[i];
    list.clear();
    std::string own = ownLists ? ReadText(file, "AudioParam", kBuiltins[i].key) : std::string();
    if (!own.empty())
      list = SplitCommaList(own.c_str());
    else
      list.assign(kBuiltins[i].texts, kBuiltins[i].texts + kBuiltins[i].count);
  }
  return 1;
}

const TextList& GetAudioParamList(AudioParamList which) { return g_audioParamLists[which]; }

BOOL ReadCodecNames(const char* file, const char* section, TextList* audio, TextList* video) {
  if (!audio || !video) return FALSE;
  std::string vp = ReadText(file, section, "VP");
  if (vp.empty()) return FALSE;
  for (const std::string& key : SplitCommaList(vp.c_str()))
    video->push_back(ReadText(file, "VIDEO", key.c_str()));
  std::string ap = ReadText(file, section, "AP");
  if (ap.empty()) return FALSE;
  for (const std::string& key : SplitCommaList(ap.c_str()))
    audio->push_back(ReadText(file, "AUDIO", key.c_str()));
  return TRUE;
}

int LoadProfileDefaults(IVarnoConfigEx* config) {
  if (!config) return 0;
  char file[MAX_PATH] = {0};
  config->GetString("ConfigFilePath", file, sizeof(file), 0);
  LoadVideoDefaults(config, file);
  LoadPhotoDefaults(config, file);
  LoadAudioDefaults(config, file);
  return 1;
}

void LoadOutputTypes(IVarnoConfigEx* config) {
  g_outputTypes.clear();
  if (!config) return;
  char file[MAX_PATH] = {0}, userAudio[260] = {0}, userVideo[260] = {0};
  config->GetString("ConfigFilePath", file, sizeof(file), 0);
  config->GetString("UserDefinedAudioCodec", userAudio, sizeof(userAudio), 0);
  config->GetString("UserDefinedVideoCodec", userVideo, sizeof(userVideo), 0);
  const int userFormat = config->GetInt("UserDefinedFormat", 0, 1);
  config->SetInt("UseUserDefined", 0, 0);
  for (int n = 0; n < MAX_OUTPUT_TYPES; ++n) {
    char section[16];
    snprintf(section, sizeof(section), "OT%d", n);
    if (ReadInt(file, section, "Disable", -1) == 1) continue;
    OutputTypeEntry entry = {};
    entry.id = ReadInt(file, section, "ID", -1);
    if (entry.id == -1) continue;
    std::string ap = ReadText(file, section, "AP"), vp = ReadText(file, section, "VP");
    if (ap.empty() || vp.empty()) continue;
    std::string audio = ReadText(file, "AUDIO", ap.c_str());
    std::string video = ReadText(file, "VIDEO", vp.c_str());
    std::string desc = ReadText(file, section, "Desc");
    if (audio.empty() || video.empty() || desc.empty()) continue;
    if ((audio == "Windows Media Audio 9" || audio == "Windows Media Audio 9 Professional") &&
        g_findWmCodecIndex(audio.c_str(), MEDIATYPE_Audio) == -1)
      audio = "Windows Media Audio 9.1";
    if (n == MAX_OUTPUT_TYPES - 1) {  // the user-defined type
      if (userFormat < 0 || userFormat > 7) {
        entry.id = 1;
        audio = "MPEG-1";
        video = "MPEG-4";
        config->SetString("UserDefinedAudioCodec", audio.c_str(), 0);
        config->SetString("UserDefinedVideoCodec", video.c_str(), 0);
      } else {
        entry.id = userFormat;
        if (userAudio[0]) audio = userAudio;
        if (userVideo[0]) video = userVideo;
      }
      config->SetInt("UseUserDefined", 1, 0);
    }
    CopyBounded(entry.audioCodec, sizeof(entry.audioCodec), audio.c_str());
    CopyBounded(entry.videoCodec, sizeof(entry.videoCodec), video.c_str());
    CopyBounded(entry.description, sizeof(entry.description), desc.c_str());
    g_outputTypes.push_back(entry);
  }
}

BOOL GetOutputType(int index, OutputTypeEntry* out) {
  if (!out || index < 0 || index >= MAX_OUTPUT_TYPES || index >= GetOutputTypeCount())
    return FALSE;
  *out = g_outputTypes[index];
  return (out->id != -1 && out->audioCodec[0] && out->videoCodec[0] && out->description[0])
             ? TRUE
             : FALSE;
}

int GetOutputTypeCount() { return static_cast<int>(g_outputTypes.size()); }

void SetFindWmCodecIndexSeam(PFN_FindWmCodecIndex fn) {
  g_findWmCodecIndex = fn ? fn : FindWmCodecIndex;
}
