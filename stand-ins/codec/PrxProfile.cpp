#include "stand-ins/codec/PrxProfile.h"

#include <windows.h>
#include <stdlib.h>

namespace codec {

namespace {

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
  return text;
}

// The value of attribute `name` in the element that starts at `element`
// (which ends at the next '>'); "" when it has none.
std::string Attribute(const std::string& lower, const std::string& text, size_t element,
                      const std::string& name) {
  size_t end = lower.find('>', element);
  std::string key = " " + name + "=\"";
  size_t at = lower.find(key, element);
  if (at == std::string::npos || at > end) return "";
  at += key.size();
  size_t close = text.find('"', at);
  return close == std::string::npos ? "" : text.substr(at, close - at);
}

int Number(const std::string& lower, const std::string& text, size_t element,
           const std::string& name) {
  return atoi(Attribute(lower, text, element, name).c_str());
}

// The first element `tag` between `from` and `to`; npos when none.
size_t Find(const std::string& lower, const std::string& tag, size_t from, size_t to) {
  size_t at = lower.find("<" + tag, from);
  return at < to ? at : std::string::npos;
}

const char kAudioType[] = "{73647561-";  // MEDIATYPE_Audio
const char kVideoType[] = "{73646976-";  // MEDIATYPE_Video

}  // namespace

std::string ProfileText(const std::string& bytes) {
  size_t start = 0;
  bool wide = bytes.size() >= 2 && bytes[1] == 0;
  if (bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFF &&
      static_cast<unsigned char>(bytes[1]) == 0xFE) {
    wide = true;
    start = 2;
  }
  if (!wide) return bytes;
  std::wstring text((bytes.size() - start) / 2, L'\0');
  if (!text.empty()) memcpy(&text[0], bytes.data() + start, text.size() * 2);
  int size = WideCharToMultiByte(CP_ACP, 0, text.c_str(), (int)text.size(), NULL, 0, NULL, NULL);
  std::string narrow(size > 0 ? size : 0, '\0');
  if (size > 0)
    WideCharToMultiByte(CP_ACP, 0, text.c_str(), (int)text.size(), &narrow[0], size, NULL, NULL);
  return narrow;
}

bool ParsePrxProfile(const std::string& text, PrxProfile* profile, std::string* why) {
  *profile = PrxProfile();
  std::string lower = Lower(text);
  if (lower.find("<profile") == std::string::npos) {
    *why = "no profile element";
    return false;
  }
  for (size_t stream = Find(lower, "streamconfig", 0, lower.size()); stream != std::string::npos;) {
    size_t next = Find(lower, "streamconfig", stream + 1, lower.size());
    size_t end = next == std::string::npos ? lower.size() : next;
    std::string type = Attribute(lower, lower, stream, "majortype");
    int bitRate = Number(lower, text, stream, "bitrate");
    if (type.compare(0, sizeof(kAudioType) - 1, kAudioType) == 0 && !profile->hasAudio) {
      size_t wave = Find(lower, "waveformatex", stream, end);
      if (wave == std::string::npos) {
        *why = "an audio stream without its wave format";
        return false;
      }
      profile->hasAudio = true;
      profile->audioBitRate = bitRate;
      profile->pcmAudio = Number(lower, text, wave, "wformattag") == 1;
      profile->sampleRate = Number(lower, text, wave, "nsamplespersec");
      profile->channels = Number(lower, text, wave, "nchannels");
      profile->bitsPerSample = Number(lower, text, wave, "wbitspersample");
      if (bitRate <= 0 || profile->sampleRate <= 0 || profile->channels <= 0) {
        *why = "an audio stream without its bit rate, sample rate or channels";
        return false;
      }
    } else if (type.compare(0, sizeof(kVideoType) - 1, kVideoType) == 0 && !profile->hasVideo) {
      size_t header = Find(lower, "videoinfoheader", stream, end);
      size_t bitmap = Find(lower, "bitmapinfoheader", stream, end);
      if (header == std::string::npos || bitmap == std::string::npos) {
        *why = "a video stream without its video header";
        return false;
      }
      profile->hasVideo = true;
      profile->videoBitRate = bitRate;
      profile->width = Number(lower, text, bitmap, "biwidth");
      profile->height = abs(Number(lower, text, bitmap, "biheight"));
      int timePerFrame = Number(lower, text, header, "avgtimeperframe");
      if (timePerFrame > 0) profile->frameRate = 10000000.0 / timePerFrame;
      if (bitRate <= 0 || profile->width <= 0 || profile->height <= 0) {
        *why = "a video stream without its bit rate or picture size";
        return false;
      }
    }
    stream = next;
  }
  if (!profile->hasAudio && !profile->hasVideo) {
    *why = "no audio or video stream";
    return false;
  }
  return true;
}

}  // namespace codec
