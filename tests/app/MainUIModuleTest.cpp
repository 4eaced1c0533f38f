// The main UI module in a registry with a fake configuration, a recording
// executive and a music module with a recording view factory: its
// interfaces, the view names it routes, the converter pages it makes
// itself, the command proxy and the hot keys.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/MainUIModule.h"
#include "app/ModuleRegistry.h"
#include "base/ModuleBase.h"
#include "include/VarnoGuids.h"
#include "tests/support/ExecutiveFakes.h"
#include "tests/support/RecordingSkinCommand.h"
#include "tests/support/RecordingViewFactory.h"
#include "tests/support/TestSupport.h"
#include "ui/SkinAppDialog.h"

namespace {

// A module object that answers one interface, the recorder it derives from.
template <class Recorder, class Interface>
class FakeModule : public CModuleBase, public Recorder {
 public:
  explicit FakeModule(const IID* iid) : m_iid(iid) {}
  HRESULT STDMETHODCALLTYPE QueryInterface(const IID* iid, void** out) override {
    if (!VrcSameGuid(iid, m_iid)) return E_NOINTERFACE;
    *out = static_cast<Interface*>(this);
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return 0; }
  ULONG STDMETHODCALLTYPE Release() override { return CModuleBase::Release(); }

 private:
  const IID* m_iid;
};
typedef FakeModule<CRecordingSkinCommand, ISkinCommand> Executive;
typedef FakeModule<CRecordingViewFactory, IViewFactory> ViewModule;

BOOL WINAPI IgnoreScrollBarSkin(const char*, const char*) { return TRUE; }

class MainUIFixture : public ::testing::Test {
 protected:
  CModuleRegistry* registry = new CModuleRegistry();
  fakes::Config* config = new fakes::Config();
  ViewModule* music = new ViewModule(&IID_IViewFactory);
  CMainUIModule* ui = new CMainUIModule();
  Executive* executive = new Executive(&IID_ISkinCommand);
  vrctest::TempDir dir;

