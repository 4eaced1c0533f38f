// What a new task takes from the probe (with its clamps and the codec
// library's fallback) and from the current output type.
#include <gtest/gtest.h>

#include "tests/support/ModelFixture.h"

namespace {

class TaskSettingsTest : public ::testing::Test {
 protected:
  void SetUp() override { fixture.AddEngine("MuxCast.dll", "AVI,", "AVI,"); }
  CTaskRecord* Add(const std::string& name) {
    return fixture.list.AddFile(fixture.Source(name).c_str());
  }
  ModelFixture fixture;
};

TEST_F(TaskSettingsTest, ProbeClampsBitRateAndFrameRate) {
  ASSERT_TRUE(fixture.Init());
  const struct {
    DWORD bitRate;
    LONGLONG frameDuration;
    int expectedRate, expectedFps;
  } cases[] = {
      {500000, 200000, 800000, 30},     // 50 fps is lowered to 30
      {6000000, 0, 4000000, 30},         // no duration: 30
      {800000, 400000, 800000, 25},
      {800001, 333667, 800001, 29},
      {4000000, 100000000, 4000000, 30},  // 0.1 fps truncates to 0: 30
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.bitRate);
    g_scriptedMedia.videoBitRate = c.bitRate;
    g_scriptedMedia.frameDuration = c.frameDuration;
    CTaskRecord* task = Add("clip.avi");
    ASSERT_NE(nullptr, task);
    EXPECT_EQ(c.expectedRate, task->sourceVideoBitRate);
    EXPECT_EQ(c.expectedFps, task->sourceFrameRate);
  }
}

TEST_F(TaskSettingsTest, NewTaskCarriesProbedValuesAndDefaults) {
  ASSERT_TRUE(fixture.Init());
  g_scriptedMedia.bits = 0;
  g_scriptedMedia.compression = MAKEFOURCC('Y', 'V', '1', '2');
  g_scriptedMedia.bytesPerSecond = 16000;
  CTaskRecord* task = Add("clip.avi");
  ASSERT_NE(nullptr, task);
  EXPECT_EQ("Unconvert", task->stateText);
  EXPECT_EQ("00:00:03", task->mediaTime);
  EXPECT_EQ(24, task->sourceBitsPerSample);
  EXPECT_EQ(128, task->sourceAudioKbps);
  EXPECT_EQ(2, task->colourFormat);
  EXPECT_EQ(320, task->sourceWidth);
  EXPECT_EQ(240, task->sourceHeight);
  EXPECT_EQ(1, task->hasAudio);
  EXPECT_EQ(1, task->hasVideo);
  EXPECT_EQ(3000, task->audioBufferWindow);
  EXPECT_EQ(200000, task->peakVideoBitRate);
}

TEST_F(TaskSettingsTest, UnprobeableFileIsRefused) {
  ASSERT_TRUE(fixture.Init());
  g_scriptedMedia.result = 4;
  EXPECT_EQ(nullptr, Add("clip.avi"));
  EXPECT_EQ(0, fixture.list.GetCount());
}

TEST_F(TaskSettingsTest, CodecLibraryFillsTheMissingStream) {
  fixture.AddCodec(
      "[Video]\nResult=0\nWidth=352\nHeight=288\nFrameRate=50\nBitRate=150000\n"
      "[Audio]\nResult=0\nChannels=1\nSampleRate=22050\nBitRate=64000\n");
  ASSERT_TRUE(fixture.Init());
  const struct {
    int probe;
    const char* videoScript;
    int hasVideo, hasAudio, videoRate, width, fps, sampleRate;
  } cases[] = {
      // The library's own bit rate decides: 150000 is raised to 200000.
      {2, "BitRate=150000", 1, 1, 200000, 352, 50, 44100},
      {2, "BitRate=1500000", 1, 1, 1500000, 352, 50, 44100},
      {2, "BitRate=9000000", 1, 1, 4000000, 352, 50, 44100},
      {1, "BitRate=1500000", 1, 1, 1000000, 320, 25, 22050},
      {3, "BitRate=1500000", 1, 1, 1500000, 352, 50, 22050},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.probe);
    SCOPED_TRACE(c.videoScript);
    WritePrivateProfileStringA("Video", "BitRate", strchr(c.videoScript, '=') + 1,
                               fixture.install.File("VarnoCodec.dll.ini").c_str());
    g_scriptedMedia.result = c.probe;
    CTaskRecord* task = Add("clip.avi");
    ASSERT_NE(nullptr, task);
    EXPECT_EQ(c.hasVideo, task->hasVideo);
    EXPECT_EQ(c.hasAudio, task->hasAudio);
    EXPECT_EQ(c.videoRate, task->sourceVideoBitRate);
    EXPECT_EQ(c.width, task->sourceWidth);
    EXPECT_EQ(c.fps, task->sourceFrameRate);
    EXPECT_EQ(c.sampleRate, task->sourceSampleRate);
  }
}

