// StreamCast.dll: an engine that writes Windows Media files (ASF, WMV,
// WMA) with the settings of a Windows Media profile file, through
// ffmpeg.exe from the library's own folder (WMV 8 video, WMA 2 audio).
#include <windows.h>

#include <new>
#include <string>
#include <vector>

#include "base/Handles.h"
#include "include/VarnoEngine.h"
#include "stand-ins/codec/FfmpegRun.h"
#include "stand-ins/codec/PictureFit.h"
#include "stand-ins/codec/PrxProfile.h"

namespace {

using namespace codec;

// The engine is found by its rows: "ASF" in and out, never "AVI" out.
FORMATROW g_inputRows[] = {{"ASF", 0, 0}, {"WMV", 0, 0}, {"AVI", 0, 0}, {"MPG", 0, 0},
                           {"MP4", 0, 0}, {"MOV", 0, 0}, {"RM", 0, 0},  {"RMVB", 0, 0}};
FORMATROW g_outputRows[] = {{"ASF", 0, 0}, {"WMV", 0, 0}, {"WMA", 0, 0}};

const size_t kMaxProfileBytes = 1 << 20;

bool ReadWholeFile(const char* path, std::string* bytes) {
  CHandle file(CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, NULL));
  if (!file.IsValid()) return false;
  DWORD size = GetFileSize(file, NULL);
  bool read = false;
  if (size != INVALID_FILE_SIZE && size <= kMaxProfileBytes) {
    bytes->assign(size, '\0');
    DWORD got = 0;
    read = size == 0 || (ReadFile(file, &(*bytes)[0], size, &got, NULL) && got == size);
  }
  return read;
}

std::string Decimal(double value) {
  char text[32];
  snprintf(text, sizeof(text), "%.3f", value);
  return text;
}

std::vector<std::string> ProfileArguments(const PrxProfile& p, const std::string& input,
                                          const std::string& output) {
  std::vector<std::string> args = {"-nostdin", "-hide_banner", "-loglevel", "error", "-nostats",
                                   "-progress", "pipe:1", "-i", input};
  if (p.hasVideo) {
    args.insert(args.end(), {"-c:v", "wmv2", "-b:v", std::to_string(p.videoBitRate), "-vf",
                             FitPictureFilter(p.width, p.height)});
    if (p.frameRate > 0) args.insert(args.end(), {"-r", Decimal(p.frameRate)});
  } else {
    args.push_back("-vn");
  }
  if (p.hasAudio) {
    if (p.pcmAudio)
      args.insert(args.end(), {"-c:a", p.bitsPerSample == 8 ? "pcm_u8" : "pcm_s16le"});
    else
      args.insert(args.end(), {"-c:a", "wmav2", "-b:a", std::to_string(p.audioBitRate)});
    args.insert(args.end(), {"-ar", std::to_string(p.sampleRate), "-ac", std::to_string(p.channels)});
  } else {
    args.push_back("-an");
  }
  args.insert(args.end(), {"-f", "asf", "-y", output});
  return args;
}

class CStreamCastEngine final : public IConvertEngine {
 public:
  void STDMETHODCALLTYPE Release() override { delete this; }
  int STDMETHODCALLTYPE Reserved1() override { return 1; }
  void STDMETHODCALLTYPE Reset() override {}
  int STDMETHODCALLTYPE GetInputFormats(FORMATROW** rows) override {
    *rows = g_inputRows;
    return sizeof(g_inputRows) / sizeof(g_inputRows[0]);
  }
  int STDMETHODCALLTYPE GetOutputFormats(FORMATROW** rows) override {
    *rows = g_outputRows;
    return sizeof(g_outputRows) / sizeof(g_outputRows[0]);
  }
  // The path of a profile file (its name may be the "CODECINDEX" text of
  // the compressor choice, which the profile's own settings stand for).
  // A missing or unusable profile is refused; the last good one is kept
  // only until then.
  int STDMETHODCALLTYPE LoadConfigFile(const char* config) override {
    m_loaded = false;
    std::string bytes, why;
    if (!config || !ReadWholeFile(config, &bytes)) return 0;
    m_loaded = ParsePrxProfile(ProfileText(bytes), &m_profile, &why);
    return m_loaded ? 1 : 0;
  }
  int STDMETHODCALLTYPE Convert(const char* output, const char* input,
                                IConvertProgress* progress) override {
    if (!m_loaded || !output || !input) return 0;
    std::string ffmpeg = FfmpegBeside(ThisModule());
    MediaFacts facts = ProbeMedia(ffmpeg, input);
    if (!facts.hasAudio && !facts.hasVideo) return 0;
    PrxProfile profile = m_profile;
    // A stream the source lacks is left out rather than made of nothing.
    profile.hasAudio = profile.hasAudio && facts.hasAudio;
    profile.hasVideo = profile.hasVideo && facts.hasVideo;
    if (!profile.hasAudio && !profile.hasVideo) return 0;
    return RunFfmpeg(ffmpeg, ProfileArguments(profile, input, output), output, facts.duration,
                     progress) == kRunSucceeded
               ? 1
               : 0;
  }
  int STDMETHODCALLTYPE Reserved7(int, int) override { return 1; }
  HRESULT STDMETHODCALLTYPE GetSnapshot(HGLOBAL*) override { return E_FAIL; }

 private:
  PrxProfile m_profile;
  bool m_loaded = false;
};

}  // namespace

extern "C" IConvertEngine* WINAPI CreateVarnoConverter() {
  return new (std::nothrow) CStreamCastEngine();
}
