// The format profile readers against small fixture profiles.
#include <gtest/gtest.h>

#include <string>

#include "config/ConfigModule.h"
#include "config/FormatProfile.h"
#include "config/SettingsTable.h"
#include "include/AudioChoices.h"
#include "tests/support/TestSupport.h"

namespace {

// A configuration object that reads a fixture profile without a start-up.
class ProfileConfig : public CConfigModule {
 public:
  explicit ProfileConfig(const std::string& profile) : m_profile(profile) {}
  int STDMETHODCALLTYPE GetString(const char* name, char* buf, int size, int bDefault) override {
    if (_stricmp(name, "ConfigFilePath") == 0 && buf && size > 0) {
      lstrcpynA(buf, m_profile.c_str(), size);
      return 1;
    }
    return CConfigModule::GetString(name, buf, size, bDefault);
  }

 private:
  std::string m_profile;
};

class FormatProfile : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetSettingTables();
    SetFindWmCodecIndexSeam(nullptr);
  }
  void TearDown() override { SetFindWmCodecIndexSeam(nullptr); }
  std::string Profile(const std::string& text) {
    std::string path = m_dir.File("profile.ini");
    vrctest::WriteFile(path, text);
    return path;
  }
  vrctest::TempDir m_dir;
};

struct ListCase {
  const char* what;
  const char* profile;
  const char* list;
  int type;
  BOOL ok;
  std::vector<int> values;
};

const ListCase kListCases[] = {
    {"count 2 reads three entry sections",
     "[VideoSize]\ncount=2\n[VideoSize0]\n1=a\n2=160\n3=120\n[VideoSize1]\n1=b\n2=320\n3=240\n"
     "[VideoSize2]\n1=c\n2=640\n3=480\n",
     "VideoSize", 0, TRUE, {160 << 16 | 120, 320 << 16 | 240, 640 << 16 | 480}},
    {"size entry with height 0 or no text is skipped",
     "[PhotoResolution]\ncount=2\n[PhotoResolution0]\n1=a\n2=160\n3=0\n[PhotoResolution1]\n"
     "2=320\n3=240\n[PhotoResolution2]\n1=c\n2=640\n3=480\n",
     "photoresolution", 0, TRUE, {640 << 16 | 480}},
    {"value entry without key 2 is skipped, -1 is a value",
     "[VideoFPS]\ncount=2\n[VideoFPS0]\n1=Source\n2=-1\n[VideoFPS1]\n1=none\n[VideoFPS2]\n1=25\n2=25\n",
     "VideoFPS", 0, TRUE, {-1, 25}},
    {"count 0 reads nothing", "[VideoFPS]\ncount=0\n[VideoFPS0]\n1=a\n2=1\n", "VideoFPS", 0, FALSE, {}},
    {"count 101 reads nothing", "[VideoFPS]\ncount=101\n[VideoFPS0]\n1=a\n2=1\n", "VideoFPS", 0,
     FALSE, {}},
    {"a list with no kept row fails", "[VideoFPS]\ncount=1\n[VideoFPS0]\n1=a\n", "VideoFPS", 0,
     FALSE, {}},
    {"type 6 has one size", "", "VIDEOSIZE", 6, TRUE, {0x00B00090}},
    {"type 7 has one size", "", "videosize", 7, TRUE, {0x014000F0}},
};

}  // namespace

TEST_F(FormatProfile, ParameterLists) {
  for (const ListCase& c : kListCases) {
    std::string file = Profile(c.profile);
    TextList texts;
    ValueList values;
    EXPECT_EQ(c.ok, ReadProfileList(file.c_str(), c.list, &texts, &values, c.type)) << c.what;
    EXPECT_EQ(c.values, values) << c.what;
    EXPECT_EQ(values.size(), texts.size()) << c.what;
  }
}

