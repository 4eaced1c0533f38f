// Start-up, first run, persistence and shut-down of the configuration
// object against a throw-away installation and a registry root of its own.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "config/ConfigModule.h"
#include "config/ConfigSeams.h"
#include "config/FormatProfile.h"
#include "config/SettingsTable.h"
#include "tests/config/ConfigTestSupport.h"

using configtest::Installation;
using configtest::Seams;

namespace {

struct ModuleDeleter {
  void operator()(CConfigModule* module) const { module->Release(); }
};
typedef std::unique_ptr<CConfigModule, ModuleDeleter> ModulePtr;

ModulePtr StartedModule(HRESULT expected = S_OK) {
  ModulePtr module(new CConfigModule());
  EXPECT_EQ(expected, module->InitInstance());
  return module;
}

std::string Text(CConfigModule* module, const char* name, int bDefault = 0) {
  char buffer[1024] = {0};
  module->GetString(name, buffer, sizeof(buffer), bDefault);
  return buffer;
}

}  // namespace

TEST(ConfigStartup, FirstRunTakesProfileDefaultsAndSavesThem) {
  Installation install;
  ModulePtr module = StartedModule();
  ASSERT_NE(nullptr, module->GetTranslator());
  EXPECT_EQ(install.Folder() + "Skins\\Default", Text(module.get(), "SkinPath"));
  EXPECT_EQ(install.Folder() + "Configs\\Formats.ini", Text(module.get(), "ConfigFilePath"));
  EXPECT_EQ(install.Folder(), Text(module.get(), "InstallDirectory"));
  // The format profile's first-run values, not the table's own defaults.
  EXPECT_EQ(320 << 16 | 240, module->GetInt("VideoSize", 0, 1));
  EXPECT_EQ(640, module->GetInt("MaxWidth", 0, 1));
  EXPECT_EQ(160, module->GetInt("MinWidth", 0, 1));
  EXPECT_EQ(44100, module->GetInt("MP3SamplingRate", 0, 1));
  EXPECT_EQ(44100, module->GetInt("UserMP3SamplingRate", 0, 1));
  EXPECT_EQ(800 << 16 | 600, module->GetInt("PhotoResolutionData", 0, 1));
  EXPECT_EQ(1, module->GetInt("PhotoResolutionIndex", 0, 1));
  // The translator's language, not the table default 1033 (English here).
  LCID language = 0;
  module->GetTranslator()->GetLanguage(&language, 0);
  EXPECT_EQ(static_cast<int>(language), module->GetInt("UILanguageLCID", 0, 1));
  DWORD stored = 0;
  ASSERT_TRUE(install.ReadDword("NotFirstTimeRun", &stored));
  EXPECT_EQ(1u, stored);
  ASSERT_TRUE(install.ReadDword("UILanguageLCID", &stored));
  EXPECT_EQ(language, stored);
  // No "My Videos" in the documents folder, but a "My Music".
  EXPECT_EQ(install.Folder() + "Documents", Text(module.get(), "VideoSavePath", 1));
  EXPECT_EQ(install.Folder() + "Documents\\My Music", Text(module.get(), "MusicSavePath", 1));
  EXPECT_TRUE(Seams().boxes.empty());
}

TEST(ConfigStartup, ShippedProfileGivesEveryOutputType) {
  Installation install;
  ModulePtr module = StartedModule();
  // Ten types whose positions are their ids, then the user-defined one.
  ASSERT_EQ(11, GetOutputTypeCount());
  for (int i = 0; i < 10; ++i) {
    OutputTypeEntry entry;
    ASSERT_TRUE(GetOutputType(i, &entry)) << i;
    EXPECT_EQ(i, entry.id);
  }
  OutputTypeEntry user;
  ASSERT_TRUE(GetOutputType(10, &user));
  EXPECT_EQ(1, user.id);  // UserDefinedFormat starts outside 0..7
  EXPECT_STREQ("MPEG-1", user.audioCodec);
  EXPECT_STREQ("MPEG-4", user.videoCodec);
  EXPECT_EQ(1, module->GetInt("UseUserDefined", 0, 1));
  TextList formats;
  ASSERT_TRUE(ReadOutputFormats(&formats, Text(module.get(), "ConfigFilePath").c_str()));
  EXPECT_EQ(10u, formats.size());
}

TEST(ConfigStartup, TheProfilePathIsRefusedToABufferItDoesNotFit) {
  Installation install;
  ModulePtr module = StartedModule();
  std::string profile = install.Folder() + "Configs\\Formats.ini";
  char exact[kProfilePathRoom];
  EXPECT_EQ(1, module->GetString("ConfigFilePath", exact, static_cast<int>(profile.size() + 1), 0));
  EXPECT_EQ(profile, exact);
  // A cut path names another file: nothing is better than part of it.
  char small[kProfilePathRoom];
  memset(small, 'x', sizeof(small));
  EXPECT_EQ(0, module->GetString("ConfigFilePath", small, static_cast<int>(profile.size()), 0));
  EXPECT_STREQ("", small);
}

