// What a handler throws stops at the border of the window layer: the window
// procedure, the dialog procedure and the program's start-up answer their
// failure result and the program goes on.
#include <gtest/gtest.h>

#include <windows.h>

#include <new>
#include <stdexcept>

#include "base/Borders.h"
#include "winfx/Dialog.h"
#include "winfx/WinApp.h"
#include "winfx/Wnd.h"

namespace {

const UINT kThrowMessage = WM_APP + 1;
const UINT kAnswerMessage = WM_APP + 2;
const UINT kProgramTemplate = 100;

class CThrowingWindow : public CWnd {
 public:
  BOOL Make() {
    RECT r = {0, 0, 50, 50};
    return Create(NULL, "throws", WS_POPUP, r, NULL, 0);
  }

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == kThrowMessage) {
      if (wParam) throw std::bad_alloc();
      throw std::runtime_error("a handler's own error");
    }
    if (message == kAnswerMessage) return 7;
    return CWnd::WindowProc(message, wParam, lParam);
  }
};

class CThrowingDialog : public CDialog {
 public:
  CThrowingDialog() : CDialog(GetModuleHandleA(NULL), kProgramTemplate) {}
  bool throwInInit = false;

 protected:
  BOOL OnInit() override {
    if (throwInInit) throw std::bad_alloc();
    return TRUE;
  }
  INT_PTR OnMessage(UINT message, WPARAM, LPARAM) override {
    if (message == kThrowMessage) throw std::bad_alloc();
    return FALSE;
  }
};

TEST(Borders, AWindowProcedureAnswersZeroForAHandlerThatThrew) {
  CThrowingWindow window;
  ASSERT_TRUE(window.Make());
  EXPECT_EQ(0, SendMessageA(window, kThrowMessage, 1, 0)) << "out of memory";
  EXPECT_EQ(0, SendMessageA(window, kThrowMessage, 0, 0)) << "any other exception";
  EXPECT_EQ(7, SendMessageA(window, kAnswerMessage, 0, 0)) << "the window goes on";
  window.DestroyWindow();
}

TEST(Borders, ADialogProcedureCountsAHandlerThatThrewAsNotHandled) {
  CThrowingDialog dialog;
  ASSERT_TRUE(dialog.CreateModeless(NULL));
  EXPECT_EQ(0, SendMessageA(dialog, kThrowMessage, 0, 0));
  EXPECT_TRUE(IsWindow(dialog));
  dialog.DestroyWindow();

  CThrowingDialog failing;
  failing.throwInInit = true;
  EXPECT_TRUE(failing.CreateModeless(NULL)) << "a WM_INITDIALOG that threw leaves the window";
  failing.DestroyWindow();
}

class CThrowingApp : public CWinFxApp {
 public:
  bool exited = false;
  BOOL InitInstance() override { throw std::bad_alloc(); }
  int ExitInstance() override {
    exited = true;
    return CWinFxApp::ExitInstance();
  }
};

TEST(Borders, AStartUpThatThrowsEndsQuietlyThroughExitInstance) {
  CThrowingApp app;
  EXPECT_EQ(0, app.Main(GetModuleHandleA(NULL), 0, NULL));
  EXPECT_TRUE(app.exited);
}

TEST(Borders, AComMethodTurnsWhatItThrowsIntoItsFailure) {
  EXPECT_EQ(E_OUTOFMEMORY, HResultAtBorder("test", []() -> HRESULT { throw std::bad_alloc(); }));
  EXPECT_EQ(E_UNEXPECTED, HResultAtBorder("test", []() -> HRESULT { throw 5; }));
  EXPECT_EQ(S_FALSE, HResultAtBorder("test", [] { return S_FALSE; }));
  EXPECT_EQ(FALSE, CallAtBorder("test", FALSE, []() -> BOOL { throw std::bad_alloc(); }));
}

}  // namespace
