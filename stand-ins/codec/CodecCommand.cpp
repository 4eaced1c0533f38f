#include "stand-ins/codec/CodecCommand.h"

#include <stdio.h>
#include <stdlib.h>

#include <map>
#include <set>

#include "stand-ins/codec/PictureFit.h"

namespace codec {

namespace {

enum { kInvalidParam = 6, kNoOutputFile = 18 };

// Options of the old language that stand before the input in the template
// but belong to the output in ffmpeg, where options go with the next file.
const std::set<std::string> kOutputOnly = {"-muxdelay", "-muxpreload", "-pass", "-passlogfile"};
const std::set<std::string> kFlags = {"-y", "-an", "-vn", "-sn", "-sameq"};

const std::map<std::string, std::string> kRenamed = {
    {"-vcodec", "-c:v"}, {"-acodec", "-c:a"}, {"-vtag", "-tag:v"}, {"-b", "-b:v"}, {"-ab", "-b:a"}};

// Codec names of the old language that ffmpeg knows by another name.
const std::map<std::string, std::string> kEncoders = {{"mp3", "libmp3lame"},
                                                      {"pcm16le", "pcm_s16le"},
                                                      {"amr_nb", "libopencore_amrnb"},
                                                      {"xvid", "libxvid"}};

// The old language gave bit rates in kbit/s.
bool IsKilobits(const std::string& option) { return option == "-b" || option == "-ab"; }

}  // namespace

int TranslateCodecCommand(const std::vector<std::string>& argv, FfmpegCommand* command) {
  *command = FfmpegCommand();
  std::vector<std::string> before, after;
  bool inputSeen = false, videoCodec = false, audioCodec = false, noVideo = false, noAudio = false;
  for (size_t i = 0; i < argv.size(); ++i) {
    const std::string& token = argv[i];
    if (token.empty() || token[0] != '-') {
      if (!inputSeen) return kInvalidParam;  // a stray value before the input
      command->output = token;               // the last file name is the output
      continue;
    }
    if (kFlags.count(token)) {
      noVideo = noVideo || token == "-vn";
      noAudio = noAudio || token == "-an";
      if (token != "-y") (inputSeen ? after : before).push_back(token);
      continue;
    }
    if (i + 1 >= argv.size()) return kInvalidParam;
    std::string value = argv[++i];
    if (token == "-i") {
      command->input = value;
      inputSeen = true;
      continue;
    }
    if (inputSeen && token == "-f") command->format = value;
    if (!inputSeen && token == "-ss") command->start = atof(value.c_str());
    if (!inputSeen && token == "-t") command->length = atof(value.c_str());
    // The old encoder's output size, which stretched the picture to it,
    // becomes the fitted picture in a frame of that size.
    int width = 0, height = 0;
    char trailing = 0;
    if (inputSeen && token == "-s" &&
        sscanf(value.c_str(), "%dx%d%c", &width, &height, &trailing) == 2 && width > 0 && height > 0) {
      after.push_back("-vf");
      after.push_back(FitPictureFilter(width, height));
      continue;
    }
    std::string option = token;
    auto renamed = kRenamed.find(token);
    if (renamed != kRenamed.end()) option = renamed->second;
    if (IsKilobits(token)) value += "k";
    if (option == "-c:v" || option == "-c:a") {
      auto encoder = kEncoders.find(value);
      if (encoder != kEncoders.end()) value = encoder->second;
      (option == "-c:v" ? videoCodec : audioCodec) = true;
    }
    bool toOutput = inputSeen || kOutputOnly.count(token);
    std::vector<std::string>& list = toOutput ? after : before;
    list.push_back(option);
    list.push_back(value);
  }
  if (!inputSeen) return kInvalidParam;
  if (command->output.empty()) return kNoOutputFile;
  // Without a codec ffmpeg would choose by container, and its 3GP choice
  // (H.263) takes only a few picture sizes.
  if (!videoCodec && !noVideo) after.insert(after.end(), {"-c:v", "mpeg4"});
  if (!audioCodec && !noAudio) after.insert(after.end(), {"-c:a", "aac"});

  std::vector<std::string>& out = command->arguments;
  out = {"-nostdin", "-hide_banner", "-loglevel", "error", "-nostats", "-progress", "pipe:1"};
  out.insert(out.end(), before.begin(), before.end());
  out.insert(out.end(), {"-i", command->input});
  out.insert(out.end(), after.begin(), after.end());
  out.insert(out.end(), {"-y", command->output});
  return 0;
}

bool AddSilentSound(FfmpegCommand* command) {
  if (command->format != "psp") return false;
  std::vector<std::string>& args = command->arguments;
  std::vector<std::string> out;
  bool audioCodec = false;
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "-an") continue;  // the track is wanted now
    if (args[i] == "-c:a") audioCodec = true;
    if (args[i] == "-y" && i + 2 == args.size()) {
      out.insert(out.end(), {"-map", "0:v:0", "-map", "1:a:0", "-shortest"});
      if (!audioCodec) out.insert(out.end(), {"-c:a", "aac", "-ar", "24000", "-b:a", "32k"});
    }
    out.push_back(args[i]);
    if (args[i] == "-i" && i + 1 < args.size() && args[i + 1] == command->input) {
      out.push_back(args[++i]);
      out.insert(out.end(), {"-f", "lavfi", "-i", "anullsrc=r=24000:cl=stereo"});
    }
  }
  args.swap(out);
  return true;
}

}  // namespace codec
