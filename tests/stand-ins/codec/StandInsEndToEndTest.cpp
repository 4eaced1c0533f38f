// Conversions end to end through the video module with the stand-ins that
// ffmpeg.exe serves: the codec library (in segments and in two passes),
// StreamCast with the shipped Windows Media profile, and (through the
// runner) PicCast with the image tool. Every output is probed with ffmpeg for its streams, picture
// size and duration.
#include <gtest/gtest.h>

#include <math.h>

#include "base/Handles.h"
#include "modules/framework/runner/ConvertRunner.h"
#include "stand-ins/codec/FfmpegRun.h"
#include "tests/support/ModelFixture.h"
#include "tests/support/ModuleHarness.h"
#include "winfx/Seams.h"

namespace {

int WINAPI AnswerYes(HWND, const char*, const char*, UINT) { return IDYES; }

// Both streams, the picture size and the duration (within what the
// containers' start-up adds).
void ExpectAudioAndVideo(const codec::MediaFacts& facts, const std::string& path, int width,
                         int height, double seconds) {
  EXPECT_TRUE(facts.hasVideo && facts.hasAudio) << path;
  EXPECT_EQ(width, facts.width) << path;
  EXPECT_EQ(height, facts.height) << path;
  EXPECT_NEAR(seconds, facts.duration, 0.3) << path;
}

class StandInConversion : public ::testing::Test {
 protected:
  void SetUp() override {
    VrcSetMessageBoxSeam(AnswerYes);
    std::string program = vrctest::ProgramFolder();
    for (const char* file :
         {"VarnoCodec.dll", "StreamCast.dll", "ASF3.prx"})
      ASSERT_TRUE(vrctest::CopyInto(program + file, m_harness.install.Path())) << file;
    ASSERT_TRUE(m_harness.Start());
    m_module = m_harness.module;
    m_temps = vrctest::RunnerTempFiles();
  }
  void TearDown() override {
    m_harness.Stop();
    VrcSetMessageBoxSeam(NULL);
    EXPECT_EQ(m_temps, vrctest::RunnerTempFiles()) << "a temporary file stayed behind";
  }
  CTaskRecord* Task(int index) { return m_harness.Task(index); }
  CFakeConfig& Config() { return m_harness.configModule.config; }
  codec::MediaFacts Probe(const std::string& path) {
    return codec::ProbeMedia(vrctest::ProgramFolder() + "ffmpeg.exe", path);
  }
  // Converts the one task and gives back the name its output had.
  std::string ConvertOne(const std::string& source, int outputTypeIndex) {
    EXPECT_EQ(1, m_module->AddFile(source.c_str())) << source;
    m_harness.UseOutputType(outputTypeIndex);
    std::string output = Task(0) ? Task(0)->outputPath : "";
    EXPECT_EQ(1, m_module->Convert());
    EXPECT_EQ("Convert Successful", Task(0) ? Task(0)->stateText : "") << source;
    return output;
  }

  void ExpectSegmentsCoverTheSource(const char* name);

