// The converter module base: the view list and the firing of module events
// to every advised sink.
#include <gtest/gtest.h>

#include "modules/framework/views/ConverterModuleBase.h"
#include "modules/framework/views/ViewHelpers.h"
#include "tests/support/RecordingSink.h"

namespace {

const GUID kModuleId = {0xEF312474, 0x0FD1, 0x475D, {0xAE, 0xAC, 0xA2, 0x61, 0x16, 0xF4, 0xC6, 0x74}};

class CTestModule : public CConverterModuleBase {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(const IID* iid, void** out) override {
    if (!out) return E_POINTER;
    if (IsEqualIID(*iid, IID_VrcConnectionPointContainer)) return QueryContainer(iid, out);
    return E_NOINTERFACE;
  }
};

class CCountingView : public IConverterView {
 public:
  int STDMETHODCALLTYPE OnParentEvent(int, INT_PTR, INT_PTR, INT_PTR) override { return 0; }
  void STDMETHODCALLTYPE UpdateUI(int a, const char* names) override {
    ++updates;
    lastA = a;
    lastNames = names;
  }
  HWND STDMETHODCALLTYPE GetViewWnd() override { return NULL; }
  HRESULT STDMETHODCALLTYPE GetViewName(char* buffer, int length) override {
    return CopyViewName("CountingView", buffer, length);
  }
  int updates = 0;
  int lastA = 0;
  const char* lastNames = NULL;
};

class ModuleEventFiring : public ::testing::Test {
 protected:
  void SetUp() override {
    module.SetModuleId(&kModuleId);
    IConnectionPointContainer* container = NULL;
    module.QueryInterface(&IID_VrcConnectionPointContainer, reinterpret_cast<void**>(&container));
    ASSERT_TRUE(container != NULL);
    ASSERT_EQ(S_OK, container->FindConnectionPoint(IID_IModuleEvents, &point));
  }
  void TearDown() override { point->Release(); }
  // The sinks outlive the module, whose points still hold them at its end.
  std::vector<RecordedEvent> journal;
  CRecordingSink first{"first", true, &journal}, second{"second", true, &journal};
  CTestModule module;
  IConnectionPoint* point = NULL;
};

TEST(ModuleEventsWithoutPoint, FiringBeforeAnyoneAskedForThePointDeliversNothing) {
  CTestModule module;
  EXPECT_EQ(E_NOINTERFACE, module.FireModuleEvent(MEV_PLAY, 0, 0, 0));
}

TEST_F(ModuleEventFiring, NoSinkAdvisedIsStillSuccess) {
  EXPECT_EQ(S_OK, module.FireModuleEvent(MEV_PLAY, 1, 2, 3));
}

TEST_F(ModuleEventFiring, TwoSinksReceiveEveryEventInAdviseOrder) {
  DWORD cookie;
  ASSERT_EQ(S_OK, point->Advise(first.Unknown(), &cookie));
  ASSERT_EQ(S_OK, point->Advise(second.Unknown(), &cookie));

  static const char kText[] = "00:00:01";
  EXPECT_EQ(S_OK, module.FireModuleEvent(MEV_PLAY_PROGRESS, 42, reinterpret_cast<INT_PTR>(kText), 7));
  EXPECT_EQ(S_OK, module.FireModuleEvent(MEV_STOP, 0, 0, 0));
  ASSERT_EQ(4u, journal.size());
  const char* order[] = {"first", "second", "first", "second"};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(order[i], journal[i].sink);
    EXPECT_TRUE(IsEqualGUID(kModuleId, journal[i].module));
  }
  EXPECT_EQ(MEV_PLAY_PROGRESS, journal[0].code);
  EXPECT_EQ(42, journal[1].p1);
  EXPECT_EQ(reinterpret_cast<INT_PTR>(kText), journal[1].p2) << "pointers arrive whole";
  EXPECT_EQ(7, journal[1].p3);
  EXPECT_EQ(MEV_STOP, journal[3].code);
  EXPECT_EQ(2, first.References()) << "each delivery releases what it took";
}

TEST_F(ModuleEventFiring, SinkThatUnadvisesDuringAnEventShortensTheListSafely) {
  CRecordingSink& leaving = first;
  CRecordingSink& staying = second;
  DWORD leavingCookie, stayingCookie;
  ASSERT_EQ(S_OK, point->Advise(leaving.Unknown(), &leavingCookie));
  ASSERT_EQ(S_OK, point->Advise(staying.Unknown(), &stayingCookie));
  leaving.OnNextEvent([&] { EXPECT_EQ(S_OK, point->Unadvise(leavingCookie)); });

  EXPECT_EQ(S_OK, module.FireModuleEvent(MEV_ADD_FILES, 0, 0, 0));
  // The count was read once: the second index is now past the end and is
  // skipped; the next event reaches the remaining sink.
  ASSERT_EQ(1u, journal.size());
  EXPECT_EQ("first", journal[0].sink);
  EXPECT_EQ(1, leaving.References());
  EXPECT_EQ(S_OK, module.FireModuleEvent(MEV_DELETE_FILES, 0, 0, 0));
  ASSERT_EQ(2u, journal.size());
  EXPECT_EQ("second", journal[1].sink);
}

TEST(ModuleViews, ViewListRecordsCreatedViewsAndRefusesStrangers) {
  CTestModule module;
  CCountingView a, b, stranger;
  RECT rect = {0, 0, 10, 10};
  IConverterView* none = NULL;
  EXPECT_EQ(E_POINTER, module.CreateView("x", NULL, &rect, "", NULL));
  EXPECT_EQ(E_POINTER, module.CreateView("x", NULL, &rect, "", &none));
  EXPECT_TRUE(module.GetViews().empty());
  EXPECT_EQ(E_INVALIDARG, module.DestroyView(&a)) << "empty list";

  IConverterView* out = &a;
  EXPECT_EQ(S_OK, module.CreateView("x", NULL, &rect, "", &out));
  out = &b;
  EXPECT_EQ(S_OK, module.CreateView("x", NULL, &rect, "", &out));
  EXPECT_EQ(S_OK, module.UpdateViews(5, "Play,"));
  EXPECT_EQ(1, a.updates);
  EXPECT_EQ(5, b.lastA);
  EXPECT_STREQ("Play,", b.lastNames);

  EXPECT_EQ(E_INVALIDARG, module.DestroyView(&stranger));
  EXPECT_EQ(E_INVALIDARG, module.DestroyView(NULL));
  EXPECT_EQ(S_OK, module.DestroyView(&a));
  ASSERT_EQ(1u, module.GetViews().size());
  EXPECT_EQ(&b, module.GetViews()[0]);
}

TEST(ViewName, CopyIsBoundedLikeStrncpy) {
  char buffer[16];
  memset(buffer, 'x', sizeof(buffer));
  EXPECT_EQ(E_POINTER, CopyViewName("PlaybackWndView", NULL, 16));
  EXPECT_EQ(S_OK, CopyViewName("PlaybackWndView", buffer, 8));
  EXPECT_EQ(0, memcmp(buffer, "Playback", 8));
  EXPECT_EQ('x', buffer[8]) << "no terminator when the name fills the buffer";
  EXPECT_EQ(S_OK, CopyViewName("PlaybackWndView", buffer, 16));
  EXPECT_STREQ("PlaybackWndView", buffer);
}

}  // namespace
