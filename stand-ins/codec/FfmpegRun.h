// ffmpeg.exe beside the stand-in library, run as a child process on the
// caller's thread: the window stays alive, the caller's progress callback
// hears the percent done and can stop the run.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "include/VarnoEngine.h"
#include "stand-ins/codec/MediaFacts.h"

namespace codec {

enum RunResult { kRunSucceeded, kRunFailed, kRunAborted, kRunNotStarted };

// The path of ffmpeg.exe in the folder of `module`; "" when it is not there.
std::string FfmpegBeside(HMODULE module);

// The module of this code (the stand-in library it is linked into).
HMODULE ThisModule();

// What ffmpeg writes, on both its outputs, in a run with `arguments`; ""
// when it could not be started.
std::string FfmpegSays(const std::string& ffmpeg, const std::vector<std::string>& arguments);

// What ffmpeg says of the file when it is only given it as an input.
MediaFacts ProbeMedia(const std::string& ffmpeg, const std::string& path);

// Runs ffmpeg with `arguments` (which ask for "-progress pipe:1") and calls
// progress->Progress (0, percent of `seconds`, abort) as the position moves
// and at least every tenth of a second; a non-zero abort ends ffmpeg. The
// output is deleted on every result but success.
RunResult RunFfmpeg(const std::string& ffmpeg, const std::vector<std::string>& arguments,
                    const std::string& output, double seconds, IConvertProgress* progress);

// The percent of `total` that `done` is, 0..100; 0 for an unknown total.
int PercentDone(double done, double total);

// The position of an "out_time_ms=<microseconds>" line of ffmpeg's progress
// report, in seconds; false for any other line.
bool ParseProgressPosition(const std::string& line, double* seconds);

}  // namespace codec
