// VarnoCodec.dll: the codec library's encoder entry point and its two
// probes, with ffmpeg.exe from the library's own folder doing the work.
#include <windows.h>

#include <string>
#include <vector>

#include "include/VarnoEngine.h"
#include "stand-ins/codec/CodecCommand.h"
#include "stand-ins/codec/FfmpegRun.h"

namespace {

using namespace codec;

// The library's error codes that this stand-in gives.
enum {
  kCodecSucceeded = 0,
  kCodecInitFailed = 2,
  kCodecUserAbort = 3,
  kCodecRunFailed = 4,
  kCodecNoAudioAndVideo = 14,
  kCodecCannotOpenFile = 16,
};

bool IsFile(const std::string& path) {
  DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// The seconds that the run converts: the source from -ss on, no longer
// than -t.
double RunSeconds(const FfmpegCommand& command, const MediaFacts& facts) {
  double rest = facts.duration - command.start;
  if (command.length >= 0 && (rest <= 0 || command.length < rest)) return command.length;
  return rest;
}

}  // namespace

extern "C" int __cdecl mainCodec(int argc, char** argv, IConvertProgress* progress) {
  std::vector<std::string> arguments;
  for (int i = 0; i < argc && argv && argv[i]; ++i) arguments.push_back(argv[i]);
  FfmpegCommand command;
  int error = TranslateCodecCommand(arguments, &command);
  if (error) return error;
  std::string ffmpeg = FfmpegBeside(ThisModule());
  if (ffmpeg.empty()) return kCodecInitFailed;
  if (!IsFile(command.input)) return kCodecCannotOpenFile;
  MediaFacts facts = ProbeMedia(ffmpeg, command.input);
  if (!facts.hasVideo && !facts.hasAudio) return kCodecNoAudioAndVideo;
  if (facts.hasVideo && !facts.hasAudio) AddSilentSound(&command);
  switch (RunFfmpeg(ffmpeg, command.arguments, command.output, RunSeconds(command, facts), progress)) {
    case kRunSucceeded:
      if (progress) {
        int abort = 0;
        progress->Progress(0, 100, &abort);
      }
      return kCodecSucceeded;
    case kRunAborted:
      return kCodecUserAbort;
    case kRunNotStarted:
      return kCodecInitFailed;
    default:
      return kCodecRunFailed;
  }
}

extern "C" int __cdecl GetVarnoVideoInfo(const char* path, VarnoVideoInfo* info) {
  if (!path || !info) return kCodecCannotOpenFile;
  MediaFacts facts = ProbeMedia(FfmpegBeside(ThisModule()), path);
  if (!facts.hasVideo) return kCodecNoAudioAndVideo;
  info->width = facts.width;
  info->height = facts.height;
  info->frameRate = static_cast<int>(facts.frameRate + 0.5);
  info->bitRate = facts.videoKbps * 1000;
  return kCodecSucceeded;
}

extern "C" int __cdecl GetVarnoAudioInfo(const char* path, VarnoAudioInfo* info) {
  if (!path || !info) return kCodecCannotOpenFile;
  MediaFacts facts = ProbeMedia(FfmpegBeside(ThisModule()), path);
  if (!facts.hasAudio) return kCodecNoAudioAndVideo;
  info->channels = facts.channels;
  info->sampleRate = facts.sampleRate;
  info->bitRate = facts.audioKbps * 1000;
  return kCodecSucceeded;
}
