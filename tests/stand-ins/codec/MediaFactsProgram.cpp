// A tool of the tests (not a test itself): what ffmpeg says of a media file,
// read by the stand-ins' own parser, written as "key=value" lines for tests
// that may not link the stand-ins. Keys: container (ffmpeg's input format
// name: "avi", "mp3", "mov,mp4,m4a,3gp,3g2,mj2"), brand (an MP4's major brand,
// "isom"), duration (seconds), video, videoCodec ("mpeg4"), videoTag (the
// stream's four-character code, "XVID"), width, height, audio, audioCodec
// ("mp3"), rate, channels, audioKbps.
//   media_facts <ffmpeg.exe> <media file> <report file>
// Exit code 0 when ffmpeg said anything of the file.
#include <stdio.h>

#include <sstream>
#include <string>

#include "stand-ins/codec/FfmpegRun.h"

namespace {

// The word after the marker, up to a blank or comma.
std::string WordAfter(const std::string& line, const std::string& marker) {
  size_t at = line.find(marker);
  if (at == std::string::npos) return "";
  at += marker.size();
  return line.substr(at, line.find_first_of(" ,\r", at) - at);
}

// What names the streams and the MP4 family, which the stand-ins' parser
// has no use for.
struct Names {
  std::string brand, videoCodec, videoTag, audioCodec;
};

Names NamesOf(const std::string& said, const std::string& container) {
  Names names;
  std::istringstream lines(said);
  std::string line;
  while (std::getline(lines, line)) {
    if (line.find("major_brand") != std::string::npos &&
        container.find("mp4") != std::string::npos) {
      // (Other containers may carry a copied brand among their tags.)
      names.brand = WordAfter(line, ": ");
    } else if (line.find("Stream #0:") == std::string::npos) {
      continue;
    } else if (line.find("Video: ") != std::string::npos && names.videoCodec.empty()) {
      names.videoCodec = WordAfter(line, "Video: ");
      const size_t slash = line.find(" / 0x");
      if (slash != std::string::npos && slash >= 4) names.videoTag = line.substr(slash - 4, 4);
    } else if (line.find("Audio: ") != std::string::npos && names.audioCodec.empty()) {
      names.audioCodec = WordAfter(line, "Audio: ");
    }
  }
  return names;
}

std::string ContainerName(const std::string& said) {
  const char key[] = "Input #0, ";
  size_t at = said.find(key);
  if (at == std::string::npos) return "";
  at += sizeof(key) - 1;
  return said.substr(at, said.find(", from", at) - at);
}

std::string Report(const std::string& said) {
  const codec::MediaFacts facts = codec::ParseMediaFacts(said);
  char numbers[512];
  snprintf(numbers, sizeof(numbers),
           "duration=%.3f\nvideo=%d\nwidth=%d\nheight=%d\naudio=%d\nrate=%d\nchannels=%d\n"
           "audioKbps=%d\n",
           facts.duration, facts.hasVideo ? 1 : 0, facts.width, facts.height,
           facts.hasAudio ? 1 : 0, facts.sampleRate, facts.channels, facts.audioKbps);
  const std::string container = ContainerName(said);
  const Names names = NamesOf(said, container);
  return "container=" + container + "\nbrand=" + names.brand + "\nvideoCodec=" +
         names.videoCodec + "\nvideoTag=" + names.videoTag + "\naudioCodec=" +
         names.audioCodec + "\n" + numbers;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) return 2;
  const std::string said = codec::FfmpegSays(argv[1], {"-nostdin", "-hide_banner", "-i", argv[2]});
  FILE* report = fopen(argv[3], "wb");
  if (!report) return 3;
  const std::string text = Report(said);
  const bool written = fwrite(text.data(), 1, text.size(), report) == text.size();
  const bool closed = fclose(report) == 0;
  return said.empty() ? 1 : (written && closed ? 0 : 3);
}
