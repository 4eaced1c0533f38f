// The music module: the MP3 settings that an output type puts in force, the
// four-column row of real music files, the result texts, the views and the
// library's export.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "include/VarnoModuleEvents.h"
#include "modules/music/MusicConvertRunner.h"
#include "modules/music/MusicModule.h"
#include "modules/music/MusicSettings.h"
#include "modules/music/MusicTaskList.h"
#include "modules/music/MusicTaskListView.h"
#include "tests/support/FakeFilterGraph.h"
#include "tests/support/ModelFixture.h"
#include "tests/support/ModuleHostFakes.h"
#include "tests/support/RecordingSink.h"
#include "tests/support/TestSupport.h"

namespace {

std::string Media(const char* name) { return vrctest::TestFolder() + "..\\testmedia\\" + name; }

const char kMusicProfile[] =
    "[MOT0]\nID=9\nAP=2\nASR=22050\nAC=3\nAB=64\nAM=0\nAQ=5\nDesc=Speech\n"
    "[MOT1]\nID=9\nAP=2\nASR=44100\nAC=1\nAB=192\nAM=1\nAQ=2\nDesc=User defined MP3\n"
    "[MOT2]\nID=9\nAP=2\nASR=48000\nAC=1\nAB=256\nAM=1\nDesc=No quality\n"
    "[MOT3]\nID=9\nAC=1\nDesc=No rate\n";

TEST(MusicSettings, SyncMp3SettingsByOutputType) {
  struct {
    const char* name;
    int index;
    int rate, channel, bitrate, mode, quality, typeData;
    const char* summary;
  } rows[] = {
      {"own values", 0, 22050, 3, 64, 0, 5, 0, "22050Hz,Mono,64kbps,CBR"},
      {"user defined copies the User settings", 1, 32000, 1, 160, 1, 7, -1,
       "32000Hz,Stereo,160kbps,VBR"},
      {"no AQ keeps the stored settings", 2, 11025, 2, 96, 0, 4, 77, "11025Hz,Stereo,96kbps,CBR"},
      {"no ASR keeps the stored settings", 3, 11025, 2, 96, 0, 4, 77, "11025Hz,Stereo,96kbps,CBR"},
      {"no section keeps the stored settings", 9, 11025, 2, 96, 0, 4, 77,
       "11025Hz,Stereo,96kbps,CBR"},
  };
  for (const auto& r : rows) {
    ModelFixture fixture;
    fixture.AddEngine("MuxCast.dll", "AVI,", "AVI,");
    fixture.WriteProfile(kMusicProfile);
    ASSERT_TRUE(fixture.Init());
    CFakeConfig& config = fixture.config;
    CConverterManager& manager = fixture.manager;
    const char* stored[] = {"MP3SamplingRate", "MP3Channel", "MP3Bitrate", "MP3Mode", "MP3Quality"};
    const int storedValues[] = {11025, 2, 96, 0, 4};
    const int userValues[] = {32000, 1, 160, 1, 7};
    for (int i = 0; i < 5; ++i) {
      config.Set(stored[i], storedValues[i]);
      config.Set(std::string("User") + stored[i], userValues[i]);
    }
    config.Set("MusicLastOutputTypeData", 77);
    config.Set("MusicLastOutputTypeIndex", r.index);
    EXPECT_EQ(r.summary, SyncMp3Settings(&config, manager)) << r.name;
    EXPECT_EQ(r.rate, config.Int("MP3SamplingRate")) << r.name;
    EXPECT_EQ(r.channel, config.Int("MP3Channel")) << r.name;
    EXPECT_EQ(r.bitrate, config.Int("MP3Bitrate")) << r.name;
    EXPECT_EQ(r.mode, config.Int("MP3Mode")) << r.name;
    EXPECT_EQ(r.quality, config.Int("MP3Quality")) << r.name;
    EXPECT_EQ(r.typeData, config.Int("MusicLastOutputTypeData")) << r.name;
  }
}

// The catalogue's MP3 entry (every music task converts to it) and the page's
// rows of MP3 settings; row 1 is the user's own.
TEST(MusicSettings, TheUserDefinedRowStaysMarkedAndTheNextMp3HasTheUsersSettings) {
  ModelFixture fixture;
  fixture.AddEngine("MuxCast.dll", "AVI,", "AVI,");
  fixture.WriteProfile(std::string(kBasicProfile) + "[OT6]\nID=9\nAP=mp1\nVP=mp4\nDesc=MP3\n" +
                       kMusicProfile);
  ASSERT_TRUE(fixture.Init());
  CFakeConfig& config = fixture.config;
  CMusicTaskList list;
  list.SetConfig(&config);
  list.SetConverterManager(&fixture.manager);
  list.SetMediaProbe(&ScriptedProbe);
  g_scriptedMedia.result = 2;  // audio only
  CTaskRecord* task = list.AddFile(fixture.Source("song.wav").c_str());
  ASSERT_TRUE(task != NULL);
  const struct {
    const char* key;
    int value;
  } user[] = {{"UserMP3SamplingRate", 32000}, {"UserMP3Channel", 3}, {"UserMP3Bitrate", 96},
              {"UserMP3Mode", 1}, {"UserMP3Quality", 7}};
  for (const auto& u : user) config.Set(u.key, u.value);
  config.Set("MusicLastOutputTypeIndex", 1);
  SyncMp3Settings(&config, fixture.manager);
  ASSERT_TRUE(list.ApplyOutputType());
  EXPECT_EQ(-1, config.Int("MusicLastOutputTypeData")) << "the MP3 dialog's lists stay usable";
  EXPECT_EQ(32000, task->sampleRate);
  EXPECT_EQ(3, task->channels);
  EXPECT_EQ(96, task->audioBitRate);
  EXPECT_EQ(1, task->audioMode);
  EXPECT_EQ(7, task->audioQuality);
  // What the dialog then stores is what the next MP3 gets.
  config.Set("UserMP3Bitrate", 160);
  SyncMp3Settings(&config, fixture.manager);
  ASSERT_TRUE(list.ApplyOutputType());
  EXPECT_EQ(160, task->audioBitRate);
  EXPECT_EQ(-1, config.Int("MusicLastOutputTypeData"));
  // A preset row puts its own values in force and is no longer user-defined.
  config.Set("MusicLastOutputTypeIndex", 0);
  SyncMp3Settings(&config, fixture.manager);
  ASSERT_TRUE(list.ApplyOutputType());
  EXPECT_EQ(64, task->audioBitRate);
  EXPECT_EQ(9, config.Int("MusicLastOutputTypeData"));
}

TEST(MusicSettings, WithoutAnMp3EntryTheTasksFailWithTheReasonInsteadOfBecomingVideoTasks) {
  ModelFixture fixture;
  fixture.AddEngine("MuxCast.dll", "AVI,", "AVI,");
  fixture.WriteProfile(std::string(kBasicProfile) + kMusicProfile);  // types 0, 1, 5, 6, 7, 2
  ASSERT_TRUE(fixture.Init());
  fixture.config.Set("MusicLastOutputTypeIndex", 1);
  fixture.config.Set("CurrentLastOutputTypeIndex", 1);  // the page's row, not a catalogue index
  CMusicTaskList list;
  list.SetConfig(&fixture.config);
  list.SetConverterManager(&fixture.manager);
  list.SetMediaProbe(&ScriptedProbe);
  g_scriptedMedia.result = 2;
  CTaskRecord* task = list.AddFile(fixture.Source("tone.wav").c_str());
  ASSERT_TRUE(task != NULL);
  EXPECT_EQ(kOutputTypeNone, task->outputType) << "not the video type of catalogue index 1";
  EXPECT_EQ("No MP3 Output Type", task->stateText);
  EXPECT_FALSE(list.ApplyOutputType());
  EXPECT_EQ(kOutputTypeNone, task->outputType);
  CMusicConvertRunner runner;
  runner.SetTaskList(&list);
  EXPECT_EQ(0, runner.GetResultText(task, 0));
  EXPECT_EQ("Convert Failed, No MP3 Output Type", task->stateText);
}

TEST(MusicRunner, ResultTexts) {
  struct {
    const char* name;
    int result;
    const char* state;
    int ok;
  } rows[] = {
      {"success", 1, "Convert Successful", 1},
      {"failure", 0, "Convert Failed", 0},
      {"abort", 2, "User Aborted", 0},
      {"no audio fails", 4, "Convert Failed", 0},
      {"code 5 succeeds", 5, "Convert Successful", 1},
  };
  for (const auto& r : rows) {
    CMusicConvertRunner runner;
    CTaskRecord task;
    task.sourcePath = "C:\\music\\a.wav";
    EXPECT_EQ(r.ok, runner.GetResultText(&task, r.result)) << r.name;
    EXPECT_EQ(r.state, task.stateText) << r.name;
  }
}

class MusicModule : public ::testing::Test {
 protected:
  void SetUp() override {
    InitCommonControls();
    CoInitialize(NULL);
    registry.configModule = &configModule;
    module.SetHost(&registry);
    RECT rect = {0, 0, 800, 600};
    ASSERT_TRUE(window.Create(NULL, "main", WS_POPUP, rect, NULL, 0));
    IConnectionPointContainer* container = NULL;
    ASSERT_EQ(S_OK, module.QueryInterface(&IID_VrcConnectionPointContainer,
                                          reinterpret_cast<void**>(&container)));
    ASSERT_EQ(S_OK, container->FindConnectionPoint(IID_IModuleEvents, &point));
    DWORD cookie;
    ASSERT_EQ(S_OK, point->Advise(sink.Unknown(), &cookie));
  }
  void TearDown() override {
    for (IConverterView* view : std::vector<IConverterView*>(module.GetViews()))
      module.DestroyView(view);
    point->Release();
    window.DestroyWindow();
    CoUninitialize();
  }
  std::string Cell(int row, int column) {
    char text[260] = "";
    LVITEMA item = {};
    item.iSubItem = column;
    item.pszText = text;
    item.cchTextMax = sizeof(text);
    SendMessageA(module.GetTaskListView()->m_hWnd, LVM_GETITEMTEXTA, row,
                 reinterpret_cast<LPARAM>(&item));
    return text;
  }

