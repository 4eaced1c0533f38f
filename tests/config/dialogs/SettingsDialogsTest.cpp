// The four settings dialogs on the shipped format profile, each shown
// modeless and driven by messages: the values they open with, what OK
// stores and that Cancel stores nothing; then each run modally, owned by a
// window that stays disabled while the dialog is up.
#include <gtest/gtest.h>

#include <windows.h>
#include <shellapi.h>

#include <functional>
#include <memory>

#include <string>

#include <dshow.h>

#include "config/dialogs/AboutDialog.h"
#include "config/dialogs/ComboFill.h"
#include "config/dialogs/CompressorCombos.h"
#include "config/dialogs/OutputSettingsRules.h"
#include "config/dialogs/ConfigDialogs.h"
#include "config/dialogs/DialogIds.h"
#include "config/dialogs/Mp3SettingsDialog.h"
#include "config/dialogs/OptionsDialog.h"
#include "config/dialogs/OutputSettingsDialog.h"
#include "tests/config/dialogs/DialogTestSupport.h"
#include "winfx/Seams.h"

using dialogtest::Choose;
using dialogtest::Click;
using dialogtest::Rows;
using dialogtest::Selected;

namespace {

const LCID kEnglish = 1033, kGerman = 1031, kNoSuchLanguage = 0x7A7A;

int RowOf(const ComboRows& rows, const std::string& text) {
  for (size_t i = 0; i < rows.size(); ++i)
    if (rows[i].text == text) return static_cast<int>(i);
  return -1;
}

std::string ItemText(HWND dialog, int id) {
  char text[512] = {0};
  GetDlgItemTextA(dialog, id, text, sizeof(text));
  return text;
}

// ---- Options ---------------------------------------------------------------

class OptionsDialog : public ::testing::Test {
 protected:
  void SetUp() override {
    store.translator.languages = {kEnglish, kNoSuchLanguage, kGerman};
    store.translator.language = kGerman;
    store.config.Set("UILanguageLCID", kEnglish);
    store.config.Set("ExitWindowsEx", 1);
  }
  HWND Open() {
    EXPECT_TRUE(dialog.CreateModeless(NULL));
    return dialog.m_hWnd;
  }
  dialogtest::Store store;
  COptionsDialog dialog{&store.config};
};

TEST_F(OptionsDialog, ListsTheTranslatorsLanguagesWithReadableNames) {
  HWND hWnd = Open();
  ComboRows rows = Rows(hWnd, IDC_OPTIONS_LANGUAGE);
  ASSERT_EQ(2u, rows.size()) << "a language without a readable name is left out";
  EXPECT_EQ(static_cast<INT_PTR>(kEnglish), rows[0].data);
  EXPECT_EQ(static_cast<INT_PTR>(kGerman), rows[1].data);
  EXPECT_EQ(static_cast<INT_PTR>(kGerman), Selected(hWnd, IDC_OPTIONS_LANGUAGE))
      << "the translator's current language";
  EXPECT_EQ(BST_CHECKED, IsDlgButtonChecked(hWnd, IDC_OPTIONS_POWER_OFF));
  EXPECT_EQ(std::vector<std::string>{"OptionsDlg"}, store.translator.dialogSections);
}

TEST_F(OptionsDialog, OkSetsTheChosenLanguageAndStoresThePowerOffChoice) {
  HWND hWnd = Open();
  Choose(hWnd, IDC_OPTIONS_LANGUAGE, kEnglish);
  CheckDlgButton(hWnd, IDC_OPTIONS_POWER_OFF, BST_UNCHECKED);
  Click(hWnd, IDOK);
  EXPECT_EQ(std::vector<LCID>{kEnglish}, store.translator.languagesSet);
  EXPECT_EQ(0, store.config.Int("ExitWindowsEx"));
  EXPECT_EQ(kEnglish, store.config.Int("UILanguageLCID")) << "the first-run language stays";
}

TEST_F(OptionsDialog, DefaultBringsBackTheFirstRunLanguageAndNoPowerOff) {
  store.config.Set("UILanguageLCID", kGerman);
  store.translator.language = kEnglish;
  HWND hWnd = Open();
  EXPECT_EQ(static_cast<INT_PTR>(kEnglish), Selected(hWnd, IDC_OPTIONS_LANGUAGE));
  Click(hWnd, IDC_OPTIONS_DEFAULT);
  EXPECT_EQ(static_cast<INT_PTR>(kGerman), Selected(hWnd, IDC_OPTIONS_LANGUAGE));
  EXPECT_EQ(BST_UNCHECKED, IsDlgButtonChecked(hWnd, IDC_OPTIONS_POWER_OFF));
}

TEST_F(OptionsDialog, OkWithNoLanguageListedLeavesTheLanguageAlone) {
  store.translator.languages.clear();
  HWND hWnd = Open();
  EXPECT_TRUE(Rows(hWnd, IDC_OPTIONS_LANGUAGE).empty());
  Click(hWnd, IDOK);
  EXPECT_TRUE(store.translator.languagesSet.empty()) << "no SetLanguage with CB_ERR";
  EXPECT_EQ(kGerman, store.translator.language);
  EXPECT_EQ(1, store.config.Int("ExitWindowsEx"));
}

TEST(OptionsDialogWithoutTranslator, ShowsAndStoresThePowerOffChoice) {
  dialogtest::Store store;
  store.config.translator = NULL;
  store.config.Set("ExitWindowsEx", 1);
  COptionsDialog dialog(&store.config);
  ASSERT_TRUE(dialog.CreateModeless(NULL));
  EXPECT_TRUE(Rows(dialog.m_hWnd, IDC_OPTIONS_LANGUAGE).empty()) << "no languages to offer";
  EXPECT_EQ(BST_CHECKED, IsDlgButtonChecked(dialog.m_hWnd, IDC_OPTIONS_POWER_OFF));
  CheckDlgButton(dialog.m_hWnd, IDC_OPTIONS_POWER_OFF, BST_UNCHECKED);
  Click(dialog.m_hWnd, IDOK);
  EXPECT_EQ(0, store.config.Int("ExitWindowsEx"));
}

TEST_F(OptionsDialog, CancelChangesNothing) {
  HWND hWnd = Open();
  Choose(hWnd, IDC_OPTIONS_LANGUAGE, kEnglish);
  CheckDlgButton(hWnd, IDC_OPTIONS_POWER_OFF, BST_UNCHECKED);
  CFakeConfig::IntTable before = store.config.ints;
  Click(hWnd, IDCANCEL);
  EXPECT_TRUE(store.translator.languagesSet.empty());
  EXPECT_EQ(before, store.config.ints);
}

// ---- MP3 settings ------------------------------------------------------------

class Mp3Dialog : public ::testing::Test {
 protected:
  void SetUp() override {
    store.config.Set("MP3Mode", 0);
    store.config.Set("MP3SamplingRate", 44100);
    store.config.Set("MP3Channel", 1);
    store.config.Set("MP3Quality", 2);
    store.config.Set("MP3Bitrate", 192);
    store.config.Set("MusicLastOutputTypeData", -1);
    store.config.Set("UserMP3Bitrate", 160);
  }
  HWND Open() {
    EXPECT_TRUE(dialog.CreateModeless(NULL));
    return dialog.m_hWnd;
  }
  dialogtest::Store store;
  CMp3SettingsDialog dialog{&store.config};
};

TEST_F(Mp3Dialog, ShowsTheProfileListsWithTheCurrentValues) {
  HWND hWnd = Open();
  EXPECT_EQ((ComboRows{{"Constant bit rate (CBR)", 0}, {"Variable bit rate (VBR)", 1}}),
            Rows(hWnd, IDC_MP3_MODE));
  EXPECT_EQ(7u, Rows(hWnd, IDC_MP3_SAMPLING_RATE).size());
  EXPECT_EQ(9u, Rows(hWnd, IDC_MP3_BITRATE).size());
  EXPECT_EQ(44100, Selected(hWnd, IDC_MP3_SAMPLING_RATE));
  EXPECT_EQ(1, Selected(hWnd, IDC_MP3_CHANNEL));
  EXPECT_EQ(2, Selected(hWnd, IDC_MP3_QUALITY));
  EXPECT_EQ(192, Selected(hWnd, IDC_MP3_BITRATE));
  EXPECT_TRUE(IsWindowEnabled(GetDlgItem(hWnd, IDC_MP3_BITRATE)));
}

TEST_F(Mp3Dialog, ACurrentValueInNoRowSelectsTheFirstRow) {
  store.config.Set("MP3Quality", 99);
  HWND hWnd = Open();
  EXPECT_EQ(7, Selected(hWnd, IDC_MP3_QUALITY));
}

TEST_F(Mp3Dialog, ALowSamplingRateKeepsOnlyBitRatesBelow192) {
  HWND hWnd = Open();
  Choose(hWnd, IDC_MP3_SAMPLING_RATE, 22050);
  EXPECT_EQ((ComboRows{{"32 kbps", 32}, {"48 kbps", 48}, {"64 kbps", 64}, {"96 kbps", 96},
                       {"128 kbps", 128}, {"160 kbps", 160}}),
            Rows(hWnd, IDC_MP3_BITRATE));
  EXPECT_EQ(160, Selected(hWnd, IDC_MP3_BITRATE)) << "the last remaining bit rate";
  Choose(hWnd, IDC_MP3_SAMPLING_RATE, 32000);
  EXPECT_EQ(9u, Rows(hWnd, IDC_MP3_BITRATE).size());
  EXPECT_EQ(192, Selected(hWnd, IDC_MP3_BITRATE));
}

TEST_F(Mp3Dialog, APresetMusicRowDisablesTheListsAndOkKeepsTheUsersOwnSettings) {
  store.config.Set("MusicLastOutputTypeData", 9);  // the catalogue's MP3 entry
  store.config.Set("UserMP3SamplingRate", 32000);
  HWND hWnd = Open();
  for (int id : {IDC_MP3_MODE, IDC_MP3_SAMPLING_RATE, IDC_MP3_CHANNEL, IDC_MP3_QUALITY,
                 IDC_MP3_BITRATE})
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(hWnd, id))) << id;
  CFakeConfig::IntTable before = store.config.ints;
  Click(hWnd, IDOK);
  EXPECT_EQ(before, store.config.ints) << "the preset's values are not the user's";
  EXPECT_EQ(32000, store.config.Int("UserMP3SamplingRate"));
  EXPECT_EQ(160, store.config.Int("UserMP3Bitrate"));
}

