// MuxCast's configuration text: "CODECINDEX<video>;<audio>", the positions
// of the chosen compressors in the system's device lists (-1: none).
#pragma once

struct CodecIndices {
  int video;
  int audio;
};

// Reads the two indices from `text` into `indices`; a text without the
// prefix (compared without regard to case) leaves them as they are.
void ParseCodecIndexConfig(const char* text, CodecIndices* indices);
