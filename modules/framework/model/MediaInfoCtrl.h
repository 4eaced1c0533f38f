// What the platform knows about media files and installed codecs: the first
// video and audio stream of a source file through the DirectShow media
// detector, compressors by friendly name, Windows Media codecs by name and
// Windows Media audio formats by channels and sample rate.
#pragma once
#include <windows.h>
#include <dshow.h>

#include <string>

class CTaskRecord;

// Result codes of GetMediaInfo.
enum {
  kMediaAudioVideo = 0,
  kMediaVideoOnly = 1,
  kMediaAudioOnly = 2,
  kMediaNoStream = 3,
  kMediaFailed = 4,
};

class CMediaInfoCtrl {
 public:
  // video and audio are zeroed by the caller; mediaTime gets "hh:mm:ss".
  static int GetMediaInfo(VIDEOINFOHEADER* video, WAVEFORMATEX* audio, const char* path,
                          std::string* mediaTime);
};

// Takes one stream's media type: the first video stream's header (any of the
// four video format types; the second header is converted to the first) and
// the first audio stream's wave format. Returns 1 for video, 2 for audio, 0
// for a stream that sets no flag.
int TakeMediaStream(const AM_MEDIA_TYPE& type, bool haveVideo, bool haveAudio,
                    VIDEOINFOHEADER* video, WAVEFORMATEX* audio);

// The "%.2d:%.2d:%.2d" text of a length in seconds; 0 outside 0..86400.
std::string FormatMediaTime(double seconds);
// Seconds of an hours:minutes:seconds text.
int ParseTimeText(const char* text);
// Position of the device in the category's enumeration (counting every
// device), -1 when absent.
int FindDeviceIndexByFriendlyName(const char* name, const GUID* category);
int FindWMCodecIndex(const char* name, const GUID* majorType);
int FindWMAudioFormat(CTaskRecord* task, int codecIndex, const GUID* majorType);
