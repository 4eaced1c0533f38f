// The photo module object: its interface table, the thumbnails' clean-up,
// the still-image probe on every picture type, the task list's row, the
// preview window and its cache, and the library's export.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "modules/photo/PhotoConvertRunner.h"
#include "modules/photo/PhotoModule.h"
#include "modules/photo/PhotoTaskList.h"
#include "modules/photo/PhotoTaskListView.h"
#include "modules/photo/PhotoWndView.h"
#include "tests/support/ListRows.h"
#include "tests/support/ModelFixture.h"
#include "tests/support/ModuleHostFakes.h"
#include "tests/support/RecordingSink.h"
#include "tests/support/TestSupport.h"

namespace {

using vrctest::RowText;
using vrctest::SelectRows;

std::string Picture(const char* name) { return vrctest::TestFolder() + "..\\testmedia\\" + name; }

// The temporary folder points at a scratch folder for the test's life.
class ScratchTemp {
 public:
  ScratchTemp() {
    char old[MAX_PATH] = "";
    m_had = GetEnvironmentVariableA("TMP", old, sizeof(old)) > 0;
    m_old = old;
    SetEnvironmentVariableA("TMP", m_dir.Path().c_str());
  }
  ~ScratchTemp() { SetEnvironmentVariableA("TMP", m_had ? m_old.c_str() : NULL); }
  const vrctest::TempDir& Dir() const { return m_dir; }

 private:
  vrctest::TempDir m_dir;
  std::string m_old;
  bool m_had;
};

class PhotoModule : public ::testing::Test {
 protected:
  void SetUp() override {
    InitCommonControls();
    registry.configModule = &configModule;
    module.reset(new CPhotoModule());
    module->SetHost(&registry);
    RECT rect = {0, 0, 800, 600};
    ASSERT_TRUE(window.Create(NULL, "main", WS_POPUP, rect, NULL, 0));
  }
  void TearDown() override {
    for (IConverterView* view : std::vector<IConverterView*>(module->GetViews()))
      module->DestroyView(view);
    module.reset();
    window.DestroyWindow();
  }
  IConverterView* Create(const char* name, RECT rect) {
    IConverterView* view = NULL;
    EXPECT_EQ(S_OK, module->CreateView(name, window.m_hWnd, &rect, "", &view)) << name;
    return view;
  }
  HWND List() { return module->GetTaskListView()->m_hWnd; }

