// Converting through the video module, end to end: real media probe, the
// shipped format profile, the encoder stand-in with the real ffmpeg. The
// outputs are probed with the platform's media detector.
#include <gtest/gtest.h>
#include <ole2.h>

#include <algorithm>

#include "FakeConfig.h"
#include "MediaInfoCtrl.h"
#include "Seams.h"
#include "TestSupport.h"
#include "VideoModule.h"

using vrctest::TempDir;

namespace {

class PassThroughTranslator : public ILanguageTranslater {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(const IID*, void**) override { return E_NOINTERFACE; }
  ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  HRESULT STDMETHODCALLTYPE TranslateDialog(HWND, const char*) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE TranslateMenu(HMENU, const char*) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE TranslateString(char*, const char*) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE Initialize(HINSTANCE) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE LoadSections(const char*) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE SetLanguage(LCID) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE GetLanguages(LCID*, int* count) override { *count = 0; return S_OK; }
  HRESULT STDMETHODCALLTYPE GetLanguage(LCID* language, int) override { *language = 1033; return S_OK; }
  HRESULT STDMETHODCALLTYPE LoadLanguage() override { return S_OK; }
};

// The configuration module as the registry hands it to the video module.
class ConfigModule : public IModule, public IModuleRegistry {
 public:
  FakeConfig config;
  PassThroughTranslator translator;
  // IModule
  HRESULT STDMETHODCALLTYPE QueryInterface(const IID* iid, void** out) override {
    if (IsEqualIID(*iid, IID_IVarnoConfigEx)) { *out = static_cast<IVarnoConfigEx*>(&config); return S_OK; }
    if (IsEqualIID(*iid, IID_ILanguageTranslater)) { *out = &translator; return S_OK; }
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  HRESULT STDMETHODCALLTYPE SetHost(IModuleRegistry*) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE SetModuleId(const GUID*) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE InitInstance() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE ExitInstance() override { return S_OK; }
  int STDMETHODCALLTYPE Reserved(int) override { return 0; }
  // IModuleRegistry: only the configuration module is there.
  HRESULT STDMETHODCALLTYPE InitAllModules() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE ExitAllModules() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE RegisterModule(const GUID*, IModule*, HMODULE) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetModule(const GUID* id, void** out) override {
    if (!IsEqualGUID(*id, CLSID_ConfigModule)) return E_NOINTERFACE;
    *out = static_cast<IModule*>(this);
    return S_OK;
  }
};

std::vector<std::string> g_boxes;
int WINAPI AnswerYes(HWND, const char* text, const char* caption, UINT) {
  g_boxes.push_back(std::string(caption) + "|" + text);
  return IDYES;
}

std::string Media(const char* name) { return vrctest::TestFolder() + "runner_media\\" + name; }

// The video module in a window of the test's own, wired as the program
// wires it. Its installation: the encoder stand-in and ffmpeg of the
// build's program folder, the shipped format profile, and a fixture engine
// in the place of the engine libraries (the module needs one to start).
class ModuleConversion : public ::testing::Test {
 protected:
  void SetUp() override {
    CoInitialize(NULL);
    VrcSetMessageBoxSeam(AnswerYes);
    g_boxes.clear();
    std::string program = vrctest::ProgramFolder();
    for (const char* file : {"encoder.exe", "ffmpeg.exe"})
      ASSERT_TRUE(vrctest::CopyInto(program + file, m_install.Path())) << file;
    CopyFileA((vrctest::TestFolder() + "FixtureEngine.dll").c_str(), m_install.File("MuxCast.dll").c_str(),
              FALSE);
    vrctest::WriteFile(m_install.File("MuxCast.dll.rows"),
                       "[Input]\nNames=AVI,\n[Output]\nNames=AVI,\n[Factory]\nNull=0\n");
    FakeConfig& config = m_config.config;
    config.SetText("InstallDirectory", m_install.Path());
    config.SetProfile(program + "Configs\\Formats.ini");
    config.SetText("CurrentSavePath", m_output.Path());
    config.SetText("OEMAppName", "Varno Reel Craft V2.0");
    config.Set("VideoQuality", 10);
    config.Set("MP3SamplingRate", 44100);
    config.Set("MP3Bitrate", 128);
    config.Set("MP3Channel", 3);  // mono
    m_module = new CVideoModule();
    m_module->SetHost(&m_config);
    ASSERT_EQ(S_OK, m_module->InitInstance());
    m_window = CreateWindowExA(0, "STATIC", "host", WS_OVERLAPPEDWINDOW, 0, 0, 600, 400, NULL, NULL,
                               NULL, NULL);
    RECT rect = {0, 0, 500, 300};
    ASSERT_EQ(S_OK, m_module->CreateView("VideoConverterTaskListView", m_window, &rect, "", &m_view));
  }
  void TearDown() override {
    if (m_view) m_module->DestroyView(m_view);
    m_module->ExitInstance();
    m_module->Release();
    DestroyWindow(m_window);
    VrcSetMessageBoxSeam(NULL);
    CoUninitialize();
  }
  void UseOutputType(int index) {
    m_config.config.Set("CurrentLastOutputTypeIndex", index);
    m_module->ApplyOutputSettings();
  }
  CTaskRecord* Task(int index) { return m_module->GetTaskList().GetTask(index); }

