#include "modules/framework/model/TaskRecord.h"

CTaskRecord::CTaskRecord() { Clear(); }

CTaskRecord::~CTaskRecord() {}

void CTaskRecord::Clear() {
  outputType = hasVideo = hasAudio = 0;
  videoCodecId = audioCodecId = videoCodecIndex = 0;
  videoBitRate = sourceVideoBitRate = videoBufferWindow = 0;
  width = height = sourceWidth = sourceHeight = 0;
  frameRate = sourceFrameRate = 0;
  videoQuality = defaultVideoQuality = keyFrameSpacing = defaultKeyFrameSpacing = 0;
  videoVbrEnabled = videoVbrMode = videoVbrQuality = 0;
  peakVideoBitRate = peakBufferWindow = 0;
  sampleRate = sourceSampleRate = 0;
  channels = sourceChannels = bitsPerSample = sourceBitsPerSample = 0;
  audioBitRate = sourceAudioKbps = audioQuality = audioBufferWindow = 0;
  audioCodec = audioFormatIndex = audioMode = audioParam = 0;
  sourcePath.clear();
  outputPath.clear();
  reserved1 = 0;
  mediaTime.clear();
  stateText.clear();
  infoText.clear();
  keepSourceAudio = colourFormat = 0;
  tempPath.clear();
}
