#include "modules/framework/runner/CodecArguments.h"

#include <stdio.h>
#include <windows.h>

#include "base/Paths.h"

namespace {

void ReplaceAll(std::string& text, const std::string& what, const std::string& with) {
  for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + with.size()))
    text.replace(at, what.size(), with);
}

std::string Number(int value) { return std::to_string(value); }

const char* OutputFormat(int type) {
  switch (type) {
    case 1: return "avi";
    case 4: return "asf";
    case 5: return "mp4";
    case 6: return "3gp";
    case 7: return "psp";
    default: return "";
  }
}

const char* AudioCodecName(int code) {
  switch (code) {
    case 0: return "pcm16le";
    case 2: return "mp3";
    case 3: return "adpcm_ima_wav";
    case 5: return "amr_nb";
    case 6: return "aac";
    default: return "mp2";
  }
}

// The video bit rate in kbit/s, as the external encoder also takes it.
int VideoKbps(const CTaskRecord& task) {
  int kbps = task.videoQuality * 40;
  if (task.videoBitRate / 1000 < kbps && task.videoBitRate != task.sourceVideoBitRate)
    kbps = task.videoBitRate / 1000;
  return kbps;
}

bool IsMpegProgram(const std::string& path) {
  const char* ext = GetFileExt(path.c_str());
  for (const char* mpeg : {".MPG", ".MPEG", ".MPE", ".DAT"})
    if (lstrcmpiA(ext, mpeg) == 0) return true;
  return false;
}

const char* const kErrorTexts[] = {
    "Codec unknown error!\n",
    "Codec init failed!\n",
    "Codec user abort!\n",
    "Codec run failed!\n",
    "Codec invalid instruction!\n",
    "Codec invalid param!\n",
    "Codec invalid image format!\n",
    "Codec invalid format!\n",
    "Codec invalid input format!\n",
    "Codec invalid output format!\n",
    "Codec invalid stream!\n",
    "Codec alloc failed!\n",
    "Codec error parsing rc override!\n",
    "Codec no audio and video!\n",
    "Codec av error, number expected!\n",
    "Codec could not open file!\n",
    "Codec invalid encoding parameters!\n",
    "Codec no output file!\n",
    "Codec stream maps expected!\n",
    "Codec could not file input stream!\n",
    "Codec type mismatch!\n",
    "Codec can't resample!\n",
    "Codec unsupported!\n",
    "Codec open error!\n",
    "Codec write header error!\n",
    "Codec frame rate error!\n",
    "Codec frame size error!\n",
    "Codec aspect ratio error!\n",
    "Codec frame crop top error!\n",
    "Codec frame crop bottom error!\n",
    "Codec frame crop left error!\n",
    "Codec frame crop right error!\n",
    "Codec b frames error!\n",
    "Codec pass error!\n",
    "Codec prepare grab error!\n",
    "Codec parse options error!\n",
    "Codec unknown motion estimation!\n",
    "Codec unknown audio codec!\n",
    "Codec unknown video codec!\n",
    "Codec unknown video grab device!\n",
    "Codec unknown audio grab device!\n",
    "Codec failed to add video hook!\n",
};
const int kErrorTextCount = sizeof(kErrorTexts) / sizeof(kErrorTexts[0]);
static_assert(sizeof(kErrorTexts) / sizeof(kErrorTexts[0]) == 42, "codes 1 to 42");

}  // namespace

std::vector<std::string> SplitCodecTokens(const std::string& text) {
  std::vector<std::string> tokens;
  const size_t width = sizeof(kCodecSeparator) - 1;
  size_t begin = 0;
  for (size_t end = text.find(kCodecSeparator); end != std::string::npos;
       end = text.find(kCodecSeparator, begin)) {
    tokens.push_back(text.substr(begin, end - begin));
    begin = end + width;
  }
  return tokens;
}

std::vector<std::string> BuildCodecArguments(const std::string& codecTemplate,
                                             const CTaskRecord& task, const std::string& output,
                                             std::string* replaced) {
  std::string text = codecTemplate;
  const int type = task.outputType;
  ReplaceAll(text, "OUTPUTFORMAT", OutputFormat(type));
  if (type == 5 || type == 6 || type == 7) {
    if (text.find("|VCODEC ") != std::string::npos) {
      ReplaceAll(text, "|-vcodec ", "");
      ReplaceAll(text, "|VCODEC ", "");
    }
    if (text.find("|VTAG ") != std::string::npos) {
      ReplaceAll(text, "|VTAG ", "");
      ReplaceAll(text, "|-vtag ", "");
    }
  } else {
    bool xvid = task.videoCodecIndex == 1;
    ReplaceAll(text, "VCODEC", xvid ? "xvid" : "mpeg4");
    ReplaceAll(text, "VTAG", xvid ? "XVID" : "DIVX");
  }
  if (type == 7) {
    ReplaceAll(text, "VFPS", "14.985");
    ReplaceAll(text, "VIDEOSIZE", "320x240");
    ReplaceAll(text, "VIDEOBITRATE", "768");
  } else {
    ReplaceAll(text, "VFPS", Number(task.frameRate));
    ReplaceAll(text, "VIDEOSIZE", Number(task.width) + "x" + Number(task.height));
    ReplaceAll(text, "VIDEOBITRATE", Number(VideoKbps(task)));
  }
  ReplaceAll(text, "ACODEC", AudioCodecName(task.audioCodec));
  // "ASAMPLERATE" goes before "AC" and "AB", which it does not contain, and
  // "ACODEC" is gone by now.
  if (type == 7) {
    ReplaceAll(text, "ASAMPLERATE", "24000");
    ReplaceAll(text, "AC", Number(task.channels));
    ReplaceAll(text, "AB", "32");
  } else if (type == 6) {
    ReplaceAll(text, "ASAMPLERATE", "8000");
    ReplaceAll(text, "AC", "1");
    ReplaceAll(text, "AB", "8");
  } else {
    ReplaceAll(text, "ASAMPLERATE", Number(task.sampleRate));
    ReplaceAll(text, "AC", Number(task.channels));
    ReplaceAll(text, "AB", "64");
  }
  ReplaceAll(text, "INPUTFILE", task.sourcePath);
  ReplaceAll(text, "OUTPUTFILE", output.empty() ? task.outputPath : output);
  std::vector<std::string> arguments;
  if (IsMpegProgram(task.sourcePath)) {
    arguments.push_back("-f");
    arguments.push_back("mpeg");
  }
  for (const std::string& token : SplitCodecTokens(text)) arguments.push_back(token);
  if (replaced) *replaced = text;
  return arguments;
}

const char* CodecErrorText(int code) {
  return code >= 1 && code <= kErrorTextCount ? kErrorTexts[code - 1] : "";
}
