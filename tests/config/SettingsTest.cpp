// The settings interface of the configuration object, before any start-up:
// names, current against default values, the special names and the edges
// of the caller's buffers.
#include <gtest/gtest.h>

#include <string.h>

#include <string>

#include "config/ConfigModule.h"
#include "config/SettingsTable.h"
#include "include/AudioChoices.h"
#include "include/VarnoGuids.h"

namespace {

class ConfigSettings : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetSettingTables();
    m_module = new CConfigModule();
    m_config = m_module;
  }
  void TearDown() override { m_module->Release(); }
  CConfigModule* m_module = nullptr;
  IVarnoConfigEx* m_config = nullptr;
};

struct IntRow {
  const char* name;  // spelled in some letter case
  int current, defaultValue;
};

const IntRow kIntRows[] = {
    {"videosize", -1, -1},        {"VIDEOKEYFRAME", 8, 8},   {"VideoQuality", 100, 100},
    {"maxWidth", 640, 640},       {"KeepSourceRatio", 1, 1}, {"UserDefinedFormat", 0, -1},
    {"samplespersecond", 0, 44100}, {"BitsPerSample", 0, 24}, {"NumChannels", 0, 2},
    {"UILanguageLCID", 0, 1033},  {"Splitter", 0, -1},      {"Coach7Bitrate", 0, 0},
    {"AudioParamCodecIndex", 0, 0},
    // Not settings: read as 0.
    {"NoSuchKey", 0, 0},          {"CurrentSkinIndex", 0, 0}, {"", 0, 0},
};

}  // namespace

TEST_F(ConfigSettings, IntegerKeysInAnyCaseGiveCurrentOrDefault) {
  for (const IntRow& row : kIntRows) {
    EXPECT_EQ(row.current, m_config->GetInt(row.name, 0, 1)) << row.name;
    EXPECT_EQ(row.defaultValue, m_config->GetInt(row.name, 1, 1)) << row.name;
  }
  EXPECT_EQ(50, IntSettingCount());
  EXPECT_EQ(12, StringSettingCount());
}

TEST_F(ConfigSettings, SetIntStoresCurrentOrDefaultAndDropsUnknownNames) {
  m_config->SetInt("maxwidth", 320, 0);
  m_config->SetInt("MAXWIDTH", 480, 1);
  EXPECT_EQ(320, m_config->GetInt("MaxWidth", 0, 1));
  EXPECT_EQ(480, m_config->GetInt("MaxWidth", 1, 1));
  m_config->SetInt("NoSuchKey", 5, 0);
  EXPECT_EQ(0, m_config->GetInt("NoSuchKey", 0, 1));
}

TEST_F(ConfigSettings, StringKeysAndTheirDefaults) {
  char buffer[512];
  ASSERT_EQ(1, m_config->GetString("imagetempfolder", buffer, sizeof(buffer), 1));
  EXPECT_STREQ("C:\\temp", buffer);
  ASSERT_EQ(1, m_config->GetString("PSPMP4Directory", buffer, sizeof(buffer), 1));
  EXPECT_STREQ("MP_ROOT\\100MNV01", buffer);
  ASSERT_EQ(1, m_config->GetString("ImageTempFolder", buffer, sizeof(buffer), 0));
  EXPECT_STREQ("", buffer);
  m_config->SetString("currentsavepath", "D:\\out", 0);
  ASSERT_EQ(1, m_config->GetString("CurrentSavePath", buffer, sizeof(buffer), 0));
  EXPECT_STREQ("D:\\out", buffer);
  strcpy(buffer, "untouched");
  EXPECT_EQ(0, m_config->GetString("NoSuchKey", buffer, sizeof(buffer), 0));
  EXPECT_STREQ("untouched", buffer);
  m_config->SetString("NoSuchKey", "x", 0);  // ignored
}

struct BufferRow {
  int size;
  int result;
  const char* expected;  // what the buffer holds afterwards
};

TEST_F(ConfigSettings, BufferSizesAtTheEdges) {
  m_config->SetString("LastOpenPath", "0123456789", 0);
  const BufferRow rows[] = {
      {64, 1, "0123456789"}, {11, 1, "0123456789"}, {10, 1, "012345678"}, {4, 1, "012"},
      {1, 1, ""},            {0, 0, "sentinel"},    {-5, 0, "sentinel"},
  };
  for (const BufferRow& row : rows) {
    char buffer[80] = "sentinel";
    EXPECT_EQ(row.result, m_config->GetString("LastOpenPath", buffer, row.size, 0)) << row.size;
    EXPECT_STREQ(row.expected, buffer) << row.size;
  }
  // The special names keep to the buffer as well.
  char small[5] = "xxxx";
  EXPECT_EQ(1, m_config->GetString("OEMAppName", small, sizeof(small), 1));
  EXPECT_STREQ("Varn", small);
  char none[4] = "abc";
  EXPECT_EQ(0, m_config->GetString("OEMAppName", none, 0, 1));
  EXPECT_STREQ("abc", none);
}

