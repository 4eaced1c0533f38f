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

TEST(MusicConversion, WavToMp3ThroughTheEncoder) {
  CoInitialize(NULL);
  VrcSetMessageBoxSeam(AnswerOk);
  InstallFixture installation;
  ASSERT_TRUE(installation.Prepare());
  CFakeConfig& config = installation.configModule.config;
  config.Set("CurrentLastOutputTypeIndex", 9);  // MP3
  config.Set("MusicLastOutputTypeIndex", 2);    // 64 kbps, 22050 Hz, mono
  {
    CMusicModule module;
    module.SetHost(&installation.registry);
    ASSERT_EQ(S_OK, module.InitInstance());
    HWND window = CreateWindowExA(0, "STATIC", "host", WS_OVERLAPPEDWINDOW, 0, 0, 600, 400, NULL,
                                  NULL, NULL, NULL);
    RECT rect = {0, 0, 500, 300};
    IConverterView* view = NULL;
    ASSERT_EQ(S_OK, module.CreateView("MusicConverterTaskListView", window, &rect, "", &view));
    ASSERT_EQ(1, module.AddFile((vrctest::TestFolder() + "..\\testmedia\\tone.wav").c_str()));
    module.ApplyOutputSettings();
    EXPECT_EQ("22050Hz,Mono,64kbps,CBR", module.SummaryText());
    std::string mp3 = module.GetTaskList().GetTask(0)->outputPath;
    EXPECT_EQ(1, module.Convert());
    EXPECT_EQ("Convert Successful", module.GetTaskList().GetTask(0)->stateText);
    VIDEOINFOHEADER video = {};
    WAVEFORMATEX audio = {};
    std::string mediaTime;
    EXPECT_EQ(2, CMediaInfoCtrl::GetMediaInfo(&video, &audio, mp3.c_str(), &mediaTime))
        << "audio only: " << mp3;
    EXPECT_EQ("00:00:03", mediaTime);
    EXPECT_EQ(22050u, audio.nSamplesPerSec);
    module.DestroyView(view);
    module.ExitInstance();
    DestroyWindow(window);
  }
  VrcSetMessageBoxSeam(NULL);
  CoUninitialize();
}

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

class ShortFloatWav : public ::testing::TestWithParam<ShortWav> {};

TEST_P(ShortFloatWav, ConvertsToAnMp3) {
  const ShortWav& wav = GetParam();
  CoInitialize(NULL);
  VrcSetMessageBoxSeam(AnswerOk);
  InstallFixture installation;
  ASSERT_TRUE(installation.Prepare());
  CFakeConfig& config = installation.configModule.config;
  config.Set("CurrentLastOutputTypeIndex", 9);  // MP3
  config.Set("MusicLastOutputTypeIndex", 0);    // 128 kbps at the source's rate
  {
    CMusicModule module;
    module.SetHost(&installation.registry);
    ASSERT_EQ(S_OK, module.InitInstance());
    HWND window = CreateWindowExA(0, "STATIC", "host", WS_OVERLAPPEDWINDOW, 0, 0, 600, 400, NULL,
                                  NULL, NULL, NULL);
    RECT rect = {0, 0, 500, 300};
    IConverterView* view = NULL;
    ASSERT_EQ(S_OK, module.CreateView("MusicConverterTaskListView", window, &rect, "", &view));
    ASSERT_EQ(1, module.AddFile((vrctest::TestFolder() + "..\\testmedia\\" + wav.file).c_str()));
    module.ApplyOutputSettings();
    std::string mp3 = module.GetTaskList().GetTask(0)->outputPath;
    EXPECT_EQ(1, module.Convert());
    EXPECT_EQ("Convert Successful", module.GetTaskList().GetTask(0)->stateText);
    const std::string facts = vrctest::MediaFactsOf(installation.install.File("ffmpeg.exe"), mp3);
    EXPECT_EQ(1, vrctest::ReportNumber(facts, "audio")) << mp3 << "\n" << facts;
    EXPECT_EQ(0, vrctest::ReportNumber(facts, "video"));
    EXPECT_EQ(44100, vrctest::ReportNumber(facts, "rate"));
    EXPECT_EQ(2, vrctest::ReportNumber(facts, "channels"));
    module.DestroyView(view);
    module.ExitInstance();
    DestroyWindow(window);
  }
  VrcSetMessageBoxSeam(NULL);
  CoUninitialize();
}

INSTANTIATE_TEST_SUITE_P(Wavs, ShortFloatWav, ::testing::ValuesIn(kShortWavs),
                         [](const ::testing::TestParamInfo<ShortWav>& info) {
                           return std::string(info.param.name);
                         });

}  // namespace