TEST_F(FormatProfile, CommaLists) {
  const struct {
    const char* text;
    TextList items;
  } rows[] = {
      {"a,b,c,", {"a", "b", "c"}}, {"a,b,c", {"a", "b"}}, {",a,", {}},
      {"a,,b,", {"a", "", "b"}},   {"", {}},              {"3,5", {"3"}},
  };
  for (const auto& row : rows) EXPECT_EQ(row.items, SplitCommaList(row.text)) << row.text;
}

TEST_F(FormatProfile, AudioChoicesOfOwnAndBuiltInLists) {
  std::string file = Profile(
      "[AudioParam]\nID=3,5\nSamplesPerSecond=8000Hz,16000Hz,\nBitsPerSample=\nNumChannels=Mono,\n");
  ASSERT_EQ(1, ReadAudioParamLists(3, file.c_str()));
  EXPECT_EQ(TextList({"8000Hz", "16000Hz"}), GetAudioParamList(AUDIO_PARAM_SAMPLES_PER_SECOND));
  // An empty own list falls back to the built-in one.
  EXPECT_EQ(TextList(kAudioBitsTexts, kAudioBitsTexts + kAudioBitsCount),
            GetAudioParamList(AUDIO_PARAM_BITS_PER_SAMPLE));
  EXPECT_EQ(TextList({"Mono"}), GetAudioParamList(AUDIO_PARAM_NUM_CHANNELS));
  // 5 follows the last comma, so it has no lists of its own: the built-in
  // choices in the order that every deliverable shares, lowest first.
  ReadAudioParamLists(5, file.c_str());
  EXPECT_EQ(TextList({"22050Hz", "24000Hz", "32000Hz", "44100Hz", "48000Hz"}),
            GetAudioParamList(AUDIO_PARAM_SAMPLES_PER_SECOND));
  EXPECT_EQ(TextList({"Mono", "Stereo"}), GetAudioParamList(AUDIO_PARAM_NUM_CHANNELS));
}

TEST_F(FormatProfile, OutputFormatsAndCodecNames) {
  std::string file = Profile(
      "[OUTPUTFORMAT]\ncount=3\n1=A\n2=\n3=C\n[AUDIO]\n1=PCM\n2=MP3\n[VIDEO]\n1=MPEG-4\n"
      "[AVI]\nVP=1,9,\nAP=2,1,\n[NOAP]\nVP=1,\n");
  TextList formats;
  ASSERT_TRUE(ReadOutputFormats(&formats, file.c_str()));
  EXPECT_EQ(TextList({"A", "C"}), formats);
  TextList audio, video;
  EXPECT_TRUE(ReadCodecNames(file.c_str(), "AVI", &audio, &video));
  EXPECT_EQ(TextList({"MPEG-4", ""}), video);  // an unknown key gives an empty name
  EXPECT_EQ(TextList({"MP3", "PCM"}), audio);
  audio.clear();
  video.clear();
  EXPECT_FALSE(ReadCodecNames(file.c_str(), "NOAP", &audio, &video));
  EXPECT_EQ(1u, video.size());
  EXPECT_FALSE(ReadOutputFormats(&formats, Profile("").c_str()));
}

namespace {
const char kTypes[] =
    "[AUDIO]\n1=MPEG-1\n2=Windows Media Audio 9\n[VIDEO]\n1=MPEG-4\n2=Windows Media Video 9\n"
    "[OT0]\nID=0\nAP=1\nVP=1\nDesc=zero\n"
    "[OT1]\nID=1\nAP=1\nVP=1\n"                // no description
    "[OT2]\nID=2\nAP=9\nVP=1\nDesc=two\n"      // unknown audio key
    "[OT3]\nID=3\nAP=1\nVP=1\nDesc=three\nDisable=1\n"
    "[OT4]\nID=4\nAP=2\nVP=2\nDesc=four\n"
    "[OT5]\nAP=1\nVP=1\nDesc=no id\n"
    "[OT19]\nID=7\nAP=1\nVP=1\nDesc=User defined\n";

int NoWindowsMediaCodecs(const char*, const GUID&) { return -1; }
int EveryWindowsMediaCodec(const char*, const GUID&) { return 0; }
}  // namespace