TEST_F(Mp3Dialog, ALowSamplingRateOpensOnTheStoredBitRateWhereTheListHasIt) {
  store.config.Set("MP3SamplingRate", 22050);
  store.config.Set("MP3Bitrate", 64);
  HWND hWnd = Open();
  EXPECT_EQ(6u, Rows(hWnd, IDC_MP3_BITRATE).size());
  EXPECT_EQ(64, Selected(hWnd, IDC_MP3_BITRATE));
  Click(hWnd, IDOK);
  EXPECT_EQ(64, store.config.Int("UserMP3Bitrate"));
  EXPECT_EQ(22050, store.config.Int("UserMP3SamplingRate"));
}

TEST_F(Mp3Dialog, OkStoresTheChoicesInTheUserKeys) {
  HWND hWnd = Open();
  Choose(hWnd, IDC_MP3_MODE, 1);
  Choose(hWnd, IDC_MP3_CHANNEL, 3);
  Choose(hWnd, IDC_MP3_BITRATE, 256);
  Click(hWnd, IDOK);
  EXPECT_EQ(1, store.config.Int("UserMP3Mode"));
  EXPECT_EQ(44100, store.config.Int("UserMP3SamplingRate"));
  EXPECT_EQ(3, store.config.Int("UserMP3Channel"));
  EXPECT_EQ(2, store.config.Int("UserMP3Quality"));
  EXPECT_EQ(256, store.config.Int("UserMP3Bitrate"));
  EXPECT_EQ(192, store.config.Int("MP3Bitrate")) << "the current key is the music module's";
}