  ModuleHarness m_harness;
  CVideoModule* m_module = NULL;
  std::vector<std::string> m_temps;
};

// The probe's media time is whole seconds cut down (2.6 s reads as 2): the
// segments still add up to the whole source, within a frame or two.
void StandInConversion::ExpectSegmentsCoverTheSource(const char* name) {
  Config().Set("Splitter", 2);
  std::string source = Media(name);
  double whole = Probe(source).duration;
  std::string output = ConvertOne(source, 5);
  EXPECT_FALSE(vrctest::FileExists(output)) << "the segments are the outputs";
  double sum = 0;
  for (int n = 1; n <= 2; ++n) {
    std::string segment = output + "_" + std::to_string(n) + ".mp4";
    codec::MediaFacts facts = Probe(segment);
    EXPECT_TRUE(facts.hasVideo && facts.hasAudio) << segment;
    EXPECT_EQ(320, facts.width) << segment;
    sum += facts.duration;
  }
  EXPECT_NEAR(whole, sum, 0.1) << name << ": the segments lost part of the source";
}

TEST_F(StandInConversion, SegmentsThroughTheCodecLibraryCoverAThreeSecondClip) {
  ExpectSegmentsCoverTheSource("clip.avi");
}

TEST_F(StandInConversion, SegmentsThroughTheCodecLibraryCoverAClipOfNoWholeSeconds) {
  ExpectSegmentsCoverTheSource("odd.avi");
}

TEST_F(StandInConversion, MpgSourceToPspInTwoPassesThroughTheCodecLibrary) {
  Config().Set("Used2Pass", 1);
  Config().Set("Splitter", 0);
  char before[MAX_PATH] = "", after[MAX_PATH] = "";
  GetCurrentDirectoryA(MAX_PATH, before);
  std::string output = ConvertOne(Media("clip.mpg"), 7);
  GetCurrentDirectoryA(MAX_PATH, after);
  codec::MediaFacts facts = Probe(output);
  ExpectAudioAndVideo(facts, output, 320, 240, 3);
  EXPECT_EQ(24000, facts.sampleRate);
  EXPECT_STREQ(before, after) << "the codec library kept the program's current folder";
  WIN32_FIND_DATAA found;
  CFindHandle logs(FindFirstFileA((m_harness.install.Path() + "2pass*").c_str(), &found));
  EXPECT_FALSE(logs.IsValid()) << "the pass log stayed in the installation folder";
}

// The portable player's container needs sound: a source without any gets a
// silent track of the profile's sound.
TEST_F(StandInConversion, AClipWithoutSoundToPspGetsASilentTrack) {
  Config().Set("Splitter", 0);
  Config().Set("Used2Pass", 0);
  ASSERT_EQ(1, m_module->AddFile(Media("silent.avi").c_str()));
  m_harness.UseOutputType(7);
  std::string output = Task(0) ? Task(0)->outputPath : "";
  // The row still says that the source had no sound of its own.
  EXPECT_EQ(4, m_module->Convert());
  EXPECT_EQ("Convert Successful, No Audio", Task(0) ? Task(0)->stateText : "");
  codec::MediaFacts facts = Probe(output);
  ExpectAudioAndVideo(facts, output, 320, 240, 3);
  EXPECT_EQ(24000, facts.sampleRate);
}

TEST_F(StandInConversion, AviSourceToWindowsMediaThroughStreamCast) {
  std::string output = ConvertOne(Media("clip.avi"), 3);
  codec::MediaFacts facts = Probe(output);
  // The shipped profile's picture and sound.
  ExpectAudioAndVideo(facts, output, 320, 240, 3);
  EXPECT_EQ(44100, facts.sampleRate);
  EXPECT_EQ(2, facts.channels);
  // The profile's copy under the compressor choice's name is gone.
  std::string install = m_harness.install.Path();
  WIN32_FIND_DATAA found;
  CFindHandle copies(FindFirstFileA((install + "CODECINDEX*").c_str(), &found));
  EXPECT_FALSE(copies.IsValid());
}

// The video module takes no pictures, so a frame of the generated clip goes
// through the runner's still-image method with the real engines of an
// installation: PicCast and the image tool.
TEST(StillImageConversion, AVideoFrameToAJpegOfTheChosenSize) {
  ModelFixture model;
  for (const char* file : {"PicCast.dll", "Alchemy.exe", "ffmpeg.exe"})
    ASSERT_TRUE(vrctest::CopyInto(vrctest::ProgramFolder() + file, model.install.Path())) << file;
  ASSERT_TRUE(model.Init());
  model.config.SetText("ImageTempFolder", model.output.File("imagetemp"));
  CConvertRunner runner;
  runner.SetConverterManager(&model.manager);
  runner.SetConfig(&model.config);
  CTaskRecord task;
  task.Clear();
  task.sourcePath = Media("frame.bmp");
  task.outputPath = model.output.File("frame.jpg");
  task.width = 176;
  task.height = 144;
  task.videoQuality = 100;
  EXPECT_EQ(1, runner.ConvertToImage(task, NULL, NULL));
  codec::MediaFacts facts = codec::ProbeMedia(model.install.File("ffmpeg.exe"), task.outputPath);
  EXPECT_TRUE(facts.hasVideo) << task.outputPath;
  EXPECT_FALSE(facts.hasAudio);
  EXPECT_EQ(176, facts.width);
  EXPECT_EQ(144, facts.height);
}

}  // namespace
