// The window layer: the permanent map, notifications reflected to the child
// that sent them (found by handle, all children carrying id 0), subclassed
// controls, dialogs and menus from a module's resources, and the end of the
// message loop with the main window.
#include <gtest/gtest.h>

#include <vector>

#include "winfx/Dialog.h"
#include "winfx/Menu.h"
#include "winfx/WinApp.h"
#include "winfx/Wnd.h"

namespace {

class CProbeWnd : public CWnd {
 public:
  std::vector<UINT> reflected;
  std::vector<UINT> messages;
  std::vector<UINT> pretranslated;
  bool ncDestroyed = false;
  LRESULT answer = 0;
  BOOL consume = FALSE;

  BOOL PreTranslateMessage(MSG* msg) override {
    pretranslated.push_back(msg->message);
    return consume;
  }

 protected:
  BOOL OnChildNotify(UINT message, WPARAM, LPARAM, LRESULT* result) override {
    reflected.push_back(message);
    *result = answer;
    return answer != 0;
  }
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    messages.push_back(message);
    return CWnd::WindowProc(message, wParam, lParam);
  }
  void PostNcDestroy() override { ncDestroyed = true; }
};

bool Received(const std::vector<UINT>& list, UINT message) {
  for (UINT m : list)
    if (m == message) return true;
  return false;
}

const RECT kRect = {0, 0, 100, 50};

TEST(WindowLayer, CreatedWindowIsMappedFromItsFirstMessageUntilItsLast) {
  CProbeWnd wnd;
  ASSERT_TRUE(wnd.Create(NULL, "probe", WS_POPUP, kRect, NULL, 0));
  EXPECT_EQ(&wnd, CWnd::FromHandle(wnd.m_hWnd));
  EXPECT_TRUE(Received(wnd.messages, WM_NCCREATE));
  EXPECT_TRUE(Received(wnd.messages, WM_CREATE));
  HWND hWnd = wnd.m_hWnd;
  EXPECT_TRUE(wnd.DestroyWindow());
  EXPECT_TRUE(wnd.ncDestroyed);
  EXPECT_EQ(NULL, wnd.m_hWnd);
  EXPECT_EQ(NULL, CWnd::FromHandle(hWnd));
}

TEST(WindowLayer, NotificationsGoToTheChildThatSentThemByHandle) {
  CProbeWnd parent, first, second;
  ASSERT_TRUE(parent.Create(NULL, "parent", WS_POPUP, kRect, NULL, 0));
  ASSERT_TRUE(first.Create(NULL, NULL, WS_CHILD, kRect, parent.m_hWnd, 0));
  ASSERT_TRUE(second.Create(NULL, NULL, WS_CHILD, kRect, parent.m_hWnd, 0));
  second.answer = 55;

  NMHDR notify = {second.m_hWnd, 0, static_cast<UINT>(-2)};  // NM_CLICK
  EXPECT_EQ(55, parent.SendMessage(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&notify)));
  DRAWITEMSTRUCT draw = {};
  draw.hwndItem = second.m_hWnd;
  EXPECT_EQ(55, parent.SendMessage(WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw)));
  parent.SendMessage(WM_COMMAND, MAKEWPARAM(0, BN_CLICKED), reinterpret_cast<LPARAM>(second.m_hWnd));
  EXPECT_EQ((std::vector<UINT>{WM_NOTIFY, WM_DRAWITEM, WM_COMMAND}), second.reflected);
  EXPECT_TRUE(first.reflected.empty()) << "same id 0, but not the sender";

  // Not handled by the child: the parent's default handling answers.
  first.answer = 0;
  notify.hwndFrom = first.m_hWnd;
  EXPECT_EQ(0, parent.SendMessage(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&notify)));
  EXPECT_EQ(1u, first.reflected.size());
  // A menu command (no control handle) is the parent's alone.
  parent.SendMessage(WM_COMMAND, 32771, 0);
  EXPECT_EQ(1u, first.reflected.size());
  EXPECT_EQ(3u, second.reflected.size());
  parent.DestroyWindow();
  EXPECT_TRUE(first.ncDestroyed && second.ncDestroyed) << "children go with their parent";
}