TEST_F(ConfigSettings, StoredTextsHoldAtMost511Characters) {
  const std::string text(600, 'x');
  m_config->SetString("LastOpenPath", text.c_str(), 0);
  m_config->SetString("LastOpenPath", text.c_str(), 1);
  char buffer[1024];
  m_config->GetString("LastOpenPath", buffer, sizeof(buffer), 0);
  EXPECT_EQ(text.substr(0, 511), buffer);
  m_config->GetString("LastOpenPath", buffer, sizeof(buffer), 1);
  EXPECT_EQ(text.substr(0, 511), buffer);
}

TEST_F(ConfigSettings, OemNamesGiveTheBuiltInValuesBeforeStartUp) {
  const struct {
    const char* name;
    const char* value;
  } rows[] = {
      {"OEMVarnoCodecFileName", "VarnoCodec.dll"},
      {"OEMCompanyName", "Varnomedia, Inc."},
      {"oemappname", "Varno Reel Craft V2.0"},
      {"OEMVersionFileName", "VarnoReelCraft.dll"},
      {"OEMRegKeyName", "Software\\Varno Reel Craft V2.0"},
      {"OEMIConverterName", "CreateVarnoConverter"},
      {"OEMMediaProfileName", "VarnoMediaProfile.prx"},
      {"OEMUserID", ""},
  };
  for (const auto& row : rows) {
    for (int bDefault : {0, 1}) {
      char buffer[260] = "x";
      EXPECT_EQ(1, m_config->GetString(row.name, buffer, sizeof(buffer), bDefault));
      EXPECT_STREQ(row.value, buffer) << row.name;
    }
  }
}

TEST_F(ConfigSettings, SpecialNamesAreAnsweredWithoutStoring) {
  char buffer[260] = "untouched";
  // No skin catalogue yet: the skin names are empty but found.
  EXPECT_EQ(1, m_config->GetString("SkinPath", buffer, sizeof(buffer), 0));
  EXPECT_STREQ("", buffer);
  EXPECT_EQ(1, m_config->GetString("ConfigFilePath", buffer, sizeof(buffer), 0));
  // Without a player on a removable drive the folder is not found.
  strcpy(buffer, "untouched");
  m_config->SetString("PSPMP4Directory", "NoSuchFolder\\Anywhere", 0);
  EXPECT_EQ(0, m_config->GetString("GetPSPMP4Directory", buffer, sizeof(buffer), 0));
  EXPECT_STREQ("untouched", buffer);
  EXPECT_EQ(nullptr, FindIntSetting("VRCExitWindowsEx"));
  EXPECT_EQ(nullptr, FindIntSetting("EnableVCDChannel"));
}

TEST_F(ConfigSettings, DialogsThatCannotBeShownAnswer0) {
  for (int id : {7, 100, 101, 102, 103, -1, 0})
    EXPECT_EQ(0, m_config->ShowDialog(id, 0)) << id;
  // Not started: nothing was loaded, so nothing is saved.
  EXPECT_EQ(0, m_config->Save());
}

TEST_F(ConfigSettings, InterfacesOfTheObject) {
  // IUnknown's identity: the configuration object does not answer it.
  const IID unknown = {0x00000000, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
  void* out = reinterpret_cast<void*>(1);
  EXPECT_EQ(E_NOINTERFACE, m_module->QueryInterface(&unknown, &out));
  EXPECT_EQ(E_POINTER, m_module->QueryInterface(&IID_IVarnoConfigEx, nullptr));
  void* ex = nullptr;
  void* plain = nullptr;
  ASSERT_EQ(S_OK, m_module->QueryInterface(&IID_IVarnoConfigEx, &ex));
  ASSERT_EQ(S_OK, m_config->QueryInterface(&IID_IVarnoConfig, &plain));
  EXPECT_EQ(static_cast<IVarnoConfigEx*>(m_module), ex);
  EXPECT_EQ(ex, plain);
  void* translator = reinterpret_cast<void*>(1);
  EXPECT_EQ(S_OK, m_module->QueryInterface(&IID_ILanguageTranslater, &translator));
  EXPECT_EQ(nullptr, translator);  // not loaded before start-up
  EXPECT_EQ(0u, m_config->AddRef());
}

TEST(AudioChoices, SharedTablesRunLowestFirst) {
  EXPECT_STREQ("44100Hz", kAudioSampleRateTexts[3]);
  EXPECT_STREQ("Stereo", kAudioChannelTexts[1]);
  EXPECT_STREQ("8 Bits", kAudioBitsTexts[0]);
}
