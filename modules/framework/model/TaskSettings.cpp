// The settings of the current output type applied to one task.
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <dshow.h>

#include "base/Paths.h"
#include "modules/framework/model/ConverterManager.h"
#include "modules/framework/model/MediaInfoCtrl.h"
#include "modules/framework/model/SizeFit.h"
#include "modules/framework/model/TaskList.h"

namespace {

struct AudioCodecName {
  const char* name;
  int id;
};
const AudioCodecName kAudioCodecIds[] = {
    {"MPEG-1", 1}, {"MPEG Layer-3", 2}, {"PCM", 0}, {"IMA ADPCM", 3}, {"AMR_NB", 5},
    {"MPEG4 AAC", 6},
};
const int kAmrNb = 5;

int AudioCodecId(const char* name) {
  for (size_t i = 0; i < sizeof(kAudioCodecIds) / sizeof(kAudioCodecIds[0]); ++i) {
    if (_stricmp(name, kAudioCodecIds[i].name) == 0) return kAudioCodecIds[i].id;
  }
  return -1;
}

int Clamp(int value, int low, int high) {
  return value < low ? low : (value > high ? high : value);
}

// A setting whose -1 means "keep the fallback".
int OrFallback(int value, int fallback) { return value == -1 ? fallback : value; }

// The leading decimal number of a choice text ("44100Hz", "16 Bits").
int LeadingNumber(const std::string& text) { return atoi(text.c_str()); }

int ChannelCount(const std::string& text) { return _stricmp(text.c_str(), "MONO") == 0 ? 1 : 2; }

typedef BOOL (*PFN_FitSize)(int maxWidth, int minWidth, int* w, int* h, double ratio);

// Fits the source picture to a chosen size (width << 16 | height, or -1 for
// none, then fallbackWidth is the target width). The chosen size's own
// ratio counts only when the keep-ratio setting is 0.
void FitPicture(CTaskRecord* task, PFN_FitSize fit, int packedSize, int keepRatio,
                int fallbackWidth, int minWidth) {
  int targetWidth = packedSize == -1 ? fallbackWidth : (int)HIWORD((DWORD)packedSize);
  double ratio = 0;
  if (packedSize != -1 && keepRatio == 0 && HIWORD((DWORD)packedSize) != 0)
    ratio = (double)LOWORD((DWORD)packedSize) / HIWORD((DWORD)packedSize);
  int w = task->sourceWidth, h = task->sourceHeight;
  if (fit(targetWidth, minWidth, &w, &h, ratio)) {
    task->width = w;
    task->height = h;
  }
}

}  // namespace

void CTaskList::ReloadOutputSettings(CTaskRecord* task) {
  if (!m_pConfig) return;
  LoadOutputSettings(CurrentOutputTypeIndex(), task);
}

void CTaskList::PrepareOutputType(int typeId) {
  // Both read the format profile; within one call they give the same
  // answer for every task of the type.
  if (m_cache.depth > 0 && m_cache.preparedType == typeId) return;
  m_pManager->LoadAudioChoices(typeId);
  // Makes sure that "VideoSize" holds a size of this type.
  m_pConfig->GetInt("GetVideoSize", typeId, 0);
  if (m_cache.depth > 0) m_cache.preparedType = typeId;
}

int CTaskList::CodecPosition(const std::string& name, const GUID& kind, bool windowsMedia) {
  char tag[64];
  snprintf(tag, sizeof(tag), "%d:%08lx:", windowsMedia ? 1 : 0, (unsigned long)kind.Data1);
  std::string key = std::string(tag) + name;
  if (m_cache.depth > 0) {
    std::map<std::string, int>::const_iterator found = m_cache.codecPositions.find(key);
    if (found != m_cache.codecPositions.end()) return found->second;
  }
  int position = windowsMedia ? FindWMCodecIndex(name.c_str(), &kind)
                              : FindDeviceIndexByFriendlyName(name.c_str(), &kind);
  if (m_cache.depth > 0) m_cache.codecPositions[key] = position;
  return position;
}

BOOL CTaskList::LoadOutputSettings(int outputTypeIndex, CTaskRecord* task) {
  if (!m_pConfig || !m_pManager || !task) return FALSE;
  CallScope scope(this);
  OutputTypeEntry entry = {task->outputType, "", "", ""};
  // A change of output type applies to every task, an MP3 or still-image
  // task too; only a list that has no such entry keeps those as they are.
  if (m_pManager->GetOutputType(outputTypeIndex, &entry))
    task->outputType = entry.id;
  else if (task->outputType != kOutputTypeStillImage && task->outputType != kOutputTypeMp3)
    return FALSE;
  PrepareOutputType(task->outputType);
  switch (task->outputType) {
    case 0:
    case 3:
      task->videoCodecIndex = CodecPosition(entry.videoCodec, CLSID_VideoCompressorCategory, false);
      task->audioCodec = CodecPosition(entry.audioCodec, CLSID_AudioCompressorCategory, false);
      ApplyChosenCompressors(task);
      break;
    case 2:
      task->videoCodecIndex = CodecPosition(entry.videoCodec, MEDIATYPE_Video, true);
      task->audioCodec = CodecPosition(entry.audioCodec, MEDIATYPE_Audio, true);
      task->audioFormatIndex = Setting("AudioFormatData");
      ApplyMpeg4FamilySettings(task, entry.audioCodec, entry.videoCodec);
      break;
    case 1:
    case 4:
    case 5:
    case 6:
    case 7:
      ApplyMpeg4FamilySettings(task, entry.audioCodec, entry.videoCodec);
      break;
    case kOutputTypeStillImage:
      ApplyStillImageSettings(task);
      break;
    case kOutputTypeMp3:
      ApplyMp3Settings(task);
      break;
    default:
      break;
  }
  return TRUE;
}