TEST(WindowLayer, SubclassedControlKeepsItsOwnBehaviourAndCanBeReleased) {
  CProbeWnd button;
  ASSERT_TRUE(button.Create("BUTTON", "one", WS_POPUP | BS_PUSHBUTTON, kRect, NULL, 0));
  button.messages.clear();
  SetWindowTextA(button.m_hWnd, "two");
  char text[16] = "";
  GetWindowTextA(button.m_hWnd, text, sizeof(text));
  EXPECT_STREQ("two", text) << "the control's own procedure still runs";
  EXPECT_TRUE(Received(button.messages, WM_SETTEXT));

  CProbeWnd second;
  EXPECT_FALSE(second.Subclass(button.m_hWnd)) << "one object per window";
  HWND hWnd = button.Unsubclass();
  EXPECT_EQ(NULL, CWnd::FromHandle(hWnd));
  button.messages.clear();
  SetWindowTextA(hWnd, "three");
  EXPECT_TRUE(button.messages.empty());
  DestroyWindow(hWnd);
}

TEST(WindowLayer, ASubclassedControlSeesItsOwnCreation) {
  CProbeWnd button;
  ASSERT_TRUE(button.Create("BUTTON", "one", WS_POPUP | BS_OWNERDRAW, kRect, NULL, 0));
  EXPECT_TRUE(Received(button.messages, WM_NCCREATE));
  EXPECT_TRUE(Received(button.messages, WM_CREATE));
  EXPECT_EQ(&button, CWnd::FromHandle(button.m_hWnd));
  CProbeWnd nothing;
  EXPECT_FALSE(nothing.Create("NoSuchClass", "", WS_POPUP, kRect, NULL, 0));
  EXPECT_EQ(NULL, nothing.m_hWnd);
  button.DestroyWindow();
}

TEST(WindowLayer, ColourAndScrollNotificationsGoToTheChildByHandle) {
  CProbeWnd parent, child;
  ASSERT_TRUE(parent.Create(NULL, "parent", WS_POPUP, kRect, NULL, 0));
  ASSERT_TRUE(child.Create("BUTTON", "", WS_CHILD, kRect, parent.m_hWnd, 0));
  child.answer = 7;
  HDC dc = GetDC(parent.m_hWnd);
  EXPECT_EQ(7, parent.SendMessage(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                  reinterpret_cast<LPARAM>(child.m_hWnd)));
  parent.SendMessage(WM_CTLCOLORLISTBOX, reinterpret_cast<WPARAM>(dc),
                     reinterpret_cast<LPARAM>(child.m_hWnd));
  ReleaseDC(parent.m_hWnd, dc);
  parent.SendMessage(WM_HSCROLL, SB_THUMBTRACK, reinterpret_cast<LPARAM>(child.m_hWnd));
  parent.SendMessage(WM_VSCROLL, SB_ENDSCROLL, reinterpret_cast<LPARAM>(child.m_hWnd));
  EXPECT_EQ((std::vector<UINT>{WM_CTLCOLORSTATIC, WM_CTLCOLORLISTBOX, WM_HSCROLL, WM_VSCROLL}),
            child.reflected);
  parent.SendMessage(WM_VSCROLL, SB_ENDSCROLL, 0);
  EXPECT_EQ(4u, child.reflected.size()) << "the window's own scroll bar is its own";
  parent.DestroyWindow();
}

TEST(WindowLayer, PreTranslationWalksFromTheTargetUpItsParents) {
  CProbeWnd top, middle, leaf;
  ASSERT_TRUE(top.Create(NULL, "top", WS_POPUP, kRect, NULL, 0));
  ASSERT_TRUE(middle.Create(NULL, NULL, WS_CHILD, kRect, top.m_hWnd, 0));
  ASSERT_TRUE(leaf.Create(NULL, NULL, WS_CHILD, kRect, middle.m_hWnd, 0));
  MSG msg = {};
  msg.hwnd = leaf.m_hWnd;
  msg.message = WM_MOUSEMOVE;
  EXPECT_FALSE(CWnd::WalkPreTranslateMessage(&msg));
  EXPECT_EQ(1u, leaf.pretranslated.size());
  EXPECT_EQ(1u, middle.pretranslated.size());
  EXPECT_EQ(1u, top.pretranslated.size());
  middle.consume = TRUE;
  CWinFxApp app;
  EXPECT_TRUE(app.PreTranslateMessage(&msg)) << "the application asks the windows first";
  EXPECT_EQ(2u, middle.pretranslated.size());
  EXPECT_EQ(1u, top.pretranslated.size()) << "consumed below, the top is not asked";
  top.DestroyWindow();
}

