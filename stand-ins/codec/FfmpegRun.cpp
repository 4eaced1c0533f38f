#include "stand-ins/codec/FfmpegRun.h"

#include <stdio.h>
#include <stdlib.h>

#include "base/ChildProcess.h"
#include "base/MessagePump.h"

namespace codec {

namespace {

// Paths hold no quotes, so a blank is what needs them; a backslash at the
// end would escape the closing quote and is doubled.
std::string Quoted(const std::string& argument) {
  if (!argument.empty() && argument.find_first_of(" \t") == std::string::npos) return argument;
  std::string quoted = "\"" + argument;
  if (!argument.empty() && argument.back() == '\\') quoted += '\\';
  return quoted + "\"";
}

std::string CommandLine(const std::string& ffmpeg, const std::vector<std::string>& arguments) {
  std::string line = Quoted(ffmpeg);
  for (const std::string& argument : arguments) line += " " + Quoted(argument);
  return line;
}

// Reads what the child wrote so far into `pending`; false once the pipe is
// closed and empty.
bool ReadAvailable(CChildProcess* child, std::string* pending) {
  DWORD available = 0;
  if (!child->Peek(&available)) return false;
  if (available == 0) return true;
  char buffer[4096];
  DWORD read = 0;
  if (!child->Read(buffer, sizeof(buffer), &read)) return false;
  pending->append(buffer, read);
  return true;
}

const DWORD kEndWaitMs = 5000;  // for the process after its output closed
const DWORD kPollMs = 100;

}  // namespace

HMODULE ThisModule() {
  HMODULE module = NULL;
  GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                     reinterpret_cast<LPCSTR>(&ThisModule), &module);
  return module;
}

std::string FfmpegBeside(HMODULE module) {
  char path[MAX_PATH] = "";
  DWORD length = GetModuleFileNameA(module, path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return "";
  std::string ffmpeg(path, length);
  ffmpeg = ffmpeg.substr(0, ffmpeg.find_last_of("\\/") + 1) + "ffmpeg.exe";
  DWORD attributes = GetFileAttributesA(ffmpeg.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY)) return "";
  return ffmpeg;
}

std::string FfmpegSays(const std::string& ffmpeg, const std::vector<std::string>& arguments) {
  CChildProcess child;
  std::string text;
  if (ffmpeg.empty() || !child.CreatePipes() ||
      !child.Start(ffmpeg.c_str(), CommandLine(ffmpeg, arguments), NULL))
    return text;
  child.CloseChildEnds();
  while (ReadAvailable(&child, &text)) {
    if (child.HasEnded()) {
      ReadAvailable(&child, &text);
      break;
    }
    WaitForSingleObject(child.Process(), 20);
  }
  return text;
}

MediaFacts ProbeMedia(const std::string& ffmpeg, const std::string& path) {
  return ParseMediaFacts(FfmpegSays(ffmpeg, {"-nostdin", "-hide_banner", "-i", path}));
}

int PercentDone(double done, double total) {
  if (total <= 0 || done <= 0) return 0;
  double percent = done * 100 / total;
  return percent >= 100 ? 100 : static_cast<int>(percent);
}

bool ParseProgressPosition(const std::string& line, double* seconds) {
  const char key[] = "out_time_ms=";
  if (line.compare(0, sizeof(key) - 1, key) != 0) return false;
  const char* digits = line.c_str() + sizeof(key) - 1;
  if (*digits < '0' || *digits > '9') return false;  // ffmpeg's negative start
  *seconds = _atoi64(digits) / 1000000.0;
  return true;
}

RunResult RunFfmpeg(const std::string& ffmpeg, const std::vector<std::string>& arguments,
                    const std::string& output, double seconds, IConvertProgress* progress) {
  CChildProcess child;
  if (ffmpeg.empty() || !child.CreatePipes() ||
      !child.Start(ffmpeg.c_str(), CommandLine(ffmpeg, arguments), NULL))
    return kRunNotStarted;
  child.CloseChildEnds();
  std::string pending;
  double position = 0;
  bool open = true;
  while (open) {
    open = ReadAvailable(&child, &pending);
    for (size_t end; (end = pending.find('\n')) != std::string::npos; pending.erase(0, end + 1)) {
      std::string line = pending.substr(0, end);
      if (!line.empty() && line.back() == '\r') line.pop_back();
      ParseProgressPosition(line, &position);
    }
    if (progress) {
      int abort = 0;
      progress->Progress(0, PercentDone(position, seconds), &abort);
      PumpMessages();
      if (abort) {
        child.Terminate(1, kEndWaitMs);
        DeleteFileA(output.c_str());
        return kRunAborted;
      }
    }
    if (open) {
      HANDLE process = child.Process();
      MsgWaitForMultipleObjects(1, &process, FALSE, kPollMs, QS_ALLINPUT);
    }
  }
  WaitForSingleObject(child.Process(), kEndWaitMs);
  DWORD code = 1;
  WIN32_FILE_ATTRIBUTE_DATA data = {};
  bool written = GetFileAttributesExA(output.c_str(), GetFileExInfoStandard, &data) &&
                 (data.nFileSizeLow || data.nFileSizeHigh);
  if (!child.GetExitCode(&code) || code != 0 || !written) {
    DeleteFileA(output.c_str());
    return kRunFailed;
  }
  return kRunSucceeded;
}

}  // namespace codec
