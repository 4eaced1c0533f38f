// The settings of a Windows Media profile file (the PRX XML text, in
// UTF-16 as the profile manager saves it or in 8-bit text): the bit rate
// and format of its audio stream and the bit rate, size and frame rate of
// its video stream.
#pragma once
#include <string>

namespace codec {

struct PrxProfile {
  bool hasAudio = false;
  bool pcmAudio = false;  // an uncompressed stream (format tag 1)
  int audioBitRate = 0, sampleRate = 0, channels = 0, bitsPerSample = 0;
  bool hasVideo = false;
  int videoBitRate = 0, width = 0, height = 0;
  double frameRate = 0;  // 0: the profile leaves it to the source
};

// The file's bytes as text: UTF-16 (with or without a byte-order mark) is
// narrowed, 8-bit text is kept.
std::string ProfileText(const std::string& bytes);

// false, with the reason, for a text without streams or a stream that
// lacks what the output needs (a bit rate, a picture size, a sample rate,
// a channel count): nothing is made up for it.
bool ParsePrxProfile(const std::string& text, PrxProfile* profile, std::string* why);

}  // namespace codec