void CTaskList::ApplyMpeg4FamilySettings(CTaskRecord* task, const char* audioName,
                                         const char* videoName) {
  int type = task->outputType;
  if (type != 2) {
    int choice = Setting("AudioFormatData");
    if (choice == -1) {
      task->sampleRate = task->sourceSampleRate;
      task->channels = task->sourceChannels;
    } else {
      int rate = 0, channels = 0;
      if (PickAudioChoice(choice, &rate, &channels, NULL, 2)) {
        task->sampleRate = rate;
        task->channels = (short)channels;
      }
    }
  }
  FitPicture(task, &FitVideoSize, Setting("VideoSize"), Setting("KeepSourceRatio"),
             Setting("MaxWidth"), Setting("MinWidth"));
  task->videoQuality = OrFallback(Setting("VideoQuality"), task->defaultVideoQuality);
  task->keyFrameSpacing = OrFallback(Setting("VideoKeyFrame"), task->defaultKeyFrameSpacing);
  task->frameRate = OrFallback(Setting("VideoFPS"), task->sourceFrameRate);
  task->videoBitRate = OrFallback(Setting("VideoBitrate"), task->sourceVideoBitRate);
  if (type == 1)
    task->sampleRate = Clamp(task->sampleRate, 22050, 48000);
  else if (type == 6)
    task->sampleRate = 8000;
  else
    task->sampleRate = Clamp(task->sampleRate, 8000, 48000);
  int audioId = AudioCodecId(audioName);
  if (audioId != -1 || type != 2) task->audioCodec = audioId;
  if (audioId == kAmrNb) task->channels = 1;
  if (_stricmp(videoName, "MPEG-4") == 0) task->videoCodecIndex = 0;
  if (_stricmp(videoName, "XviD MPEG-4 Codec") == 0) task->videoCodecIndex = 1;
  task->videoCodecId = task->videoCodecIndex;
  task->audioCodecId = task->audioCodec;
  if (_stricmp(GetFileExt(task->sourcePath.c_str()), ".VOB") == 0) task->channels = 2;
}

void CTaskList::ApplyChosenCompressors(CTaskRecord* task) {
  // The recompressing types take the positions that the output settings
  // dialog stored, where it offers them (a user-defined catalogue); else
  // the type's own compressors by name. -1 is "No Recompression".
  if (Setting("UseUserDefined")) {
    task->videoCodecId = Setting("VideoParamCodecIndex");
    task->audioCodecId = Setting("AudioParamCodecIndex");
  } else {
    task->videoCodecId = task->videoCodecIndex;
    task->audioCodecId = task->audioCodec;
  }
}

void CTaskList::ApplyStillImageSettings(CTaskRecord* task) {
  FitPicture(task, &FitImageSize, Setting("PhotoResolutionData"), Setting("KeepImageRatio"),
             task->sourceWidth, Setting("PhotoMinWidth"));
  task->videoQuality = Setting("PhotoQualityData");
}

void CTaskList::ApplyMp3Settings(CTaskRecord* task) {
  task->audioMode = Setting("MP3Mode");
  task->sampleRate = Clamp(Setting("MP3SamplingRate"), 8000, 48000);
  task->channels = (short)Setting("MP3Channel");
  task->audioQuality = Setting("MP3Quality");
  task->audioBitRate = Setting("MP3Bitrate");
  task->audioCodec = 2;
}

BOOL CTaskList::PickAudioChoice(int choice, int* sampleRate, int* channels, short* bits,
                                int kind) {
  if (!m_pManager || kind < 1 || kind > 3) return FALSE;
  const std::vector<std::string>& rates = m_pManager->GetSampleRateChoices();
  const std::vector<std::string>& depths = m_pManager->GetBitsChoices();
  const std::vector<std::string>& names = m_pManager->GetChannelChoices();
  // A list that the profile left empty has no choice to give.
  if (rates.empty() || (kind >= 2 && names.empty()) || (kind == 3 && depths.empty()))
    return FALSE;
  if (choice < 0) choice = 0;
  int R = (int)rates.size(), B = (int)depths.size(), K = (int)names.size();
  int rate = 0, depth = 0, channel = 0;
  if (kind == 1) {
    rate = choice < R ? choice : 0;
  } else if (kind == 2) {
    if (choice >= R * K) choice = 0;
    rate = choice / K;
    channel = choice % K;
  } else {
    if (choice >= R * B * K) choice = 0;
    rate = choice / (B * K);
    depth = (choice / K) % B;
    channel = choice % K;
  }
  if (sampleRate) *sampleRate = LeadingNumber(rates[rate]);
  if (kind >= 2 && channels) *channels = ChannelCount(names[channel]);
  if (kind == 3 && bits) *bits = (short)LeadingNumber(depths[depth]);
  return TRUE;
}