TEST_F(FormatProfile, OutputTypesSkipDisabledAndIncompleteEntries) {
  SetFindWmCodecIndexSeam(NoWindowsMediaCodecs);
  ProfileConfig config(Profile(kTypes));
  config.SetInt("UserDefinedFormat", -1, 0);
  LoadOutputTypes(&config);
  ASSERT_EQ(3, GetOutputTypeCount());
  OutputTypeEntry entry;
  ASSERT_TRUE(GetOutputType(0, &entry));
  EXPECT_EQ(0, entry.id);
  ASSERT_TRUE(GetOutputType(1, &entry));  // [OT4] takes the place of the skipped ones
  EXPECT_EQ(4, entry.id);
  EXPECT_STREQ("Windows Media Audio 9.1", entry.audioCodec);  // not installed
  ASSERT_TRUE(GetOutputType(2, &entry));
  EXPECT_EQ(1, entry.id);
  EXPECT_STREQ("MPEG-1", entry.audioCodec);
  EXPECT_STREQ("MPEG-4", entry.videoCodec);
  EXPECT_STREQ("User defined", entry.description);
  char codec[260];
  config.GetString("UserDefinedVideoCodec", codec, sizeof(codec), 0);
  EXPECT_STREQ("MPEG-4", codec);
  EXPECT_EQ(1, config.GetInt("UseUserDefined", 0, 1));
  EXPECT_FALSE(GetOutputType(3, &entry));
  EXPECT_FALSE(GetOutputType(-1, &entry));
}

TEST_F(FormatProfile, UserDefinedTypeTakesTheStoredChoice) {
  SetFindWmCodecIndexSeam(EveryWindowsMediaCodec);
  ProfileConfig config(Profile(kTypes));
  config.SetInt("UserDefinedFormat", 5, 0);
  config.SetString("UserDefinedAudioCodec", "MPEG4 AAC", 0);
  LoadOutputTypes(&config);
  OutputTypeEntry entry;
  ASSERT_TRUE(GetOutputType(1, &entry));
  EXPECT_STREQ("Windows Media Audio 9", entry.audioCodec);  // installed: kept
  ASSERT_TRUE(GetOutputType(2, &entry));
  EXPECT_EQ(5, entry.id);
  EXPECT_STREQ("MPEG4 AAC", entry.audioCodec);
  EXPECT_STREQ("MPEG-4", entry.videoCodec);  // no stored video codec: the profile's
}

