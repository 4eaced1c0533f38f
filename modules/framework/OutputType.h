// One output type of the format profile as the conversion modules load it.
#pragma once
#include <string>

struct OutputTypeEntry {
  int id;
  std::string audioCodec;
  std::string videoCodec;
  std::string description;
};

// The most output types a profile can hold ([OT0] to [OT19]).
enum { kMaxOutputTypes = 20 };
