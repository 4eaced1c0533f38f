// The video module object: its interface table, the view factory, the task
// list through IConverter, the media-information texts, the popup menu's
// events, the start-up, and preview playback through IPlayer.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "modules/framework/player/DirectShowPlayer.h"
#include "modules/video/PlaybackView.h"
#include "modules/video/VideoModule.h"
#include "modules/video/VideoTaskListView.h"
#include "tests/support/ListRows.h"
#include "tests/support/ModuleHostFakes.h"
#include "tests/support/RecordingSink.h"
#include "tests/support/TestSupport.h"

namespace {

using vrctest::RowText;
using vrctest::SelectRows;

// A probe that finds a 320 x 240 video with audio in any file.
int ScriptedProbe(VIDEOINFOHEADER* video, WAVEFORMATEX* audio, const char*, std::string* time) {
  video->bmiHeader.biWidth = 320;
  video->bmiHeader.biHeight = 240;
  video->AvgTimePerFrame = 400000;
  audio->nSamplesPerSec = 44100;
  audio->nChannels = 2;
  *time = "00:00:07";
  return 0;
}

int ColumnWidth(HWND list, int column) {
  return static_cast<int>(SendMessageA(list, LVM_GETCOLUMNWIDTH, column, 0));
}

class VideoModule : public ::testing::Test {
 protected:
  void SetUp() override {
    InitCommonControls();
    configModule.translator.markSections = true;
    registry.configModule = &configModule;
    module.SetHost(&registry);
    module.SetModuleId(&CLSID_VideoModule);
    module.GetTaskList().SetMediaProbe(ScriptedProbe);
    RECT rect = {0, 0, 640, 480};
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
  }
  IConverterView* CreateTaskList(const char* skinData = "") {
    RECT rect = {10, 10, 410, 310};
    IConverterView* view = NULL;
    EXPECT_EQ(S_OK, module.CreateView("VideoConverterTaskListView", window.m_hWnd, &rect, skinData,
                                      &view));
    return view;
  }
  HWND List() { return module.GetTaskListView()->m_hWnd; }
  // Source files: they must exist for the task list to take them.
  std::string Source(const char* name, size_t bytes = 0) {
    std::string path = dir.File(name);
    vrctest::WriteFile(path, std::string(bytes, 'v'));
    return path;
  }
  int EventCount(int code) {
    int n = 0;
    for (const RecordedEvent& e : sink.Journal()) n += e.code == code;
    return n;
  }