  ScratchTemp temp;
  CFakeConfigModule configModule;
  CFakeRegistry registry;
  std::unique_ptr<CPhotoModule> module;
  CWnd window;
};

TEST_F(PhotoModule, InterfaceTable) {
  struct {
    const char* name;
    const IID* iid;
    HRESULT hr;
    void* expected;
  } cases[] = {
      {"photo preview", &IID_IPhotoPreview, S_OK, static_cast<IPhotoPreview*>(module.get())},
      {"view factory", &IID_IViewFactory, S_OK, static_cast<IViewFactory*>(module.get())},
      {"converter", &IID_IConverter, S_OK, static_cast<IConverter*>(module.get())},
      {"container", &IID_VrcConnectionPointContainer, S_OK,
       static_cast<IConnectionPointContainer*>(module->GetContainer())},
      {"no player", &IID_IPlayer, E_NOINTERFACE, NULL},
      {"IUnknown", &IID_IUnknown, E_NOINTERFACE, NULL},
  };
  for (const auto& c : cases) {
    void* out = NULL;
    EXPECT_EQ(c.hr, module->QueryInterface(c.iid, &out)) << c.name;
    EXPECT_EQ(c.expected, out) << c.name;
  }
  EXPECT_EQ(E_POINTER, module->QueryInterface(&IID_IConverter, NULL));
  EXPECT_TRUE(IsEqualGUID(CLSID_PhotoModule, module->GetModuleId()));
}

TEST(PhotoModuleStart, DeletesLeftoverThumbnailsOnly) {
  ScratchTemp temp;
  const vrctest::TempDir& dir = temp.Dir();
  for (const char* name : {"QTF1A.tmp", "qtf2.tmp", "QTJ3.tmp", "QTF4.txt", "notes.tmp"})
    ASSERT_TRUE(vrctest::WriteFile(dir.File(name), "x"));
  ASSERT_EQ(dir.Path(), TemporaryFolder());
  CPhotoModule module;
  EXPECT_FALSE(vrctest::FileExists(dir.File("QTF1A.tmp")));
  EXPECT_FALSE(vrctest::FileExists(dir.File("qtf2.tmp"))) << "names compare without case";
  for (const char* name : {"QTJ3.tmp", "QTF4.txt", "notes.tmp"})
    EXPECT_TRUE(vrctest::FileExists(dir.File(name))) << name;
  DeleteLeftoverThumbnails("");  // no folder: nothing at all, not the drive's root
  EXPECT_TRUE(vrctest::FileExists(dir.File("notes.tmp")));
}

TEST_F(PhotoModule, ProbesEveryPictureTypeAndRefusesUndecodable) {
  Create("PhotoWndView", RECT{0, 0, 400, 300});
  Create("StillCastTaskListView", RECT{0, 300, 400, 500});
  struct {
    const char* file;
    const char* info;
  } rows[] = {
      {"photo.jpg", "320x240,JPEG,24bits"}, {"photo.png", "320x240,PNG,24bits"},
      {"photo.gif", "320x240,GIF,8bits"},   {"photo.bmp", "320x240,BMP,24bits"},
      {"photo.tif", "320x240,TIFF,24bits"},
  };
  int row = 0;
  for (const auto& r : rows) {
    ASSERT_EQ(1, module->AddFile(Picture(r.file).c_str())) << r.file;
    CTaskRecord* task = module->GetTaskList().GetTask(row);
    EXPECT_EQ(r.info, task->infoText) << r.file;
    EXPECT_EQ(kOutputTypeStillImage, task->outputType);
    EXPECT_EQ(320, task->sourceWidth);
    EXPECT_EQ(240, task->height);
    EXPECT_EQ(r.file, RowText(List(), row, 0));
    EXPECT_EQ(r.info, RowText(List(), row, 1));
    EXPECT_EQ("Unconvert", RowText(List(), row, 2));
    // The thumbnail fits the 400 x 300 preview window.
    SIZE size = {};
    ASSERT_TRUE(module->GetPreviewWindow()->LoadPreviewImage(task->tempPath.c_str(), &size))
        << task->tempPath;
    EXPECT_EQ(400, size.cx) << r.file;
    EXPECT_EQ(300, size.cy) << r.file;
    EXPECT_EQ(0, task->tempPath.find(temp.Dir().Path() + "QTF")) << task->tempPath;
    ++row;
  }
  EXPECT_EQ(0, module->AddFile(Picture("corrupt.jpg").c_str())) << "cannot be decoded";
  EXPECT_EQ(0, module->AddFile(Picture("empty.bmp").c_str()));
  EXPECT_EQ(0, module->AddFile(Picture("clip.avi").c_str())) << "not a picture type";
  EXPECT_EQ(5, module->GetItemCount());

  // A task's thumbnail goes with it.
  std::string thumbnail = module->GetTaskList().GetTask(0)->tempPath;
  SelectRows(List(), {0});
  module->DeleteFiles();
  EXPECT_FALSE(vrctest::FileExists(thumbnail));
}

TEST_F(PhotoModule, FirstOutputGuessAndTasksBeforeThePreviewWindow) {
  vrctest::TempDir sources;
  std::string dotless = sources.File("picture");
  std::string png = sources.File("photo.png");
  ASSERT_TRUE(CopyFileA(Picture("photo.png").c_str(), png.c_str(), FALSE));
  CTaskRecord task;
  ASSERT_TRUE(module->GetPhotoTaskList().ProbeStillImage(task, png.c_str()));
  EXPECT_EQ(sources.File("photoX.JPG"), task.outputPath);
  EXPECT_EQ("Unconvert", task.stateText);
  // Without a preview window the thumbnail has the picture's own size.
  CGdiPlusSession gdiPlus;
  CGdiPlusBitmap thumbnail;
  CGdiPlusBitmap::FromFile(task.tempPath.c_str(), MAX_PATH, &thumbnail);
  EXPECT_EQ(320, thumbnail.Size().cx);
  EXPECT_EQ(240, thumbnail.Size().cy);
  DeleteFileA(task.tempPath.c_str());

  ASSERT_TRUE(CopyFileA(Picture("photo.png").c_str(), dotless.c_str(), FALSE));
  CTaskRecord plain;
  ASSERT_TRUE(module->GetPhotoTaskList().ProbeStillImage(plain, dotless.c_str()));
  EXPECT_EQ(dotless, plain.outputPath) << "no dot: the path itself";
  DeleteFileA(plain.tempPath.c_str());
  CTaskRecord missing;
  EXPECT_FALSE(module->GetPhotoTaskList().ProbeStillImage(missing, sources.File("none.png").c_str()));
}

TEST_F(PhotoModule, PreviewFollowsTheSelectionOnce) {
  EXPECT_FALSE(module->ShowSelectedPreview()) << "no views";
  Create("PhotoWndView", RECT{0, 0, 400, 300});
  Create("StillCastTaskListView", RECT{0, 300, 400, 500});
  CPhotoWndView* preview = module->GetPreviewWindow();
  EXPECT_TRUE(IsWindowVisible(preview->m_hWnd) || !IsWindowVisible(window.m_hWnd));
  ASSERT_EQ(1, module->AddFile(Picture("photo.jpg").c_str()));
  ASSERT_EQ(1, module->AddFile(Picture("photo.png").c_str()));

  SelectRows(List(), {-1});
  EXPECT_FALSE(module->ShowSelectedPreview()) << "no selection";
  SelectRows(List(), {0});
  EXPECT_TRUE(module->ShowSelectedPreview());
  HBITMAP first = preview->GetPreviewBitmap();
  ASSERT_TRUE(first != NULL);
  EXPECT_TRUE(module->ShowSelectedPreview());
  EXPECT_EQ(first, preview->GetPreviewBitmap()) << "the same row is not loaded again";
  EXPECT_EQ(0, module->GetPreviewRow());

  // Deleting the shown photo repaints the preview without it.
  ShowWindow(window.m_hWnd, SW_SHOW);
  UpdateWindow(window.m_hWnd);
  ValidateRect(preview->m_hWnd, NULL);
  module->DeleteFiles();
  EXPECT_EQ(-1, module->GetPreviewRow());
  EXPECT_NE(first, preview->GetPreviewBitmap()) << "the deleted photo is still the preview";
  EXPECT_TRUE(GetUpdateRect(preview->m_hWnd, NULL, FALSE)) << "the preview was not repainted";
  // After deleting row 0 the next task is row 0: it is loaded anew.
  SelectRows(List(), {0});
  EXPECT_TRUE(module->ShowSelectedPreview());
  EXPECT_NE(first, preview->GetPreviewBitmap());
  EXPECT_EQ(0, module->GetPreviewRow());

  // A file that cannot be decoded keeps the picture shown.
  HBITMAP shown = preview->GetPreviewBitmap();
  EXPECT_FALSE(preview->LoadPreviewImage(Picture("corrupt.jpg").c_str(), NULL));
  EXPECT_FALSE(preview->LoadPreviewImage(Picture("none.jpg").c_str(), NULL));
  EXPECT_EQ(shown, preview->GetPreviewBitmap());
}

TEST_F(PhotoModule, DestroyingThePreviewClearsEveryPointerToIt) {
  IConverterView* previewView = Create("photowndview", RECT{0, 0, 400, 300});
  Create("StillCastTaskListView", RECT{0, 300, 400, 500});
  char name[32];
  previewView->GetViewName(name, sizeof(name));
  EXPECT_STREQ("PhotoWndView", name);
  ASSERT_EQ(1, module->AddFile(Picture("photo.jpg").c_str()));
  SelectRows(List(), {0});
  ASSERT_TRUE(module->ShowSelectedPreview());
  HWND previewWnd = previewView->GetViewWnd();

  EXPECT_EQ(S_OK, module->DestroyView(previewView));
  EXPECT_FALSE(IsWindow(previewWnd));
  EXPECT_EQ(NULL, module->GetPreviewWindow());
  EXPECT_EQ(NULL, module->GetPhotoTaskList().GetPreviewWindow());
  EXPECT_EQ(-1, module->GetPreviewRow());
  EXPECT_FALSE(module->ShowSelectedPreview());
  // A task added now still gets its thumbnail (of the picture's size).
  EXPECT_EQ(1, module->AddFile(Picture("photo.png").c_str()));
  EXPECT_EQ(1u, module->GetViews().size());
}

TEST_F(PhotoModule, TaskListColumnsAndName) {
  IConverterView* list = Create("StillCastTaskListView", RECT{0, 0, 400, 300});
  char name[32];
  list->GetViewName(name, sizeof(name));
  EXPECT_STREQ("StillCastTaskListView", name);
  const int widths[] = {84, 140, 80};
  for (int i = 0; i < 3; ++i)
    EXPECT_EQ(widths[i], static_cast<int>(SendMessageA(List(), LVM_GETCOLUMNWIDTH, i, 0))) << i;
}

TEST(PhotoSettings, WithoutAStillImageEntryTheTasksFailWithTheReasonInsteadOfBecomingVideoTasks) {
  ModelFixture fixture;
  fixture.AddEngine("MuxCast.dll", "AVI,", "AVI,");
  fixture.WriteProfile(kBasicProfile);  // types 0, 1, 5, 6, 7, 2: no still images
  ASSERT_TRUE(fixture.Init());
  fixture.config.Set("CurrentLastOutputTypeIndex", 1);  // the page's row, not a catalogue index
  CPhotoTaskList list;
  list.SetConfig(&fixture.config);
  list.SetConverterManager(&fixture.manager);
  CTaskRecord* task = list.AddFile(Picture("photo.png").c_str());
  ASSERT_TRUE(task != NULL);
  EXPECT_EQ(kOutputTypeNone, task->outputType) << "not the video type of catalogue index 1";
  EXPECT_EQ("No Still Image Output Type", task->stateText);
  EXPECT_FALSE(list.ApplyOutputType());
  EXPECT_EQ(kOutputTypeNone, task->outputType);
  CPhotoConvertRunner runner;
  runner.SetTaskList(&list);
  EXPECT_EQ(0, runner.GetResultText(task, 0));
  EXPECT_EQ("Convert Failed, No Still Image Output Type", task->stateText);
}

TEST(StillCastLibrary, ExportsTheModuleAndItsPopupMenu) {
  HMODULE library = LoadLibraryA((vrctest::ProgramFolder() + "StillCast.dll").c_str());
  ASSERT_TRUE(library != NULL);
  PFN_DllCreateObject create =
      reinterpret_cast<PFN_DllCreateObject>(GetProcAddress(library, MAKEINTRESOURCEA(1)));
  ASSERT_TRUE(create != NULL);
  IModule* module = create();
  ASSERT_TRUE(module != NULL);
  void* preview = NULL;
  EXPECT_EQ(S_OK, module->QueryInterface(&IID_IPhotoPreview, &preview));
  EXPECT_EQ(FALSE, static_cast<IPhotoPreview*>(preview)->ShowSelectedPreview());
  module->Release();
  HMENU menu = LoadMenuA(library, MAKEINTRESOURCEA(30000));
  ASSERT_TRUE(menu != NULL);
  EXPECT_EQ(5, GetMenuItemCount(GetSubMenu(menu, 0)));
  DestroyMenu(menu);
  FreeLibrary(library);
}

}  // namespace