TEST(ConfigStartup, SettingsSurviveARestartAndTheFirstRunRunsOnce) {
  Installation install;
  const std::string longPath(600, 'p');
  {
    ModulePtr module = StartedModule();
    module->SetInt("VideoSize", 176 << 16 | 144, 0);
    module->SetInt("NumChannels", 1, 0);
    module->SetString("LastOpenPath", longPath.c_str(), 0);
    EXPECT_EQ(S_OK, module->ExitInstance());
  }
  ResetSettingTables();  // a new process starts from the built-in tables
  ModulePtr module = StartedModule();
  EXPECT_EQ(176 << 16 | 144, module->GetInt("VideoSize", 0, 1));
  EXPECT_EQ(1, module->GetInt("NumChannels", 0, 1));
  EXPECT_EQ(longPath.substr(0, 511), Text(module.get(), "LastOpenPath"));
}

TEST(ConfigStartup, StoredSettingsWithoutFirstRunMarkStartAFreshFirstRun) {
  Installation install;
  install.WriteDword("MaxWidth", 320);
  ModulePtr module = StartedModule();
  EXPECT_EQ(640, module->GetInt("MaxWidth", 0, 1));
}

struct BrokenInstallation {
  const char* what;
  void (*breakIt)(Installation&);
};

const BrokenInstallation kBroken[] = {
    {"no language library", [](Installation& i) { DeleteFileA(i.File("vrcl.dll").c_str()); }},
    {"no Config.ini", [](Installation& i) { DeleteFileA(i.File("Configs\\Config.ini").c_str()); }},
    {"missing format profile", [](Installation& i) { i.WriteConfigIni("Configs\\Missing.ini"); }},
    {"format profile path longer than a path",
     [](Installation& i) { i.WriteConfigIni(std::string(300, 'p') + "\\Formats.ini"); }},
    {"format profile path longer than the value's room",
     [](Installation& i) { i.WriteConfigIni(std::string(1100, 'p') + "\\Formats.ini"); }},
    {"no version file", [](Installation& i) { DeleteFileA(i.File("VarnoReelCraft.dll").c_str()); }},
    {"version file renamed by OEM value",
     [](Installation& i) {
       i.WriteConfigIni("Configs\\Formats.ini", configtest::OemLine(4, "Other.dll"));
     }},
    {"no valid skin",
     [](Installation& i) {
       vrctest::WriteFile(i.File("Skins\\Default\\skin.ini"), "[SkinInfo]\r\nSpecVersion=2.0\r\n");
     }},
};

class ConfigStartupFailure : public ::testing::TestWithParam<BrokenInstallation> {};

TEST_P(ConfigStartupFailure, FailsQuietlyAndSavesNothing) {
  Installation install;
  GetParam().breakIt(install);
  ModulePtr module = StartedModule(E_FAIL);
  EXPECT_TRUE(Seams().boxes.empty());
  // A failed start-up read no settings, so its shut-down must not write the
  // built-in defaults over the user's stored values.
  install.WriteDword("MaxWidth", 320);
  module->ExitInstance();
  DWORD stored = 0;
  ASSERT_TRUE(install.ReadDword("MaxWidth", &stored));
  EXPECT_EQ(320u, stored);
  EXPECT_EQ(0, module->Save());
}

INSTANTIATE_TEST_SUITE_P(Table, ConfigStartupFailure, ::testing::ValuesIn(kBroken),
                         [](const ::testing::TestParamInfo<BrokenInstallation>& info) {
                           std::string name;
                           for (const char* c = info.param.what; *c; ++c)
                             if (isalnum(static_cast<unsigned char>(*c))) name += *c;
                           return name;
                         });

int DirectX7() { return 7; }

TEST(ConfigStartup, OldDirectXShowsTheNoticeAndFailsWhateverTheAnswer) {
  for (int answer : {IDYES, IDNO}) {
    Installation install;
    ConfigSetDirectXVersionSeam(DirectX7);
    Seams().boxAnswer = answer;
    ModulePtr module = StartedModule(E_FAIL);
    ASSERT_EQ(1u, Seams().boxes.size());
    EXPECT_EQ("Notice", Seams().boxes[0].caption);
    EXPECT_NE(std::string::npos,
              Seams().boxes[0].text.find("This version of Varno Reel Craft V2.0 requires DirectX"));
    EXPECT_EQ(std::string::npos, Seams().boxes[0].text.find("APPNAME"));
    EXPECT_EQ(answer == IDYES ? 1u : 0u, Seams().shellFiles.size());
  }
}

