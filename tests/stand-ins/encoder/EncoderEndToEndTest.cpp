// encoder.exe run as the conversion runner runs it, on short generated clips
// (testbin\encoder-media), with the real ffmpeg.exe beside it.
#include <gtest/gtest.h>

#include <cmath>

#include "tests/stand-ins/encoder/EncoderPipe.h"
#include "tests/support/TestSupport.h"

namespace {

using namespace enctest;

const DWORD kTimeout = 120000;

std::string Encoder() { return vrctest::ProgramFolder() + "encoder.exe"; }
std::string Media(const char* name) { return vrctest::TestFolder() + "encoder-media\\" + name; }

// The runner's command line: a blank, the quoted source, -o, the quoted
// output and the options (which begin with the closing quote).
std::string RunnerLine(const std::string& source, const std::string& output,
                       const std::string& options) {
  return " \"" + source + "\" -o \"" + output + options;
}

struct EncoderRun {
  int exitCode = -1;
  std::vector<std::string> chunks;
  std::string text;
};

EncoderRun RunEncoder(const std::string& line) {
  EncoderRun run;
  EncoderPipe encoder;
  if (!encoder.Start(Encoder(), line)) return run;
  run.chunks = encoder.ReadAll();
  run.text = Join(run.chunks);
  run.exitCode = encoder.Wait(kTimeout);
  return run;
}

struct Conversion {
  const char* what;
  const char* source;
  const char* output;
  const char* options;
  const char* container;  // as ffmpeg names the input format
  const char* brand;      // MP4 family only
  const char* videoCodec;
  const char* videoTag;
  int width, height;
  const char* audioCodec;
  int sampleRate;
  double duration;
};

const Conversion kConversions[] = {
    {"MPEG-4 with MP3 audio, no B-frames, AVI source into MP4", "clip.avi", "out.mp4",
     "\" -channels 2 -srate 44100 -oac mp3lame -lameopts vbr=0:cbr:br=64:aq=5:mode=1 -ovc lavc "
     "-lavcopts vcodec=mpeg4:vqmin=2:vqmax=6:vbitrate=400:vme=1:vmax_b_frames=0:keyint=30:"
     "vstrict=3:bit_exact  -ffourcc DIVX -vf scale=176:144,harddup -ofps 15",
     "mov,mp4,m4a,3gp,3g2,mj2", "isom", "mpeg4", "mp4v", 176, 144, "mp3", 44100, 2.0},
    {"MP3 of an MP4 source at a constant bit rate", "clip.mp4", "out.mp3",
     "\" -of mp3 -srate 22050 -oac mp3lame -lameopts cbr:br=64:aq=5:mode=1 -ovc frameno -ofps 25",
     "mp3", "", "", "", 0, 0, "mp3", 22050, 2.0},
    {"a segment: Xvid with MP3, from 1 s for 1 s", "clip.mp4", "out.avi_2.avi",
     "\" -audio-preload 0 -channels 2 -srate 44100 -oac mp3lame -lameopts "
     "vbr=0:cbr:br=40:aq=5:mode=1 -ovc xvid -xvidencopts bitrate=300:max_key_interval=250:"
     "max_bframes=0:vhq=0  -ffourcc XVID -vf scale=320:240,harddup -ofps 25 -ss 1 -endpos 1",
     "avi", "", "mpeg4", "XVID", 320, 240, "mp3", 44100, 1.0},
    {"no sound: the first stage into a temporary file, which is AVI", "clip.avi", "QTF1.tmp",
     "\" -channels 2 -srate 44100 -oac lavc -ovc lavc -lavcopts acodec=mp2:abitrate=64:"
     "vcodec=mpeg4:vqmin=2:vqmax=6:vbitrate=300:keyint=12  -ffourcc DIVX -vf "
     "scale=320:240,harddup -ofps 25 -nosound",
     "avi", "", "mpeg4", "DIVX", 320, 240, "", 0, 2.0},
    {"MPEG-1 layer 2 audio into AVI", "clip.mp4", "out.avi",
     "\" -channels 1 -srate 32000 -oac lavc -ovc lavc -lavcopts acodec=mp2:abitrate=64:"
     "vcodec=mpeg4:vbitrate=300:keyint=12:vme=1:me_range=64:bit_exact  -ffourcc DIVX -vf "
     "scale=320:240,harddup -ofps 25",
     "avi", "", "mpeg4", "DIVX", 320, 240, "mp2", 32000, 2.0},
};

class EncoderConversion : public ::testing::TestWithParam<Conversion> {};

TEST_P(EncoderConversion, WritesTheOutputAndReportsPositions) {
  const Conversion& c = GetParam();
  vrctest::TempDir dir;
  std::string output = dir.File(c.output);
  EncoderRun run = RunEncoder(RunnerLine(Media(c.source), output, c.options));
  ASSERT_EQ(0, run.exitCode) << run.text;
  // ffmpeg went into the job that ends it with the encoder.
  EXPECT_EQ(std::string::npos, run.text.find("could not be tied")) << run.text;

  // Every chunk with a position reads well by the runner's rule, and the
  // positions climb to the clip's length.
  std::vector<double> positions = RunnerPositions(run.chunks);
  ASSERT_FALSE(positions.empty()) << run.text;
  for (const std::string& chunk : run.chunks) {
    double seconds = 0;
    if (chunk.find("Pos:") != std::string::npos) {
      EXPECT_TRUE(RunnerPosition(chunk, &seconds)) << chunk;
    }
  }
  for (size_t i = 1; i < positions.size(); ++i) EXPECT_LE(positions[i - 1], positions[i]);
  EXPECT_NEAR(c.duration, positions.back(), 0.3) << run.text;

  const std::string facts = vrctest::MediaFactsOf(vrctest::ProgramFolder() + "ffmpeg.exe", output);
  ASSERT_FALSE(vrctest::ReportText(facts, "container").empty()) << output << "\n" << facts;
  EXPECT_EQ(c.container, vrctest::ReportText(facts, "container"));
  EXPECT_EQ(c.brand, vrctest::ReportText(facts, "brand"));
  EXPECT_EQ(c.videoCodec, vrctest::ReportText(facts, "videoCodec"));
  EXPECT_EQ(c.videoTag, vrctest::ReportText(facts, "videoTag"));
  EXPECT_EQ(c.width, vrctest::ReportNumber(facts, "width"));
  EXPECT_EQ(c.height, vrctest::ReportNumber(facts, "height"));
  EXPECT_EQ(c.audioCodec, vrctest::ReportText(facts, "audioCodec"));
  EXPECT_EQ(c.sampleRate, vrctest::ReportNumber(facts, "rate"));
  EXPECT_NEAR(c.duration, vrctest::ReportNumber(facts, "duration"), 0.3);
}

INSTANTIATE_TEST_SUITE_P(RunnerCommandLines, EncoderConversion, ::testing::ValuesIn(kConversions));

TEST(EncoderFailure, MissingSourceAndUnknownOptionFailWithAMessage) {
  const struct {
    std::string source;
    const char* options;
    int exitCode;
    const char* message;
  } cases[] = {
      {vrctest::TestFolder() + "encoder-media\\missing.avi",
       "\" -oac lavc -ovc lavc -ofps 25", 2, "encoder: cannot open the source file '"},
      {Media("clip.avi"), "\" -oac lavc -ovc lavc -zoom 2", 1,
       "encoder: unknown option '-zoom'"},
      {Media("clip.avi"), "\" -oac lavc -ovc lavc -vf rotate=1", 1,
       "encoder: unknown filter 'rotate=1' in -vf"},
  };
  for (const auto& c : cases) {
    vrctest::TempDir dir;
    EncoderRun run = RunEncoder(RunnerLine(c.source, dir.File("out.avi"), c.options));
    EXPECT_EQ(c.exitCode, run.exitCode) << run.text;
    EXPECT_NE(std::string::npos, run.text.find(c.message)) << run.text;
    EXPECT_EQ(std::string::npos, run.text.find("Pos:")) << run.text;
    EXPECT_FALSE(vrctest::FileExists(dir.File("out.avi")));
  }
}

TEST(EncoderFailure, FfmpegRefusalFailsAndLeavesNoOutput) {
  // 3GP holds no MP3 audio: ffmpeg refuses, and so does the encoder.
  vrctest::TempDir dir;
  EncoderRun run = RunEncoder(RunnerLine(Media("clip.avi"), dir.File("out.3gp"),
                                  "\" -oac mp3lame -ovc lavc -ofps 25"));
  EXPECT_EQ(4, run.exitCode) << run.text;
  EXPECT_NE(std::string::npos, run.text.find("encoder: ffmpeg failed")) << run.text;
  EXPECT_NE(std::string::npos, run.text.find("ffmpeg: ")) << run.text;
  EXPECT_FALSE(vrctest::FileExists(dir.File("out.3gp")));
}

// A conversion that takes long enough to be interrupted: many large frames.
const char kLongOptions[] =
    "\" -nosound -ovc lavc -lavcopts vcodec=mpeg4:vbitrate=8000 -vf scale=1280:720,harddup "
    "-ofps 2000";

// Starts the long conversion and waits for its first position, when ffmpeg
// works; returns ffmpeg's process (or NULL).
HANDLE StartLongConversion(EncoderPipe* encoder, const vrctest::TempDir& dir) {
  if (!encoder->Start(Encoder(), RunnerLine(Media("clip.avi"), dir.File("long.avi"), kLongOptions)))
    return NULL;
  std::string chunk;
  while (encoder->ReadChunk(&chunk) && chunk.find("Pos:") == std::string::npos) {
  }
  std::vector<DWORD> ffmpeg = ChildProcesses(encoder->ProcessId(), "ffmpeg.exe");
  return ffmpeg.size() == 1 ? OpenProcess(SYNCHRONIZE, FALSE, ffmpeg[0]) : NULL;
}

TEST(EncoderLifetime, FfmpegEndsWhenTheEncoderIsTerminated) {
  vrctest::TempDir dir;
  EncoderPipe encoder;
  HANDLE ffmpeg = StartLongConversion(&encoder, dir);
  ASSERT_TRUE(ffmpeg != NULL);
  encoder.Terminate();
  EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(ffmpeg, 20000));
  CloseHandle(ffmpeg);
}

TEST(EncoderLifetime, ClosingThePipeStopsTheEncoderAndFfmpeg) {
  vrctest::TempDir dir;
  EncoderPipe encoder;
  HANDLE ffmpeg = StartLongConversion(&encoder, dir);
  ASSERT_TRUE(ffmpeg != NULL);
  encoder.CloseOutput();
  EXPECT_EQ(6, encoder.Wait(20000));
  EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(ffmpeg, 20000));
  CloseHandle(ffmpeg);
  EXPECT_FALSE(vrctest::FileExists(dir.File("long.avi")));
}

}  // namespace
