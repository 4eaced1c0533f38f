// The Windows Media profile's plan against a scripted codec list, and the
// profile file written byte for byte.
#include <gtest/gtest.h>

#include <map>

#include "modules/framework/runner/WMProfile.h"
#include "modules/framework/runner/WMProfilePlan.h"
#include "tests/support/TestSupport.h"

namespace {

class CScriptedCodecs : public IWMCodecFinder {
 public:
  std::map<std::string, int> codecs;
  int format = -1;
  int FindCodec(const char* name, bool) override {
    auto found = codecs.find(name);
    return found == codecs.end() ? -1 : found->second;
  }
  int FindAudioFormat(CTaskRecord*, int) override { return format; }
};

CTaskRecord Task(int type, bool audio, bool video) {
  CTaskRecord task;
  task.Clear();
  task.outputType = type;
  task.hasAudio = audio;
  task.hasVideo = video;
  task.sampleRate = 44100;
  task.channels = 2;
  task.bitsPerSample = 16;
  task.frameRate = 25;
  task.keyFrameSpacing = 8;
  return task;
}

TEST(WMProfilePlan, StreamsByTable) {
  CScriptedCodecs none;
  struct Row {
    const char* name;
    bool audio, video;
    bool planAudio, planVideo;
    int audioNumber, videoNumber;
  } rows[] = {
      {"no audio: one video stream numbered 1", false, true, false, true, 0, 1},
      {"both: audio 1, video 2", true, true, true, true, 1, 2},
      {"audio only", true, false, true, false, 1, 0},
  };
  for (const Row& row : rows) {
    WMProfilePlan plan;
    ASSERT_EQ(S_OK, PlanWMProfile(Task(2, row.audio, row.video), none, &plan)) << row.name;
    EXPECT_EQ(row.planAudio, plan.hasAudio) << row.name;
    EXPECT_EQ(row.planVideo, plan.hasVideo) << row.name;
    if (plan.hasAudio) {
      EXPECT_EQ(row.audioNumber, plan.audioNumber) << row.name;
    }
    if (plan.hasVideo) {
      EXPECT_EQ(row.videoNumber, plan.videoNumber) << row.name;
    }
  }
  EXPECT_STREQ("Video", kWMVideoStreamName);
  EXPECT_STREQ("Audio", kWMAudioStreamName);
  EXPECT_STREQ("VarnoProfile", kWMProfileName);
}

TEST(WMProfilePlan, UncompressedAudioFields) {
  CScriptedCodecs none;
  CTaskRecord task = Task(2, true, false);
  task.audioCodec = -1;
  WMProfilePlan plan;
  ASSERT_EQ(S_OK, PlanWMProfile(task, none, &plan));
  ASSERT_TRUE(plan.audio.uncompressed);
  EXPECT_EQ(WAVE_FORMAT_PCM, plan.audio.pcm.wFormatTag);
  EXPECT_EQ(4, plan.audio.pcm.nBlockAlign);
  EXPECT_EQ(176400u, plan.audio.pcm.nAvgBytesPerSec);
  EXPECT_EQ(44100u, plan.audio.pcm.nSamplesPerSec);
  EXPECT_EQ(16, plan.audio.pcm.wBitsPerSample);
  EXPECT_EQ(0, plan.audio.pcm.cbSize);
  EXPECT_EQ(2u * 16 * 44100, plan.audio.bitRate);
}

TEST(WMProfilePlan, CodecChoiceForOtherTypes) {
  struct Row {
    const char* name;
    std::map<std::string, int> codecs;
    int format;
    bool keepSource;
    bool uncompressed;
    int audioCodec, audioFormat, videoCodec;
  } rows[] = {
      {"WMA 9 and MPEG-4 V3", {{"Windows Media Audio 9", 2}, {"Windows Media MPEG-4 Video V3", 4}},
       7, false, false, 2, 7, 4},
      {"WMA 9.1, no fitting format, ISO MPEG-4",
       {{"Windows Media Audio 9.1", 3}, {"ISO MPEG-4 Video V1", 5}}, -1, false, false, 3, 31, 5},
      {"neither WMA gives uncompressed audio, video codec 0", {}, 7, false, true, 0, 0, 0},
  };
  for (const Row& row : rows) {
    CScriptedCodecs codecs;
    codecs.codecs = row.codecs;
    codecs.format = row.format;
    WMProfilePlan plan;
    ASSERT_EQ(S_OK, PlanWMProfile(Task(3, true, true), codecs, &plan)) << row.name;
    EXPECT_EQ(row.uncompressed, plan.audio.uncompressed) << row.name;
    if (!row.uncompressed) {
      EXPECT_EQ(row.audioCodec, plan.audio.codecIndex) << row.name;
      EXPECT_EQ(row.audioFormat, plan.audio.formatIndex) << row.name;
    }
    EXPECT_EQ(row.videoCodec, plan.video.codecIndex) << row.name;
  }
  CScriptedCodecs none;
  CTaskRecord keep = Task(3, true, false);
  keep.keepSourceAudio = 1;
  keep.sourceSampleRate = 22050;
  keep.sourceChannels = 1;
  keep.sourceBitsPerSample = 8;
  WMProfilePlan plan;
  ASSERT_EQ(S_OK, PlanWMProfile(keep, none, &plan));
  EXPECT_EQ(22050u, plan.audio.pcm.nSamplesPerSec) << "the source's audio is kept";
  EXPECT_EQ(1, plan.audio.pcm.nBlockAlign);
}

TEST(WMProfilePlan, VideoNumbersAndVbrModes) {
  CScriptedCodecs none;
  struct Row {
    const char* name;
    int mode;
    HRESULT hr;
    DWORD passes;
  } rows[] = {{"mode 0", 0, S_OK, 0}, {"mode 1", 1, S_OK, 1}, {"mode 2", 2, S_OK, 2},
              {"mode 3", 3, S_OK, 2}, {"mode 4 fails", 4, E_FAIL, 0}, {"mode -1 fails", -1, E_FAIL, 0}};
  for (const Row& row : rows) {
    CTaskRecord task = Task(2, false, true);
    task.videoVbrMode = row.mode;
    WMProfilePlan plan;
    EXPECT_EQ(row.hr, PlanWMProfile(task, none, &plan)) << row.name;
    if (row.hr == S_OK) {
      EXPECT_EQ(row.passes, plan.video.passes) << row.name;
    }
  }
  CTaskRecord task = Task(2, false, true);
  WMProfilePlan plan;
  ASSERT_EQ(S_OK, PlanWMProfile(task, none, &plan));
  EXPECT_EQ(400000, plan.video.timePerFrame);
  EXPECT_EQ(80000000, plan.video.keyFrameSpacing);
  task.frameRate = 0;  // a probe may report no frame rate
  ASSERT_EQ(S_OK, PlanWMProfile(task, none, &plan));
  EXPECT_EQ(0, plan.video.timePerFrame);
}

TEST(WMProfileFile, WritesExactlyTheProfileText) {
  vrctest::TempDir folder;
  const wchar_t text[] = L"<profile version=\"589824\" name=\"VarnoProfile\"></profile>";
  DWORD bytes = (DWORD)(wcslen(text) * 2);
  std::string path = folder.File("Profile.prx");
  vrctest::WriteFile(path, std::string(500, 'x'));  // replaced, not overwritten in part
  ASSERT_EQ(S_OK, WriteProfileAsPRX(path.c_str(), text, bytes));
  EXPECT_EQ(std::string((const char*)text, bytes), vrctest::ReadFile(path));
  HRESULT hr = WriteProfileAsPRX(folder.File("no\\such\\Profile.prx").c_str(), text, bytes);
  EXPECT_EQ(HRESULT_FROM_WIN32(ERROR_PATH_NOT_FOUND), hr);
}

}  // namespace
