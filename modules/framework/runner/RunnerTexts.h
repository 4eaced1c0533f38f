// The arithmetic and texts of the conversion runner that depend on nothing
// but their arguments: progress percents, the output-space estimate, the
// shortened file names and the time texts.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

class CTaskRecord;

// A file name after its last "\", cut to about 20 characters with "..."
// before its extension.
std::string ShortenFileName(const std::string& path);

// "hh:mm:ss" of a number of milliseconds, as "%.2d:%.2d:%.2d".
std::string FormatClock(unsigned milliseconds);

// The state of a batch that a progress report is measured against.
struct ProgressState {
  int taskTotal;
  int doneCount;
  unsigned estimatedSeconds;  // of the current task
  bool halved;                // the report is one of two stages
};

// The task percent and the overall percent of a report of kind 0, 1 or 5.
void ComputeProgress(const ProgressState& state, int kind, int value, int* taskPercent,
                     int* overallPercent);

// The bytes a task's output needs: mediaSeconds is its source's duration.
ULONGLONG NeededOutputBytes(const CTaskRecord& task, int mediaSeconds);

// The remaining milliseconds at overallPercent after usedMs.
unsigned EstimateRemaining(unsigned usedMs, int overallPercent);

// How a source of `seconds` is cut for the "Splitter" value: the segment
// lengths in order (none: one run over the whole source). No segment is of
// zero length and together they cover the source.
std::vector<int> SplitSegments(int seconds, int splitter);
