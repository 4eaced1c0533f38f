// An MP3 made through the music module, end to end: real media probe, the
// shipped format profile, the encoder stand-in with the real ffmpeg. The
// output is probed with the platform's media detector.
#include <gtest/gtest.h>

#include <ole2.h>

#include "modules/framework/model/MediaInfoCtrl.h"
#include "modules/music/MusicModule.h"
#include "tests/support/InstallFixture.h"
#include "tests/support/TestSupport.h"
#include "winfx/Seams.h"

namespace {

int WINAPI AnswerOk(HWND, const char*, const char*, UINT) { return IDOK; }

// The music module in an installation of its own, its list in a window:
// one file of the test media converted to an MP3 through a row of the
// page's list.
class MusicConversion : public ::testing::Test {
 protected:
  void SetUp() override {
    CoInitialize(NULL);
    VrcSetMessageBoxSeam(AnswerOk);
    ASSERT_TRUE(m_installation.Prepare());
  }
  void TearDown() override {
    VrcSetMessageBoxSeam(NULL);
    CoUninitialize();
  }

  // The MP3's path; the page's settings line goes to `summary`.
  std::string Convert(const std::string& file, int musicRow, std::string* summary) {
    CFakeConfig& config = m_installation.configModule.config;
    config.Set("CurrentLastOutputTypeIndex", 9);  // MP3
    config.Set("MusicLastOutputTypeIndex", musicRow);
    CMusicModule module;
    module.SetHost(&m_installation.registry);
    EXPECT_EQ(S_OK, module.InitInstance());
    HWND window = CreateWindowExA(0, "STATIC", "host", WS_OVERLAPPEDWINDOW, 0, 0, 600, 400, NULL,
                                  NULL, NULL, NULL);
    RECT rect = {0, 0, 500, 300};
    IConverterView* view = NULL;
    EXPECT_EQ(S_OK, module.CreateView("MusicConverterTaskListView", window, &rect, "", &view));
    std::string mp3;
    if (module.AddFile((vrctest::TestFolder() + "..\\testmedia\\" + file).c_str()) == 1) {
      module.ApplyOutputSettings();
      *summary = module.SummaryText();
      mp3 = module.GetTaskList().GetTask(0)->outputPath;
      EXPECT_EQ(1, module.Convert());
      EXPECT_EQ("Convert Successful", module.GetTaskList().GetTask(0)->stateText) << file;
    } else {
      ADD_FAILURE() << file << " was not listed";
    }
    if (view) module.DestroyView(view);
    module.ExitInstance();
    DestroyWindow(window);
    return mp3;
  }

  InstallFixture m_installation;
};

TEST_F(MusicConversion, WavToMp3ThroughTheEncoder) {
  std::string summary;
  const std::string mp3 = Convert("tone.wav", 2, &summary);  // 64 kbps, 22050 Hz, mono
  EXPECT_EQ("22050Hz,Mono,64kbps,CBR", summary);
  VIDEOINFOHEADER video = {};
  WAVEFORMATEX audio = {};
  std::string mediaTime;
  EXPECT_EQ(2, CMediaInfoCtrl::GetMediaInfo(&video, &audio, mp3.c_str(), &mediaTime))
      << "audio only: " << mp3;
  EXPECT_EQ("00:00:03", mediaTime);
  EXPECT_EQ(22050u, audio.nSamplesPerSec);
}

// The user's own MP3 settings (what the MP3 dialog stores) reach the file
// through the page's last row: its rate, channels and bit rate are probed.
// The sources are stereo, so a mono row shows in the file.
struct UserMp3 {
  const char* name;
  const char* source;
  int rate, channelKey, kbps;
  int channels;  // what the MP3 carries
};
const UserMp3 kUserMp3s[] = {
    {"Mono32000At96", "s16-22k-stereo.wav", 32000, 3, 96, 1},
    {"Stereo48000At160", "s24-48k-stereo.wav", 48000, 0, 160, 2},
    {"JointStereo22050At64", "s16-22k-stereo.wav", 22050, 1, 64, 2},
};

class UserMp3Settings : public MusicConversion, public ::testing::WithParamInterface<UserMp3> {};

TEST_P(UserMp3Settings, ShapeTheConvertedFile) {
  const UserMp3& row = GetParam();
  CFakeConfig& config = m_installation.configModule.config;
  config.Set("UserMP3Mode", 0);
  config.Set("UserMP3SamplingRate", row.rate);
  config.Set("UserMP3Channel", row.channelKey);
  config.Set("UserMP3Bitrate", row.kbps);
  std::string summary;
  const std::string mp3 = Convert(row.source, 3, &summary);  // "User defined MP3 settings"
  EXPECT_EQ(-1, config.Int("MusicLastOutputTypeData")) << "the row stays the user's own";
  const std::string facts = vrctest::MediaFactsOf(m_installation.install.File("ffmpeg.exe"), mp3);
  EXPECT_EQ(1, vrctest::ReportNumber(facts, "audio")) << mp3 << "\n" << facts;
  EXPECT_EQ(row.rate, vrctest::ReportNumber(facts, "rate")) << facts;
  EXPECT_EQ(row.channels, vrctest::ReportNumber(facts, "channels")) << facts;
  EXPECT_NEAR(row.kbps, vrctest::ReportNumber(facts, "audioKbps"), row.kbps / 10) << facts;
}

INSTANTIATE_TEST_SUITE_P(Rows, UserMp3Settings, ::testing::ValuesIn(kUserMp3s),
                         [](const ::testing::TestParamInfo<UserMp3>& info) {
                           return std::string(info.param.name);
                         });

// Float WAVs of ten milliseconds, as sound tools write them: each is
// listed and comes out as an MP3 of the first row (128 kbps, 44100 Hz,
// joint stereo).
struct ShortWav {
  const char* name;
  const char* file;
};
const ShortWav kShortWavs[] = {
    {"Float32Stereo44100", "float32-short.wav"},
    {"Float64Stereo48000Extensible", "float64-short.wav"},
};

class ShortFloatWav : public MusicConversion, public ::testing::WithParamInterface<ShortWav> {};

TEST_P(ShortFloatWav, ConvertsToAnMp3) {
  std::string summary;
  const std::string mp3 = Convert(GetParam().file, 0, &summary);  // 128 kbps at the source's rate
  const std::string facts = vrctest::MediaFactsOf(m_installation.install.File("ffmpeg.exe"), mp3);
  EXPECT_EQ(1, vrctest::ReportNumber(facts, "audio")) << mp3 << "\n" << facts;
  EXPECT_EQ(0, vrctest::ReportNumber(facts, "video"));
  EXPECT_EQ(44100, vrctest::ReportNumber(facts, "rate"));
  EXPECT_EQ(2, vrctest::ReportNumber(facts, "channels"));
}

INSTANTIATE_TEST_SUITE_P(Wavs, ShortFloatWav, ::testing::ValuesIn(kShortWavs),
                         [](const ::testing::TestParamInfo<ShortWav>& info) {
                           return std::string(info.param.name);
                         });

}  // namespace