TEST_F(Mp3Dialog, OkWithNoBitRateSelectedKeepsThePreviousValue) {
  HWND hWnd = Open();
  SendMessageA(GetDlgItem(hWnd, IDC_MP3_BITRATE), CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
  Click(hWnd, IDOK);
  EXPECT_EQ(160, store.config.Int("UserMP3Bitrate")) << "not CB_ERR";
}

TEST_F(Mp3Dialog, CancelStoresNothing) {
  HWND hWnd = Open();
  Choose(hWnd, IDC_MP3_BITRATE, 320);
  CFakeConfig::IntTable before = store.config.ints;
  Click(hWnd, IDCANCEL);
  EXPECT_EQ(before, store.config.ints);
}

// ---- Output settings ---------------------------------------------------------

OutputTypeEntry Type(int id, const char* audio, const char* video) {
  OutputTypeEntry entry = {};
  entry.id = id;
  lstrcpynA(entry.audioCodec, audio, sizeof(entry.audioCodec));
  lstrcpynA(entry.videoCodec, video, sizeof(entry.videoCodec));
  lstrcpynA(entry.description, "test type", sizeof(entry.description));
  return entry;
}

class OutputDialog : public ::testing::Test {
 protected:
  void SetUp() override {
    store.config.Set("UseUserDefined", 1);
    store.config.Set("UseDefaultAudioFormat", 1);
    store.config.Set("VCDChannel", 2);
    store.config.Set("VideoSize", (320 << 16) | 240);
    store.config.Set("VideoBitrate", 512000);
    store.config.Set("VideoQuality", 40);
    store.config.Set("VideoFPS", 25);
    store.config.Set("VideoKeyFrame", 4);
    store.config.Set("Splitter", 2);
    store.config.Set("Coach7Bitrate", 1500000);
    store.config.Set("AudioFormatData", -1);
  }
  HWND Open(const OutputTypeEntry& type) {
    dialog.reset(new COutputSettingsDialog(&store.config, type));
    EXPECT_TRUE(dialog->CreateModeless(NULL));
    return dialog->m_hWnd;
  }
  void TearDown() override {
    dialog.reset();
    EXPECT_TRUE(dialogtest::Boxes().empty()) << "an enumerator failed: " << dialogtest::Boxes()[0];
  }
  dialogtest::Store store;
  std::unique_ptr<COutputSettingsDialog> dialog;
};

struct TypeCase {
  const char* name;
  int type;
  const char* audioCodec;
  const char* videoCodec;
  bool noRecompressionVideo;  // "No Recompression" (-1) is the first video row
  bool noRecompressionAudio;
  ComboRows fixedVideo;  // expected rows of the fixed MPEG-4 types, else empty
  bool parametersEnabled;
  size_t audioFormats;  // rows of the audio format list
};

const TypeCase kTypes[] = {
    {"Avi", 0, "PCM", "MJPEG Compressor", true, true, {}, false, 0},
    {"PortableMpeg4", 1, "MPEG Layer-3", "MPEG-4", false, false,
     {{"MPEG-4", 0}, {"XviD MPEG-4 Codec", -1}}, true, 11},
    {"WindowsMedia", 2, "Windows Media Audio 9", "Windows Media Video 9", false, true, {}, true,
     31},
    {"Asf3", 3, "IMA ADPCM", "MJPEG Compressor", true, true, {}, false, 0},
    {"Mpeg4InAsf", 4, "MPEG-1", "MPEG-4", false, false, {{"MPEG-4", 0}, {"XviD MPEG-4 Codec", -1}},
     true, 11},
    {"Mp4", 5, "MPEG4 AAC", "MPEG-4", false, false, {{"MPEG-4", 0}, {"XviD MPEG-4 Codec", -1}},
     true, 11},
    {"MobilePhone", 6, "AMR_NB", "MPEG-4", false, false, {{"MPEG-4", 0}, {"XviD MPEG-4 Codec", -1}},
     true, 2},
    {"Handheld", 7, "MPEG4 AAC", "MPEG-4", false, false,
     {{"MPEG-4", 0}, {"XviD MPEG-4 Codec", -1}}, true, 11},
};

class OutputDialogTypes : public OutputDialog, public ::testing::WithParamInterface<TypeCase> {};

TEST_P(OutputDialogTypes, OfferTheListsOfTheirClass) {
  const TypeCase& row = GetParam();
  HWND hWnd = Open(Type(row.type, row.audioCodec, row.videoCodec));
  EXPECT_EQ(row.type, static_cast<int>(SendMessageA(GetDlgItem(hWnd, IDC_OUTPUT_FORMAT),
                                                     CB_GETCURSEL, 0, 0)));
  ComboRows video = Rows(hWnd, IDC_VIDEO_COMPRESSOR);
  ComboRows audio = Rows(hWnd, IDC_AUDIO_COMPRESSOR);
  if (row.noRecompressionVideo) {
    ASSERT_FALSE(video.empty());
    EXPECT_EQ((ComboRow{"No Recompression", -1}), video[0]);
  }
  if (row.noRecompressionAudio) {
    ASSERT_FALSE(audio.empty());
    EXPECT_EQ((ComboRow{"No Recompression", -1}), audio[0]);
  }
  if (!row.fixedVideo.empty()) {
    EXPECT_EQ(row.fixedVideo, video);
    EXPECT_EQ((ComboRows{{"MPEG-1", 1}, {"MPEG Layer-3", 2}, {"PCM", 0}, {"IMA ADPCM", 3}}), audio);
    // The received codec name preselects its row.
    EXPECT_EQ(0, Selected(hWnd, IDC_VIDEO_COMPRESSOR));
  }
  for (int id : {IDC_VIDEO_SIZE, IDC_VIDEO_BITRATE, IDC_VIDEO_QUALITY, IDC_VIDEO_FPS,
                 IDC_VIDEO_KEYFRAME, IDC_AUDIO_FORMAT})
    EXPECT_EQ(row.parametersEnabled, IsWindowEnabled(GetDlgItem(hWnd, id)) != FALSE) << id;
  EXPECT_EQ(row.audioFormats, Rows(hWnd, IDC_AUDIO_FORMAT).size());
  EXPECT_FALSE(IsWindowVisible(GetDlgItem(hWnd, IDC_APPLY_ALL)));
  EXPECT_FALSE(IsWindowVisible(GetDlgItem(hWnd, IDC_VIDEO_COMPRESSOR_SETTING)));
  EXPECT_FALSE(IsWindowVisible(GetDlgItem(hWnd, IDC_TWO_PASS)));
  EXPECT_EQ(std::vector<std::string>{"OutputSettingDlg"}, store.translator.dialogSections);
}

INSTANTIATE_TEST_SUITE_P(Table, OutputDialogTypes, ::testing::ValuesIn(kTypes),
                         [](const ::testing::TestParamInfo<TypeCase>& info) {
                           return std::string(info.param.name);
                         });

TEST_F(OutputDialog, OpensWithTheCurrentSettings) {
  HWND hWnd = Open(Type(1, "MPEG Layer-3", "MPEG-4"));
  EXPECT_EQ((320 << 16) | 240, Selected(hWnd, IDC_VIDEO_SIZE));
  EXPECT_EQ(512000, Selected(hWnd, IDC_VIDEO_BITRATE));
  EXPECT_EQ(40, Selected(hWnd, IDC_VIDEO_QUALITY));
  EXPECT_EQ(25, Selected(hWnd, IDC_VIDEO_FPS));
  EXPECT_EQ(4, Selected(hWnd, IDC_VIDEO_KEYFRAME));
  EXPECT_EQ(2, Selected(hWnd, IDC_SPLITTER));
  EXPECT_EQ(2, Selected(hWnd, IDC_AUDIO_COMPRESSOR)) << "MPEG Layer-3, by the type's codec";
  EXPECT_EQ(-1, Selected(hWnd, IDC_AUDIO_FORMAT)) << "Default Value";
  EXPECT_EQ(BST_CHECKED, IsDlgButtonChecked(hWnd, IDC_VCD_BOTH));
}

TEST_F(OutputDialog, TheAudioFormatIsChosenByItsItemData) {
  // With "Default Value" first, data 3 sits at position 4.
  store.config.Set("AudioFormatData", 3);
  HWND hWnd = Open(Type(1, "MPEG Layer-3", "MPEG-4"));
  EXPECT_EQ(3, Selected(hWnd, IDC_AUDIO_FORMAT));
  EXPECT_EQ(4, static_cast<int>(SendMessageA(GetDlgItem(hWnd, IDC_AUDIO_FORMAT), CB_GETCURSEL, 0, 0)));
  store.config.Set("AudioFormatData", 777);
  Click(hWnd, IDC_OUTPUT_DEFAULT);  // opens again; an unknown value selects the first row
  EXPECT_EQ(0, static_cast<int>(SendMessageA(GetDlgItem(hWnd, IDC_AUDIO_FORMAT), CB_GETCURSEL, 0, 0)));
}

TEST_F(OutputDialog, TheMobilePhoneTypeHasItsOwnAudioChoicesAndSize) {
  HWND hWnd = Open(Type(6, "AMR_NB", "MPEG-4"));
  EXPECT_EQ((ComboRows{{"Default Value", -1}, {"8000Hz, Mono", 0}}), Rows(hWnd, IDC_AUDIO_FORMAT));
  EXPECT_EQ((ComboRows{{"176x144", (176 << 16) | 144}}), Rows(hWnd, IDC_VIDEO_SIZE));
}

TEST_F(OutputDialog, OkStoresTheChoices) {
  HWND hWnd = Open(Type(1, "MPEG Layer-3", "MPEG-4"));
  Choose(hWnd, IDC_VIDEO_SIZE, (352 << 16) | 288);
  Choose(hWnd, IDC_VIDEO_BITRATE, 768000);
  Choose(hWnd, IDC_VIDEO_QUALITY, 100);
  Choose(hWnd, IDC_VIDEO_FPS, 30);
  Choose(hWnd, IDC_VIDEO_KEYFRAME, 10);
  Choose(hWnd, IDC_SPLITTER, 600);
  Choose(hWnd, IDC_AUDIO_COMPRESSOR, 1);
  ComboRows formats = Rows(hWnd, IDC_AUDIO_FORMAT);
  const int mono44 = RowOf(formats, "44100Hz, Mono");
  ASSERT_GE(mono44, 1) << "after \"Default Value\"";
  Choose(hWnd, IDC_AUDIO_FORMAT, formats[mono44].data);
  Click(hWnd, IDOK);
  const CFakeConfig& c = store.config;
  EXPECT_EQ((352 << 16) | 288, c.Int("VideoSize"));
  EXPECT_EQ(768000, c.Int("VideoBitrate"));
  EXPECT_EQ(100, c.Int("VideoQuality"));
  EXPECT_EQ(30, c.Int("VideoFPS"));
  EXPECT_EQ(10, c.Int("VideoKeyFrame"));
  EXPECT_EQ(600, c.Int("Splitter"));
  // The MPEG-4 types convert with their own codecs: the compressor lists
  // are not offered and OK leaves the recompression's choice alone.
  EXPECT_EQ(0, c.Int("VideoParamCodecIndex"));
  EXPECT_EQ(0, c.Int("AudioParamCodecIndex"));
  EXPECT_EQ(mono44, c.Int("AudioFormatIndex"));
  EXPECT_EQ(formats[mono44].data, c.Int("AudioFormatData"));
  EXPECT_EQ(44100, c.Int("SamplesPerSecond"));
  EXPECT_EQ(1, c.Int("NumChannels"));
  EXPECT_EQ("MPEG-1", dialog->AudioCompressorText());
  EXPECT_EQ("MPEG-4", dialog->VideoCompressorText());
}

TEST_F(OutputDialog, DefaultValueIsNoFormatAndStoresNoNumbers) {
  store.config.Set("SamplesPerSecond", 44100);
  store.config.Set("BitsPerSample", 16);
  store.config.Set("NumChannels", 1);
  HWND hWnd = Open(Type(1, "MPEG Layer-3", "MPEG-4"));
  ASSERT_EQ(-1, Selected(hWnd, IDC_AUDIO_FORMAT)) << "Default Value";
  Click(hWnd, IDOK);
  EXPECT_EQ(44100, store.config.Int("SamplesPerSecond"));
  EXPECT_EQ(16, store.config.Int("BitsPerSample"));
  EXPECT_EQ(1, store.config.Int("NumChannels"));
  EXPECT_EQ(-1, store.config.Int("AudioFormatData"));
}

TEST_F(OutputDialog, CancelStoresNothingButTheVcdChannelClick) {
  HWND hWnd = Open(Type(1, "MPEG Layer-3", "MPEG-4"));
  Choose(hWnd, IDC_VIDEO_SIZE, (352 << 16) | 288);
  Click(hWnd, IDC_VCD_RIGHT);
  EXPECT_EQ(1, store.config.Int("VCDChannel")) << "stored at once";
  CFakeConfig::IntTable before = store.config.ints;
  Click(hWnd, IDCANCEL);
  EXPECT_EQ(before, store.config.ints);
  EXPECT_EQ((320 << 16) | 240, store.config.Int("VideoSize"));
}

TEST_F(OutputDialog, A640x480PortableVideoTakesTheCoachBitRate) {
  HWND hWnd = Open(Type(1, "MPEG Layer-3", "MPEG-4"));
  Choose(hWnd, IDC_VIDEO_SIZE, (640 << 16) | 480);
  EXPECT_EQ(1500000, Selected(hWnd, IDC_VIDEO_BITRATE));
  store.config.Set("VideoSize", (640 << 16) | 480);
  Click(hWnd, IDC_OUTPUT_DEFAULT);
  // The profile's defaults are shown (320x240 and its bit rate): the coach
  // rate only goes with 640x480.
  EXPECT_EQ((320 << 16) | 240, store.config.Int("VideoSize"));
  EXPECT_EQ((320 << 16) | 240, Selected(hWnd, IDC_VIDEO_SIZE));
  EXPECT_NE(1500000, store.config.Int("VideoBitrate"));
  EXPECT_EQ(store.config.Int("VideoBitrate"), Selected(hWnd, IDC_VIDEO_BITRATE));
  // Opened on a stored 640x480, the list shows the coach rate at once.
  store.config.Set("VideoSize", (640 << 16) | 480);
  hWnd = Open(Type(1, "MPEG Layer-3", "MPEG-4"));
  EXPECT_EQ(1500000, Selected(hWnd, IDC_VIDEO_BITRATE));
}

TEST_F(OutputDialog, AnotherTypeKeepsItsBitRateAt640x480) {
  HWND hWnd = Open(Type(4, "MPEG-1", "MPEG-4"));
  Choose(hWnd, IDC_VIDEO_SIZE, (640 << 16) | 480);
  EXPECT_EQ(512000, Selected(hWnd, IDC_VIDEO_BITRATE));
}

TEST_F(OutputDialog, WithoutAUserDefinedTypeTheFormatAndCompressorsAreFixed) {
  store.config.Set("UseUserDefined", 0);
  HWND hWnd = Open(Type(1, "MPEG Layer-3", "MPEG-4"));
  for (int id : {IDC_OUTPUT_FORMAT, IDC_VIDEO_COMPRESSOR, IDC_AUDIO_COMPRESSOR})
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(hWnd, id))) << id;
}

