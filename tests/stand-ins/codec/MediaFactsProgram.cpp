// A tool of the tests (not a test itself): what ffmpeg says of a media file,
// read by the stand-ins' own parser, written as "key=value" lines for tests
// that may not link the stand-ins. Keys: container (ffmpeg's input format
// name: "avi", "mp3", "mov,mp4,m4a,3gp,3g2,mj2"), duration (seconds), video,
// width, height, audio, rate, channels, audioKbps.
//   media_facts <ffmpeg.exe> <media file> <report file>
// Exit code 0 when ffmpeg said anything of the file.
#include <stdio.h>

#include <string>

#include "stand-ins/codec/FfmpegRun.h"

namespace {

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
  return "container=" + ContainerName(said) + "\n" + numbers;
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
