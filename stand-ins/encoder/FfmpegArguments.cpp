#include "stand-ins/encoder/FfmpegArguments.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

namespace encoder {

namespace {

std::string Decimal(double value) {
  char text[32];
  std::snprintf(text, sizeof(text), "%.10g", value);
  return text;
}

// Bit rates of the encoder's language: kbit/s up to 16000, bit/s above.
std::string BitRate(int value) {
  return value <= 16000 ? std::to_string(value) + "k" : std::to_string(value);
}

std::string Extension(const std::string& path) {
  size_t dot = path.find_last_of('.');
  size_t slash = path.find_last_of("\\/:");
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return "";
  std::string extension = path.substr(dot + 1);
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return extension;
}

// Containers whose video tag may be chosen freely (the MP4 family insists
// on its own).
bool TakesFourcc(const std::string& container) { return container == "avi" || container == "asf"; }

void AddVideo(const EncoderOptions& o, const std::string& container,
              std::vector<std::string>* args) {
  auto add = [args](std::initializer_list<std::string> items) {
    args->insert(args->end(), items);
  };
  if (o.video == VideoEncoder::FrameNo || container == "mp3") {
    add({"-vn"});
    return;
  }
  if (o.video == VideoEncoder::Lavc) {
    const LavcSettings& l = o.lavc;
    add({"-c:v", "mpeg4"});
    if (l.qMin >= 0) add({"-qmin:v", std::to_string(l.qMin)});
    if (l.qMax >= 0) add({"-qmax:v", std::to_string(l.qMax)});
    if (l.videoBitRate >= 0) add({"-b:v", BitRate(l.videoBitRate)});
    // ffmpeg keeps three searches: none, EPZS and X1; the others map to EPZS.
    if (l.motionSearch >= 0)
      add({"-motion_est", l.motionSearch == 0 ? "zero" : l.motionSearch == 5 ? "xone" : "epzs"});
    if (l.maxBFrames >= 0) add({"-bf", std::to_string(l.maxBFrames)});
    if (l.keyInterval >= 0) add({"-g", std::to_string(l.keyInterval)});
    if (l.strict != -1000) add({"-strict", std::to_string(std::min(l.strict, 2))});
    if (l.motionRange >= 0) add({"-me_range", std::to_string(l.motionRange)});
    if (l.bitExact) add({"-flags:v", "+bitexact"});
  } else {
    const XvidSettings& x = o.xvid;
    add({"-c:v", "libxvid"});
    if (x.bitRate >= 0) add({"-b:v", BitRate(x.bitRate)});
    if (x.maxKeyInterval >= 0) add({"-g", std::to_string(x.maxKeyInterval)});
    if (x.maxBFrames >= 0) add({"-bf", std::to_string(x.maxBFrames)});
    // High-quality mode decision: off, fast rate-distortion, full rate-distortion.
    if (x.modeDecision >= 0) add({"-mbd", std::to_string(std::min(x.modeDecision, 2))});
  }
  if (o.scale) add({"-vf", "scale=" + std::to_string(o.scaleWidth) + ":" +
                               std::to_string(o.scaleHeight)});
  // Duplicated frames are written out, so the frame rate stays constant.
  if (o.hardDup) add({"-vsync", "cfr"});
  if (o.outputFps > 0) add({"-r", Decimal(o.outputFps)});
  if (!o.fourcc.empty() && TakesFourcc(container)) add({"-tag:v", o.fourcc});
}

void AddAudio(const EncoderOptions& o, std::vector<std::string>* args) {
  auto add = [args](std::initializer_list<std::string> items) {
    args->insert(args->end(), items);
  };
  if (o.noSound || o.audio == AudioEncoder::None) {
    add({"-an"});
    return;
  }
  bool mono = false;
  if (o.audio == AudioEncoder::Mp3Lame) {
    const LameSettings& l = o.lame;
    add({"-c:a", "libmp3lame"});
    if (l.cbr || l.vbr == 0) {
      if (l.bitRate >= 0) add({"-b:a", BitRate(l.bitRate)});
    } else if (l.bitRate >= 0) {
      // A variable rate with a target bit rate: average bit rate.
      add({"-abr", "1", "-b:a", BitRate(l.bitRate)});
    } else {
      add({"-q:a", "4"});
    }
    if (l.quality >= 0) add({"-compression_level", std::to_string(l.quality)});
    mono = l.mode == 3;
    // Dual channel has no ffmpeg counterpart; it is written as plain stereo.
    if (l.mode >= 0 && !mono) add({"-joint_stereo", l.mode == 1 ? "1" : "0"});
  } else {
    add({"-c:a", "mp2"});
    if (o.lavc.audioBitRate >= 0) add({"-b:a", BitRate(o.lavc.audioBitRate)});
  }
  if (o.sampleRate > 0) add({"-ar", std::to_string(o.sampleRate)});
  if (mono) add({"-ac", "1"});
  else if (o.channels > 0) add({"-ac", std::to_string(o.channels)});
}

}  // namespace

std::string OutputContainer(const EncoderOptions& options) {
  if (!options.format.empty() && options.format != "lavf") return options.format;
  static const std::pair<const char*, const char*> byExtension[] = {
      {"avi", "avi"}, {"mp4", "mp4"}, {"mp3", "mp3"},
      {"asf", "asf"}, {"wmv", "asf"}, {"3gp", "3gp"}, {"mov", "mov"}};
  std::string extension = Extension(options.output);
  for (const auto& entry : byExtension)
    if (extension == entry.first) return entry.second;
  return "avi";
}

std::vector<std::string> FfmpegArguments(const EncoderOptions& options) {
  std::vector<std::string> args = {"-hide_banner", "-nostdin", "-nostats", "-loglevel", "error",
                                   "-progress",    "pipe:1",   "-y"};
  // Seeking on the input is exact when re-encoding, and fast.
  if (options.start > 0) args.insert(args.end(), {"-ss", Decimal(options.start)});
  args.insert(args.end(), {"-i", options.source});
  if (options.length >= 0) args.insert(args.end(), {"-t", Decimal(options.length)});
  std::string container = OutputContainer(options);
  AddVideo(options, container, &args);
  AddAudio(options, &args);
  if (options.audioPreload >= 0)
    args.insert(args.end(), {"-muxpreload", Decimal(options.audioPreload)});
  args.insert(args.end(), {"-f", container, options.output});
  return args;
}

}  // namespace encoder