  // The sink outlives the module, whose point still holds it at its end.
  CRecordingSink sink{"executive"};
  CFakeConfigModule configModule;
  CFakeRegistry registry;
  CVideoModule module;
  CWnd window;
  IConnectionPoint* point = NULL;
  vrctest::TempDir dir;
};

TEST_F(VideoModule, InterfaceTable) {
  struct {
    const char* name;
    const IID* iid;
    HRESULT hr;
    void* expected;
  } cases[] = {
      {"view factory", &IID_IViewFactory, S_OK, static_cast<IViewFactory*>(&module)},
      {"converter", &IID_IConverter, S_OK, static_cast<IConverter*>(&module)},
      {"player", &IID_IPlayer, S_OK, static_cast<IPlayer*>(&module)},
      {"container", &IID_VrcConnectionPointContainer, S_OK,
       static_cast<IConnectionPointContainer*>(module.GetContainer())},
      {"IUnknown", &IID_IUnknown, E_NOINTERFACE, NULL},
      {"events", &IID_IModuleEvents, E_NOINTERFACE, NULL},
      {"photo preview", &IID_IPhotoPreview, E_NOINTERFACE, NULL},
  };
  for (const auto& c : cases) {
    void* out = NULL;
    EXPECT_EQ(c.hr, module.QueryInterface(c.iid, &out)) << c.name;
    EXPECT_EQ(c.expected, out) << c.name;
  }
  EXPECT_EQ(E_POINTER, module.QueryInterface(&IID_IConverter, NULL));
  EXPECT_TRUE(IsEqualGUID(CLSID_VideoModule, CVideoModule().GetModuleId()));
}

TEST_F(VideoModule, ViewFactoryByName) {
  RECT rect = {0, 0, 100, 100};
  IConverterView* view = NULL;
  EXPECT_EQ(E_POINTER, module.CreateView("NoSuchView", window.m_hWnd, &rect, "", &view));
  EXPECT_EQ(E_INVALIDARG, module.CreateView(NULL, window.m_hWnd, &rect, "", &view));
  EXPECT_EQ(E_INVALIDARG, module.CreateView("VideoPlaybackWndView", NULL, &rect, "", &view));
  EXPECT_EQ(E_INVALIDARG, module.CreateView("VideoPlaybackWndView", window.m_hWnd, NULL, "", &view));
  EXPECT_TRUE(module.GetViews().empty());
  EXPECT_EQ(NULL, GetWindow(window.m_hWnd, GW_CHILD)) << "nothing was created";

  // Names compare without regard to case.
  ASSERT_EQ(S_OK, module.CreateView("videoplaybackwndview", window.m_hWnd, &rect, NULL, &view));
  char name[64];
  view->GetViewName(name, sizeof(name));
  EXPECT_STREQ("VideoPlaybackWndView", name);
  EXPECT_FALSE(IsWindowVisible(view->GetViewWnd()));
  IConverterView* list = CreateTaskList();
  ASSERT_TRUE(list != NULL);
  list->GetViewName(name, sizeof(name));
  EXPECT_STREQ("VideoConverterTaskListView", name);
  HWND holder = GetParent(list->GetViewWnd());
  EXPECT_EQ(window.m_hWnd, GetParent(holder));
  EXPECT_EQ(4114, GetDlgCtrlID(holder));
  EXPECT_EQ(2u, module.GetViews().size());

  HWND listWnd = list->GetViewWnd();
  EXPECT_EQ(S_OK, module.DestroyView(list));
  EXPECT_FALSE(IsWindow(listWnd));
  EXPECT_FALSE(IsWindow(holder));
  EXPECT_EQ(NULL, module.GetTaskListView());
  EXPECT_EQ(E_POINTER, module.DestroyView(NULL));
  EXPECT_EQ(E_INVALIDARG, module.DestroyView(list)) << "already gone";
}

TEST_F(VideoModule, FailedTaskListCreationLeavesNothingBehind) {
  configModule.refuseTranslator = true;
  RECT rect = {0, 0, 100, 100};
  IConverterView* view = NULL;
  EXPECT_EQ(E_NOINTERFACE, module.CreateView("VideoConverterTaskListView", window.m_hWnd, &rect,
                                             "", &view));
  EXPECT_EQ(NULL, view);
  EXPECT_EQ(NULL, module.GetTaskListView());
  EXPECT_EQ(NULL, GetWindow(window.m_hWnd, GW_CHILD)) << "holder and list were freed";
  EXPECT_TRUE(module.GetViews().empty());

  // The next attempt works.
  configModule.refuseTranslator = false;
  EXPECT_TRUE(CreateTaskList() != NULL);
}

TEST_F(VideoModule, ColumnWidthsComeFromTheSkinDataOrTheTable) {
  CreateTaskList();
  EXPECT_EQ(177, ColumnWidth(List(), 0));
  EXPECT_EQ(80, ColumnWidth(List(), 1));
  EXPECT_EQ(130, ColumnWidth(List(), 2));
  char title[64] = "";
  LVCOLUMNA column = {};
  column.mask = LVCF_TEXT;
  column.pszText = title;
  column.cchTextMax = sizeof(title);
  SendMessageA(List(), LVM_GETCOLUMNA, 1, reinterpret_cast<LPARAM>(&column));
  EXPECT_STREQ("[ConverterList:Media Time]", title);
  module.DestroyView(module.GetViews()[0]);

  CreateTaskList("1, l, r, f, 0,0,0, 0,0,0, 0,0,0, 0,0,0, 200, 0, 150");
  EXPECT_EQ(200, ColumnWidth(List(), 0));
  EXPECT_EQ(80, ColumnWidth(List(), 1)) << "0 keeps the default";
  EXPECT_EQ(150, ColumnWidth(List(), 2));
}

TEST_F(VideoModule, TasksAddedBeforeTheViewGetTheirRowsAtCreation) {
  EXPECT_EQ(1, module.AddFile(Source("early.avi").c_str()));
  EXPECT_EQ(0, module.AddFile(Source("notes.txt").c_str())) << "not a video type";
  EXPECT_EQ(0, module.GetItemCount()) << "no view yet";
  CreateTaskList();
  EXPECT_EQ(1, module.GetItemCount());
  EXPECT_EQ(1, module.AddFile(Source("late.mpg").c_str()));
  ASSERT_EQ(2, module.GetItemCount());
  EXPECT_EQ("early.avi", RowText(List(), 0, 0));
  EXPECT_EQ("00:00:07", RowText(List(), 1, 1));
  EXPECT_EQ("[MiscStrings:Unconvert]", RowText(List(), 1, 2));
  EXPECT_EQ(1, module.GetSelectedCount()) << "the new row is the selected one";
}

TEST_F(VideoModule, DeleteFilesRemovesEverySelectedRowWithItsTask) {
  CreateTaskList();
  const char* names[] = {"a.avi", "b.avi", "c.avi", "d.avi", "e.avi"};
  for (const char* name : names) ASSERT_EQ(1, module.AddFile(Source(name).c_str()));
  SelectRows(List(), {1, 2, 4});
  EXPECT_EQ(3, module.GetSelectedCount());
  EXPECT_EQ(0, module.DeleteFiles());
  ASSERT_EQ(2, module.GetItemCount());
  ASSERT_EQ(2, module.GetTaskList().GetCount());
  EXPECT_EQ("a.avi", RowText(List(), 0, 0));
  EXPECT_EQ("d.avi", RowText(List(), 1, 0));
  EXPECT_EQ(dir.File("d.avi"), module.GetTaskList().GetTask(1)->sourcePath);
  EXPECT_EQ(0, module.GetSelectedCount());
  EXPECT_EQ(0, module.DeleteFiles()) << "nothing selected: nothing happens";
  EXPECT_EQ(2, module.GetItemCount());
}

TEST_F(VideoModule, MediaInfoTextsDescribeTheSelectedTask) {
  CreateTaskList();
  ASSERT_EQ(1, module.AddFile(Source("clip.avi", 1572864).c_str()));
  module.Notify(MEV_MEDIA_INFO, 0, 0, 0);
  ASSERT_FALSE(sink.Journal().empty());
  const RecordedEvent& e = sink.Journal().back();
  EXPECT_EQ(MEV_MEDIA_INFO, e.code);
  EXPECT_STREQ("[MiscStrings:File Size:] 1.5MB", reinterpret_cast<const char*>(e.p2));
  EXPECT_STREQ("[MiscStrings:Video Size:] 320x240", reinterpret_cast<const char*>(e.p3));

  SelectRows(List(), {});
  module.Notify(MEV_MEDIA_INFO, 0, 0, 0);
  EXPECT_EQ("[MiscStrings:File Size:]", module.FileSizeText()) << "no selection: captions only";
  EXPECT_EQ("[MiscStrings:Video Size:]", module.VideoSizeText());

  // Without the configuration module the captions stay English.
  registry.configModule = NULL;
  SelectRows(List(), {0});
  module.Notify(MEV_MEDIA_INFO, 0, 0, 0);
  EXPECT_EQ("File Size: 1.5MB", module.FileSizeText());
  EXPECT_EQ("Video Size: 320x240", module.VideoSizeText());
}

TEST_F(VideoModule, ListEventsAndMenuCommandsReachTheSink) {
  CreateTaskList();
  for (const char* name : {"a.avi", "b.avi", "c.avi", "d.avi", "e.avi"})
    module.AddFile(Source(name).c_str());
  CVideoTaskListView* view = module.GetTaskListView();

  // The enabled state of each item is the executive's answer.
  struct CEnabler : CRecordingSink {
    CEnabler() : CRecordingSink("enabler") {}
    HRESULT STDMETHODCALLTYPE OnModuleEvent(const GUID* m, int code, INT_PTR p1, INT_PTR p2,
                                            INT_PTR p3) override {
      if (code == MEV_QUERY_ENABLED && lstrcmpA(reinterpret_cast<const char*>(p1), "DeleteFiles") == 0)
        *reinterpret_cast<int*>(p2) = 1;
      return CRecordingSink::OnModuleEvent(m, code, p1, p2, p3);
    }
  } enabler;
  DWORD cookie;
  ASSERT_EQ(S_OK, point->Advise(enabler.Unknown(), &cookie));
  CMenu menu;
  HMENU popup = view->PreparePopupMenu(menu);
  ASSERT_TRUE(popup != NULL);
  EXPECT_EQ(5, GetMenuItemCount(popup));
  EXPECT_EQ(MF_GRAYED | MF_DISABLED, GetMenuState(popup, ID_TASKLIST_OPEN, MF_BYCOMMAND) & 3);
  EXPECT_EQ(0u, GetMenuState(popup, ID_TASKLIST_DELETE, MF_BYCOMMAND) & 3);
  EXPECT_EQ(MF_GRAYED | MF_DISABLED, GetMenuState(popup, ID_TASKLIST_SELECT_ALL, MF_BYCOMMAND) & 3);
  ASSERT_FALSE(configModule.translator.menuSections.empty());
  EXPECT_EQ("PopupMenus", configModule.translator.menuSections.back());
  EXPECT_EQ(3, EventCount(MEV_QUERY_ENABLED));
  point->Unadvise(cookie);

  // The three commands, as the menu sends them to the control.
  view->SendMessage(WM_COMMAND, ID_TASKLIST_OPEN, 0);
  view->SendMessage(WM_COMMAND, ID_TASKLIST_DELETE, 0);
  SelectRows(List(), {});
  view->SendMessage(WM_COMMAND, ID_TASKLIST_SELECT_ALL, 0);
  EXPECT_EQ(1, EventCount(MEV_ADD_FILES));
  EXPECT_EQ(1, EventCount(MEV_DELETE_FILES));
  EXPECT_EQ(1, EventCount(MEV_SELECT_ALL));
  EXPECT_EQ(5, module.GetSelectedCount());
  EXPECT_EQ(5, module.GetItemCount());

  // The Delete key and a double click, reflected from the holder.
  NMLVKEYDOWN key = {};
  key.hdr.hwndFrom = List();
  key.hdr.code = LVN_KEYDOWN;
  key.wVKey = VK_DELETE;
  SendMessageA(GetParent(List()), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&key));
  NMHDR click = {List(), 0, static_cast<UINT>(NM_DBLCLK)};
  SendMessageA(GetParent(List()), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&click));
  const RecordedEvent& last = sink.Journal().back();
  EXPECT_EQ(MEV_PLAY, last.code);
  EXPECT_TRUE(IsEqualGUID(CLSID_VideoModule, last.module));
  EXPECT_EQ(46, sink.Journal()[sink.Journal().size() - 2].p1);
}

