#include "modules/music/MusicTaskList.h"

namespace {
const int kMp3AudioCodec = 2;   // "MPEG Layer-3"
const int kListedAudioKbps = 64;  // what every music task carries as its output rate
}  // namespace

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
  const int mp3 = OutputTypeIndexOfId(kOutputTypeMp3);
  return mp3 >= 0 ? mp3 : CTaskList::CurrentOutputTypeIndex();
}

BOOL CMusicTaskList::LoadOutputSettings(int outputTypeIndex, CTaskRecord* task) {
  BOOL result = CTaskList::LoadOutputSettings(outputTypeIndex, task);
  if (task) task->audioCodec = kMp3AudioCodec;
  return result;
}
