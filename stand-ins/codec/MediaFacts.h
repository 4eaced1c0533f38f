// What ffmpeg says of a file when it is only given an input ("ffmpeg -i
// <file>"): its duration and the first video and audio stream.
#pragma once
#include <string>

namespace codec {

struct MediaFacts {
  double duration = 0;  // seconds; 0 when unknown
  bool hasVideo = false;
  int width = 0, height = 0, videoKbps = 0;
  double frameRate = 0;
  bool hasAudio = false;
  int sampleRate = 0, channels = 0, audioKbps = 0;
};

MediaFacts ParseMediaFacts(const std::string& text);

}  // namespace codec
