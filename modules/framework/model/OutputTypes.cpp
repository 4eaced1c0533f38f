// The output types, audio choices, output-file naming and codec command
// templates of the format profile, as the converter manager reads them.
#include <stdio.h>
#include <string.h>

#include "base/CommaList.h"
#include "include/AudioChoices.h"
#include "modules/framework/model/ConverterManager.h"
#include "modules/framework/model/MediaInfoCtrl.h"

namespace {
const int kProfileText = 1024;
const char kWma9[] = "Windows Media Audio 9";
const char kWma9Pro[] = "Windows Media Audio 9 Professional";
const char kWma91[] = "Windows Media Audio 9.1";

void FillBuiltIn(std::vector<std::string>* list, const char* const* texts, int count) {
  for (int i = 0; i < count; ++i) list->push_back(texts[i]);
}
}  // namespace

std::string CConverterManager::ReadProfileText(const char* section, const char* key) {
  char buffer[kProfileText + 1] = "";
  if (m_pConfig) m_pConfig->GetIniString(section, key, buffer, kProfileText, 0, 0);
  buffer[kProfileText] = 0;
  return buffer;
}

int CConverterManager::ReadProfileInt(const char* section, const char* key, int fallback) {
  return (int)GetPrivateProfileIntA(section, key, fallback, m_profilePath.c_str());
}

void CConverterManager::LoadOutputTypes() {
  m_outputTypes.clear();
  if (!m_pConfig) return;
  char userAudio[MAX_PATH] = "", userVideo[MAX_PATH] = "";
  m_pConfig->GetString("UserDefinedAudioCodec", userAudio, MAX_PATH, 0);
  m_pConfig->GetString("UserDefinedVideoCodec", userVideo, MAX_PATH, 0);
  int userFormat = m_pConfig->GetInt("UserDefinedFormat", 0, 0);
  m_pConfig->SetInt("UseUserDefined", 0, 0);
  for (int n = 0; n < kMaxOutputTypes; ++n) {
    char section[16];
    snprintf(section, sizeof(section), "OT%d", n);
    if (ReadProfileInt(section, "Disable", -1) == 1) continue;
    int id = ReadProfileInt(section, "ID", -1);
    if (id == -1) continue;
    std::string audio, video;
    if (!LookupCodecName(ReadProfileText(section, "AP").c_str(), &audio, TRUE) || audio.empty())
      continue;
    if ((audio == kWma9 || audio == kWma9Pro) &&
        FindWMCodecIndex(audio.c_str(), &MEDIATYPE_Audio) == -1)
      audio = kWma91;
    if (!LookupCodecName(ReadProfileText(section, "VP").c_str(), &video, FALSE) || video.empty())
      continue;
    std::string description = ReadProfileText(section, "Desc");
    if (description.empty()) continue;
    if (n == kMaxOutputTypes - 1) {
      // The user-defined type: its id and codecs come from the settings.
      if (userFormat < 0 || userFormat > 7) {
        id = 1;
        audio = "MPEG-1";
        video = "MPEG-4";
        m_pConfig->SetString("UserDefinedAudioCodec", audio.c_str(), 0);
        m_pConfig->SetString("UserDefinedVideoCodec", video.c_str(), 0);
      } else {
        id = userFormat;
        if (userAudio[0]) audio = userAudio;
        if (userVideo[0]) video = userVideo;
      }
      m_pConfig->SetInt("UseUserDefined", 1, 0);
    }
    OutputTypeEntry entry;
    entry.id = id;
    lstrcpynA(entry.audioCodec, audio.c_str(), sizeof(entry.audioCodec));
    lstrcpynA(entry.videoCodec, video.c_str(), sizeof(entry.videoCodec));
    lstrcpynA(entry.description, description.c_str(), sizeof(entry.description));
    m_outputTypes.push_back(entry);
  }
}

BOOL CConverterManager::LookupCodecName(const char* key, std::string* name, BOOL audio) {
  if (!m_pConfig || !key || !key[0] || !name) return FALSE;
  *name = ReadProfileText(audio ? "AUDIO" : "VIDEO", key);
  return TRUE;
}

BOOL CConverterManager::GetOutputType(int index, OutputTypeEntry* out) const {
  if (!m_pConfig || !out) return FALSE;
  if (index < 0 || index >= kMaxOutputTypes || index >= (int)m_outputTypes.size()) return FALSE;
  *out = m_outputTypes[index];
  return out->id != -1 && out->audioCodec[0] && out->videoCodec[0] && out->description[0];
}

void CConverterManager::LoadAudioChoices(int outputTypeId) {
  if (!m_pConfig) return;
  char id[16];
  snprintf(id, sizeof(id), "%d", outputTypeId);
  bool ownLists = CommaListHas(ReadProfileText("AudioParam", "ID"), id);
  struct {
    const char* key;
    std::vector<std::string>* list;
    const char* const* builtIn;
    int builtInCount;
  } lists[3] = {
      {"SamplesPerSecond", &m_sampleRates, kAudioSampleRateTexts, kAudioSampleRateCount},
      {"BitsPerSample", &m_bitsChoices, kAudioBitsTexts, kAudioBitsCount},
      {"NumChannels", &m_channelChoices, kAudioChannelTexts, kAudioChannelCount},
  };
  for (int i = 0; i < 3; ++i) {
    lists[i].list->clear();
    std::string own = ownLists ? ReadProfileText("AudioParam", lists[i].key) : std::string();
    if (!own.empty())
      *lists[i].list = SplitCommaList(own);
    else
      FillBuiltIn(lists[i].list, lists[i].builtIn, lists[i].builtInCount);
  }
}

BOOL CConverterManager::GetOutputFileNaming(std::string* namePrefix, int* digitCount,
                                            std::string* extension, int kind) {
  if (!m_pConfig || !namePrefix || !digitCount) return FALSE;
  const char* section = kind == 1 ? "StillImage" : "OUTPUTFILE";
  *namePrefix = ReadProfileText(section, "PreFix");
  if (namePrefix->empty()) return FALSE;
  *digitCount = ReadProfileInt(section, "count", 0);
  if (*digitCount < 1 || *digitCount > 5) return FALSE;
  // The type's own extension names the file, whatever "PostFix" holds.
  if (extension) *extension = ReadProfileText(section, "PostFix");
  return TRUE;
}

BOOL CConverterManager::GetCodecCommand(int number, std::string* command) {
  if (!m_pConfig || !command) return FALSE;
  char key[16];
  snprintf(key, sizeof(key), "%d", number);
  *command = ReadProfileText("COMMOND", key);
  return !command->empty();
}