TEST_F(FormatProfile, FirstRunDefaults) {
  ProfileConfig config(Profile(
      "[VideoSize]\ncount=1\nMaxWidth=650\nMinWidth=170\nKeepSourceRatio=0\n"
      "[VideoSize0]\n1=a\n2=320\n3=240\n[VideoSize1]\n1=b\n2=640\n3=480\n"
      "[VideoQuality]\ncount=1\ndefault=40\nUsed2Pass=1\n[VideoQuality0]\n1=Low\n2=15\n"
      "[VideoQuality1]\n1=High\n2=40\n"
      "[VideoKeyFrame]\ncount=0\n"
      "[PhotoQuality]\ncount=1\ndefault=90\n[PhotoQuality0]\n1=a\n2=75\n[PhotoQuality1]\n1=b\n2=90\n"
      "[MP3Bitrate]\ncount=0\n[MP3Bitrate0]\n1=64\n2=64\n"
      "[MP3Mode]\ncount=1\n[MP3Mode0]\n1=CBR\n2=0\n[MP3Mode1]\n1=VBR\n2=1\n"
      "[StillImage]\nPhotoMinWidth=16\n[AudioParam]\nVCDChannel=2\n"));
  config.SetInt("VideoKeyFrame", 12, 0);
  config.SetInt("MP3Bitrate", 99, 0);
  config.SetInt("MP3Mode", 7, 0);
  EXPECT_EQ(1, LoadProfileDefaults(&config));
  EXPECT_EQ(320 << 16 | 240, config.GetInt("VideoSize", 0, 1));  // no default: the first row
  EXPECT_EQ(640, config.GetInt("MaxWidth", 0, 1));  // low 4 bits cleared
  EXPECT_EQ(160, config.GetInt("MinWidth", 0, 1));
  EXPECT_EQ(0, config.GetInt("KeepSourceRatio", 0, 1));
  EXPECT_EQ(40, config.GetInt("VideoQuality", 0, 1));
  EXPECT_EQ(1, config.GetInt("Used2Pass", 0, 1));
  EXPECT_EQ(12, config.GetInt("VideoKeyFrame", 0, 1));  // a failed list leaves the value
  EXPECT_EQ(99, config.GetInt("MP3Bitrate", 0, 1));
  EXPECT_EQ(0, config.GetInt("MP3Mode", 0, 1));
  EXPECT_EQ(0, config.GetInt("UserMP3Mode", 0, 1));
  EXPECT_EQ(90, config.GetInt("PhotoQualityData", 0, 1));
  EXPECT_EQ(1, config.GetInt("PhotoQualityIndex", 0, 1));
  EXPECT_EQ(16, config.GetInt("PhotoMinWidth", 0, 1));
  EXPECT_EQ(1, config.GetInt("KeepImageRatio", 0, 1));
  char text[260];
  config.GetString("ImageTempFolder", text, sizeof(text), 0);
  EXPECT_STREQ("", text);  // an absent ImageTempDir
  config.GetString("PSPMP4Directory", text, sizeof(text), 0);
  EXPECT_STREQ("MP_ROOT\\100MNV01", text);
}

TEST_F(FormatProfile, ShippedProfileHasEveryList) {
  const std::string file = vrctest::ProgramFolder() + "Configs\\Formats.ini";
  for (const char* list : {"VideoSize", "VideoQuality", "VideoKeyFrame", "VideoFPS",
                           "VideoBitrate", "Splitter", "PhotoResolution", "PhotoQuality",
                           "MP3Mode", "MP3SamplingRate", "MP3Channel", "MP3Quality",
                           "MP3Bitrate"}) {
    TextList texts;
    ValueList values;
    EXPECT_TRUE(ReadProfileList(file.c_str(), list, &texts, &values, 0)) << list;
  }
  for (const char* section : {"AVI", "AVI-MPEG4", "ASF", "ASF3"}) {
    TextList audio, video;
    EXPECT_TRUE(ReadCodecNames(file.c_str(), section, &audio, &video)) << section;
    for (const std::string& name : audio) EXPECT_FALSE(name.empty()) << section;
    for (const std::string& name : video) EXPECT_FALSE(name.empty()) << section;
  }
  // The numbered sections' ids are their positions in [OUTPUTFORMAT].
  TextList formats;
  ASSERT_TRUE(ReadOutputFormats(&formats, file.c_str()));
  for (int n = 0; n < static_cast<int>(formats.size()); ++n) {
    char section[16];
    snprintf(section, sizeof(section), "OT%d", n);
    EXPECT_EQ(n, static_cast<int>(GetPrivateProfileIntA(section, "ID", -1, file.c_str())));
  }
  for (const char* key : {"0", "1", "2"}) {
    char command[1024] = {0};
    GetPrivateProfileStringA("COMMOND", key, "", command, sizeof(command), file.c_str());
    std::string text = command;
    ASSERT_GE(text.size(), 2u) << key;
    EXPECT_EQ(" |", text.substr(text.size() - 2)) << key;
    EXPECT_EQ(std::string::npos, text.find("xvid")) << key;
  }
}