TEST_F(VideoModule, RowTextsRefuseRowsOutsideTheList) {
  CreateTaskList();
  CVideoTaskListView* view = module.GetTaskListView();
  module.AddFile(Source("a.avi").c_str());
  module.AddFile(Source("b.avi").c_str());
  CTaskRecord other;
  other.sourcePath = "nobackslash.avi";
  other.mediaTime = "";
  EXPECT_FALSE(view->SetTaskRowText(-1, &other)) << "a negative row would change every row";
  EXPECT_FALSE(view->SetTaskRowText(2, &other));
  EXPECT_EQ("a.avi", RowText(List(), 0, 0));
  EXPECT_EQ("b.avi", RowText(List(), 1, 0));
  EXPECT_FALSE(view->AddTaskRow(NULL));
  EXPECT_EQ(2, module.GetItemCount());

  EXPECT_TRUE(view->AddTaskRow(&other));
  EXPECT_EQ("nobackslash.avi", RowText(List(), 2, 0));
  EXPECT_EQ("", RowText(List(), 2, 2)) << "an empty state stays empty";
  EXPECT_EQ(1, module.GetSelectedCount());
  EXPECT_EQ(2, static_cast<int>(SendMessageA(List(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1),
                                             LVNI_SELECTED)));
}

TEST_F(VideoModule, PlayerAndConverterWithoutTheirPartners) {
  EXPECT_EQ(E_FAIL, module.Play()) << "no player, no view";
  EXPECT_EQ(E_FAIL, module.Stop());
  EXPECT_EQ(E_FAIL, module.HandleGraphEvent());
  EXPECT_FALSE(module.IsPlaying());
  EXPECT_FALSE(module.GetPosition());
  EXPECT_FALSE(module.Seek(50));
  EXPECT_EQ(0, module.StopConvert(0));
  EXPECT_EQ(0, module.Convert()) << "nothing is converted yet";
  registry.configModule = NULL;
  EXPECT_EQ(0, module.Convert());
  EXPECT_TRUE(sink.Journal().empty());
}