  ConfigModule m_config;
  TempDir m_install, m_output;
  CVideoModule* m_module = NULL;
  HWND m_window = NULL;
  IConverterView* m_view = NULL;
};

int Probe(const std::string& path, std::string* mediaTime) {
  VIDEOINFOHEADER video = {};
  WAVEFORMATEX audio = {};
  return CMediaInfoCtrl::GetMediaInfo(&video, &audio, path.c_str(), mediaTime);
}

// The batch ends by naming the outputs anew (a made file takes its name), so
// a task's output is read before the conversion.
TEST_F(ModuleConversion, Mp4SourceToMpeg4InAviAndBothSourcesToMp3) {
  ASSERT_EQ(1, m_module->AddFile(Media("clip.mp4").c_str()));
  UseOutputType(1);  // MPEG-4 video with MP3 sound in an AVI file
  std::string avi = Task(0)->outputPath;
  EXPECT_EQ(1, m_module->Convert());
  EXPECT_EQ("Convert Successful", Task(0)->stateText);
  std::string mediaTime;
  EXPECT_EQ(0, Probe(avi, &mediaTime)) << "video and audio in " << avi;
  EXPECT_EQ("00:00:03", mediaTime);
  EXPECT_NE(avi, Task(0)->outputPath) << "the next output does not overwrite it";

  ASSERT_EQ(1, m_module->AddFile(Media("clip.avi").c_str()));
  UseOutputType(9);  // MP3
  std::vector<std::string> mp3 = {Task(0)->outputPath, Task(1)->outputPath};
  EXPECT_EQ(1, m_module->Convert());
  for (int i = 0; i < 2; ++i) {
    EXPECT_EQ("Convert Successful", Task(i)->stateText) << i;
    EXPECT_EQ(0, lstrcmpiA(".mp3", mp3[i].substr(mp3[i].size() - 4).c_str())) << mp3[i];
    EXPECT_EQ(2, Probe(mp3[i], &mediaTime)) << "audio only: " << mp3[i];
    EXPECT_EQ("00:00:03", mediaTime);
  }
  EXPECT_NE(std::find(g_boxes.begin(), g_boxes.end(), "Varno Reel Craft V2.0 V2.0|Convert finished!"),
            g_boxes.end());
}

TEST_F(ModuleConversion, AFailedTaskLeavesNoOutput) {
  // An AVI source goes to the codec library for MPEG-4, which this build
  // does not have.
  ASSERT_EQ(1, m_module->AddFile(Media("clip.avi").c_str()));
  UseOutputType(1);
  std::string output = Task(0)->outputPath;
  EXPECT_NE(1, m_module->Convert());
  EXPECT_EQ("Convert Failed", Task(0)->stateText);
  EXPECT_FALSE(vrctest::FileExists(output));
}

CVideoModule* g_stopping = NULL;
void CALLBACK PressStop(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(NULL, id);
  g_stopping->StopConvert(0);
}

TEST_F(ModuleConversion, AStoppedTaskLeavesNoOutput) {
  ASSERT_EQ(1, m_module->AddFile(Media("long.mp4").c_str()));
  UseOutputType(9);
  std::string output = Task(0)->outputPath;
  g_stopping = m_module;
  SetTimer(NULL, 0, 1500, PressStop);
  EXPECT_EQ(2, m_module->Convert());
  EXPECT_EQ("User Aborted", Task(0)->stateText);
  EXPECT_FALSE(vrctest::FileExists(output));
  EXPECT_EQ(0, m_module->StopConvert(0)) << "nothing runs any more";
}

}  // namespace