TEST_F(OutputDialog, DefaultStoresTheProfileDefaults) {
  HWND hWnd = Open(Type(1, "MPEG Layer-3", "MPEG-4"));
  Click(hWnd, IDC_OUTPUT_DEFAULT);
  EXPECT_EQ(20971760, store.config.Int("VideoSize"));
  EXPECT_EQ(20971760, Selected(hWnd, IDC_VIDEO_SIZE));
  EXPECT_EQ(25, Selected(hWnd, IDC_VIDEO_QUALITY));
}

TEST_F(OutputDialog, ChangingTheFormatRefillsTheCompressorLists) {
  HWND hWnd = Open(Type(1, "MPEG Layer-3", "MPEG-4"));
  Choose(hWnd, IDC_OUTPUT_FORMAT, 0);
  ComboRows video = Rows(hWnd, IDC_VIDEO_COMPRESSOR);
  ASSERT_FALSE(video.empty());
  EXPECT_EQ((ComboRow{"No Recompression", -1}), video[0]);
  EXPECT_TRUE(Rows(hWnd, IDC_AUDIO_FORMAT).empty());
  EXPECT_FALSE(IsWindowEnabled(GetDlgItem(hWnd, IDC_VIDEO_SIZE)));
}

// The recompressing types convert with the stored compressor positions, so
// the dialog opens on them; the other types convert with their own codecs,
// so their compressor lists are not offered and OK keeps the stored ones.
TEST_F(OutputDialog, TheChosenCompressorsComeBackWhereTheyTakeEffect) {
  for (int type : {0, 3}) {
    SCOPED_TRACE(type);
    HWND hWnd = Open(Type(type, "PCM", "MJPEG Compressor"));
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(hWnd, IDC_OUTPUT_FORMAT))) << "shows the type only";
    for (int id : {IDC_VIDEO_COMPRESSOR, IDC_AUDIO_COMPRESSOR}) {
      EXPECT_TRUE(IsWindowEnabled(GetDlgItem(hWnd, id))) << id;
      ComboRows rows = Rows(hWnd, id);
      ASSERT_FALSE(rows.empty());
      Choose(hWnd, id, rows.back().data);
    }
    const INT_PTR video = Selected(hWnd, IDC_VIDEO_COMPRESSOR);
    const INT_PTR audio = Selected(hWnd, IDC_AUDIO_COMPRESSOR);
    Click(hWnd, IDOK);
    EXPECT_EQ(video, store.config.Int("VideoParamCodecIndex"));
    EXPECT_EQ(audio, store.config.Int("AudioParamCodecIndex"));
    hWnd = Open(Type(type, "PCM", "MJPEG Compressor"));
    EXPECT_EQ(video, Selected(hWnd, IDC_VIDEO_COMPRESSOR)) << "opens on the stored choice";
    EXPECT_EQ(audio, Selected(hWnd, IDC_AUDIO_COMPRESSOR));
    Click(hWnd, IDCANCEL);
  }
  store.config.Set("VideoParamCodecIndex", 7);
  store.config.Set("AudioParamCodecIndex", 7);
  for (int type : {1, 2, 4, 5, 6, 7}) {
    SCOPED_TRACE(type);
    HWND hWnd = Open(Type(type, "MPEG Layer-3", "MPEG-4"));
    for (int id : {IDC_VIDEO_COMPRESSOR, IDC_AUDIO_COMPRESSOR})
      EXPECT_FALSE(IsWindowEnabled(GetDlgItem(hWnd, id))) << id;
    Click(hWnd, IDOK);
    EXPECT_EQ(7, store.config.Int("VideoParamCodecIndex"));
    EXPECT_EQ(7, store.config.Int("AudioParamCodecIndex"));
  }
}

