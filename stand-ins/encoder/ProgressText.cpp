#include "stand-ins/encoder/ProgressText.h"

#include <cstdio>

namespace encoder {

bool ParseProgressTime(const std::string& line, double* seconds) {
  const std::string key = "out_time=";
  if (line.compare(0, key.size(), key) != 0) return false;
  // sscanf's %u would take a minus sign; ffmpeg writes negative times before
  // the first frame is out.
  char first = line.c_str()[key.size()];
  if (first < '0' || first > '9') return false;
  unsigned hours = 0, minutes = 0;
  double rest = 0;
  char tail = 0;
  if (std::sscanf(line.c_str() + key.size(), "%u:%u:%lf%c", &hours, &minutes, &rest, &tail) != 3 ||
      minutes > 59 || rest < 0 || rest >= 60)
    return false;
  *seconds = hours * 3600.0 + minutes * 60.0 + rest;
  return true;
}

bool IsProgressLine(const std::string& line) {
  size_t equals = line.find('=');
  if (equals == std::string::npos || equals == 0) return false;
  for (size_t i = 0; i < equals; ++i) {
    char c = line[i];
    if (!((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_')) return false;
  }
  return true;
}

std::string PositionLine(double seconds) {
  char text[48];
  std::snprintf(text, sizeof(text), "Pos: %.1fs\n", seconds);
  return text;
}

}  // namespace encoder
