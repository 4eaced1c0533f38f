// The shared reader of the format profile over small fixture profiles: the
// output-type slots, the user-defined slot, the audio choice lists, the
// comma lists and the texts, read straight from the file and through the
// configuration alike.
#include <gtest/gtest.h>
#include <windows.h>
#include <dshow.h>

#include <string.h>

#include <string>
#include <vector>

#include "base/CodecLookup.h"
#include "base/FormatProfile.h"
#include "include/AudioChoices.h"
#include "tests/support/FakeConfig.h"
#include "tests/support/TestSupport.h"

namespace {

const char kCodecs[] =
    "[AUDIO]\na=MPEG-1\nw=Windows Media Audio 9\np=Windows Media Audio 9 Professional\n"
    "n=Windows Media Audio 9.1\ne=\n"
    "[VIDEO]\nv=MPEG-4\ne=\n";

// What the codec seam is asked, and what it answers.
std::vector<std::string> g_codecQueries;
int g_installedIndex = -1;
int RecordingCodecLookup(const char* name, const GUID& mediaType) {
  EXPECT_TRUE(IsEqualGUID(mediaType, MEDIATYPE_Audio)) << name;
  g_codecQueries.push_back(name);
  return g_installedIndex;
}

class SharedFormatProfile : public ::testing::Test {
 protected:
  void SetUp() override {
    g_codecQueries.clear();
    g_installedIndex = -1;
    SetFindWmCodecIndexSeam(RecordingCodecLookup);
  }
  void TearDown() override { SetFindWmCodecIndexSeam(NULL); }
  std::string Profile(const std::string& text) {
    std::string path = m_dir.File("profile.ini");
    EXPECT_TRUE(vrctest::WriteFile(path, text));
    m_config.SetProfile(path);
    return path;
  }
  // The table read straight from the file, and then the table read with the
  // texts through the configuration, which must be the same.
  std::vector<OutputTypeEntry> Load(const std::string& path) {
    std::vector<OutputTypeEntry> direct, throughConfig;
    LoadOutputTypeTable(CFormatProfile(path.c_str()), &m_config, &direct);
    LoadOutputTypeTable(CFormatProfile(path.c_str(), &m_config), &m_config, &throughConfig);
    EXPECT_EQ(direct.size(), throughConfig.size());
    for (size_t i = 0; i < direct.size() && i < throughConfig.size(); ++i)
      EXPECT_EQ(0, memcmp(&direct[i], &throughConfig[i], sizeof(OutputTypeEntry))) << i;
    return direct;
  }
  vrctest::TempDir m_dir;
  CFakeConfig m_config;
};

std::string Slot(int n, const std::string& keys) {
  return "[OT" + std::to_string(n) + "]\n" + keys + "\n";
}

struct SlotCase {
  const char* what;
  const char* keys;  // of [OT0]
  int installedIndex;
  bool kept;
  int id;
  const char* audio;
  const char* video;
  const char* description;
  std::vector<std::string> codecQueries;
};

const SlotCase kSlotCases[] = {
    {"a complete slot is kept", "ID=3\nAP=a\nVP=v\nDesc=three", -1, true, 3, "MPEG-1", "MPEG-4",
     "three", {}},
    {"Disable 1 leaves the slot out", "ID=3\nAP=a\nVP=v\nDesc=three\nDisable=1", -1, false},
    {"Disable 0 keeps it", "ID=3\nAP=a\nVP=v\nDesc=three\nDisable=0", -1, true, 3, "MPEG-1",
     "MPEG-4", "three", {}},
    {"a missing ID leaves it out", "AP=a\nVP=v\nDesc=no id", -1, false},
    {"ID -1 leaves it out", "ID=-1\nAP=a\nVP=v\nDesc=minus one", -1, false},
    {"ID 0 is an id", "ID=0\nAP=a\nVP=v\nDesc=zero", -1, true, 0, "MPEG-1", "MPEG-4", "zero", {}},
    {"an empty AP leaves it out", "ID=3\nAP=\nVP=v\nDesc=three", -1, false},
    {"a missing AP leaves it out", "ID=3\nVP=v\nDesc=three", -1, false},
    {"an AP of no [AUDIO] name leaves it out", "ID=3\nAP=x\nVP=v\nDesc=three", -1, false},
    {"an AP of an empty [AUDIO] name leaves it out", "ID=3\nAP=e\nVP=v\nDesc=three", -1, false},
    {"an empty VP leaves it out", "ID=3\nAP=a\nVP=\nDesc=three", -1, false},
    {"a VP of an empty [VIDEO] name leaves it out", "ID=3\nAP=a\nVP=e\nDesc=three", -1, false},
    {"an empty Desc leaves it out", "ID=3\nAP=a\nVP=v\nDesc=", -1, false},
    {"a missing Desc leaves it out", "ID=3\nAP=a\nVP=v", -1, false},
    {"Windows Media Audio 9 not installed falls back to 9.1", "ID=2\nAP=w\nVP=v\nDesc=wm", -1,
     true, 2, "Windows Media Audio 9.1", "MPEG-4", "wm", {"Windows Media Audio 9"}},
    {"Windows Media Audio 9 installed is kept", "ID=2\nAP=w\nVP=v\nDesc=wm", 0, true, 2,
     "Windows Media Audio 9", "MPEG-4", "wm", {"Windows Media Audio 9"}},
    {"the Professional codec not installed falls back to 9.1", "ID=2\nAP=p\nVP=v\nDesc=wm", -1,
     true, 2, "Windows Media Audio 9.1", "MPEG-4", "wm", {"Windows Media Audio 9 Professional"}},
    {"the Professional codec installed is kept", "ID=2\nAP=p\nVP=v\nDesc=wm", 4, true, 2,
     "Windows Media Audio 9 Professional", "MPEG-4", "wm", {"Windows Media Audio 9 Professional"}},
    {"9.1 itself is not looked up", "ID=2\nAP=n\nVP=v\nDesc=wm", -1, true, 2,
     "Windows Media Audio 9.1", "MPEG-4", "wm", {}},
    {"a slot left out is not looked up", "ID=2\nAP=w\nVP=v\nDesc=", -1, false},
};

TEST_F(SharedFormatProfile, OutputTypeSlots) {
  for (const SlotCase& c : kSlotCases) {
    SCOPED_TRACE(c.what);
    g_codecQueries.clear();
    g_installedIndex = c.installedIndex;
    std::vector<OutputTypeEntry> table = Load(Profile(std::string(kCodecs) + Slot(0, c.keys)));
    EXPECT_EQ(0, m_config.Int("UseUserDefined"));
    if (!c.kept) {
      EXPECT_TRUE(table.empty());
      EXPECT_TRUE(g_codecQueries.empty());
      continue;
    }
    ASSERT_EQ(1u, table.size());
    EXPECT_EQ(c.id, table[0].id);
    EXPECT_STREQ(c.audio, table[0].audioCodec);
    EXPECT_STREQ(c.video, table[0].videoCodec);
    EXPECT_STREQ(c.description, table[0].description);
    // Once for each of the two reads of Load.
    std::vector<std::string> twice = c.codecQueries;
    twice.insert(twice.end(), c.codecQueries.begin(), c.codecQueries.end());
    EXPECT_EQ(twice, g_codecQueries);
  }
}

struct UserSlotCase {
  const char* what;
  int format;
  const char *userAudio, *userVideo;
  int id;
  const char *audio, *video;
  const char *storedAudio, *storedVideo;  // the user codec settings afterwards
};

const UserSlotCase kUserSlotCases[] = {
    {"format -1 is out of range: type 1 with MPEG-1 and MPEG-4", -1, "PCM", "Cinepak", 1,
     "MPEG-1", "MPEG-4", "MPEG-1", "MPEG-4"},
    {"format 8 is out of range", 8, "", "", 1, "MPEG-1", "MPEG-4", "MPEG-1", "MPEG-4"},
    {"format 0 is in range, the profile's codecs stand", 0, "", "", 0, "Windows Media Audio 9.1",
     "MPEG-4", "", ""},
    {"format 7 takes both user codecs", 7, "PCM", "Cinepak", 7, "PCM", "Cinepak", "PCM",
     "Cinepak"},
    {"format 5 takes the user audio codec only", 5, "MPEG Layer-3", "", 5, "MPEG Layer-3",
     "MPEG-4", "MPEG Layer-3", ""},
};

TEST_F(SharedFormatProfile, UserDefinedSlot) {
  const std::string profile = std::string(kCodecs) + Slot(0, "ID=0\nAP=a\nVP=v\nDesc=zero") +
                              Slot(kMaxOutputTypes - 1, "ID=3\nAP=w\nVP=v\nDesc=user");
  for (const UserSlotCase& c : kUserSlotCases) {
    SCOPED_TRACE(c.what);
    std::vector<OutputTypeEntry> table;
    for (bool throughConfig : {false, true}) {
      m_config.Set("UserDefinedFormat", c.format);
      m_config.SetText("UserDefinedAudioCodec", c.userAudio);
      m_config.SetText("UserDefinedVideoCodec", c.userVideo);
      m_config.Set("UseUserDefined", 7);
      std::string path = Profile(profile);
      if (throughConfig)
        LoadOutputTypeTable(CFormatProfile(path.c_str(), &m_config), &m_config, &table);
      else
        LoadOutputTypeTable(CFormatProfile(path.c_str()), &m_config, &table);
      ASSERT_EQ(2u, table.size()) << throughConfig;
      EXPECT_EQ(0, table[0].id) << throughConfig;
      EXPECT_EQ(c.id, table[1].id) << throughConfig;
      EXPECT_STREQ(c.audio, table[1].audioCodec) << throughConfig;
      EXPECT_STREQ(c.video, table[1].videoCodec) << throughConfig;
      EXPECT_STREQ("user", table[1].description) << throughConfig;
      EXPECT_EQ(1, m_config.Int("UseUserDefined")) << throughConfig;
      EXPECT_EQ(c.storedAudio, m_config.Text("UserDefinedAudioCodec")) << throughConfig;
      EXPECT_EQ(c.storedVideo, m_config.Text("UserDefinedVideoCodec")) << throughConfig;
    }
  }
}

TEST_F(SharedFormatProfile, OnlyTheLastSlotIsUserDefined) {
  m_config.Set("UserDefinedFormat", -1);
  std::vector<OutputTypeEntry> table =
      Load(Profile(std::string(kCodecs) + Slot(kMaxOutputTypes - 2, "ID=4\nAP=a\nVP=v\nDesc=18") +
                   Slot(kMaxOutputTypes, "ID=5\nAP=a\nVP=v\nDesc=beyond the table")));
  ASSERT_EQ(1u, table.size());
  EXPECT_EQ(4, table[0].id);
  EXPECT_EQ(0, m_config.Int("UseUserDefined"));
  EXPECT_EQ("", m_config.Text("UserDefinedAudioCodec"));
}

TEST_F(SharedFormatProfile, NoTableWithoutConfiguration) {
  std::vector<OutputTypeEntry> table(1);
  std::string path = Profile(std::string(kCodecs) + Slot(0, "ID=0\nAP=a\nVP=v\nDesc=zero"));
  LoadOutputTypeTable(CFormatProfile(path.c_str()), NULL, &table);
  EXPECT_TRUE(table.empty());
  // Texts through a missing configuration are empty, so no slot is complete.
  LoadOutputTypeTable(CFormatProfile(path.c_str(), NULL), &m_config, &table);
  EXPECT_TRUE(table.empty());
}

TEST_F(SharedFormatProfile, CopyOutputTypeChecksTheRowAndTheRange) {
  OutputTypeEntry usable = {2, "MPEG-1", "MPEG-4", "two"};
  std::vector<OutputTypeEntry> table(kMaxOutputTypes + 2, usable);
  table[1].id = -1;
  table[2].audioCodec[0] = '\0';
  table[3].videoCodec[0] = '\0';
  table[4].description[0] = '\0';
  const struct {
    const char* what;
    int index;
    BOOL ok;
    bool copied;
  } rows[] = {
      {"a usable row", 0, TRUE, true},
      {"id -1 is copied but not usable", 1, FALSE, true},
      {"no audio codec", 2, FALSE, true},
      {"no video codec", 3, FALSE, true},
      {"no description", 4, FALSE, true},
      {"the last row of the limit", kMaxOutputTypes - 1, TRUE, true},
      {"beyond the limit even where the table has rows", kMaxOutputTypes, FALSE, false},
      {"a negative index", -1, FALSE, false},
  };
  for (const auto& row : rows) {
    OutputTypeEntry out = {77, "", "", ""};
    EXPECT_EQ(row.ok, CopyOutputType(table, row.index, &out)) << row.what;
    EXPECT_EQ(row.copied ? table[row.index].id : 77, out.id) << row.what;
  }
  EXPECT_FALSE(CopyOutputType(table, 0, NULL));
  EXPECT_FALSE(CopyOutputType(std::vector<OutputTypeEntry>(), 0, &usable));
}

TEST(SharedCommaList, Items) {
  const struct {
    const char* text;
    std::vector<std::string> items;
  } rows[] = {
      {"a,b,", {"a", "b"}},
      {"a,b", {"a"}},  // what follows the last comma is no item
      {",a,", {}},     // an empty first item ends the list
      {"a,,b,", {"a", "", "b"}},
      {"", {}},
      {"a", {}},
  };
  for (const auto& row : rows) EXPECT_EQ(row.items, SplitCommaList(row.text)) << row.text;
  EXPECT_TRUE(CommaListHas("3,5,", "5"));
  EXPECT_FALSE(CommaListHas("3,5", "5"));
  EXPECT_FALSE(CommaListHas("3,5,", "35"));
}

struct AudioCase {
  const char* what;
  const char* audioParam;  // the [AudioParam] keys
  int id;
  std::vector<std::string> rates, bits, channels;
};

const std::vector<std::string> kRates(kAudioSampleRateTexts,
                                      kAudioSampleRateTexts + kAudioSampleRateCount);
const std::vector<std::string> kBits(kAudioBitsTexts, kAudioBitsTexts + kAudioBitsCount);
const std::vector<std::string> kChannels(kAudioChannelTexts,
                                         kAudioChannelTexts + kAudioChannelCount);

const AudioCase kAudioCases[] = {
    {"a listed id takes its own lists",
     "ID=3,5,\nSamplesPerSecond=8000Hz,16000Hz,\nBitsPerSample=16 Bits,\nNumChannels=Mono,", 5,
     {"8000Hz", "16000Hz"}, {"16 Bits"}, {"Mono"}},
    {"an empty own list takes the built-in one",
     "ID=3,\nSamplesPerSecond=8000Hz,\nBitsPerSample=\nNumChannels=Mono,", 3, {"8000Hz"}, kBits,
     {"Mono"}},
    {"an own list without its trailing comma may be empty", "ID=3,\nNumChannels=Stereo", 3,
     kRates, kBits, {}},
    {"the id after the last comma is no item", "ID=3,5\nSamplesPerSecond=8000Hz,", 5, kRates,
     kBits, kChannels},
    {"an empty first item lists no id", "ID=,3,\nSamplesPerSecond=8000Hz,", 3, kRates, kBits,
     kChannels},
    {"an unlisted id takes the built-in lists", "ID=3,\nSamplesPerSecond=8000Hz,", 4, kRates,
     kBits, kChannels},
    {"no [AudioParam] at all", "", 0, kRates, kBits, kChannels},
};

TEST_F(SharedFormatProfile, AudioChoiceLists) {
  for (const AudioCase& c : kAudioCases) {
    SCOPED_TRACE(c.what);
    std::string path = Profile(std::string("[AudioParam]\n") + c.audioParam + "\n");
    for (bool throughConfig : {false, true}) {
      std::vector<std::string> rates = {"stale"}, bits = {"stale"}, channels = {"stale"};
      if (throughConfig)
        ReadAudioChoiceLists(CFormatProfile(path.c_str(), &m_config), c.id, &rates, &bits,
                             &channels);
      else
        ReadAudioChoiceLists(CFormatProfile(path.c_str()), c.id, &rates, &bits, &channels);
      EXPECT_EQ(c.rates, rates) << throughConfig;
      EXPECT_EQ(c.bits, bits) << throughConfig;
      EXPECT_EQ(c.channels, channels) << throughConfig;
    }
  }
}

TEST_F(SharedFormatProfile, TextsAndIntegers) {
  std::string path = Profile("[S]\nten=0123456789\nn=42\nempty=\n");
  const CFormatProfile direct(path.c_str());
  const CFormatProfile throughConfig(path.c_str(), &m_config);
  const CFormatProfile noConfig(path.c_str(), NULL);
  const struct {
    const char* what;
    const CFormatProfile* profile;
    const char* key;
    int room;
    const char* fallback;
    const char* text;
  } rows[] = {
      {"the whole text", &direct, "ten", CFormatProfile::kTextRoom, "", "0123456789"},
      {"room for 5 keeps 4 characters", &direct, "ten", 5, "", "0123"},
      {"an absent key takes the fallback", &direct, "none", 260, "MP_ROOT", "MP_ROOT"},
      {"an empty key is no absent key", &direct, "empty", 260, "MP_ROOT", ""},
      {"through the configuration", &throughConfig, "ten", CFormatProfile::kTextRoom, "",
       "0123456789"},
      {"through the configuration with room for 5", &throughConfig, "ten", 5, "", "0123"},
      {"the configuration knows no fallback", &throughConfig, "none", 260, "MP_ROOT", ""},
      {"no configuration, no text", &noConfig, "ten", CFormatProfile::kTextRoom, "", ""},
  };
  for (const auto& row : rows)
    EXPECT_EQ(row.text, row.profile->Text("S", row.key, row.room, row.fallback)) << row.what;
  // Integers always come from the file.
  EXPECT_EQ(42, noConfig.Int("S", "n", -1));
  EXPECT_EQ(42, throughConfig.Int("S", "n", -1));
  EXPECT_EQ(-1, direct.Int("S", "none", -1));
  std::string name;
  EXPECT_FALSE(direct.CodecName("", TRUE, &name));
  EXPECT_FALSE(direct.CodecName(NULL, TRUE, &name));
}

}  // namespace
