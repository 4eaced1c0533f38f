// Output types and audio choices read from fixture profiles, the naming
// options and command templates, and the clean failures of a bad choice.
#include <gtest/gtest.h>

#include "tests/support/ModelFixture.h"

namespace {

class OutputTypesTest : public ::testing::Test {
 protected:
  void SetUp() override { fixture.AddEngine("PicCast.dll", "BMP,", "JPG,"); }
  bool InitWith(const std::string& profile) {
    fixture.WriteProfile(profile);
    return fixture.Init();
  }
  std::vector<int> Ids() {
    std::vector<int> ids;
    OutputTypeEntry entry;
    for (int i = 0; fixture.manager.GetOutputType(i, &entry); ++i) ids.push_back(entry.id);
    return ids;
  }
  ModelFixture fixture;
};

const char kCodecs[] = "[AUDIO]\na=MPEG-1\n[VIDEO]\nv=MPEG-4\n";

std::string Type(int n, const std::string& keys) {
  return "[OT" + std::to_string(n) + "]\n" + keys + "\n";
}

TEST_F(OutputTypesTest, UnusableSectionsAreSkipped) {
  ASSERT_TRUE(InitWith(std::string(kCodecs) +
                       Type(0, "ID=0\nAP=a\nVP=v\nDesc=zero") +
                       Type(1, "ID=1\nAP=a\nVP=v\nDesc=one") +
                       Type(2, "ID=2\nAP=a\nVP=v\nDesc=two") +
                       Type(3, "ID=3\nAP=a\nVP=v\nDesc=three\nDisable=1") +
                       Type(4, "ID=4\nAP=a\nVP=v\nDesc=four") +
                       Type(5, "AP=a\nVP=v\nDesc=no id") +
                       Type(6, "ID=6\nAP=unknown\nVP=v\nDesc=no audio name") +
                       Type(7, "ID=7\nAP=a\nVP=\nDesc=no video key") +
                       Type(8, "ID=8\nAP=a\nVP=v\nDesc=") +
                       Type(9, "ID=9\nAP=a\nVP=v\nDesc=nine\nDisable=0")));
  EXPECT_EQ((std::vector<int>{0, 1, 2, 4, 9}), Ids());
  OutputTypeEntry entry;
  ASSERT_TRUE(fixture.manager.GetOutputType(3, &entry));
  EXPECT_STREQ("four", entry.description);
  EXPECT_STREQ("MPEG-1", entry.audioCodec);
  EXPECT_STREQ("MPEG-4", entry.videoCodec);
  EXPECT_FALSE(fixture.manager.GetOutputType(5, &entry));
  EXPECT_FALSE(fixture.manager.GetOutputType(-1, &entry));
  EXPECT_EQ(0, fixture.config.Int("UseUserDefined"));
}

TEST_F(OutputTypesTest, UserDefinedTypeTakesItsIdAndCodecsFromTheSettings) {
  const std::string profile = std::string("[AUDIO]\na=PCM\nb=MPEG-1\n[VIDEO]\nv=Cinepak\n") +
                              Type(19, "ID=3\nAP=a\nVP=v\nDesc=user");
  const struct {
    int format;
    const char *userAudio, *userVideo;
    int id;
    const char *audio, *video;
  } cases[] = {
      {9, "x", "y", 1, "MPEG-1", "MPEG-4"},
      {-1, "", "", 1, "MPEG-1", "MPEG-4"},
      {5, "", "", 5, "PCM", "Cinepak"},
      {0, "MPEG Layer-3", "", 0, "MPEG Layer-3", "Cinepak"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.format);
    fixture.config.Set("UserDefinedFormat", c.format);
    fixture.config.SetText("UserDefinedAudioCodec", c.userAudio);
    fixture.config.SetText("UserDefinedVideoCodec", c.userVideo);
    ASSERT_TRUE(InitWith(profile));
    OutputTypeEntry entry;
    ASSERT_TRUE(fixture.manager.GetOutputType(0, &entry));
    EXPECT_EQ(c.id, entry.id);
    EXPECT_STREQ(c.audio, entry.audioCodec);
    EXPECT_STREQ(c.video, entry.videoCodec);
    EXPECT_EQ(1, fixture.config.Int("UseUserDefined"));
    if (c.format < 0 || c.format > 7) {
      EXPECT_EQ("MPEG-1", fixture.config.Text("UserDefinedAudioCodec"));
      EXPECT_EQ("MPEG-4", fixture.config.Text("UserDefinedVideoCodec"));
    }
  }
}

TEST_F(OutputTypesTest, WindowsMediaAudio9FallsBackWhenNotInstalled) {
  ASSERT_TRUE(InitWith("[AUDIO]\nw=Windows Media Audio 9\n[VIDEO]\nv=WMV\n" +
                       Type(0, "ID=2\nAP=w\nVP=v\nDesc=wm")));
  OutputTypeEntry entry;
  ASSERT_TRUE(fixture.manager.GetOutputType(0, &entry));
  // Wine's Windows Media runtime lists no codecs, so the name is replaced.
  EXPECT_STREQ("Windows Media Audio 9.1", entry.audioCodec);
}

TEST_F(OutputTypesTest, AudioChoiceListsPerType) {
  ASSERT_TRUE(InitWith(std::string(kBasicProfile) +
                       "[AudioParam]\nID=5,9\nSamplesPerSecond=8000Hz,16000Hz,\n"
                       "BitsPerSample=16 Bits,\nNumChannels=Mono,\n"));
  const struct {
    int id;
    std::vector<std::string> rates, bits, channels;
  } cases[] = {
      {5, {"8000Hz", "16000Hz"}, {"16 Bits"}, {"Mono"}},
      // 9 follows the last comma: it is no item, so type 9 has the built-ins.
      {9,
       {"22050Hz", "24000Hz", "32000Hz", "44100Hz", "48000Hz"},
       {"8 Bits", "16 Bits", "24 Bits"},
       {"Mono", "Stereo"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.id);
    fixture.manager.LoadAudioChoices(c.id);
    EXPECT_EQ(c.rates, fixture.manager.GetSampleRateChoices());
    EXPECT_EQ(c.bits, fixture.manager.GetBitsChoices());
    EXPECT_EQ(c.channels, fixture.manager.GetChannelChoices());
  }
}

TEST_F(OutputTypesTest, PickAudioChoiceOverTheLists) {
  ASSERT_TRUE(InitWith(kBasicProfile));
  fixture.manager.LoadAudioChoices(0);  // built-ins: 5 rates, 3 depths, 2 channel texts
  const struct {
    int choice, kind;
    BOOL ok;
    int rate, channels;
    short bits;
  } cases[] = {
      {7, 2, TRUE, 44100, 2, -1},   // rate index 3, channel index 1
      {0, 2, TRUE, 22050, 1, -1},
      {10, 2, TRUE, 22050, 1, -1},  // beyond 5 x 2: taken as 0
      {-5, 2, TRUE, 22050, 1, -1},  // a negative choice counts as 0
      {4, 1, TRUE, 48000, -1, -1},
      {5, 1, TRUE, 22050, -1, -1},
      {29, 3, TRUE, 48000, 2, 24},
      {8, 3, TRUE, 24000, 1, 16},  // rate 1, bits 1, channel 0
      {0, 4, FALSE, -1, -1, -1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.choice * 10 + c.kind);
    int rate = -1, channels = -1;
    short bits = -1;
    EXPECT_EQ(c.ok, fixture.list.PickAudioChoice(c.choice, &rate, &channels, &bits, c.kind));
    EXPECT_EQ(c.rate, rate);
    EXPECT_EQ(c.channels, channels);
    EXPECT_EQ(c.bits, bits);
  }
}

TEST_F(OutputTypesTest, EmptyChoiceListFailsCleanly) {
  // "Stereo" without its trailing comma is no item: the type has no channels.
  ASSERT_TRUE(InitWith(std::string(kBasicProfile) +
                       "[AudioParam]\nID=1,\nSamplesPerSecond=44100Hz,\nNumChannels=Stereo\n"));
  fixture.manager.LoadAudioChoices(1);
  ASSERT_TRUE(fixture.manager.GetChannelChoices().empty());
  int rate = -1, channels = -1;
  EXPECT_FALSE(fixture.list.PickAudioChoice(3, &rate, &channels, NULL, 2));
  EXPECT_EQ(-1, rate);
  EXPECT_TRUE(fixture.list.PickAudioChoice(0, &rate, NULL, NULL, 1));
  EXPECT_EQ(44100, rate);

  // A task of that type keeps its source audio instead.
  fixture.config.Set("AudioFormatData", 3);
  fixture.UseOutputType(1);
  g_scriptedMedia.sampleRate = 32000;
  CTaskRecord* task = fixture.list.AddFile(fixture.Source("a.avi").c_str());
  ASSERT_NE(nullptr, task);
  EXPECT_EQ(32000, task->sampleRate);
  EXPECT_EQ(2, task->channels);
}

TEST_F(OutputTypesTest, NamingOptionsAndCommandTemplates) {
  ASSERT_TRUE(InitWith(std::string(kBasicProfile) +
                       "[OUTPUTFILE]\nPreFix=MOV\ncount=4\nPostFix=avi\n"
                       "[StillImage]\nPreFix=IMG\ncount=9\n"
                       "[COMMOND]\n0=-i |INPUTFILE |\n2=\n"));
  std::string prefix, extension, command;
  int digits = 0;
  EXPECT_TRUE(fixture.manager.GetOutputFileNaming(&prefix, &digits, &extension, 0));
  EXPECT_EQ("MOV", prefix);
  EXPECT_EQ(4, digits);
  EXPECT_FALSE(fixture.manager.GetOutputFileNaming(&prefix, &digits, &extension, 1));
  EXPECT_TRUE(fixture.manager.GetCodecCommand(0, &command));
  EXPECT_EQ("-i |INPUTFILE |", command);
  EXPECT_FALSE(fixture.manager.GetCodecCommand(2, &command));
  EXPECT_FALSE(fixture.manager.GetCodecCommand(1, &command));
}

TEST_F(OutputTypesTest, EveryTypeOfTheShippedProfileLoads) {
  std::string shipped = vrctest::ProgramFolder() + "Configs\\Formats.ini";
  ASSERT_TRUE(vrctest::FileExists(shipped));
  ASSERT_TRUE(InitWith(vrctest::ReadFile(shipped)));
  int sections = 0;
  for (int n = 0; n < kMaxOutputTypes; ++n) {
    std::string section = "OT" + std::to_string(n);
    std::string file = fixture.install.File("Formats.ini");
    if ((int)GetPrivateProfileIntA(section.c_str(), "ID", -1, file.c_str()) != -1 &&
        GetPrivateProfileIntA(section.c_str(), "Disable", -1, file.c_str()) != 1)
      ++sections;
  }
  EXPECT_GT(sections, 0);
  EXPECT_EQ(sections, fixture.manager.GetOutputTypeCount());
  for (int i = 0; i < fixture.manager.GetOutputTypeCount(); ++i) {
    SCOPED_TRACE(i);
    OutputTypeEntry entry;
    EXPECT_TRUE(fixture.manager.GetOutputType(i, &entry));
    // Each type's settings apply to a task.
    fixture.UseOutputType(i);
    CTaskRecord task;
    task.sourceWidth = 320;
    task.sourceHeight = 240;
    task.sourcePath = fixture.Source("a.avi");
    EXPECT_TRUE(fixture.list.LoadOutputSettings(i, &task));
    EXPECT_EQ(entry.id, task.outputType);
  }
}

TEST_F(OutputTypesTest, NothingWithoutConfiguration) {
  CConverterManager bare;
  OutputTypeEntry entry;
  std::string text;
  int digits;
  bare.LoadOutputTypes();
  EXPECT_FALSE(bare.GetOutputType(0, &entry));
  EXPECT_FALSE(bare.LookupCodecName("a", &text, TRUE));
  EXPECT_FALSE(bare.GetOutputFileNaming(&text, &digits, NULL, 0));
  CTaskList list;
  int rate;
  EXPECT_FALSE(list.PickAudioChoice(0, &rate, NULL, NULL, 1));
  EXPECT_FALSE(list.ApplyOutputType());
  EXPECT_FALSE(list.IsMpeg4FamilyType());
}

}  // namespace
