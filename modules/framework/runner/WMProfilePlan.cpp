#include "modules/framework/runner/WMProfilePlan.h"

namespace {
const LONGLONG kUnitsPerSecond = 10000000;  // 100-ns units
const int kOutputTypeWindowsMedia = 2;
const int kUncompressedAudio = -1;
const int kDefaultAudioFormat = 31;  // when no format fits the task

WMAudioPlan Uncompressed(int sampleRate, int channels, int bits) {
  WMAudioPlan audio = {};
  audio.uncompressed = true;
  audio.pcm = PlanPcmFormat(sampleRate, channels, bits);
  audio.bitRate = (DWORD)channels * (DWORD)bits * (DWORD)sampleRate;
  return audio;
}

WMAudioPlan Compressed(const CTaskRecord& task, int codecIndex, int formatIndex) {
  WMAudioPlan audio = {};
  audio.codecIndex = codecIndex;
  audio.formatIndex = formatIndex;
  audio.bufferWindow = (DWORD)task.audioBufferWindow;
  audio.vbr = task.audioMode != 0;
  audio.passes = (DWORD)task.audioParam;
  return audio;
}

WMAudioPlan PlanAudio(const CTaskRecord& task, IWMCodecFinder& codecs) {
  if (task.outputType == kOutputTypeWindowsMedia) {
    if (task.audioCodec == kUncompressedAudio)
      return Uncompressed(task.sampleRate, task.channels, task.bitsPerSample);
    return Compressed(task, task.audioCodec, task.audioFormatIndex);
  }
  int codec = codecs.FindCodec("Windows Media Audio 9", false);
  if (codec < 0) codec = codecs.FindCodec("Windows Media Audio 9.1", false);
  if (codec >= 0) {
    CTaskRecord probe = task;
    int format = codecs.FindAudioFormat(&probe, codec);
    return Compressed(task, codec, format == -1 ? kDefaultAudioFormat : format);
  }
  if (task.keepSourceAudio)
    return Uncompressed(task.sourceSampleRate, task.sourceChannels, task.sourceBitsPerSample);
  return Uncompressed(task.sampleRate, task.channels, task.bitsPerSample);
}

int VideoCodec(const CTaskRecord& task, IWMCodecFinder& codecs) {
  if (task.outputType == kOutputTypeWindowsMedia) return task.videoCodecIndex;
  int codec = codecs.FindCodec("Windows Media MPEG-4 Video V3", true);
  if (codec < 0) codec = codecs.FindCodec("ISO MPEG-4 Video V1", true);
  return codec < 0 ? 0 : codec;
}
}  // namespace

WAVEFORMATEX PlanPcmFormat(int sampleRate, int channels, int bits) {
  WAVEFORMATEX format = {};
  format.wFormatTag = WAVE_FORMAT_PCM;
  format.nChannels = (WORD)channels;
  format.nSamplesPerSec = (DWORD)sampleRate;
  format.nBlockAlign = (WORD)(channels * bits / 8);
  format.nAvgBytesPerSec = (DWORD)sampleRate * format.nBlockAlign;
  format.wBitsPerSample = (WORD)bits;
  format.cbSize = 0;
  return format;
}

HRESULT PlanWMProfile(const CTaskRecord& task, IWMCodecFinder& codecs, WMProfilePlan* plan) {
  *plan = WMProfilePlan();
  WORD next = 1;
  if (task.hasAudio) {
    plan->hasAudio = true;
    plan->audioNumber = next++;
    plan->audio = PlanAudio(task, codecs);
  }
  if (task.hasVideo) {
    if (task.videoVbrMode < 0 || task.videoVbrMode > 3) return E_FAIL;
    WMVideoPlan& video = plan->video;
    plan->hasVideo = true;
    plan->videoNumber = next;
    video.codecIndex = VideoCodec(task, codecs);
    video.bitRate = (DWORD)task.videoBitRate;
    video.bufferWindow = (DWORD)task.videoBufferWindow;
    video.width = task.width;
    video.height = task.height;
    // A probe may report a frame rate of 0: no division by it.
    video.timePerFrame = task.frameRate > 0 ? kUnitsPerSecond / task.frameRate : 0;
    video.quality = (DWORD)task.videoQuality;
    video.keyFrameSpacing = (LONGLONG)task.keyFrameSpacing * kUnitsPerSecond;
    video.vbr = task.videoVbrEnabled != 0;
    video.vbrMode = task.videoVbrMode;
    video.passes = task.videoVbrMode == 0 ? 0 : task.videoVbrMode == 1 ? 1 : 2;
    video.vbrQuality = (DWORD)task.videoVbrQuality;
    video.peakBitRate = (DWORD)task.peakVideoBitRate;
    video.peakBuffer = (DWORD)task.peakBufferWindow;
  }
  return S_OK;
}
