// Unbuffered writes to the encoder's standard output and error: whoever
// reads the pipe sees every line as soon as it is written, each line in one
// piece.
#pragma once
#include <string>

namespace encoder {

// False when the reader has gone (the pipe is closed).
bool WriteOutput(const std::string& text);

// A message line "encoder: <text>" on standard error.
bool WriteMessage(const std::string& text);

}  // namespace encoder
