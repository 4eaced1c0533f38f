// The codec library's argument vector (the format profile's command
// template, in the old encoder's option language) turned into the argument
// vector of today's ffmpeg.exe.
#pragma once
#include <string>
#include <vector>

namespace codec {

struct FfmpegCommand {
  std::vector<std::string> arguments;  // after the program name
  std::string input, output;
  double start = 0;      // -ss, seconds
  double length = -1;    // -t, seconds; -1 when not limited
  std::string format;    // the output's -f, "" when none
};

// 0, or the codec library's error code: 6 for an option without its value
// or no "-i", 18 for no output file.
int TranslateCodecCommand(const std::vector<std::string>& argv, FfmpegCommand* command);

// The portable player's container takes no file without sound: for a source
// that has none, a silent track of the profile's sound (AAC, 24000 Hz, 32
// kbit/s, stereo) is made from the lavfi source and muxed with the picture,
// as a real codec library would. Only for the "psp" format; true when added.
bool AddSilentSound(FfmpegCommand* command);

}  // namespace codec