TEST_F(OutputDialog, AStoredCompressorThatIsNotListedGivesTheTypesOwn) {
  store.config.Set("AudioParamCodecIndex", 999);
  HWND hWnd = Open(Type(0, "", "MJPEG Compressor"));
  EXPECT_EQ(-1, Selected(hWnd, IDC_AUDIO_COMPRESSOR)) << "an empty name selects row 0";
}

TEST_F(OutputDialog, OkWithEmptyListsKeepsTheirKeys) {
  // AVI: no audio format rows; the audio format keys stay as they were.
  store.config.Set("AudioFormatIndex", 5);
  store.config.Set("AudioFormatData", 5);
  HWND hWnd = Open(Type(0, "PCM", "MJPEG Compressor"));
  Click(hWnd, IDOK);
  EXPECT_EQ(5, store.config.Int("AudioFormatIndex"));
  EXPECT_EQ(5, store.config.Int("AudioFormatData"));
}

// What the enumeration seams answer: a fixture list in place of the
// platform's devices and codecs.
struct EnumerationFixture {
  DeviceLookupResult result = kDeviceFound;
  std::vector<DeviceEntry> video, audio;
  BOOL codecsAsked = TRUE;
  std::vector<std::string> codecs;
};
EnumerationFixture g_enumeration;

DeviceLookupResult FixtureDevices(const GUID& category, std::vector<DeviceEntry>* devices) {
  *devices = category == CLSID_VideoCompressorCategory ? g_enumeration.video : g_enumeration.audio;
  return g_enumeration.result;
}
BOOL FixtureCodecs(const GUID&, std::vector<std::string>* names) {
  *names = g_enumeration.codecs;
  return g_enumeration.codecsAsked;
}

// ---- Round trip: set, OK, reopen ---------------------------------------------

// One list of one settings dialog: opened on a store, another row than the
// one it opens on chosen, OK; opened again it shows that row.
struct RoundTripRow {
  const char* name;
  int dialog;  // kRoundTripMp3, kRoundTripOutput (with `type`), kRoundTripOptions
  int type;
  int id;
};
enum { kRoundTripMp3, kRoundTripOutput, kRoundTripOptions };

