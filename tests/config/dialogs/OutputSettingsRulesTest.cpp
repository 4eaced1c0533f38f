// The output settings dialog's rules without a window: what each output
// format position offers, the compressor rows and their indexes, the audio
// format rows and their data, and the audio format text read back.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "config/dialogs/OutputSettingsRules.h"

namespace {

struct KindCase {
  const char* name;
  int position;
  OutputFormatKind kind;
  const char* section;
  bool videoParameters;
};

const KindCase kKinds[] = {
    {"AviRecompressesThroughDirectShow", 0, kAviCompressors, "AVI", false},
    {"PortableMpeg4HasFixedCodecs", 1, kFixedMpeg4, "AVI-MPEG4", true},
    {"WindowsMediaUsesItsCodecs", 2, kWindowsMediaCodecs, "ASF", true},
    {"Asf3RecompressesThroughDirectShow", 3, kAsfCompressors, "ASF3", false},
    {"Mpeg4InAsfHasFixedCodecs", 4, kFixedMpeg4, "AVI-MPEG4", true},
    {"Mp4HasFixedCodecs", 5, kFixedMpeg4, "AVI-MPEG4", true},
    {"MobilePhoneHasFixedCodecs", 6, kFixedMpeg4, "AVI-MPEG4", true},
    {"HandheldHasFixedCodecs", 7, kFixedMpeg4, "AVI-MPEG4", true},
    {"StillImagesOfferNoCompressor", 8, kNoCompressors, nullptr, false},
    {"NoSelectionOffersNoCompressor", -1, kNoCompressors, nullptr, false},
};

class OutputFormatKinds : public ::testing::TestWithParam<KindCase> {};

TEST_P(OutputFormatKinds, OfferTheirListsByPosition) {
  const KindCase& row = GetParam();
  EXPECT_EQ(row.kind, KindOfOutputFormat(row.position));
  const char* section = CompressorSection(row.kind);
  if (row.section) {
    EXPECT_STREQ(row.section, section);
  } else {
    EXPECT_EQ(nullptr, section);
  }
  EXPECT_EQ(row.videoParameters, HasVideoParameters(row.position));
}

INSTANTIATE_TEST_SUITE_P(Table, OutputFormatKinds, ::testing::ValuesIn(kKinds),
                         [](const ::testing::TestParamInfo<KindCase>& info) {
                           return std::string(info.param.name);
                         });

struct CompressorCase {
  const char* name;
  std::vector<DeviceEntry> devices;
  TextList names;
  ComboRows expected;
};

const CompressorCase kCompressors[] = {
    {"AnEmptyNameListShowsEveryDevice",
     {{0, true, "Cinepak Codec"}, {1, true, "MJPEG Compressor"}, {2, true, "DV Video Encoder"}},
     {},
     {{"Cinepak Codec", 0}, {"MJPEG Compressor", 1}, {"DV Video Encoder", 2}}},
    {"AnExcludedDeviceStillTakesItsPosition",
     {{0, true, "Cinepak Codec"}, {1, true, "MJPEG Compressor"}, {2, true, "DV Video Encoder"}},
     {"DV Video Encoder"},
     {{"DV Video Encoder", 2}}},
    {"AnUnreadableDeviceIsCountedSoTheIndexNamesTheShownDevice",
     {{0, true, "Cinepak Codec"}, {1, false, ""}, {2, true, "MJPEG Compressor"}},
     {},
     {{"Cinepak Codec", 0}, {"MJPEG Compressor", 2}}},
    {"NamesCompareWithCase",
     {{0, true, "mjpeg compressor"}, {1, true, "MJPEG Compressor"}},
     {"MJPEG Compressor"},
     {{"MJPEG Compressor", 1}}},
    {"NoDevicesGiveNoRows", {}, {"MJPEG Compressor"}, {}},
};

class CompressorList : public ::testing::TestWithParam<CompressorCase> {};

TEST_P(CompressorList, CarriesEachDevicesPositionAmongAllDevices) {
  const CompressorCase& row = GetParam();
  EXPECT_EQ(row.expected, CompressorRows(row.devices, row.names));
}

INSTANTIATE_TEST_SUITE_P(Table, CompressorList, ::testing::ValuesIn(kCompressors),
                         [](const ::testing::TestParamInfo<CompressorCase>& info) {
                           return std::string(info.param.name);
                         });

TEST(WmCodecList, KeepsTheCodecIndexAsItemData) {
  const std::vector<std::string> codecs = {"Windows Media Audio 9", "", "Windows Media Audio 9.1"};
  EXPECT_EQ((ComboRows{{"Windows Media Audio 9", 0}, {"Windows Media Audio 9.1", 2}}),
            WmCodecRows(codecs, {}));
  EXPECT_EQ((ComboRows{{"Windows Media Audio 9.1", 2}}),
            WmCodecRows(codecs, {"Windows Media Audio 9.1"}));
  EXPECT_TRUE(WmCodecRows({}, {}).empty());
}

TEST(FixedCodecList, GivesTheMpeg4FormatsTheirCodecNumbers) {
  EXPECT_EQ((ComboRows{{"MPEG-4", 0}, {"mpeg-4", 0}, {"XviD MPEG-4 Codec", -1}}),
            FixedCodecRows({"MPEG-4", "mpeg-4", "XviD MPEG-4 Codec"}, false));
  EXPECT_EQ((ComboRows{{"MPEG-1", 1}, {"MPEG Layer-3", 2}, {"PCM", 0}, {"IMA ADPCM", 3},
                       {"GSM 6.10", -1}}),
            FixedCodecRows({"MPEG-1", "MPEG Layer-3", "PCM", "IMA ADPCM", "GSM 6.10"}, true));
}

TEST(AudioChoiceList, CombinesRatesAndChannelsForMpeg4) {
  ComboRows rows =
      AudioChoiceRows(kFixedMpeg4, "Default Value", {"44100Hz", "22050Hz"}, {"16 Bits"},
                      {"Stereo", "Mono"});
  EXPECT_EQ((ComboRows{{"Default Value", -1},
                       {"44100Hz, Stereo", 0},
                       {"44100Hz, Mono", 1},
                       {"22050Hz, Stereo", 2},
                       {"22050Hz, Mono", 3}}),
            rows);
}

TEST(AudioChoiceList, AddsTheBitDepthForWindowsMediaWithoutACodec) {
  EXPECT_EQ((ComboRows{{"48000Hz, 24 Bits, Mono", 0}, {"48000Hz, 16 Bits, Mono", 1}}),
            AudioChoiceRows(kWindowsMediaCodecs, nullptr, {"48000Hz"}, {"24 Bits", "16 Bits"},
                            {"Mono"}));
}

TEST(AudioChoiceList, IsEmptyForTheRecompressingFormats) {
  EXPECT_TRUE(AudioChoiceRows(kAviCompressors, "Default Value", {"44100Hz"}, {"16 Bits"},
                              {"Stereo"})
                  .empty());
  EXPECT_TRUE(AudioChoiceRows(kAsfCompressors, nullptr, {"44100Hz"}, {}, {"Stereo"}).empty());
}

TEST(WmFormatList, NumbersEachFormatWith5000PerPass) {
  EXPECT_EQ((ComboRows{{"cbr 0", 0}, {"cbr 1", 1}, {"vbr 0", 5000}, {"two 0", 10000},
                       {"two 1", 10001}}),
            WmFormatRows({"cbr 0", "cbr 1"}, {"vbr 0"}, {"two 0", "two 1"}));
}

// OK reads a codec format's numbers from the format itself, so the row's
// data must lead back to the format and the setting it was listed under.
TEST(WmFormatList, ItemDataLeadsBackToTheFormatAndItsEnumerationSetting) {
  const struct {
    INT_PTR data;
    int format;
    BOOL vbr;
    DWORD passes;
  } rows[] = {{0, 0, FALSE, 1}, {7, 7, FALSE, 1}, {5000, 0, TRUE, 1}, {5003, 3, TRUE, 1},
              {10002, 2, TRUE, 2}};
  for (const auto& r : rows) {
    WmFormatChoice choice = WmFormatOfData(r.data);
    EXPECT_EQ(r.format, choice.format) << r.data;
    EXPECT_EQ(r.vbr, choice.vbr) << r.data;
    EXPECT_EQ(r.passes, choice.passes) << r.data;
    EXPECT_EQ(r.data, WmFormatData(choice.format, choice.vbr ? static_cast<int>(choice.passes) : 0));
  }
}

struct ParseCase {
  const char* name;
  const char* text;
  int samples;
  bool hasBits;
  int bits;
  int channels;
};

const ParseCase kParses[] = {
    {"RateAndChannels", "44100Hz, Stereo", 44100, false, 0, 2},
    {"RateBitsAndChannels", "22050Hz, 8 Bits, Mono", 22050, true, 8, 1},
    {"ChannelsCompareWithoutCase", "8000Hz, MONO", 8000, false, 0, 1},
    {"UnknownChannelsAreTwo", "48000Hz, 16 Bits, 5.1", 48000, true, 16, 2},
    {"TheDefaultRowHasNoNumbers", "Default Value", 0, false, 0, 2},
};

class AudioFormatText : public ::testing::TestWithParam<ParseCase> {};

TEST_P(AudioFormatText, GivesTheNumbersOkStores) {
  const ParseCase& row = GetParam();
  AudioFormatNumbers numbers = ParseAudioFormatText(row.text);
  EXPECT_EQ(row.samples, numbers.samplesPerSecond);
  EXPECT_EQ(row.hasBits, numbers.hasBits);
  if (row.hasBits) {
    EXPECT_EQ(row.bits, numbers.bitsPerSample);
  }
  EXPECT_EQ(row.channels, numbers.numChannels);
}

INSTANTIATE_TEST_SUITE_P(Table, AudioFormatText, ::testing::ValuesIn(kParses),
                         [](const ::testing::TestParamInfo<ParseCase>& info) {
                           return std::string(info.param.name);
                         });

TEST(Mp3BitrateFilter, BelowThirtyTwoKilohertzKeepsRatesStrictlyBetween0And192) {
  EXPECT_TRUE(IsLowMp3SamplingRate(22050));
  EXPECT_TRUE(IsLowMp3SamplingRate(31999));
  EXPECT_FALSE(IsLowMp3SamplingRate(32000));
  EXPECT_FALSE(IsLowMp3SamplingRate(-1)) << "the rate is read as an unsigned number";
  EXPECT_EQ((ComboRows{{"32", 32}, {"160", 160}, {"191", 191}}),
            LowRateMp3Bitrates({{"0", 0}, {"32", 32}, {"160", 160}, {"191", 191}, {"192", 192},
                                {"320", 320}, {"neg", -5}}));
}

}  // namespace