  CRecordingSink sink{"executive"};
  CFakeConfigModule configModule;
  CFakeRegistry registry;
  CMusicModule module;
  CWnd window;
  IConnectionPoint* point = NULL;
};

TEST_F(MusicModule, InterfacesAndViews) {
  void* out = NULL;
  EXPECT_EQ(S_OK, module.QueryInterface(&IID_IPlayer, &out));
  EXPECT_EQ(static_cast<IPlayer*>(&module), out);
  EXPECT_EQ(E_NOINTERFACE, module.QueryInterface(&IID_IPhotoPreview, &out));
  EXPECT_EQ(E_NOINTERFACE, module.QueryInterface(&IID_IUnknown, &out));
  EXPECT_TRUE(IsEqualGUID(CLSID_MusicModule, module.GetModuleId()));

  RECT rect = {0, 0, 700, 300};
  IConverterView* list = NULL;
  IConverterView* playback = NULL;
  ASSERT_EQ(S_OK, module.CreateView("MusicConverterTaskListView", window.m_hWnd, &rect, "", &list));
  ASSERT_EQ(S_OK, module.CreateView("MusicPlaybackWndView", window.m_hWnd, &rect, "", &playback));
  char name[64];
  list->GetViewName(name, sizeof(name));
  EXPECT_STREQ("MusicConverterTaskListView", name);
  playback->GetViewName(name, sizeof(name));
  EXPECT_STREQ("MusicPlaybackWndView", name);
  const int widths[] = {190, 90, 200, 132};
  for (int i = 0; i < 4; ++i)
    EXPECT_EQ(widths[i], static_cast<int>(SendMessageA(list->GetViewWnd(), LVM_GETCOLUMNWIDTH, i,
                                                       0)))
        << i;
  HWND playbackWnd = playback->GetViewWnd();
  EXPECT_EQ(S_OK, module.DestroyView(playback));
  EXPECT_FALSE(IsWindow(playbackWnd));
  EXPECT_EQ(NULL, module.GetPlaybackView());
  EXPECT_EQ(E_POINTER, module.DestroyView(NULL));
}

// A skin reload destroys the playback window while a preview plays: the
// graph goes first, and nothing of it stays tied to the dead window.
TEST_F(MusicModule, DestroyingThePlaybackViewWhilePlayingReleasesTheGraphFirst) {
  CFakeFilterGraph graph;
  CFakeFilterGraph::Current() = &graph;
  CDirectShowPlayer::SetGraphFactory(CFakeFilterGraph::Create);
  // The player goes before the fake graph does, also when an assertion fails.
  struct PlayerEnd {
    CMusicModule& module;
    ~PlayerEnd() {
      module.ExitInstance();
      CDirectShowPlayer::SetGraphFactory(NULL);
      CFakeFilterGraph::Current() = NULL;
    }
  } end{module};
  module.InitInstance();  // makes the player; the engines' absence does not matter here
  RECT rect = {0, 0, 700, 300};
  IConverterView* playback = NULL;
  ASSERT_EQ(S_OK, module.CreateView("MusicPlaybackWndView", window.m_hWnd, &rect, "", &playback));
  CDirectShowPlayer* player = module.GetPlayer();
  ASSERT_NE(nullptr, player);
  ASSERT_TRUE(player->PlayFile(Media("tone.wav").c_str()));
  HWND playbackWnd = playback->GetViewWnd();
  ASSERT_EQ(reinterpret_cast<OAHWND>(playbackWnd), graph.videoOwner);
  ASSERT_EQ(reinterpret_cast<OAHWND>(playbackWnd), graph.events.notifyWindow);

  EXPECT_EQ(S_OK, module.DestroyView(playback));
  EXPECT_FALSE(IsWindow(playbackWnd));
  EXPECT_EQ(1, graph.stops) << "the graph was left running";
  EXPECT_FALSE(module.IsPlaying());
  EXPECT_EQ(0, graph.events.notifyWindow) << "events would go to a dead window";
  EXPECT_EQ(0, graph.videoOwner) << "the video window stays a child of a dead window";
  EXPECT_EQ(OAFALSE, graph.videoVisible);
  EXPECT_EQ(NULL, player->GetOwner());
}

TEST_F(MusicModule, FourColumnRowsOfRealMusicFiles) {
  RECT rect = {0, 0, 700, 300};
  IConverterView* list = NULL;
  ASSERT_EQ(S_OK, module.CreateView("MusicConverterTaskListView", window.m_hWnd, &rect, "", &list));
  ASSERT_EQ(1, module.AddFile(Media("tone.wav").c_str()));
  ASSERT_EQ(1, module.AddFile(Media("tone.mp3").c_str()));
  ASSERT_EQ(1, module.AddFile(Media("clip.avi").c_str())) << "video files give their sound";
  EXPECT_EQ(0, module.AddFile(Media("picture.bmp").c_str()));
  EXPECT_EQ("tone.wav", Cell(0, 0));
  EXPECT_EQ("00:00:03", Cell(0, 1));
  EXPECT_EQ("44100Hz,Mono,16bit,705kbps", Cell(0, 2));
  EXPECT_EQ("Unconvert", Cell(0, 3));
  EXPECT_EQ("tone.mp3", Cell(1, 0));
  EXPECT_EQ(0u, Cell(1, 2).find("44100Hz,Mono,")) << Cell(1, 2);
  CTaskRecord* video = module.GetTaskList().GetTask(2);
  EXPECT_EQ(0, video->hasVideo);
  EXPECT_EQ(1, video->hasAudio);
  EXPECT_EQ(kOutputTypeMp3, video->outputType);
  EXPECT_EQ(64, video->audioBitRate);
}

TEST_F(MusicModule, ApplyOutputSettingsFiresTheSummary) {
  configModule.config.Set("MP3SamplingRate", 44100);
  configModule.config.Set("MP3Channel", 3);
  configModule.config.Set("MP3Bitrate", 128);
  configModule.config.Set("MP3Mode", 1);
  module.ApplyOutputSettings();  // no [MOT<n>] to read: the stored settings stay
  ASSERT_FALSE(sink.Journal().empty());
  const RecordedEvent& e = sink.Journal().back();
  EXPECT_EQ(MEV_MUSIC_INFO, e.code);
  EXPECT_EQ(1, e.p1);
  EXPECT_STREQ("44100Hz,Mono,128kbps,VBR", reinterpret_cast<const char*>(e.p2));
  EXPECT_EQ(44100, configModule.config.Int("MP3SamplingRate"));
}

TEST(TuneCastLibrary, ExportsTheModuleAndItsPopupMenu) {
  HMODULE library = LoadLibraryA((vrctest::ProgramFolder() + "TuneCast.dll").c_str());
  ASSERT_TRUE(library != NULL);
  PFN_DllCreateObject create =
      reinterpret_cast<PFN_DllCreateObject>(GetProcAddress(library, MAKEINTRESOURCEA(1)));
  ASSERT_TRUE(create != NULL);
  IModule* module = create();
  ASSERT_TRUE(module != NULL);
  void* converter = NULL;
  EXPECT_EQ(S_OK, module->QueryInterface(&IID_IConverter, &converter));
  EXPECT_EQ(0, static_cast<IConverter*>(converter)->GetItemCount());
  module->Release();
  HMENU menu = LoadMenuA(library, MAKEINTRESOURCEA(29000));
  ASSERT_TRUE(menu != NULL);
  EXPECT_EQ(5, GetMenuItemCount(GetSubMenu(menu, 0)));
  DestroyMenu(menu);
  FreeLibrary(library);
}

}  // namespace