TEST_F(TaskSettingsTest, WithoutCodecAnswerTheStreamIsGone) {
  fixture.AddCodec("[Main]\nResult=0\n");  // both probes fail
  ASSERT_TRUE(fixture.Init());
  g_scriptedMedia.result = 2;
  CTaskRecord* task = Add("tone.avi");
  ASSERT_NE(nullptr, task);
  EXPECT_EQ(0, task->hasVideo);
  EXPECT_EQ(1, task->hasAudio);
  g_scriptedMedia.result = 3;
  EXPECT_EQ(nullptr, Add("nothing.avi"));
}

TEST_F(TaskSettingsTest, SupportedExtensions) {
  ASSERT_TRUE(fixture.Init());
  const struct {
    const char* name;
    BOOL supported;
  } cases[] = {
      {"a.avi", TRUE}, {"a.RmVb", TRUE}, {"a.mp", TRUE},  // ".MP" is part of "*.MPG"
      {"a.vob", TRUE}, {"a.dat", TRUE},  {"a.mp3", FALSE}, {"a.jpg", FALSE},
      {"noext", FALSE}, {"a.", FALSE},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.supported, fixture.list.IsSupportedFile(fixture.Source(c.name).c_str()));
  }
  EXPECT_FALSE(fixture.list.IsSupportedFile(fixture.sources.File("missing.avi").c_str()));
}

TEST_F(TaskSettingsTest, OutputTypeSetsAudioAndSize) {
  ASSERT_TRUE(fixture.Init());
  fixture.config.Set("VideoSize", (352 << 16) | 288);
  fixture.config.Set("MaxWidth", 640);
  fixture.config.Set("KeepSourceRatio", 0);  // the chosen size's own ratio
  const struct {
    int typeIndex;
    const char* source;
    int audioFormat;  // "AudioFormatData"
    int sampleRate, channels, audioCodec, videoCodecIndex, width, height;
  } cases[] = {
      // Type 1 with the source's own audio.
      {1, "a.avi", -1, 44100, 2, 1, 0, 352, 288},
      // Choice 7 of five rates x two channel texts: rate 3 and channel 1.
      {1, "a.avi", 7, 44100, 2, 1, 0, 352, 288},
      {1, "a.avi", 2, 24000, 1, 1, 0, 352, 288},
      // Type 6 takes 8000 Hz whatever the choice, and AMR_NB makes it mono.
      {3, "a.avi", 7, 8000, 1, 5, 0, 352, 288},
      // Type 7 with XviD: codec index 1; a VOB source is always stereo.
      {4, "a.vob", 6, 44100, 2, 6, 1, 352, 288},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typeIndex);
    SCOPED_TRACE(c.audioFormat);
    fixture.config.Set("AudioFormatData", c.audioFormat);
    fixture.UseOutputType(c.typeIndex);
    CTaskRecord* task = Add(c.source);
    ASSERT_NE(nullptr, task);
    EXPECT_EQ(c.sampleRate, task->sampleRate);
    EXPECT_EQ(c.channels, task->channels);
    EXPECT_EQ(c.audioCodec, task->audioCodec);
    EXPECT_EQ(c.audioCodec, task->audioCodecId);
    EXPECT_EQ(c.videoCodecIndex, task->videoCodecIndex);
    EXPECT_EQ(c.width, task->width);
    EXPECT_EQ(c.height, task->height);
  }
}

// What reaches the recompression engine's "CODECINDEX" text.
TEST_F(TaskSettingsTest, TheRecompressingTypeTakesTheChosenCompressors) {
  fixture.WriteProfile(std::string(kBasicProfile) + "[OT6]\nID=3\nAP=pcm\nVP=cinepak\nDesc=ASF3\n");
  ASSERT_TRUE(fixture.Init());
  fixture.config.Set("VideoParamCodecIndex", 2);
  fixture.config.Set("AudioParamCodecIndex", -1);
  for (int typeIndex : {0, 6}) {
    SCOPED_TRACE(typeIndex);
    fixture.UseOutputType(typeIndex);
    fixture.config.Set("UseUserDefined", 1);
    CTaskRecord* task = Add("a.avi");
    ASSERT_NE(nullptr, task);
    EXPECT_EQ(2, task->videoCodecId);
    EXPECT_EQ(-1, task->audioCodecId);
    // Where the dialog offers no compressors, the type's own by name.
    fixture.config.Set("UseUserDefined", 0);
    task = Add("b.avi");
    ASSERT_NE(nullptr, task);
    EXPECT_EQ(task->videoCodecIndex, task->videoCodecId);
    EXPECT_EQ(task->audioCodec, task->audioCodecId);
  }
}

