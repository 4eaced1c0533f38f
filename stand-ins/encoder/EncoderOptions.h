// The encoder's command-line language: a source file, "-o" output and the
// encoding options, parsed into settings without touching any file.
#pragma once
#include <string>
#include <vector>

namespace encoder {

enum class AudioEncoder { None, Mp3Lame, Lavc };
enum class VideoEncoder { None, Lavc, Xvid, FrameNo };

// An option that was not on the command line keeps its "unset" value: -1 for
// numbers, empty for texts.
struct LameSettings {
  int vbr = -1;          // vbr=N: 0 constant bit rate, others variable
  bool cbr = false;      // cbr
  int bitRate = -1;      // br=N, kbit/s
  int quality = -1;      // aq=N, algorithm quality 0 (best) .. 9
  int mode = -1;         // mode=N: 0 stereo, 1 joint, 2 dual channel, 3 mono
};

struct LavcSettings {
  std::string audioCodec;  // acodec=
  int audioBitRate = -1;   // abitrate=N, kbit/s
  std::string videoCodec;  // vcodec=
  int qMin = -1;           // vqmin=
  int qMax = -1;           // vqmax=
  int videoBitRate = -1;   // vbitrate=N: kbit/s up to 16000, bit/s above
  int motionSearch = -1;   // vme=N
  int maxBFrames = -1;     // vmax_b_frames=
  int keyInterval = -1;    // keyint=
  int strict = -1000;      // vstrict= (may be negative)
  bool bitExact = false;   // bit_exact
  int motionRange = -1;    // me_range=
};

struct XvidSettings {
  int bitRate = -1;          // bitrate=N: kbit/s up to 16000, bit/s above
  int maxKeyInterval = -1;   // max_key_interval=
  int maxBFrames = -1;       // max_bframes=
  int modeDecision = -1;     // vhq=N, 0 .. 4
};

struct EncoderOptions {
  std::string source;
  std::string output;
  AudioEncoder audio = AudioEncoder::None;
  VideoEncoder video = VideoEncoder::None;
  LameSettings lame;
  LavcSettings lavc;
  XvidSettings xvid;
  int scaleWidth = 0, scaleHeight = 0;
  bool scale = false;     // -vf scale=w:h
  bool hardDup = false;   // -vf harddup
  double outputFps = -1;  // -ofps
  int sampleRate = -1;    // -srate
  int channels = -1;      // -channels
  std::string fourcc;     // -ffourcc
  bool noSound = false;   // -nosound
  double start = -1;      // -ss, seconds
  double length = -1;     // -endpos, seconds after the start
  std::string format;     // -of
  double audioPreload = -1;  // -audio-preload, seconds
};

// Parses the arguments (without the program name). On failure returns false
// and describes the first problem in *error.
bool ParseEncoderOptions(const std::vector<std::string>& arguments, EncoderOptions* options,
                         std::string* error);

}  // namespace encoder
