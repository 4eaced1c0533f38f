// The media probe on the generated test media, through the platform's real
// media detector (under Wine: its GStreamer-backed IMediaDet).
#include <gtest/gtest.h>

#include <windows.h>
#include <dshow.h>
#include <dvdmedia.h>
#include <string.h>

#include "modules/framework/model/MediaInfoCtrl.h"
#include "tests/support/ModelFixture.h"

namespace {

std::string Media(const std::string& name) {
  return vrctest::TestFolder() + "..\\testmedia\\" + name;
}

class MediaProbeTest : public ::testing::Test {
 protected:
  void SetUp() override { CoInitialize(NULL); }
  void TearDown() override { CoUninitialize(); }
};

struct ProbeCase {
  const char* file;
  int result;
  const char* mediaTime;
  int width;       // 0: no video header expected
  int sampleRate;  // 0: no audio format expected
};

TEST_F(MediaProbeTest, ResultByStreamContent) {
  const ProbeCase cases[] = {
      {"clip.avi", 0, "00:00:03", 320, 44100},
      {"clip.wmv", 0, "00:00:03", 320, 44100},
      {"clip.asf", 0, "00:00:03", 320, 44100},
      {"clip.mp4", 0, "00:00:03", 320, 44100},
      {"clip.mov", 0, "00:00:03", 320, 44100},
      {"clip.rm", 0, "00:00:03", 320, 44100},
      // MPEG program streams report a length just under their 3 seconds.
      {"clip.mpg", 0, "00:00:02", 320, 44100},
      {"clip.vob", 0, "00:00:02", 320, 44100},
      {"clip.dat", 0, "00:00:02", 320, 44100},
      {"silent.avi", 1, "00:00:03", 320, 0},
      {"tone.wav", 2, "00:00:03", 0, 44100},
      {"tone.mp3", 2, "00:00:03", 0, 44100},
      {"tone.wma", 2, "00:00:03", 0, 44100},
      {"tone.mp2", 2, "00:00:03", 0, 44100},
      {"soundonly.avi", 2, "00:00:03", 0, 44100},
      {"truncated.avi", 4, "00:00:00", 0, 0},
      {"garbage.avi", 4, "00:00:00", 0, 0},
  };
  for (const ProbeCase& c : cases) {
    SCOPED_TRACE(c.file);
    VIDEOINFOHEADER video = {};
    WAVEFORMATEX audio = {};
    std::string mediaTime;
    EXPECT_EQ(c.result, CMediaInfoCtrl::GetMediaInfo(&video, &audio, Media(c.file).c_str(),
                                                     &mediaTime));
    EXPECT_EQ(c.mediaTime, mediaTime);
    EXPECT_EQ(c.width, video.bmiHeader.biWidth);
    EXPECT_EQ(c.sampleRate, (int)audio.nSamplesPerSec);
  }
}

// One stream's media type as a splitter reports it: every video format type
// counts as video, and the picture size comes from the header that the type
// names, wherever its bitmap header sits.
TEST(MediaStreamTypes, EveryVideoHeaderCountsAndGivesItsPictureSize) {
  VIDEOINFOHEADER info = {};
  info.bmiHeader.biWidth = 320;
  BYTE mpeg1[104] = {};
  memcpy(mpeg1, &info, sizeof(info));
  VIDEOINFOHEADER2 info2 = {};
  info2.bmiHeader.biWidth = 720;
  info2.AvgTimePerFrame = 400000;
  MPEG2VIDEOINFO mpeg2 = {};
  mpeg2.hdr = info2;
  WAVEFORMATEX wave = {};
  wave.nSamplesPerSec = 44100;
  const struct {
    const char* name;
    GUID major;
    GUID format;
    const void* block;
    ULONG size;
    bool haveVideo;
    int taken;
    int width;
    int sampleRate;
  } rows[] = {
      {"VideoInfo", MEDIATYPE_Video, FORMAT_VideoInfo, &info, sizeof(info), false, 1, 320, 0},
      {"MPEG-1 video", MEDIATYPE_Video, FORMAT_MPEGVideo, mpeg1, sizeof(mpeg1), false, 1, 320, 0},
      {"VideoInfo2", MEDIATYPE_Video, FORMAT_VideoInfo2, &info2, sizeof(info2), false, 1, 720, 0},
      {"MPEG-2 video", MEDIATYPE_Video, FORMAT_MPEG2Video, &mpeg2, sizeof(mpeg2), false, 1, 720, 0},
      {"VideoInfo2 too short", MEDIATYPE_Video, FORMAT_VideoInfo2, &info2, 88, false, 1, 0, 0},
      {"a second video stream", MEDIATYPE_Video, FORMAT_VideoInfo2, &info2, sizeof(info2), true, 0,
       0, 0},
      {"an unknown video format", MEDIATYPE_Video, FORMAT_None, &info, sizeof(info), false, 0, 0, 0},
      {"wave audio", MEDIATYPE_Audio, FORMAT_WaveFormatEx, &wave, sizeof(wave), false, 2, 0, 44100},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    AM_MEDIA_TYPE type = {};
    type.majortype = row.major;
    type.formattype = row.format;
    type.pbFormat = static_cast<BYTE*>(const_cast<void*>(row.block));
    type.cbFormat = row.size;
    VIDEOINFOHEADER video = {};
    WAVEFORMATEX audio = {};
    EXPECT_EQ(row.taken, TakeMediaStream(type, row.haveVideo, false, &video, &audio));
    EXPECT_EQ(row.width, video.bmiHeader.biWidth);
    EXPECT_EQ(row.sampleRate, static_cast<int>(audio.nSamplesPerSec));
    if (row.width == 720) EXPECT_EQ(400000, video.AvgTimePerFrame) << "the frame time is kept";
  }
}

TEST_F(MediaProbeTest, MissingFileFails) {
  VIDEOINFOHEADER video = {};
  WAVEFORMATEX audio = {};
  std::string mediaTime = "junk";
  EXPECT_EQ(kMediaFailed,
            CMediaInfoCtrl::GetMediaInfo(&video, &audio, Media("none.avi").c_str(), &mediaTime));
  EXPECT_EQ("00:00:00", mediaTime);
}

TEST_F(MediaProbeTest, TaskListAddsWhatTheDetectorReads) {
  ModelFixture fixture;
  fixture.AddEngine("MuxCast.dll", "AVI,", "AVI,");
  ASSERT_TRUE(fixture.Init());
  fixture.list.SetMediaProbe(NULL);  // the platform's probe
  CTaskRecord* task = fixture.list.AddFile(Media("clip.avi").c_str());
  ASSERT_NE(nullptr, task);
  EXPECT_EQ(320, task->sourceWidth);
  EXPECT_EQ(240, task->sourceHeight);
  EXPECT_EQ(25, task->sourceFrameRate);
  EXPECT_EQ(44100, task->sourceSampleRate);
  EXPECT_EQ(2, task->sourceChannels);
  EXPECT_EQ(1411, task->sourceAudioKbps);
  EXPECT_EQ("00:00:03", task->mediaTime);
  EXPECT_EQ(fixture.output.File("clip.AVI"), task->outputPath);
  EXPECT_EQ(nullptr, fixture.list.AddFile(Media("garbage.avi").c_str()));
  EXPECT_EQ(1, fixture.list.GetCount());
}

}  // namespace
