#include "base/FormatProfile.h"

#include <stdio.h>

#include <uuids.h>

#include "base/CodecLookup.h"
#include "base/ProfileFile.h"
#include "base/Strings.h"
#include "include/AudioChoices.h"
#include "include/VarnoConfig.h"

namespace {

const char kWma9[] = "Windows Media Audio 9";
const char kWma9Pro[] = "Windows Media Audio 9 Professional";
const char kWma91[] = "Windows Media Audio 9.1";

// The user-defined type's id must name one of the video output types 0 ... 7.
bool IsUserFormat(int id) { return id >= 0 && id <= 7; }

}  // namespace

CFormatProfile::CFormatProfile(const char* file)
    : m_file(file), m_textsThroughConfig(false), m_config(NULL) {}

CFormatProfile::CFormatProfile(const char* file, IVarnoConfigEx* texts)
    : m_file(file), m_textsThroughConfig(true), m_config(texts) {}

CProfileFile& CFormatProfile::File() const {
  if (!m_copy) m_copy = SharedProfileFile(m_file ? m_file : "");
  return *m_copy;
}

std::string CFormatProfile::Text(const char* section, const char* key, int room,
                                 const char* fallback) const {
  if (room <= 0) return std::string();
  if (!m_textsThroughConfig) return ProfileString(File(), section, key, fallback, room);
  std::vector<char> text(room + 1, '\0');
  if (m_config) m_config->GetIniString(section, key, text.data(), room, 0, 0);
  text[room] = '\0';
  return text.data();
}

int CFormatProfile::Int(const char* section, const char* key, int fallback) const {
  return ProfileInt(File(), section, key, fallback);
}

BOOL CFormatProfile::CodecName(const char* key, BOOL audio, std::string* name) const {
  if (!key || !key[0] || !name) return FALSE;
  *name = Text(audio ? "AUDIO" : "VIDEO", key);
  return TRUE;
}

void LoadOutputTypeTable(const CFormatProfile& profile, IVarnoConfigEx* config,
                         std::vector<OutputTypeEntry>* table) {
  table->clear();
  if (!config) return;
  char userAudio[MAX_PATH] = "", userVideo[MAX_PATH] = "";
  config->GetString("UserDefinedAudioCodec", userAudio, sizeof(userAudio), 0);
  config->GetString("UserDefinedVideoCodec", userVideo, sizeof(userVideo), 0);
  const int userFormat = config->GetInt("UserDefinedFormat", 0, 1);
  config->SetInt("UseUserDefined", 0, 0);
  for (int n = 0; n < kMaxOutputTypes; ++n) {
    char section[16];
    snprintf(section, sizeof(section), "OT%d", n);
    if (profile.Int(section, "Disable", -1) == 1) continue;
    OutputTypeEntry entry = {};
    entry.id = profile.Int(section, "ID", -1);
    if (entry.id == -1) continue;
    std::string audio, video;
    if (!profile.CodecName(profile.Text(section, "AP").c_str(), TRUE, &audio) || audio.empty())
      continue;
    if (!profile.CodecName(profile.Text(section, "VP").c_str(), FALSE, &video) || video.empty())
      continue;
    std::string description = profile.Text(section, "Desc");
    if (description.empty()) continue;
    if ((audio == kWma9 || audio == kWma9Pro) &&
        FindWmCodecIndex(audio.c_str(), MEDIATYPE_Audio) == -1)
      audio = kWma91;
    if (n == kMaxOutputTypes - 1) {
      // The user-defined type: its id and codecs come from the settings.
      if (!IsUserFormat(userFormat)) {
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
    CopyBounded(entry.description, sizeof(entry.description), description.c_str());
    table->push_back(entry);
  }
}

BOOL CopyOutputType(const std::vector<OutputTypeEntry>& table, int index, OutputTypeEntry* out) {
  if (!out || index < 0 || index >= kMaxOutputTypes || index >= static_cast<int>(table.size()))
    return FALSE;
  *out = table[index];
  return (out->id != -1 && out->audioCodec[0] && out->videoCodec[0] && out->description[0])
             ? TRUE
             : FALSE;
}

void ReadAudioChoiceLists(const CFormatProfile& profile, int outputTypeId, TextList* sampleRates,
                          TextList* bits, TextList* channels) {
  char id[16];
  snprintf(id, sizeof(id), "%d", outputTypeId);
  const bool ownLists = CommaListHas(profile.Text("AudioParam", "ID"), id);
  struct List {
    const char* key;
    TextList* list;
    const char* const* builtIn;
    int builtInCount;
  };
  // Built-in choices in the shared table order (lowest first), so that a
  // stored position means the same format in every deliverable.
  const List lists[] = {
      {"SamplesPerSecond", sampleRates, kAudioSampleRateTexts, kAudioSampleRateCount},
      {"BitsPerSample", bits, kAudioBitsTexts, kAudioBitsCount},
      {"NumChannels", channels, kAudioChannelTexts, kAudioChannelCount},
  };
  for (const List& list : lists) {
    std::string own = ownLists ? profile.Text("AudioParam", list.key) : std::string();
    if (!own.empty())
      *list.list = SplitCommaList(own);
    else
      list.list->assign(list.builtIn, list.builtIn + list.builtInCount);
  }
}