const RoundTripRow kRoundTrips[] = {
    {"Mp3Mode", kRoundTripMp3, 0, IDC_MP3_MODE},
    {"Mp3SamplingRate", kRoundTripMp3, 0, IDC_MP3_SAMPLING_RATE},
    {"Mp3Channel", kRoundTripMp3, 0, IDC_MP3_CHANNEL},
    {"Mp3Quality", kRoundTripMp3, 0, IDC_MP3_QUALITY},
    {"Mp3Bitrate", kRoundTripMp3, 0, IDC_MP3_BITRATE},
    {"AviVideoCompressor", kRoundTripOutput, 0, IDC_VIDEO_COMPRESSOR},
    {"AviAudioCompressor", kRoundTripOutput, 0, IDC_AUDIO_COMPRESSOR},
    {"Asf3VideoCompressor", kRoundTripOutput, 3, IDC_VIDEO_COMPRESSOR},
    {"Asf3AudioCompressor", kRoundTripOutput, 3, IDC_AUDIO_COMPRESSOR},
    {"PortableVideoSize", kRoundTripOutput, 1, IDC_VIDEO_SIZE},
    {"PortableVideoBitrate", kRoundTripOutput, 1, IDC_VIDEO_BITRATE},
    {"PortableVideoQuality", kRoundTripOutput, 1, IDC_VIDEO_QUALITY},
    {"PortableVideoFps", kRoundTripOutput, 1, IDC_VIDEO_FPS},
    {"PortableVideoKeyFrame", kRoundTripOutput, 1, IDC_VIDEO_KEYFRAME},
    {"PortableSplitter", kRoundTripOutput, 1, IDC_SPLITTER},
    {"PortableAudioFormat", kRoundTripOutput, 1, IDC_AUDIO_FORMAT},
    {"WindowsMediaAudioFormat", kRoundTripOutput, 2, IDC_AUDIO_FORMAT},
    {"Mp4VideoSize", kRoundTripOutput, 5, IDC_VIDEO_SIZE},
    {"Language", kRoundTripOptions, 0, IDC_OPTIONS_LANGUAGE},
};

class RoundTrip : public ::testing::TestWithParam<RoundTripRow> {
 protected:
  void SetUp() override {
    store.config.Set("UseUserDefined", 1);
    store.config.Set("UseDefaultAudioFormat", 1);
    store.config.Set("MusicLastOutputTypeData", -1);  // the user's own MP3 settings
    store.translator.languages = {kEnglish, kGerman};
    store.translator.language = kEnglish;
    // The recompressing types' devices: each name that the profile offers,
    // after a device without a name, so a position is never a row number.
    TextList audio, video;
    ReadCodecNames(store.config.Text("ConfigFilePath").c_str(), "AVI", &audio, &video);
    EnumerationFixture fixture;
    fixture.video.push_back({0, false, ""});
    for (const std::string& name : video)
      fixture.video.push_back({static_cast<int>(fixture.video.size()), true, name});
    fixture.audio.push_back({0, false, ""});
    for (const std::string& name : audio)
      fixture.audio.push_back({static_cast<int>(fixture.audio.size()), true, name});
    g_enumeration = fixture;
    SetListDevicesSeam(FixtureDevices);
  }
  void TearDown() override {
    SetListDevicesSeam(NULL);
    EXPECT_TRUE(dialogtest::Boxes().empty());
  }
  // The row's dialog, opened modeless on the store.
  HWND Open() {
    const RoundTripRow& row = GetParam();
    if (row.dialog == kRoundTripMp3) {
      mp3.reset(new CMp3SettingsDialog(&store.config));
      EXPECT_TRUE(mp3->CreateModeless(NULL));
      return mp3->m_hWnd;
    }
    if (row.dialog == kRoundTripOptions) {
      options.reset(new COptionsDialog(&store.config));
      EXPECT_TRUE(options->CreateModeless(NULL));
      return options->m_hWnd;
    }
    output.reset(new COutputSettingsDialog(&store.config, Type(row.type, "", "")));
    EXPECT_TRUE(output->CreateModeless(NULL));
    return output->m_hWnd;
  }
  // What the music page does with the user's own MP3 settings before the
  // dialog opens again: puts them in force (the "User defined" row).
  void PutUserMp3SettingsInForce() {
    for (const char* key : {"MP3Mode", "MP3SamplingRate", "MP3Channel", "MP3Quality",
                            "MP3Bitrate"})
      store.config.Set(key, store.config.Int(std::string("User") + key));
  }
  dialogtest::Store store;
  std::unique_ptr<CMp3SettingsDialog> mp3;
  std::unique_ptr<COptionsDialog> options;
  std::unique_ptr<COutputSettingsDialog> output;
};

TEST_P(RoundTrip, TheChosenRowComesBack) {
  const RoundTripRow& row = GetParam();
  HWND hWnd = Open();
  ASSERT_TRUE(IsWindowEnabled(GetDlgItem(hWnd, row.id))) << "a list the user can set";
  const INT_PTR opened = Selected(hWnd, row.id);
  ComboRows rows = Rows(hWnd, row.id);
  // The last row that is not the one the dialog opened on.
  INT_PTR chosen = opened;
  for (const ComboRow& r : rows)
    if (r.data != opened) chosen = r.data;
  ASSERT_NE(opened, chosen) << "a list of one row cannot be changed";
  Choose(hWnd, row.id, chosen);
  ASSERT_EQ(chosen, Selected(hWnd, row.id));
  Click(hWnd, IDOK);
  if (row.dialog == kRoundTripMp3) PutUserMp3SettingsInForce();
  hWnd = Open();
  EXPECT_EQ(chosen, Selected(hWnd, row.id)) << "opened again on the choice";
  EXPECT_EQ(rows, Rows(hWnd, row.id));
  Click(hWnd, IDCANCEL);
}

INSTANTIATE_TEST_SUITE_P(Table, RoundTrip, ::testing::ValuesIn(kRoundTrips),
                         [](const ::testing::TestParamInfo<RoundTripRow>& info) {
                           return std::string(info.param.name);
                         });

TEST(RoundTripOptions, ThePowerOffChoiceComesBack) {
  for (UINT state : {BST_CHECKED, BST_UNCHECKED}) {
    dialogtest::Store store;
    store.config.Set("ExitWindowsEx", state == BST_CHECKED ? 0 : 1);
    COptionsDialog first(&store.config);
    ASSERT_TRUE(first.CreateModeless(NULL));
    CheckDlgButton(first.m_hWnd, IDC_OPTIONS_POWER_OFF, state);
    Click(first.m_hWnd, IDOK);
    COptionsDialog again(&store.config);
    ASSERT_TRUE(again.CreateModeless(NULL));
    EXPECT_EQ(state, IsDlgButtonChecked(again.m_hWnd, IDC_OPTIONS_POWER_OFF));
  }
}

