// ffmpeg's "-progress" lines in, the encoder's "Pos:" lines out.
#pragma once
#include <string>

namespace encoder {

// "out_time=HH:MM:SS.micro" gives the seconds written so far; false for any
// other line and for ffmpeg's negative or unknown times.
bool ParseProgressTime(const std::string& line, double* seconds);

// A "key=value" line of ffmpeg's progress report (not a message).
bool IsProgressLine(const std::string& line);

// "Pos: 12.3s\n": the position in seconds with one decimal.
std::string PositionLine(double seconds);

}  // namespace encoder
