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

  ModuleHarness m_harness;
  CVideoModule* m_module = NULL;
  std::vector<std::string> m_temps;
};

TEST_F(StandInConversion, AviSourceToMp4InSegmentsThroughTheCodecLibrary) {
  Config().Set("Splitter", 2);  // a 3 s clip: 2 s and the 1 s rest
  std::string output = ConvertOne(Media("clip.avi"), 5);
  EXPECT_FALSE(vrctest::FileExists(output)) << "the segments are the outputs";
  const double lengths[] = {2, 1};
  for (int n = 0; n < 2; ++n) {
    std::string segment = output + "_" + std::to_string(n + 1) + ".mp4";
    ExpectAudioAndVideo(Probe(segment), segment, 320, 240, lengths[n]);
  }
}

TEST_F(StandInConversion, MpgSourceToPspInTwoPassesThroughTheCodecLibrary) {
  Config().Set("Used2Pass", 1);
  Config().Set("Splitter", 0);
  std::string output = ConvertOne(Media("clip.mpg"), 7);
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
