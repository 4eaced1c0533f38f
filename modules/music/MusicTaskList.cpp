#include "modules/music/MusicTaskList.h"

namespace {
const int kMp3AudioCodec = 2;   // "MPEG Layer-3"
const int kListedAudioKbps = 64;  // what every music task carries as its output rate
}  // namespace

const char* CMusicTaskList::MissingOutputTypeReason() const { return "No MP3 Output Type"; }

const char* CMusicTaskList::SupportedPatterns() const {
  return "*.RM;*.RMVB;*.AVI;*.WMV;*.WMA;*.ASF;*.MPG;*.MPEG;*.MPE;*.M1V;*.MPV2;*.MPA;*.MP2;*.MP3;"
         "*.MP4;*.DAT;*.MOV;*.VOB;*.WAV";
}

BOOL CMusicTaskList::ProbeFile(CTaskRecord* task, const char* path) {
  if (!task) return FALSE;
  // With type 9 the base never asks the codec library for video values.
  task->outputType = kOutputTypeMp3;
  BOOL result = CTaskList::ProbeFile(task, path);
  task->hasAudio = 1;
  task->audioBitRate = kListedAudioKbps;
  if (result) task->hasVideo = 0;
  return result;
}

int CMusicTaskList::CurrentOutputTypeIndex() {
  // No fallback to "CurrentLastOutputTypeIndex": on this page it holds a
  // row of MP3 settings, which as a catalogue index names a video type.
  return OutputTypeIndexOfId(kOutputTypeMp3);
}

BOOL CMusicTaskList::LoadOutputSettings(int outputTypeIndex, CTaskRecord* task) {
  if (OutputTypeIndexOfId(kOutputTypeMp3) < 0)
    return RefuseMissingOutputType(task);
  BOOL result = CTaskList::LoadOutputSettings(outputTypeIndex, task);
  if (task) task->audioCodec = kMp3AudioCodec;
  return result;
}