  void SetUp() override {
    SetScrollBarSkinLoaderSeam(IgnoreScrollBarSkin);
    config->SetText("SkinPath", dir.Path());  // no skin.ini: windows without controls
    RegisterModuleObject(registry, &CLSID_ConfigModule, config);
    RegisterModuleObject(registry, &CLSID_MusicModule, music);
    RegisterModuleObject(registry, &CLSID_MainUIModule, ui);
    RegisterModuleObject(registry, &CLSID_CommandExecutive, executive);
    ASSERT_EQ(S_OK, registry->InitAllModules());
  }
  void TearDown() override {
    registry->ExitAllModules();
    registry->Release();
    SetScrollBarSkinLoaderSeam(NULL);
  }
  IViewFactory* Factory() {
    IViewFactory* factory = NULL;
    EXPECT_EQ(S_OK, ui->QueryInterface(&IID_IViewFactory, reinterpret_cast<void**>(&factory)));
    return factory;
  }
  HWND Main() { return ui->MainDialog().m_hWnd; }
};

TEST_F(MainUIFixture, AnswersItsTwoInterfacesAndNothingElse) {
  void* out = NULL;
  EXPECT_EQ(E_POINTER, ui->QueryInterface(&IID_ISkinUI, NULL));
  EXPECT_EQ(S_OK, ui->QueryInterface(&IID_ISkinUI, &out));
  EXPECT_TRUE(out);
  EXPECT_EQ(E_NOINTERFACE, ui->QueryInterface(&IID_ISkinCommand, &out));
  EXPECT_EQ(E_NOINTERFACE, ui->QueryInterface(&IID_IConverter, &out));
  ASSERT_TRUE(IsWindow(Main())) << "the main window exists from InitInstance on";
  char className[16] = {0};
  GetClassNameA(Main(), className, sizeof(className));
  EXPECT_STREQ("#32770", className);
}

TEST_F(MainUIFixture, ViewNamesGoToTheModuleThatMakesThem) {
  RECT r = {0, 0, 50, 40};
  IConverterView* view = NULL;
  ASSERT_EQ(S_OK, Factory()->CreateView("musicplaybackwndview", Main(), &r, "data", &view));
  ASSERT_EQ(1u, music->views.size()) << "names without regard to case";
  EXPECT_EQ(music->views[0].get(), view);
  EXPECT_EQ("data", music->views[0]->skinData);
  EXPECT_EQ(S_OK, Factory()->DestroyView(view));
  EXPECT_TRUE(music->views.empty());

  EXPECT_EQ(E_FAIL, Factory()->CreateView("NoSuchView", Main(), &r, "", &view));
  EXPECT_TRUE(FAILED(Factory()->CreateView("VideoPlaybackWndView", Main(), &r, "", &view)))
      << "the video module is not registered";
  EXPECT_EQ(E_POINTER, Factory()->DestroyView(NULL));
}

TEST_F(MainUIFixture, ConverterPagesAreMadeHereAsChildrenOfTheirParent) {
  RECT r = {10, 20, 110, 90};
  IConverterView* page = NULL;
  EXPECT_EQ(E_INVALIDARG, Factory()->CreateView("StillCastDialog", NULL, &r, "", &page));
  ASSERT_EQ(S_OK, Factory()->CreateView("StillCastDialog", Main(), &r, "", &page));
  ASSERT_TRUE(page);
  HWND pageWnd = page->GetViewWnd();
  EXPECT_EQ(Main(), GetParent(pageWnd));
  char name[32] = {0};
  page->GetViewName(name, sizeof(name) - 1);
  EXPECT_STREQ("StillCastDialog", name) << "the skin section named like the view";
  RECT placed;
  GetWindowRect(pageWnd, &placed);
  MapWindowPoints(NULL, Main(), reinterpret_cast<POINT*>(&placed), 2);
  EXPECT_EQ(100, placed.right - placed.left);
  EXPECT_EQ(70, placed.bottom - placed.top);
  EXPECT_EQ(S_OK, Factory()->DestroyView(page));
  EXPECT_FALSE(IsWindow(pageWnd));
}

TEST_F(MainUIFixture, TheProxyLetsTheWindowLookFirst) {
  ISkinCommand* proxy = ui->SkinCommandProxy();
  executive->enabled["Convert"] = 0;
  executive->enabled["this.Hide"] = 0;
  EXPECT_EQ(0, proxy->IsControlEnabled("Convert"));
  EXPECT_EQ(1, proxy->IsControlEnabled("this.Hide")) << "the window's own commands";
  executive->values["Convert"] = 3;
  EXPECT_EQ(3, proxy->GetControlValue("Convert"));

  executive->calls.clear();
  EXPECT_EQ(S_OK, proxy->ExecuteSkinCommand("ShowMusicConverter", 0, NULL));
  ASSERT_EQ((std::vector<std::string>{"CheckReelCraftTab"}), executive->Names())
      << "the window switched the page and had its tab checked; the name itself never came";
  EXPECT_STREQ("ShowMusicConverter",
               reinterpret_cast<const char*>(executive->calls[0].param.nForce1));
  executive->calls.clear();
  SkinCommandParam param = {Main(), 1, 2, 3, 4, 5};
  EXPECT_EQ(S_OK, proxy->ExecuteSkinCommand("Convert", 6, &param));
  ASSERT_EQ(1u, executive->calls.size());
  EXPECT_EQ("Convert", executive->calls[0].name);
  EXPECT_EQ(6, executive->calls[0].argument);
  EXPECT_EQ(5, executive->calls[0].param.nForce2);
}

TEST_F(MainUIFixture, OnlyAReleasedHotKeyOfTheMainWindowIsConsumed) {
  ISkinUI* skinUI = NULL;
  ASSERT_EQ(S_OK, ui->QueryInterface(&IID_ISkinUI, reinterpret_cast<void**>(&skinUI)));
  MSG down = {Main(), WM_KEYDOWN, VK_F5, 0, 0, {0, 0}};
  MSG up = {Main(), WM_KEYUP, VK_F5, 0, 0, {0, 0}};
  MSG elsewhere = {GetDesktopWindow(), WM_KEYUP, VK_F5, 0, 0, {0, 0}};
  EXPECT_FALSE(skinUI->PreTranslateMessage(&down));
  executive->hotKeyResult = E_FAIL;
  EXPECT_FALSE(skinUI->PreTranslateMessage(&up)) << "a key without a hot key";
  executive->hotKeyResult = S_OK;
  EXPECT_TRUE(skinUI->PreTranslateMessage(&up));
  EXPECT_FALSE(skinUI->PreTranslateMessage(&elsewhere));
  EXPECT_EQ((std::vector<int>{VK_F5, VK_F5}), executive->hotKeys);
}

TEST_F(MainUIFixture, ASkinReloadMakesTheViewsAnewAndShowsTheWindowAgain) {
  ASSERT_TRUE(vrctest::WriteFile(dir.File("skin.ini"),
                                 "[REELCRAFTDLG/APPVIEWS]\n1=MusicPlaybackWndView,10,10,60,40\n"));
  ISkinUI* skinUI = NULL;
  ASSERT_EQ(S_OK, ui->QueryInterface(&IID_ISkinUI, reinterpret_cast<void**>(&skinUI)));
  skinUI->ReloadSkin();
  EXPECT_EQ((std::vector<std::string>{"create MusicPlaybackWndView"}), music->log);
  skinUI->ReloadSkin();
  EXPECT_EQ((std::vector<std::string>{"create MusicPlaybackWndView", "destroy MusicPlaybackWndView",
                                      "create MusicPlaybackWndView"}),
            music->log)
      << "through the module's own factory, old views first";
  EXPECT_TRUE(IsWindowVisible(Main()));
  skinUI->UpdateUI("Convert,");
  ASSERT_EQ(1u, music->views.size());
  EXPECT_EQ((std::vector<std::string>{"Convert,"}), music->views[0]->updates)
      << "the executive's updates reach the hosted views";
}

TEST_F(MainUIFixture, ExitDestroysTheMainWindow) {
  HWND main = Main();
  ASSERT_TRUE(IsWindow(main));
  ui->ExitInstance();
  EXPECT_FALSE(IsWindow(main));
}

}  // namespace