TEST(VideoModuleStartUp, NeedsTheConfigurationAndAnEngine) {
  vrctest::TempDir install;
  CFakeConfigModule configModule;
  configModule.config.strings["InstallDirectory"] = install.Path();
  configModule.config.strings["OEMIConverterName"] = "CreateVarnoConverter";
  CFakeRegistry registry;

  CVideoModule alone;
  EXPECT_EQ(E_POINTER, alone.InitInstance()) << "no host";
  EXPECT_EQ(S_OK, alone.ExitInstance());

  CVideoModule noEngine;
  registry.configModule = &configModule;
  noEngine.SetHost(&registry);
  EXPECT_EQ(E_FAIL, noEngine.InitInstance());
  noEngine.ExitInstance();

  ASSERT_TRUE(CopyFileA((vrctest::TestFolder() + "video_fixture_engine.dll").c_str(),
                        install.File("PicCast.dll").c_str(), FALSE));
  CVideoModule module;
  module.SetHost(&registry);
  EXPECT_EQ(S_OK, module.InitInstance());
  EXPECT_TRUE(module.GetPlayer() != NULL);
  EXPECT_EQ(S_OK, module.ExitInstance());
  EXPECT_EQ(NULL, module.GetPlayer());
}

TEST_F(VideoModule, PlaysTheSelectedTaskInThePlaybackWindow) {
  vrctest::TempDir install;
  configModule.config.strings["InstallDirectory"] = install.Path();
  configModule.config.strings["OEMIConverterName"] = "CreateVarnoConverter";
  ASSERT_TRUE(CopyFileA((vrctest::TestFolder() + "video_fixture_engine.dll").c_str(),
                        install.File("PicCast.dll").c_str(), FALSE));
  ASSERT_EQ(S_OK, module.InitInstance());
  module.GetTaskList().SetMediaProbe(ScriptedProbe);
  ShowWindow(window.m_hWnd, SW_SHOWNA);
  RECT rect = {0, 0, 320, 240};
  IConverterView* playback = NULL;
  ASSERT_EQ(S_OK, module.CreateView("VideoPlaybackWndView", window.m_hWnd, &rect, NULL, &playback));
  EXPECT_EQ(playback->GetViewWnd(), module.GetPlayer()->GetOwner());
  CreateTaskList();
  EXPECT_EQ(E_FAIL, module.Play()) << "no task selected";
  EXPECT_EQ(0, EventCount(MEV_PLAY_STARTING));

  std::string clip = vrctest::TestFolder() + "video_media\\clip1s.avi";
  ASSERT_EQ(1, module.AddFile(clip.c_str()));
  ASSERT_EQ(S_OK, module.Play());
  EXPECT_EQ(1, EventCount(MEV_PLAY_STARTING));
  EXPECT_TRUE(IsWindowVisible(playback->GetViewWnd()));
  EXPECT_TRUE(module.IsPlaying());
  EXPECT_TRUE(module.GetPosition());
  EXPECT_FALSE(module.Seek(101));
  EXPECT_FALSE(module.Seek(-1));
  EXPECT_TRUE(module.Seek(0));

  // The position timer's tick carries the position and its text.
  SendMessageA(playback->GetViewWnd(), WM_TIMER, 100, 0);
  const RecordedEvent& progress = sink.Journal().back();
  EXPECT_EQ(MEV_PLAY_PROGRESS, progress.code);
  EXPECT_STREQ("00:00:00", reinterpret_cast<const char*>(progress.p2));

  EXPECT_EQ(S_OK, module.Stop());
  EXPECT_FALSE(module.IsPlaying());
  EXPECT_FALSE(IsWindowVisible(playback->GetViewWnd()));
  module.ExitInstance();
}