// ---- Compressor enumeration -------------------------------------------------

class CompressorCombos : public ::testing::Test {
 protected:
  void SetUp() override {
    combo = CreateWindowExA(0, "COMBOBOX", "", CBS_DROPDOWNLIST, 0, 0, 100, 100, NULL, NULL,
                            GetModuleHandleA(NULL), NULL);
  }
  void TearDown() override {
    SetListDevicesSeam(NULL);
    SetListWmCodecNamesSeam(NULL);
    DestroyWindow(combo);
  }
  // The enumeration answers from the fixture from here on.
  void UseFixture(const EnumerationFixture& fixture) {
    g_enumeration = fixture;
    SetListDevicesSeam(FixtureDevices);
    SetListWmCodecNamesSeam(FixtureCodecs);
  }
  ComboRows Filled(const TextList& names, const GUID& category, HRESULT expected = 1) {
    SendMessageA(combo, CB_RESETCONTENT, 0, 0);
    EXPECT_EQ(expected, FillCompressorCombo(CComboBox(combo), names, category));
    return ReadRows(CComboBox(combo));
  }
  ComboRows FilledCodecs(const TextList& names, int expected) {
    SendMessageA(combo, CB_RESETCONTENT, 0, 0);
    EXPECT_EQ(expected, FillWMCodecCombo(CComboBox(combo), names, MEDIATYPE_Audio));
    return ReadRows(CComboBox(combo));
  }
  dialogtest::Store store;
  HWND combo = NULL;
};

// Devices whose name cannot be read still take their position: the engine
// binds by position, so a shown row must carry the position of its device.
EnumerationFixture ThreeOfEach() {
  EnumerationFixture fixture;
  fixture.video = {{0, true, "Cinepak Codec by Radius"}, {1, false, ""},
                   {2, true, "MJPEG Compressor"}, {3, true, "Xvid MPEG-4 Codec"}};
  fixture.audio = {{0, false, ""}, {1, true, "IMA ADPCM"}, {2, true, "PCM"}};
  return fixture;
}

TEST_F(CompressorCombos, ShowEveryInstalledDeviceAtItsPosition) {
  UseFixture(ThreeOfEach());
  EXPECT_EQ((ComboRows{{"Cinepak Codec by Radius", 0}, {"MJPEG Compressor", 2},
                       {"Xvid MPEG-4 Codec", 3}}),
            Filled({}, CLSID_VideoCompressorCategory));
  EXPECT_EQ((ComboRows{{"IMA ADPCM", 1}, {"PCM", 2}}), Filled({}, CLSID_AudioCompressorCategory));
  // A name list shows only the devices it names, each at its own position.
  EXPECT_EQ((ComboRows{{"Xvid MPEG-4 Codec", 3}}),
            Filled({"Xvid MPEG-4 Codec", "mjpeg compressor"}, CLSID_VideoCompressorCategory));
  EXPECT_TRUE(dialogtest::Boxes().empty());
}

TEST_F(CompressorCombos, AMissingEnumeratorIsShownAndLeavesTheListAsItWas) {
  const struct {
    DeviceLookupResult result;
    const char* box;
  } rows[] = {{kNoSystemEnumerator, "Failed to create system enumerator"},
              {kNoClassEnumerator, "Failed to create class enumerator"}};
  for (const auto& row : rows) {
    EnumerationFixture fixture = ThreeOfEach();
    fixture.result = row.result;
    fixture.video.clear();
    UseFixture(fixture);
    dialogtest::Boxes().clear();
    SendMessageA(combo, CB_RESETCONTENT, 0, 0);
    SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("No Recompression"));
    EXPECT_EQ(E_FAIL, FillCompressorCombo(CComboBox(combo), {}, CLSID_VideoCompressorCategory));
    EXPECT_EQ(1, static_cast<int>(SendMessageA(combo, CB_GETCOUNT, 0, 0))) << row.box;
    ASSERT_EQ(1u, dialogtest::Boxes().size()) << row.box;
    EXPECT_EQ(row.box, dialogtest::Boxes()[0]);
  }
  dialogtest::Boxes().clear();
}

TEST_F(CompressorCombos, ANameListShowsOnlyTheLastDeviceWithItsPosition) {
  // On the platform's own devices.
  std::vector<DeviceEntry> devices;
  ListDevices(CLSID_VideoCompressorCategory, &devices);
  if (devices.empty() || !devices.back().named) GTEST_SKIP() << "no named video compressor";
  EXPECT_EQ((ComboRows{{devices.back().name, devices.back().position}}),
            Filled({devices.back().name}, CLSID_VideoCompressorCategory));
}

TEST_F(CompressorCombos, WindowsMediaCodecListsCopeWithNone) {
  EnumerationFixture fixture;
  fixture.codecs = {"Windows Media Audio 9.2", "", "Windows Media Audio 9 Voice"};
  UseFixture(fixture);
  EXPECT_EQ((ComboRows{{"Windows Media Audio 9.2", 0}, {"Windows Media Audio 9 Voice", 2}}),
            FilledCodecs({}, 1))
      << "a codec without a readable name keeps its index taken";
  EXPECT_EQ((ComboRows{{"Windows Media Audio 9 Voice", 2}}),
            FilledCodecs({"Windows Media Audio 9 Voice", "windows media audio 9.2"}, 1));
  g_enumeration.codecs.clear();
  EXPECT_TRUE(FilledCodecs({}, 1).empty()) << "a runtime without codecs";
  g_enumeration.codecsAsked = FALSE;
  EXPECT_TRUE(FilledCodecs({}, 0).empty()) << "a runtime that cannot be asked";
  // And the platform's own runtime, whatever it holds.
  SetListWmCodecNamesSeam(NULL);
  std::vector<std::string> codecs;
  const BOOL asked = ListWmCodecNames(MEDIATYPE_Audio, &codecs);
  EXPECT_EQ(WmCodecRows(codecs, {}), FilledCodecs({}, asked ? 1 : 0));
}

// ---- About -------------------------------------------------------------------

int g_shellCalls = 0;
HINSTANCE WINAPI FailShell(HWND, const char*, const char*, const char*, const char*, int) {
  ++g_shellCalls;
  return reinterpret_cast<HINSTANCE>(static_cast<INT_PTR>(SE_ERR_NOASSOC));
}
HINSTANCE WINAPI OpenShell(HWND, const char*, const char*, const char*, const char*, int) {
  ++g_shellCalls;
  return reinterpret_cast<HINSTANCE>(static_cast<INT_PTR>(42));
}
UINT WINAPI FailExec(const char*, UINT) { return 0; }