TEST_F(TaskSettingsTest, ApplyReadsTheProfileOncePerCall) {
  ASSERT_TRUE(fixture.Init());
  fixture.UseOutputType(1);
  for (int i = 0; i < 20; ++i) ASSERT_NE(nullptr, Add("a.avi"));
  fixture.config.iniReads = 0;
  fixture.config.videoSizeQueries.clear();
  ASSERT_TRUE(fixture.list.ApplyOutputType());
  // The audio lists and the naming: a handful of reads, not twenty times that.
  EXPECT_LE(fixture.config.iniReads, 6);
  EXPECT_EQ(std::vector<int>{1}, fixture.config.videoSizeQueries);
}

TEST_F(TaskSettingsTest, DeletingTasksRemovesTheirTemporaryFiles) {
  ASSERT_TRUE(fixture.Init());
  for (const char* name : {"a.avi", "b.avi", "c.avi"}) ASSERT_NE(nullptr, Add(name));
  std::string temp = fixture.output.File("a.tmp");
  vrctest::WriteFile(temp, "x");
  fixture.list.GetTask(1)->tempPath = temp;
  EXPECT_EQ(2, fixture.list.DeleteTasks(1, 1));
  EXPECT_FALSE(vrctest::FileExists(temp));
  EXPECT_EQ(fixture.sources.File("c.avi"), fixture.list.GetTask(1)->sourcePath);
  EXPECT_EQ(2, fixture.list.DeleteTasks(5, 1));   // outside: nothing
  EXPECT_EQ(0, fixture.list.DeleteTasks(0, 10));  // cut to what is there
  EXPECT_EQ(nullptr, fixture.list.GetTask(0));
  EXPECT_EQ(nullptr, fixture.list.GetTask(-1));
}

TEST_F(TaskSettingsTest, AChangeOfOutputTypeAppliesToMp3AndStillImageTasks) {
  ASSERT_TRUE(fixture.Init());
  for (int type : {kOutputTypeStillImage, kOutputTypeMp3}) {
    CTaskRecord task;
    task.outputType = type;
    ASSERT_TRUE(fixture.list.LoadOutputSettings(1, &task)) << type;
    EXPECT_EQ(1, task.outputType) << type;
  }
}

TEST_F(TaskSettingsTest, StillImageAndMp3TasksTakeTheirOwnSettings) {
  ASSERT_TRUE(fixture.Init());
  // An index the catalogue does not hold (as in the music and photo
  // modules' own): the tasks keep their types.
  const int kNoEntry = 50;
  CTaskRecord photo;
  photo.outputType = kOutputTypeStillImage;
  photo.sourceWidth = 1600;
  photo.sourceHeight = 1200;
  fixture.config.Set("PhotoResolutionData", (800 << 16) | 450);
  fixture.config.Set("KeepImageRatio", 0);
  fixture.config.Set("PhotoQualityData", 85);
  ASSERT_TRUE(fixture.list.LoadOutputSettings(kNoEntry, &photo));
  EXPECT_EQ(kOutputTypeStillImage, photo.outputType);  // no entry to take
  EXPECT_EQ(800, photo.width);
  EXPECT_EQ(450, photo.height);
  EXPECT_EQ(85, photo.videoQuality);
  fixture.config.Set("KeepImageRatio", 1);
  ASSERT_TRUE(fixture.list.LoadOutputSettings(kNoEntry, &photo));
  EXPECT_EQ(600, photo.height);

  CTaskRecord music;
  music.outputType = kOutputTypeMp3;
  fixture.config.Set("MP3SamplingRate", 96000);
  fixture.config.Set("MP3Bitrate", 192);
  fixture.config.Set("MP3Channel", 1);
  ASSERT_TRUE(fixture.list.LoadOutputSettings(kNoEntry, &music));
  EXPECT_EQ(48000, music.sampleRate);
  EXPECT_EQ(192, music.audioBitRate);
  EXPECT_EQ(1, music.channels);
  EXPECT_EQ(2, music.audioCodec);
  EXPECT_EQ((std::vector<int>{8, 8, 9}), fixture.config.videoSizeQueries);  // once per call
}

}  // namespace
