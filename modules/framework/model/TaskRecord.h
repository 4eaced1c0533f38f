// One conversion task: what the media probe found in the source file, the
// output settings of the current output type, the output path and the state
// text that the list view shows. Also the carrier of one music output
// type's settings.
#pragma once
#include <windows.h>

#include <string>

// Output type ids of the format profile.
enum {
  kOutputTypeNone = -1,  // a task that has no output type to convert to
  kOutputTypeStillImage = 8,
  kOutputTypeMp3 = 9,
};
// "MusicLastOutputTypeData" of the music page's "User defined" row: the
// user's own MP3 settings are in force and the MP3 dialog edits them.
const int kUserDefinedMp3Data = -1;

class CTaskRecord {
 public:
  CTaskRecord();
  virtual ~CTaskRecord();

  // Back to the state of a new task: numbers zero, texts empty.
  void Clear();

  int outputType;
  int hasVideo;
  int hasAudio;
  int videoCodecId;
  int audioCodecId;
  int videoCodecIndex;
  int videoBitRate;        // bit/s
  int sourceVideoBitRate;  // bit/s
  int videoBufferWindow;   // ms
  int width;
  int height;
  int sourceWidth;
  int sourceHeight;
  int frameRate;  // frames per second
  int sourceFrameRate;
  int videoQuality;
  int defaultVideoQuality;
  int keyFrameSpacing;  // seconds between key frames
  int defaultKeyFrameSpacing;
  int videoVbrEnabled;
  int videoVbrMode;
  int videoVbrQuality;
  int peakVideoBitRate;  // bit/s
  int peakBufferWindow;  // ms
  int sampleRate;        // Hz
  int sourceSampleRate;
  short channels;
  short sourceChannels;
  short bitsPerSample;
  short sourceBitsPerSample;
  int audioBitRate;     // kbit/s
  int sourceAudioKbps;  // kbit/s
  int audioQuality;
  int audioBufferWindow;  // ms
  int audioCodec;
  int audioFormatIndex;
  int audioMode;
  int audioParam;
  std::string sourcePath;
  std::string outputPath;
  int reserved1;
  std::string mediaTime;  // "hh:mm:ss"
  std::string stateText;
  std::string infoText;
  int keepSourceAudio;
  int colourFormat;  // 1 'Y41P', 2 'YV12'
  std::string tempPath;  // deleted with the task
};
