// The encoder's command-line language as the conversion runner writes it,
// translated for ffmpeg; and what it rejects.
#include <gtest/gtest.h>

#include "stand-ins/encoder/CommandLine.h"
#include "stand-ins/encoder/EncoderOptions.h"
#include "stand-ins/encoder/FfmpegArguments.h"

namespace {

using namespace encoder;

const char kFixed[] = "-hide_banner -nostdin -nostats -loglevel error -progress pipe:1 -y ";

// The ffmpeg command line for an encoder command line, without the fixed
// arguments in front; or "error: ..." when it is rejected.
std::string Translate(const std::string& line) {
  EncoderOptions options;
  std::string error;
  if (!ParseEncoderOptions(SplitCommandLine(line), &options, &error)) return "error: " + error;
  std::string ffmpeg = JoinCommandLine(FfmpegArguments(options));
  return ffmpeg.compare(0, sizeof(kFixed) - 1, kFixed) == 0 ? ffmpeg.substr(sizeof(kFixed) - 1)
                                                            : "unexpected start: " + ffmpeg;
}

struct Case {
  const char* what;
  const char* line;      // as the runner writes it: a blank, the quoted source, ...
  const char* expected;  // ffmpeg's arguments
};

const Case kCases[] = {
    {"MPEG-4 with MP3 audio, no B-frames, into MP4 (no four-character code there)",
     R"( "C:\in\a.avi" -o "D:\out\a b.mp4" -channels 2 -srate 44100 -oac mp3lame -lameopts vbr=0:cbr:br=64:aq=5:mode=1 -ovc lavc -lavcopts vcodec=mpeg4:vqmin=2:vqmax=6:vbitrate=600:vme=1:vmax_b_frames=0:keyint=30:vstrict=3:bit_exact  -ffourcc DIVX -vf scale=320:240,harddup -ofps 25)",
     R"(-i C:\in\a.avi -c:v mpeg4 -qmin:v 2 -qmax:v 6 -b:v 600k -motion_est epzs -bf 0 -g 30 -strict 2 -flags:v +bitexact -vf scale=320:240 -vsync cfr -r 25 -c:a libmp3lame -b:a 64k -compression_level 5 -joint_stereo 1 -ar 44100 -ac 2 -f mp4 "D:\out\a b.mp4")"},
    {"MPEG-4 with MP3 audio and B-frames, into AVI with the code",
     R"( "a.rm" -o "a.avi" -channels 1 -srate 22050 -oac mp3lame -lameopts vbr=0:cbr:br=128:aq=5:mode=1 -ovc lavc -lavcopts vcodec=mpeg4:vqmin=2:vqmax=6:vbitrate=1000:vme=1:vmax_b_frames=2:keyint=30:vstrict=3:bit_exact  -ffourcc DIVX -vf scale=640:480,harddup -ofps 30)",
     R"(-i a.rm -c:v mpeg4 -qmin:v 2 -qmax:v 6 -b:v 1000k -motion_est epzs -bf 2 -g 30 -strict 2 -flags:v +bitexact -vf scale=640:480 -vsync cfr -r 30 -tag:v DIVX -c:a libmp3lame -b:a 128k -compression_level 5 -joint_stereo 1 -ar 22050 -ac 1 -f avi a.avi)"},
    {"first stage with MPEG-1 layer 2 audio into a temporary file (AVI)",
     R"( "C:\v\clip.dat" -o "C:\Temp\QTF1A.tmp" -channels 2 -srate 44100 -oac lavc -ovc lavc -lavcopts acodec=mp2:abitrate=64:vcodec=mpeg4:vqmin=2:vqmax=6:vbitrate=800:keyint=12  -ffourcc DIVX -vf scale=352:288,harddup -ofps 25)",
     R"(-i C:\v\clip.dat -c:v mpeg4 -qmin:v 2 -qmax:v 6 -b:v 800k -g 12 -vf scale=352:288 -vsync cfr -r 25 -tag:v DIVX -c:a mp2 -b:a 64k -ar 44100 -ac 2 -f avi C:\Temp\QTF1A.tmp)"},
    {"MPEG-1 layer 2 audio with motion range, into ASF",
     R"( "a.mov" -o "a.asf" -channels 2 -srate 48000 -oac lavc -ovc lavc -lavcopts acodec=mp2:abitrate=64:vcodec=mpeg4:vbitrate=800:keyint=12:vme=1:me_range=64:bit_exact  -ffourcc DIVX -vf scale=320:240,harddup -ofps 15)",
     R"(-i a.mov -c:v mpeg4 -b:v 800k -motion_est epzs -g 12 -me_range 64 -flags:v +bitexact -vf scale=320:240 -vsync cfr -r 15 -tag:v DIVX -c:a mp2 -b:a 64k -ar 48000 -ac 2 -f asf a.asf)"},
    {"Xvid without B-frames, with audio preload",
     R"( "a.mp4" -o "a.avi" -audio-preload 0 -channels 2 -srate 44100 -oac mp3lame -lameopts vbr=0:cbr:br=40:aq=5:mode=1 -ovc xvid -xvidencopts bitrate=500:max_key_interval=250:max_bframes=0:vhq=0  -ffourcc XVID -vf scale=320:240,harddup -ofps 25)",
     R"(-i a.mp4 -c:v libxvid -b:v 500k -g 250 -bf 0 -mbd 0 -vf scale=320:240 -vsync cfr -r 25 -tag:v XVID -c:a libmp3lame -b:a 40k -compression_level 5 -joint_stereo 1 -ar 44100 -ac 2 -muxpreload 0 -f avi a.avi)"},
    {"Xvid with B-frames into 3GP",
     R"( "a.mp4" -o "a.3gp" -channels 1 -srate 8000 -oac mp3lame -lameopts vbr=0:cbr:br=40:aq=5:mode=1 -ovc xvid -xvidencopts bitrate=20000:max_key_interval=50:max_bframes=1  -ffourcc XVID -vf scale=176:144,harddup -ofps 10)",
     R"(-i a.mp4 -c:v libxvid -b:v 20000 -g 50 -bf 1 -vf scale=176:144 -vsync cfr -r 10 -c:a libmp3lame -b:a 40k -compression_level 5 -joint_stereo 1 -ar 8000 -ac 1 -f 3gp a.3gp)"},
    {"a segment of a source without audio",
     R"( "C:\a.rmvb" -o "D:\out\a.mp4_2.mp4" -channels 2 -srate 44100 -oac mp3lame -lameopts vbr=0:cbr:br=64:aq=5:mode=1 -ovc lavc -lavcopts vcodec=mpeg4:vbitrate=300:vstrict=-1  -ffourcc DIVX -vf scale=320:240,harddup -ofps 25 -nosound -ss 200 -endpos 100)",
     R"(-ss 200 -i C:\a.rmvb -t 100 -c:v mpeg4 -b:v 300k -strict -1 -vf scale=320:240 -vsync cfr -r 25 -an -f mp4 D:\out\a.mp4_2.mp4)"},
    {"the first segment starts at 0",
     R"( "a.avi" -o "b.MP4" -nosound -ovc lavc -lavcopts vbitrate=20000:vme=0 -ss 0 -endpos 60)",
     R"(-i a.avi -t 60 -c:v mpeg4 -b:v 20000 -motion_est zero -an -f mp4 b.MP4)"},
    {"MP3 at a constant bit rate, no video",
     R"( "C:\m\song.wma" -o "C:\m\song.mp3" -of mp3 -srate 44100 -oac mp3lame -lameopts cbr:br=128:aq=5:mode=1 -ovc frameno -ofps 0)",
     R"(-i C:\m\song.wma -vn -c:a libmp3lame -b:a 128k -compression_level 5 -joint_stereo 1 -ar 44100 -f mp3 C:\m\song.mp3)"},
    {"MP3 at a variable bit rate (no cbr) in mono",
     R"( "C:\m\clip.avi" -o "C:\m\clip.mp3" -of mp3 -srate 22050 -oac mp3lame -lameopts br=192:aq=2:mode=3 -ovc frameno -ofps 25)",
     R"(-i C:\m\clip.avi -vn -c:a libmp3lame -abr 1 -b:a 192k -compression_level 2 -ar 22050 -ac 1 -f mp3 C:\m\clip.mp3)"},
    {"-of mp3 keeps video out whatever -ovc says; stereo mode 0",
     R"( "a.avi" -o "a.bin" -of mp3 -oac mp3lame -lameopts cbr:br=96:mode=0 -ovc lavc)",
     R"(-i a.avi -vn -c:a libmp3lame -b:a 96k -joint_stereo 0 -f mp3 a.bin)"},
    {"without a leading blank the first word is the program",
     R"(encoder.exe a.avi -o "b c.avi" -oac lavc -ovc lavc -srate 0 -channels 0)",
     R"(-i a.avi -c:v mpeg4 -c:a mp2 -f avi "b c.avi")"},
};

TEST(EncoderOptions, RunnerCommandLinesTranslateForFfmpeg) {
  for (const Case& c : kCases) EXPECT_EQ(c.expected, Translate(c.line)) << c.what;
}

struct Rejected {
  const char* line;
  const char* error;
};

const Rejected kRejected[] = {
    {" a.avi -o b.avi -oac lavc -ovc lavc -foo", "error: unknown option '-foo'"},
    {" a.avi -o b.avi -oac mp3lame -lameopts vbr=0:xyz -ovc lavc",
     "error: unknown sub-option 'xyz' in -lameopts"},
    {" a.avi -o b.avi -oac mp3lame -lameopts br -ovc lavc", "error: bad sub-option 'br' in -lameopts"},
    {" a.avi -o b.avi -oac mp3lame -lameopts cbr=1 -ovc lavc",
     "error: bad sub-option 'cbr=1' in -lameopts"},
    {" a.avi -o b.avi -oac mp3lame -lameopts mode=4 -ovc lavc",
     "error: bad sub-option 'mode=4' in -lameopts"},
    {" a.avi -o b.avi -oac lavc -ovc lavc -lavcopts vcodec=h264",
     "error: bad sub-option 'vcodec=h264' in -lavcopts"},
    {" a.avi -o b.avi -oac lavc -ovc xvid -xvidencopts bitrate=500:zones=1",
     "error: unknown sub-option 'zones' in -xvidencopts"},
    {" a.avi -o b.avi -oac lavc -ovc lavc -vf scale=320:240,crop=10:10",
     "error: unknown filter 'crop=10:10' in -vf"},
    {" a.avi -o b.avi -oac lavc -ovc lavc -vf scale=320",
     "error: bad filter 'scale=320' in -vf (expected scale=width:height)"},
    {" a.avi -o b.avi -oac lavc -ovc lavc -srate 44k", "error: bad value '44k' for option -srate"},
    {" a.avi -o b.avi -oac lavc -ovc lavc -ss -5", "error: bad value '-5' for option -ss"},
    {" a.avi -o b.avi -oac lavc -ovc lavc -ffourcc DIVXX",
     "error: bad value 'DIVXX' for option -ffourcc"},
    {" a.avi -o b.avi -oac lavc -ovc lavc -of mkv", "error: bad value 'mkv' for option -of"},
    {" a.avi -o b.avi -oac pcm -ovc lavc", "error: bad value 'pcm' for option -oac"},
    {" a.avi -o b.avi -oac lavc -ovc copy", "error: bad value 'copy' for option -ovc"},
    {" a.avi -oac lavc -ovc lavc -o", "error: option -o needs a value"},
    {" a.avi b.avi -o c.avi -oac lavc -ovc lavc",
     "error: more than one source file: 'a.avi' and 'b.avi'"},
    {" -o c.avi -oac lavc -ovc lavc", "error: no source file given"},
    {" a.avi -oac lavc -ovc lavc", "error: no output file given (-o)"},
    {" a.avi -o c.avi -oac lavc", "error: no video encoder given (-ovc)"},
    {" a.avi -o c.avi -ovc lavc", "error: no audio encoder given (-oac), and no -nosound"},
};

TEST(EncoderOptions, UnknownOrMalformedOptionsAreRejected) {
  for (const Rejected& r : kRejected) EXPECT_EQ(r.error, Translate(r.line)) << r.line;
}

TEST(EncoderOptions, ContainerFollowsFormatThenExtension) {
  const struct {
    const char* output;
    const char* format;
    const char* container;
  } cases[] = {
      {"a.avi", "", "avi"},     {"a.MP4", "", "mp4"},      {"a.mp3", "", "mp3"},
      {"a.wmv", "", "asf"},     {"a.mov", "", "mov"},      {"C:\\t\\QTF2.tmp", "", "avi"},
      {"C:\\x.y\\noext", "", "avi"}, {"a.mp4", "lavf", "mp4"}, {"a.mp4", "avi", "avi"},
      {"a.avi", "mp3", "mp3"},
  };
  for (const auto& c : cases) {
    EncoderOptions options;
    options.output = c.output;
    options.format = c.format;
    EXPECT_EQ(c.container, OutputContainer(options)) << c.output << " " << c.format;
  }
}

TEST(CommandLine, SplitsAndQuotesAsTheRuntimeDoes) {
  const struct {
    const char* line;
    std::vector<std::string> arguments;
  } cases[] = {
      {R"( "C:\a b\c.avi" -o "D:\x.mp4")", {R"(C:\a b\c.avi)", "-o", R"(D:\x.mp4)"}},
      {R"("C:\Program Files\e.exe" a  b)", {"a", "b"}},
      {R"(e.exe "a\"b" c\\d "e\\" "")", {R"(a"b)", R"(c\\d)", R"(e\)", ""}},
      {"e.exe", {}},
      {"", {}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.arguments, SplitCommandLine(c.line)) << c.line;
    // Quoting gives the same arguments back.
    EXPECT_EQ(c.arguments, SplitCommandLine("e " + JoinCommandLine(c.arguments))) << c.line;
  }
}

}  // namespace
