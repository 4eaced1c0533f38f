#include "stand-ins/codec/MediaFacts.h"

#include <stdio.h>
#include <stdlib.h>

#include <sstream>
#include <vector>

namespace codec {

namespace {

// The comma-separated fields of a stream line after "Video: " or "Audio: ";
// commas inside parentheses or brackets do not separate.
std::vector<std::string> Fields(const std::string& text) {
  std::vector<std::string> fields(1);
  int depth = 0;
  for (char c : text) {
    if (c == '(' || c == '[') ++depth;
    if (c == ')' || c == ']') --depth;
    if (c == ',' && depth == 0) {
      fields.emplace_back();
      continue;
    }
    if (c == ' ' && fields.back().empty()) continue;
    fields.back() += c;
  }
  return fields;
}

bool EndsWith(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

int Channels(const std::string& layout) {
  if (layout == "mono") return 1;
  if (layout == "stereo") return 2;
  if (layout == "quad") return 4;
  if (layout.compare(0, 3, "5.1") == 0) return 6;
  if (layout.compare(0, 3, "7.1") == 0) return 8;
  if (EndsWith(layout, " channels")) return atoi(layout.c_str());
  return 0;
}

void ReadVideo(const std::string& text, MediaFacts* facts) {
  facts->hasVideo = true;
  for (const std::string& field : Fields(text)) {
    int width = 0, height = 0;
    char after = 0;
    if (field[0] >= '1' && field[0] <= '9' &&
        sscanf(field.c_str(), "%dx%d%c", &width, &height, &after) >= 2 &&
        (after == 0 || after == ' ')) {
      facts->width = width;
      facts->height = height;
    } else if (EndsWith(field, " fps")) {
      facts->frameRate = atof(field.c_str());
    } else if (EndsWith(field, " tbr") && facts->frameRate == 0) {
      facts->frameRate = atof(field.c_str());
    } else if (EndsWith(field, " kb/s")) {
      facts->videoKbps = atoi(field.c_str());
    }
  }
}

void ReadAudio(const std::string& text, MediaFacts* facts) {
  facts->hasAudio = true;
  std::vector<std::string> fields = Fields(text);
  for (size_t i = 0; i < fields.size(); ++i) {
    if (EndsWith(fields[i], " Hz")) {
      facts->sampleRate = atoi(fields[i].c_str());
      if (i + 1 < fields.size()) facts->channels = Channels(fields[i + 1]);
    } else if (EndsWith(fields[i], " kb/s")) {
      facts->audioKbps = atoi(fields[i].c_str());
    }
  }
}

}  // namespace

MediaFacts ParseMediaFacts(const std::string& text) {
  MediaFacts facts;
  std::istringstream lines(text);
  std::string line;
  while (std::getline(lines, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    size_t at = line.find("Duration: ");
    unsigned hours = 0, minutes = 0;
    double seconds = 0;
    if (at != std::string::npos &&
        sscanf(line.c_str() + at + 10, "%u:%u:%lf", &hours, &minutes, &seconds) == 3)
      facts.duration = hours * 3600.0 + minutes * 60.0 + seconds;
    if (line.find("Stream #") == std::string::npos) continue;
    if (!facts.hasVideo && (at = line.find(" Video: ")) != std::string::npos)
      ReadVideo(line.substr(at + 8), &facts);
    else if (!facts.hasAudio && (at = line.find(" Audio: ")) != std::string::npos)
      ReadAudio(line.substr(at + 8), &facts);
  }
  return facts;
}

}  // namespace codec