TEST(ConfigStartup, PowerOffSavesTheSessionFirst) {
  Installation install;
  ModulePtr module = StartedModule();
  module->SetInt("VideoQuality", 77, 0);
  Seams().powerOffProbe = "VideoQuality";
  module->SetInt("VRCExitWindowsEx", 1, 0);
  EXPECT_EQ(1, Seams().powerOffs);
  EXPECT_EQ(77u, Seams().probeSeen);
  EXPECT_EQ(0, module->GetInt("VRCExitWindowsEx", 0, 1));
}

TEST(ConfigStartup, AppMessageBoxTakesALongApplicationNameWhole) {
  Installation install;
  const std::string longName(250, 'N');
  install.WriteConfigIni("Configs\\Formats.ini", configtest::OemLine(3, longName));
  ModulePtr module = StartedModule();
  EXPECT_EQ(longName, Text(module.get(), "OEMAppName"));
  EXPECT_EQ("Varno Reel Craft V2.0", Text(module.get(), "OEMAppName", 1));
  module->ShowAppMessageBox(NULL, "APPNAME and APPNAME", "APPNAME", MB_OK);
  ASSERT_EQ(1u, Seams().boxes.size());
  EXPECT_EQ(longName + " and " + longName, Seams().boxes[0].text);
  EXPECT_EQ(longName, Seams().boxes[0].caption);
}

TEST(ConfigStartup, VideoSizeOfPlayerTypesFallsBackToTheirOneSize) {
  Installation install;
  ModulePtr module = StartedModule();
  module->SetInt("VideoSize", 0x00B00090, 0);
  EXPECT_EQ(0, module->GetInt("GetVideoSize", 6, 1));
  module->SetInt("VideoSize", 640 << 16 | 480, 0);
  EXPECT_EQ(-1, module->GetInt("GetVideoSize", 6, 1));
  EXPECT_EQ(0x00B00090, module->GetInt("VideoSize", 0, 1));
  // Type 0 reads the profile's list: 640x480 is its sixth row.
  module->SetInt("VideoSize", 640 << 16 | 480, 0);
  EXPECT_EQ(5, module->GetInt("GetVideoSize", 0, 1));
}

TEST(ConfigStartup, HelpFileFollowsTheLanguageAndIsCopiedOnlyWhenItDiffers) {
  Installation install;
  { ModulePtr module = StartedModule(); }
  EXPECT_EQ("english help", vrctest::ReadFile(install.File("Help.chm")));
  // Same size as the chosen file: a second start copies nothing.
  vrctest::WriteFile(install.File("Help.chm"), "ENGLISH HELP");
  { ModulePtr module = StartedModule(); }
  EXPECT_EQ("ENGLISH HELP", vrctest::ReadFile(install.File("Help.chm")));
  // An entry with two language ids; the translator's language is English.
  vrctest::WriteFile(install.File("Helps\\Helps.ini"),
                     "[HelpFiles]\r\n1=Missing.chm,1033\r\n2=German.chm,1031,1033\r\n");
  { ModulePtr module = StartedModule(); }
  EXPECT_EQ("german help, longer", vrctest::ReadFile(install.File("Help.chm")));
  DeleteFileA(install.File("Helps\\Helps.ini").c_str());
  { ModulePtr module = StartedModule(); }
  EXPECT_EQ("english help", vrctest::ReadFile(install.File("Help.chm")));
}

TEST(ConfigStartup, ChosenLanguageTranslatesTheNextStartsMessages) {
  Installation install;
  {
    ModulePtr module = StartedModule();
    ASSERT_EQ(S_OK, module->GetTranslator()->SetLanguage(1031));
  }
  ModulePtr module = StartedModule();
  LCID language = 0;
  module->GetTranslator()->GetLanguage(&language, 0);
  EXPECT_EQ(1031u, language);
  module->ShowAppMessageBox(NULL, "Output path doesn't exist!", "APPNAME V2.0", MB_OK);
  ASSERT_EQ(1u, Seams().boxes.size());
  EXPECT_EQ("Der Ausgabeordner existiert nicht!", Seams().boxes[0].text);
}

TEST(ConfigStartup, SkinNamesComeBackEmptyWhenTheLogoIsMissing) {
  Installation install;
  DeleteFileA(install.File("Skins\\Default\\Logo.bmp").c_str());
  ModulePtr module = StartedModule();
  char buffer[260] = "untouched";
  EXPECT_EQ(1, module->GetString("SkinPath", buffer, sizeof(buffer), 0));
  EXPECT_STREQ("", buffer);
}
