// The message pump of long loops and the release of a DirectShow media type.
#include <gtest/gtest.h>

#include "base/MessagePump.h"
#include "winfx/Wnd.h"

namespace {

class CCountingWnd : public CWnd {
 public:
  int posted = 0;

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_APP + 7) ++posted;
    return CWnd::WindowProc(message, wParam, lParam);
  }
};

TEST(MessagePump, DispatchesWhatIsQueuedAndReturnsWhenEmpty) {
  PumpMessages();  // an empty queue: back at once
  CCountingWnd wnd;
  RECT rect = {0, 0, 10, 10};
  ASSERT_TRUE(wnd.Create(NULL, NULL, WS_POPUP, rect, NULL, 0));
  PostMessageA(wnd.m_hWnd, WM_APP + 7, 0, 0);
  PostMessageA(wnd.m_hWnd, WM_APP + 7, 0, 0);
  PumpMessages();
  EXPECT_EQ(2, wnd.posted);
}

TEST(MessagePump, LeavesAQuitForTheOuterLoopWithItsExitCode) {
  CCountingWnd wnd;
  RECT rect = {0, 0, 10, 10};
  ASSERT_TRUE(wnd.Create(NULL, NULL, WS_POPUP, rect, NULL, 0));
  PostMessageA(wnd.m_hWnd, WM_APP + 7, 0, 0);
  PostQuitMessage(3);
  PumpMessages();
  PumpMessages();  // a second pump inside the same wait must not lose it either
  EXPECT_EQ(1, wnd.posted);
  MSG msg;
  ASSERT_TRUE(PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE)) << "the quit was swallowed";
  EXPECT_EQ(static_cast<UINT>(WM_QUIT), msg.message);
  EXPECT_EQ(3u, msg.wParam);
  EXPECT_FALSE(PeekMessageA(&msg, NULL, 0, 0, PM_NOREMOVE)) << "posted again once only";
}

class CCountedUnknown : public IUnknown {
 public:
  int releases = 0;
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void**) override { return E_NOINTERFACE; }
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
  ULONG STDMETHODCALLTYPE Release() override { return ++releases, 1; }
};

TEST(FreeMediaType, FreesOnceAndLeavesAnEmptyTypeAlone) {
  AM_MEDIA_TYPE type = {};
  FreeMediaType(type);
  EXPECT_EQ(0u, type.cbFormat);

  CCountedUnknown unknown;
  type.cbFormat = 16;
  type.pbFormat = static_cast<BYTE*>(CoTaskMemAlloc(16));
  type.pUnk = &unknown;
  FreeMediaType(type);
  FreeMediaType(type);
  EXPECT_EQ(0u, type.cbFormat);
  EXPECT_EQ(NULL, type.pbFormat);
  EXPECT_EQ(NULL, type.pUnk);
  EXPECT_EQ(1, unknown.releases);
}

}  // namespace
