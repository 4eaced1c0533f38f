#include "modules/framework/runner/RunnerTexts.h"

#include <stdio.h>
#include <string.h>

#include "modules/framework/model/TaskRecord.h"

std::string ShortenFileName(const std::string& path) {
  size_t slash = path.rfind('\\');
  std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  if (name.size() <= 20) return name;
  size_t dot = name.rfind('.');
  std::string extension = dot == std::string::npos ? "" : name.substr(dot);
  std::string stem = dot == std::string::npos ? name : name.substr(0, dot);
  int limit = 20 + (extension.size() % 2 == 1 ? 1 : 0);
  int keep = limit - static_cast<int>(extension.size());
  if (keep % 2 != 0) --keep;
  if (keep < 0) keep = 0;
  if (static_cast<int>(stem.size()) > keep) stem.resize(keep);
  std::string shortened = stem;
  if (static_cast<int>(name.size()) > limit) shortened += "...";
  return shortened + extension;
}

std::string FormatClock(unsigned milliseconds) {
  unsigned seconds = milliseconds / 1000;
  char text[32];
  snprintf(text, sizeof(text), "%.2d:%.2d:%.2d", static_cast<int>(seconds / 3600),
           static_cast<int>(seconds / 60 % 60), static_cast<int>(seconds % 60));
  return text;
}

void ComputeProgress(const ProgressState& state, int kind, int value, int* taskPercent,
                     int* overallPercent) {
  if (state.taskTotal <= 0) {
    *taskPercent = 0;
    *overallPercent = 0;
    return;
  }
  int t = value;
  if (kind == 5) {
    unsigned duration = state.estimatedSeconds ? state.estimatedSeconds : 1;
    t = static_cast<int>(static_cast<unsigned>(value) / duration);
    if (t > 99) t = 99;  // a position beyond the estimate never shows 100
  }
  if (state.halved) t = kind == 1 ? t / 2 : t / 2 + 50;
  *taskPercent = t;
  *overallPercent = (t + state.doneCount * 100) / state.taskTotal;
}

ULONGLONG NeededOutputBytes(const CTaskRecord& task, int mediaSeconds) {
  if (task.outputType == kOutputTypeStillImage) return 524288;
  if (mediaSeconds == 0) return 1048576;
  ULONGLONG d = static_cast<ULONGLONG>(static_cast<unsigned>(mediaSeconds));
  if (task.outputType == kOutputTypeMp3)
    return d * static_cast<unsigned>(task.audioBitRate) * 128;
  ULONGLONG needed = 0;
  if (task.hasVideo) needed += d * static_cast<unsigned>(task.videoBitRate) / 8;
  if (task.hasAudio) needed += d * static_cast<unsigned>(task.audioBitRate) / 8;
  return needed;
}

unsigned EstimateRemaining(unsigned usedMs, int overallPercent) {
  if (overallPercent <= 0) return 0;
  ULONGLONG total = static_cast<ULONGLONG>(usedMs) * 100 / static_cast<unsigned>(overallPercent);
  return total > usedMs ? static_cast<unsigned>(total - usedMs) : 0;
}

std::vector<int> SplitSegments(int seconds, int splitter) {
  std::vector<int> segments;
  if (seconds <= 0 || seconds >= 36000 || splitter < 2 || splitter >= 3600) return segments;
  if (splitter >= 60 && seconds <= splitter) return segments;
  int length = splitter < 60 ? static_cast<int>(static_cast<double>(seconds) / splitter + 0.5)
                             : splitter;
  if (length < 1) length = 1;
  for (int start = 0; start < seconds; start += length) {
    int count = splitter < 60 ? splitter : 0;
    bool last = (count && static_cast<int>(segments.size()) == count - 1) || start + length >= seconds;
    segments.push_back(last ? seconds - start : length);
    if (last) break;
  }
  return segments;
}
