// What a media file holds, as ffmpeg.exe (beside encoder.exe) reads it.
#pragma once
#include <string>

namespace enctest {

struct MediaInfo {
  std::string container;   // ffmpeg's input format names, e.g. "avi" or "mov,mp4,..."
  std::string brand;       // MP4 family: the major brand ("isom" for MP4)
  double duration = -1;    // seconds
  std::string videoCodec;  // empty: no video stream
  std::string videoTag;    // the stream's four-character code
  int width = 0, height = 0;
  std::string audioCodec;  // empty: no audio stream
  int sampleRate = 0;
};

// False when ffmpeg.exe could not be run or found no input.
bool ProbeMedia(const std::string& path, MediaInfo* info);

}  // namespace enctest
