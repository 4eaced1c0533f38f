// Translates the encoder's settings into the argument vector of ffmpeg.exe.
#pragma once
#include <string>
#include <vector>

#include "stand-ins/encoder/EncoderOptions.h"

namespace encoder {

// The ffmpeg muxer name of the output: -of when given (other than "lavf"),
// else by the output file's extension; unknown extensions get AVI, the
// encoder's classic default.
std::string OutputContainer(const EncoderOptions& options);

// The arguments after the program name. Progress goes to ffmpeg's standard
// output as "-progress" key=value lines; only errors go to its standard
// error. ffmpeg never reads its standard input.
std::vector<std::string> FfmpegArguments(const EncoderOptions& options);

}  // namespace encoder
