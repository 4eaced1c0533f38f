// The pure parts of the ffmpeg-backed stand-ins: the codec library's
// argument vector turned into ffmpeg's, what ffmpeg says of a file, the
// progress lines, and the Windows Media profile text.
#include <gtest/gtest.h>

#include "stand-ins/codec/CodecCommand.h"
#include "stand-ins/codec/FfmpegRun.h"
#include "stand-ins/codec/MediaFacts.h"
#include "stand-ins/codec/PictureFit.h"
#include "stand-ins/codec/PrxProfile.h"
#include "tests/support/TestSupport.h"

namespace {

typedef std::vector<std::string> Args;
const Args kHead = {"-nostdin", "-hide_banner", "-loglevel", "error", "-nostats", "-progress", "pipe:1"};

Args Expected(const Args& rest) {
  Args all = kHead;
  all.insert(all.end(), rest.begin(), rest.end());
  return all;
}

TEST(CodecCommand, TranslationByTable) {
  struct Row {
    const char* name;
    Args argv;
    Args expected;
    double start, length;
  } rows[] = {
      {"the AVI template of the profile",
       {"-i", "C:\\a b.avi", "-f", "avi", "-vcodec", "mpeg4", "-vtag", "DIVX", "-r", "25", "-s",
        "320x240", "-b", "400", "-acodec", "mp3", "-ar", "44100", "-ac", "2", "-ab", "64", "-y",
        "D:\\x.avi"},
       Expected({"-i", "C:\\a b.avi", "-f", "avi", "-c:v", "mpeg4", "-tag:v", "DIVX", "-r", "25",
                 "-vf", codec::FitPictureFilter(320, 240), "-b:v", "400k", "-c:a", "libmp3lame", "-ar", "44100", "-ac", "2",
                 "-b:a", "64k", "-y", "D:\\x.avi"}),
       0, -1},
      {"segment options: seeking stays with the input, the muxer's go to the output",
       {"-muxdelay", "0", "-muxpreload", "0", "-ss", "4", "-t", "2", "-f", "mpeg", "-i", "in.mpg",
        "-vn", "-acodec", "pcm16le", "-y", "out.avi"},
       Expected({"-ss", "4", "-t", "2", "-f", "mpeg", "-i", "in.mpg", "-muxdelay", "0",
                 "-muxpreload", "0", "-vn", "-c:a", "pcm_s16le", "-y", "out.avi"}),
       4, 2},
      {"two passes and the MP4 family's missing codecs",
       {"-pass", "2", "-passlogfile", "2pass", "-i", "in.avi", "-f", "3gp", "-acodec", "amr_nb",
        "-y", "out.3gp"},
       Expected({"-i", "in.avi", "-pass", "2", "-passlogfile", "2pass", "-f", "3gp", "-c:a",
                 "libopencore_amrnb", "-c:v", "mpeg4", "-y", "out.3gp"}),
       0, -1},
      {"video only gets no audio codec", {"-i", "in.avi", "-an", "-y", "out.mp4"},
       Expected({"-i", "in.avi", "-an", "-c:v", "mpeg4", "-y", "out.mp4"}), 0, -1},
  };
  for (const Row& row : rows) {
    codec::FfmpegCommand command;
    ASSERT_EQ(0, codec::TranslateCodecCommand(row.argv, &command)) << row.name;
    EXPECT_EQ(row.expected, command.arguments) << row.name;
    EXPECT_EQ(row.start, command.start) << row.name;
    EXPECT_EQ(row.length, command.length) << row.name;
    EXPECT_EQ(row.argv.back(), command.output) << row.name;
  }
}

TEST(CodecCommand, RefusedVectorsGiveTheLibrarysCodes) {
  struct Row {
    const char* name;
    Args argv;
    int code;
  } rows[] = {
      {"no input", {"-f", "avi", "out.avi"}, 6},
      {"an option without its value", {"-i", "in.avi", "out.avi", "-ab"}, 6},
      {"no output file", {"-i", "in.avi", "-f", "avi", "-y"}, 18},
      {"nothing at all", {}, 6},
  };
  for (const Row& row : rows) {
    codec::FfmpegCommand command;
    EXPECT_EQ(row.code, codec::TranslateCodecCommand(row.argv, &command)) << row.name;
  }
}

TEST(MediaFacts, WhatFfmpegSaysOfAFile) {
  const char text[] =
      "Input #0, avi, from 'clip.avi':\r\n"
      "  Duration: 00:01:03.50, start: 0.000000, bitrate: 1573 kb/s\r\n"
      "    Stream #0:0: Video: mpeg4 (Simple Profile) (FMP4 / 0x34504D46), yuv420p, 320x240 "
      "[SAR 1:1 DAR 4:3], 162 kb/s, 25 fps, 25 tbr, 25 tbn, 25 tbc\r\n"
      "    Stream #0:1: Audio: pcm_s16le ([1][0][0][0] / 0x0001), 44100 Hz, stereo, s16, 1411 kb/s\r\n"
      "At least one output file must be specified\r\n";
  codec::MediaFacts facts = codec::ParseMediaFacts(text);
  EXPECT_DOUBLE_EQ(63.5, facts.duration);
  EXPECT_TRUE(facts.hasVideo);
  EXPECT_EQ(320, facts.width);
  EXPECT_EQ(240, facts.height);
  EXPECT_DOUBLE_EQ(25, facts.frameRate);
  EXPECT_EQ(162, facts.videoKbps);
  EXPECT_TRUE(facts.hasAudio);
  EXPECT_EQ(44100, facts.sampleRate);
  EXPECT_EQ(2, facts.channels);
  EXPECT_EQ(1411, facts.audioKbps);

  codec::MediaFacts none = codec::ParseMediaFacts("garbage.avi: Invalid data found when processing input\n");
  EXPECT_FALSE(none.hasVideo || none.hasAudio);
  EXPECT_EQ(0, none.duration);
  EXPECT_EQ(1, codec::ParseMediaFacts("Stream #0:0: Audio: mp2, 22050 Hz, mono, s16p, 64 kb/s\n").channels);
}

TEST(FfmpegProgress, PositionsAndPercents) {
  double seconds = -1;
  EXPECT_TRUE(codec::ParseProgressPosition("out_time_ms=1500000", &seconds));
  EXPECT_DOUBLE_EQ(1.5, seconds);
  EXPECT_FALSE(codec::ParseProgressPosition("out_time_ms=-9000", &seconds));
  EXPECT_FALSE(codec::ParseProgressPosition("out_time=00:00:01.500000", &seconds));
  EXPECT_EQ(50, codec::PercentDone(1.5, 3));
  EXPECT_EQ(100, codec::PercentDone(4, 3));
  EXPECT_EQ(0, codec::PercentDone(1, 0));  // unknown duration
}

TEST(PrxProfile, TheShippedProfileForWindowsMediaFiles) {
  std::string bytes = vrctest::ReadFile(vrctest::ProgramFolder() + "ASF3.prx");
  ASSERT_FALSE(bytes.empty());
  codec::PrxProfile profile;
  std::string why;
  ASSERT_TRUE(codec::ParsePrxProfile(codec::ProfileText(bytes), &profile, &why)) << why;
  EXPECT_TRUE(profile.hasAudio);
  EXPECT_FALSE(profile.pcmAudio);
  EXPECT_EQ(64000, profile.audioBitRate);
  EXPECT_EQ(44100, profile.sampleRate);
  EXPECT_EQ(2, profile.channels);
  EXPECT_TRUE(profile.hasVideo);
  EXPECT_EQ(500000, profile.videoBitRate);
  EXPECT_EQ(320, profile.width);
  EXPECT_EQ(240, profile.height);
  EXPECT_DOUBLE_EQ(25, profile.frameRate);
}

TEST(PrxProfile, UnicodeTextAndRefusals) {
  const char video[] =
      "<profile version=\"589824\" name=\"VarnoProfile\"><streamconfig "
      "majortype=\"{73646976-0000-0010-8000-00AA00389B71}\" streamnumber=\"1\" streamname=\"Video\" "
      "bitrate=\"300000\"><wmmediatype><videoinfoheader avgtimeperframe=\"0\"><bitmapinfoheader "
      "biwidth=\"176\" biheight=\"144\"/></videoinfoheader></wmmediatype></streamconfig></profile>";
  // As the profile manager saves it: UTF-16 without a byte-order mark.
  std::string wide;
  for (const char* c = video; *c; ++c) wide += std::string(1, *c) + '\0';
  codec::PrxProfile profile;
  std::string why;
  ASSERT_TRUE(codec::ParsePrxProfile(codec::ProfileText(wide), &profile, &why)) << why;
  EXPECT_FALSE(profile.hasAudio);
  EXPECT_EQ(176, profile.width);
  EXPECT_EQ(144, profile.height);
  EXPECT_EQ(300000, profile.videoBitRate);
  EXPECT_EQ(0, profile.frameRate) << "the source's rate is kept";

  struct Row {
    const char* name;
    std::string text;
  } refused[] = {
      {"not a profile", "CODECINDEX3;1"},
      {"no streams", "<profile version=\"589824\"></profile>"},
      {"a video stream without a size",
       "<profile><streamconfig majortype=\"{73646976-0000-0010-8000-00AA00389B71}\" bitrate=\"1\">"
       "<videoinfoheader><bitmapinfoheader biwidth=\"0\" biheight=\"0\"/></videoinfoheader>"
       "</streamconfig></profile>"},
      {"an audio stream without a bit rate",
       "<profile><streamconfig majortype=\"{73647561-0000-0010-8000-00AA00389B71}\">"
       "<waveformatex nChannels=\"2\" nSamplesPerSec=\"44100\"/></streamconfig></profile>"},
  };
  for (const Row& row : refused) EXPECT_FALSE(codec::ParsePrxProfile(row.text, &profile, &why)) << row.name;
}

}  // namespace