TEST(WindowLayer, DestroyingTheMainWindowEndsTheMessageLoop) {
  CWinFxApp app;
  CProbeWnd main, other;
  ASSERT_TRUE(main.Create(NULL, "main", WS_POPUP, kRect, NULL, 0));
  ASSERT_TRUE(other.Create(NULL, "other", WS_POPUP, kRect, NULL, 0));
  app.SetMainWnd(main.m_hWnd);
  MSG msg;
  other.DestroyWindow();
  EXPECT_FALSE(PeekMessageA(&msg, NULL, WM_QUIT, WM_QUIT, PM_REMOVE));
  main.DestroyWindow();
  ASSERT_TRUE(PeekMessageA(&msg, NULL, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(0u, msg.wParam);
}

class CProbeDialog : public CDialog {
 public:
  explicit CProbeDialog(UINT id = 100) : CDialog(WinFxModuleInstance(), id) {}
  bool initialised = false;

 protected:
  BOOL OnInit() override {
    initialised = true;
    return TRUE;
  }
};

TEST(WindowLayer, DialogFromTheModulesTemplateIsMappedAndReflects) {
  CProbeDialog dialog;
  ASSERT_TRUE(dialog.CreateModeless(NULL));
  EXPECT_TRUE(dialog.initialised);
  EXPECT_EQ(&dialog, CWnd::FromHandle(dialog.m_hWnd));
  HWND buttonHandle = GetWindow(dialog.m_hWnd, GW_CHILD);
  CProbeWnd button;
  ASSERT_TRUE(button.Subclass(buttonHandle));
  dialog.SendMessage(WM_COMMAND, MAKEWPARAM(0, BN_CLICKED), reinterpret_cast<LPARAM>(buttonHandle));
  EXPECT_EQ(1u, button.reflected.size());
  // The program's main window is such a dialog: its end ends the loop.
  CWinFxApp app;
  app.SetMainWnd(dialog.m_hWnd);
  dialog.DestroyWindow();
  EXPECT_EQ(NULL, dialog.m_hWnd);
  MSG msg;
  EXPECT_TRUE(PeekMessageA(&msg, NULL, WM_QUIT, WM_QUIT, PM_REMOVE));

  CProbeDialog missing(9999);
  EXPECT_FALSE(missing.CreateModeless(NULL));
  EXPECT_FALSE(missing.initialised);
}

TEST(WindowLayer, AChildDialogFromATemplateSitsInItsParent) {
  CProbeWnd parent;
  ASSERT_TRUE(parent.Create(NULL, "parent", WS_POPUP, kRect, NULL, 0));
  CProbeDialog page(102);
  ASSERT_TRUE(page.CreateModeless(parent.m_hWnd));
  EXPECT_TRUE(page.initialised);
  EXPECT_EQ(parent.m_hWnd, GetParent(page.m_hWnd));
  EXPECT_TRUE(GetWindowLongPtrA(page.m_hWnd, GWL_STYLE) & WS_CHILD);
  parent.DestroyWindow();
  EXPECT_EQ(NULL, page.m_hWnd) << "the page goes with its parent";
}

TEST(WindowLayer, MenuComesFromTheGivenModuleAndGoesWithItsHolder) {
  CMenu menu;
  EXPECT_FALSE(menu.LoadMenu(WinFxModuleInstance(), 9999));
  ASSERT_TRUE(menu.LoadMenu(WinFxModuleInstance(), 101));
  HMENU popup = menu.GetSubMenu(0);
  ASSERT_TRUE(popup != NULL);
  EXPECT_EQ(1u, GetMenuItemID(popup, 0));
  HMENU handle = menu.GetHandle();
  menu.DestroyMenu();
  EXPECT_FALSE(IsMenu(handle));
}

}  // namespace
