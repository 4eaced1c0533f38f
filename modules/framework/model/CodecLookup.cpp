// Compressors and Windows Media codecs by name, Windows Media audio formats
// by channels and sample rate: the lookups of base/CodecLookup.h, with the
// enumerator failures logged.
#include "base/CodecLookup.h"
#include "base/LogClient.h"
#include "modules/framework/model/MediaInfoCtrl.h"
#include "modules/framework/model/TaskRecord.h"

int FindDeviceIndexByFriendlyName(const char* name, const GUID* category) {
  if (!name || !category) return -1;
  int position = -1;
  switch (FindDeviceByFriendlyName(name, *category, &position)) {
    case kDeviceFound:
      return position;
    // The model shows no box: a platform failure that the user cannot act on.
    case kNoSystemEnumerator:
      LogPrint(LOG_ERROR, "Failed to create system enumerator\n");
      return -1;
    case kNoClassEnumerator:
      LogPrint(LOG_ERROR, "Failed to create class enumerator\n");
      return -1;
    default:
      return -1;
  }
}

int FindWMCodecIndex(const char* name, const GUID* majorType) {
  if (!name || !majorType) return -1;
  return FindWmCodecIndex(name, *majorType);
}

int FindWMAudioFormat(CTaskRecord* task, int codecIndex, const GUID* majorType) {
  if (!task || !majorType) return -1;
  int rate = task->sampleRate > task->sourceSampleRate ? task->sampleRate : task->sourceSampleRate;
  return FindWmAudioFormat(codecIndex, *majorType, task->channels, rate);
}