TEST(MovieCastLibrary, ExportsTheModuleAndItsPopupMenu) {
  HMODULE library = LoadLibraryA((vrctest::ProgramFolder() + "MovieCast.dll").c_str());
  ASSERT_TRUE(library != NULL);
  PFN_DllCreateObject create =
      reinterpret_cast<PFN_DllCreateObject>(GetProcAddress(library, MAKEINTRESOURCEA(1)));
  ASSERT_TRUE(create != NULL);
  IModule* first = create();
  IModule* second = create();
  ASSERT_TRUE(first && second);
  EXPECT_NE(first, second);
  void* converter = NULL;
  EXPECT_EQ(S_OK, first->QueryInterface(&IID_IConverter, &converter));
  EXPECT_EQ(0, static_cast<IConverter*>(converter)->GetItemCount());
  first->Release();
  second->Release();

  HMENU menu = LoadMenuA(library, MAKEINTRESOURCEA(28002));
  ASSERT_TRUE(menu != NULL);
  HMENU popup = GetSubMenu(menu, 0);
  const UINT expected[] = {32771, 0, 32772, 0, 32773};
  ASSERT_EQ(5, GetMenuItemCount(popup));
  for (int i = 0; i < 5; ++i) EXPECT_EQ(expected[i], GetMenuItemID(popup, i)) << i;
  char text[32];
  GetMenuStringA(menu, 0, text, sizeof(text), MF_BYPOSITION);
  EXPECT_STREQ("Tools", text);
  DestroyMenu(menu);
  FreeLibrary(library);
}

}  // namespace
