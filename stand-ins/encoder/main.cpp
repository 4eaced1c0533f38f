// encoder.exe: the external encoder program of the conversion runner. It
// takes the runner's command-line language (the source, -o <output>,
// -oac/-ovc with their option lists, -vf, -ofps, -srate, -channels,
// -ffourcc, -nosound, -ss, -endpos, -of, -audio-preload), has ffmpeg.exe
// from its own folder do the work, and reports the position as
// "Pos: <seconds>s" lines on standard output.
#include <windows.h>

#include "stand-ins/encoder/ChildProcess.h"
#include "stand-ins/encoder/CommandLine.h"
#include "stand-ins/encoder/ConsoleOutput.h"
#include "stand-ins/encoder/EncoderOptions.h"
#include "stand-ins/encoder/FfmpegArguments.h"
#include "stand-ins/encoder/ProgressText.h"

namespace {

using namespace encoder;

enum ExitCode {
  kSucceeded = 0,
  kBadCommandLine = 1,
  kNoSource = 2,
  kNoFfmpeg = 3,
  kFfmpegFailed = 4,
  kNoOutput = 5,
  kReaderGone = 6,
};

std::string OwnFolder() {
  char path[MAX_PATH] = {0};
  DWORD length = GetModuleFileNameA(NULL, path, MAX_PATH);
  std::string folder(path, length);
  return folder.substr(0, folder.find_last_of("\\/") + 1);
}

bool IsFile(const std::string& path) {
  DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string FullPath(const std::string& path) {
  char full[MAX_PATH * 2] = {0};
  DWORD length = GetFullPathNameA(path.c_str(), sizeof(full), full, NULL);
  return length > 0 && length < sizeof(full) ? std::string(full, length) : path;
}

// The output's size in bytes, -1 when it does not exist.
long long FileSize(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return -1;
  return (static_cast<long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

int Fail(int code, const std::string& message) {
  WriteMessage(message);
  return code;
}

int Encode(const EncoderOptions& options) {
  if (!IsFile(options.source))
    return Fail(kNoSource, "cannot open the source file '" + options.source + "'");
  if (lstrcmpiA(FullPath(options.source).c_str(), FullPath(options.output).c_str()) == 0)
    return Fail(kBadCommandLine, "the output file is the source file");
  std::string ffmpeg = OwnFolder() + "ffmpeg.exe";
  if (!IsFile(ffmpeg)) return Fail(kNoFfmpeg, "ffmpeg.exe is missing beside encoder.exe");

  std::vector<std::string> arguments = FfmpegArguments(options);
  arguments.insert(arguments.begin(), ffmpeg);
  WriteMessage("encoding '" + options.source + "' to '" + options.output + "' (" +
               OutputContainer(options) + ")");
  ChildProcess child;
  std::string error, warning;
  if (!child.Start(ffmpeg, JoinCommandLine(arguments), &error, &warning))
    return Fail(kNoFfmpeg, error);
  if (!warning.empty()) WriteMessage(warning);

  // ffmpeg ends with exit code 0 when only the last writes failed (a full
  // disk): its own report of the failed write is what tells.
  bool writeFailed = false;
  bool readerThere = child.ReadLines([&writeFailed](const std::string& line) {
    if (line.find("Error writing trailer") != std::string::npos ||
        line.find("av_interleaved_write_frame()") != std::string::npos)
      writeFailed = true;
    double seconds = 0;
    if (ParseProgressTime(line, &seconds)) return WriteOutput(PositionLine(seconds));
    if (IsProgressLine(line)) return true;
    return WriteMessage("ffmpeg: " + line);
  });
  if (!readerThere) {
    // Nobody reads the progress any more: the conversion was given up.
    child.Kill();
    DeleteFileA(options.output.c_str());
    return kReaderGone;
  }
  DWORD code = child.Wait();
  if (code == 0 && writeFailed) {
    DeleteFileA(options.output.c_str());
    return Fail(kFfmpegFailed, "ffmpeg could not write all of '" + options.output + "'");
  }
  if (code != 0) {
    DeleteFileA(options.output.c_str());
    return Fail(kFfmpegFailed, "ffmpeg failed with exit code " + std::to_string(code));
  }
  long long size = FileSize(options.output);
  if (size <= 0) {
    DeleteFileA(options.output.c_str());
    return Fail(kNoOutput, "no output was written to '" + options.output + "'");
  }
  WriteMessage("wrote " + std::to_string(size) + " bytes to '" + options.output + "'");
  return kSucceeded;
}

}  // namespace

int main() {
  EncoderOptions options;
  std::string error;
  if (!ParseEncoderOptions(SplitCommandLine(GetCommandLineA()), &options, &error))
    return Fail(kBadCommandLine, error);
  return Encode(options);
}
