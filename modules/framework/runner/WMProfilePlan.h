// The Windows Media profile of a task as plain numbers: which streams, their
// numbers and names, the PCM fields of an uncompressed audio stream, the
// codec choice and the video header values. Building the platform's profile
// from the plan is a thin step of its own (WMProfile.cpp).
#pragma once
#include <windows.h>
#include <mmreg.h>

#include "modules/framework/model/TaskRecord.h"

// Where the plan finds the platform's Windows Media codecs.
class IWMCodecFinder {
 public:
  virtual ~IWMCodecFinder() {}
  // The codec's index among the audio or video codecs; -1 when absent.
  virtual int FindCodec(const char* name, bool video) = 0;
  // The format index of the audio codec that fits the task; -1 when none.
  virtual int FindAudioFormat(CTaskRecord* task, int codecIndex) = 0;
};

struct WMAudioPlan {
  bool uncompressed;
  // A codec stream: the codec's format, the buffer window, VBR and passes.
  int codecIndex;
  int formatIndex;
  DWORD bufferWindow;
  BOOL vbr;
  DWORD passes;
  // An uncompressed stream: its PCM format and bit rate.
  WAVEFORMATEX pcm;
  DWORD bitRate;
};

struct WMVideoPlan {
  int codecIndex;
  DWORD bitRate;
  DWORD bufferWindow;
  int width;
  int height;
  // 100-ns units; 0 when the frame rate is unknown: the codec's own value
  // stays.
  LONGLONG timePerFrame;
  DWORD quality;
  LONGLONG keyFrameSpacing;  // 100-ns units
  BOOL vbr;
  int vbrMode;      // 0..3
  DWORD passes;     // 0, 1 or 2 by the mode
  DWORD vbrQuality;  // mode 1
  DWORD peakBitRate;  // mode 2
  DWORD peakBuffer;   // mode 2, 0: not set
};

struct WMProfilePlan {
  bool hasAudio;
  WORD audioNumber;  // 1
  WMAudioPlan audio;
  bool hasVideo;
  WORD videoNumber;  // 1 or 2
  WMVideoPlan video;
};

const char kWMProfileName[] = "VarnoProfile";
const char kWMAudioStreamName[] = "Audio";
const char kWMVideoStreamName[] = "Video";

// The PCM format of an uncompressed stream.
WAVEFORMATEX PlanPcmFormat(int sampleRate, int channels, int bits);

// E_FAIL for a VBR mode outside 0..3, else S_OK with the plan filled.
HRESULT PlanWMProfile(const CTaskRecord& task, IWMCodecFinder& codecs, WMProfilePlan* plan);
