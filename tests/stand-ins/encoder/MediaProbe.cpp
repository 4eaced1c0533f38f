#include "tests/stand-ins/encoder/MediaProbe.h"

#include <cstdio>
#include <cstdlib>

#include "tests/stand-ins/encoder/EncoderPipe.h"
#include "tests/support/TestSupport.h"

namespace enctest {

namespace {

// The word after the marker, up to a blank or comma.
std::string WordAfter(const std::string& line, const std::string& marker) {
  size_t at = line.find(marker);
  if (at == std::string::npos) return "";
  at += marker.size();
  return line.substr(at, line.find_first_of(" ,", at) - at);
}

void ReadVideoLine(const std::string& line, MediaInfo* info) {
  info->videoCodec = WordAfter(line, "Video: ");
  size_t slash = line.find(" / 0x");
  if (slash != std::string::npos && slash >= 4) info->videoTag = line.substr(slash - 4, 4);
  // The first "<width>x<height>" after the pixel format.
  for (size_t at = line.find(", "); at != std::string::npos; at = line.find(", ", at + 1)) {
    if (std::sscanf(line.c_str() + at + 2, "%dx%d", &info->width, &info->height) == 2) break;
  }
}

}  // namespace

bool ProbeMedia(const std::string& path, MediaInfo* info) {
  EncoderPipe ffmpeg;
  std::string program = vrctest::ProgramFolder() + "ffmpeg.exe";
  if (!ffmpeg.Start(program, "ffmpeg -hide_banner -nostdin -i \"" + path + "\"")) return false;
  std::vector<std::string> lines = vrctest::Lines(Join(ffmpeg.ReadAll()));
  ffmpeg.Wait(30000);
  *info = MediaInfo();
  for (const std::string& line : lines) {
    if (line.compare(0, 9, "Input #0,") == 0) {
      size_t from = line.find(", from ");
      info->container = line.substr(10, from == std::string::npos ? 0 : from - 10);
    } else if (line.find("major_brand") != std::string::npos &&
               info->container.find("mp4") != std::string::npos) {
      // (Other containers may carry a copied brand among their tags.)
      info->brand = line.substr(line.find(':') + 2);
    } else if (line.find("Duration: ") != std::string::npos) {
      int hours = 0, minutes = 0;
      double seconds = 0;
      if (std::sscanf(line.c_str() + line.find("Duration: ") + 10, "%d:%d:%lf", &hours,
                      &minutes, &seconds) == 3)
        info->duration = hours * 3600 + minutes * 60 + seconds;
    } else if (line.find("Stream #0:") != std::string::npos) {
      if (line.find("Video: ") != std::string::npos && info->videoCodec.empty()) {
        ReadVideoLine(line, info);
      } else if (line.find("Audio: ") != std::string::npos && info->audioCodec.empty()) {
        info->audioCodec = WordAfter(line, "Audio: ");
        size_t comma = line.find(", ", line.find("Audio: "));
        if (comma != std::string::npos) info->sampleRate = std::atoi(line.c_str() + comma + 2);
      }
    }
  }
  return !info->container.empty();
}

}  // namespace enctest