class AboutDialog : public ::testing::Test {
 protected:
  void SetUp() override {
    g_shellCalls = 0;
    VrcSetShellExecuteSeam(OpenShell);
    VrcSetWinExecSeam(FailExec);
    store.config.SetText("OEMAppName", "Varno Reel Craft V2.0");
  }
  HWND Open(const AboutTexts& texts) {
    dialog.reset(new CAboutDialog(&store.config, texts));
    EXPECT_TRUE(dialog->CreateModeless(NULL));
    return dialog->m_hWnd;
  }
  dialogtest::Store store;
  std::unique_ptr<CAboutDialog> dialog;
};

TEST_F(AboutDialog, ShowsTheVersionFileTexts) {
  HWND hWnd = Open({"Varno Reel Craft V2.0.17", "(C) Someone", "https://v.example/",
                    "help@v.example"});
  char title[260] = {0};
  GetWindowTextA(hWnd, title, sizeof(title));
  EXPECT_STREQ("About Varno Reel Craft V2.0", title);
  EXPECT_EQ("Varno Reel Craft V2.0.17", ItemText(hWnd, IDC_ABOUT_VERSION));
  EXPECT_EQ("(C) Someone", ItemText(hWnd, IDC_ABOUT_NOTICE));
  EXPECT_EQ("https://v.example/", ItemText(hWnd, IDC_ABOUT_WEBSITE));
  EXPECT_EQ("https://v.example/", dialog->WebLink().GetTarget());
  EXPECT_EQ("help@v.example", ItemText(hWnd, IDC_ABOUT_EMAIL));
  EXPECT_EQ("mailto:help@v.example", dialog->MailLink().GetTarget());
  EXPECT_EQ(std::vector<std::string>{"AboutDialogBox"}, store.translator.dialogSections);
}

TEST_F(AboutDialog, WithoutAddressesTheLinksKeepTheirTextsAndTheBuiltInTargets) {
  HWND hWnd = Open({});
  EXPECT_EQ("Varno Reel Craft V2.0", ItemText(hWnd, IDC_ABOUT_VERSION));
  EXPECT_EQ("https://www.varnomedia.com", ItemText(hWnd, IDC_ABOUT_WEBSITE));
  EXPECT_EQ(CAboutDialog::kBuiltInWebSite, dialog->WebLink().GetTarget());
  EXPECT_EQ(std::string("mailto:") + CAboutDialog::kBuiltInSupportMail,
            dialog->MailLink().GetTarget());
  EXPECT_NE(nullptr, dialog->WebLink().GetToolTip());
}

TEST_F(AboutDialog, ALinkThatCannotOpenStaysUnvisited) {
  VrcSetShellExecuteSeam(FailShell);
  Open({});
  EXPECT_FALSE(dialog->WebLink().Open());
  EXPECT_FALSE(dialog->WebLink().IsVisited());
  EXPECT_NE(CHyperLink::kVisitedColour, dialog->WebLink().TextColour());
  EXPECT_EQ(1u, dialogtest::Boxes().size()) << "the reason is shown";
}

TEST_F(AboutDialog, SpaceOnTheFocusedLinkOpensIt) {
  Open({});
  HWND link = dialog->MailLink().m_hWnd;
  SetFocus(link);
  SendMessageA(link, WM_KEYDOWN, VK_SPACE, 0);
  EXPECT_EQ(1, g_shellCalls);
  EXPECT_TRUE(dialog->MailLink().IsVisited());
  EXPECT_EQ(CHyperLink::kFocusColour, dialog->MailLink().TextColour()) << "focused and pressed";
  SetFocus(dialog->m_hWnd);
  EXPECT_EQ(CHyperLink::kVisitedColour, dialog->MailLink().TextColour());
}

TEST_F(AboutDialog, AClickOpensOnRelease) {
  Open({});
  HWND link = dialog->WebLink().m_hWnd;
  SendMessageA(link, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
  EXPECT_EQ(0, g_shellCalls);
  SendMessageA(link, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
  EXPECT_EQ(1, g_shellCalls);
  EXPECT_EQ(link, GetFocus()) << "a click takes the focus";
}

// ---- Modal runs --------------------------------------------------------------

struct ModalCase {
  const char* name;
  std::function<int(HWND, IVarnoConfigEx*)> run;
};

const ModalCase kModal[] = {
    {"About", [](HWND owner, IVarnoConfigEx* c) { return RunAboutDialog(owner, c, CVersionInfoFile()); }},
    {"Options", [](HWND owner, IVarnoConfigEx* c) { return RunOptionsDialog(owner, c); }},
    {"Mp3", [](HWND owner, IVarnoConfigEx* c) { return RunMp3SettingsDialog(owner, c); }},
    {"OutputSettings",
     [](HWND owner, IVarnoConfigEx* c) {
       return RunOutputSettingsDialog(owner, c, Type(1, "MPEG Layer-3", "MPEG-4"));
     }},
};

class ModalRun : public ::testing::TestWithParam<ModalCase> {};

TEST_P(ModalRun, DisablesItsOwnerWhileItIsUp) {
  dialogtest::Store store;
  bool looked = false, ownerDisabled = false;
  HWND ownerSeen = NULL, expectedOwner = NULL;
  int result = dialogtest::RunModal(
      [&](HWND owner) {
        expectedOwner = owner;
        return GetParam().run(owner, &store.config);
      },
      [&](HWND dialog, HWND owner) {
        ownerSeen = GetWindow(dialog, GW_OWNER);
        ownerDisabled = !IsWindowEnabled(owner);
      },
      &looked);
  ASSERT_TRUE(looked) << "the dialog was shown";
  EXPECT_EQ(expectedOwner, ownerSeen);
  EXPECT_TRUE(ownerDisabled);
  EXPECT_EQ(std::string(GetParam().name) == "About" ? 0 : IDCANCEL, result);
}

INSTANTIATE_TEST_SUITE_P(Table, ModalRun, ::testing::ValuesIn(kModal),
                         [](const ::testing::TestParamInfo<ModalCase>& info) {
                           return std::string(info.param.name);
                         });

TEST(SettingsDialogOwner, IsTheActiveWindowsRootOwner) {
  HWND main = CreateWindowExA(0, "STATIC", "main", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 100,
                              100, NULL, NULL, GetModuleHandleA(NULL), NULL);
  HWND popup = CreateWindowExA(0, "STATIC", "popup", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, main,
                               NULL, GetModuleHandleA(NULL), NULL);
  SetActiveWindow(popup);
  EXPECT_EQ(main, SettingsDialogOwner());
  DestroyWindow(popup);
  DestroyWindow(main);
}

}  // namespace
