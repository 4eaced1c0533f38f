// Dialogs: every message reaches its handler with its arguments, a modal
// dialog ends with the code of OnOK, OnCancel or an override, a modeless one
// lives until it is destroyed, and a template comes from the module whose
// instance the dialog is given. Modal runs are ended by what OnInit posts.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>
#include <stdarg.h>
#include <stdio.h>

#include <string>
#include <vector>

#include "base/Handles.h"
#include "tests/support/TestSupport.h"
#include "winfx/Dialog.h"
#include "winfx/Wnd.h"

namespace {

const UINT kProgramTemplate = 100;  // in the program and, captioned apart, in the library
const UINT kLibraryOnlyTemplate = 200;
const UINT kMissingTemplate = 9999;
const UINT kProbeMessage = WM_USER + 5;
const LRESULT kNotifyAnswer = 99;

std::string Text(const char* format, ...) {
  char text[256];
  va_list args;
  va_start(args, format);
  vsnprintf(text, sizeof(text), format, args);
  va_end(args);
  return text;
}

// Records each handler call as a line; what OnInit posts ends a modal run.
class CProbeDialog : public CDialog {
 public:
  CProbeDialog(HINSTANCE instance, UINT id) : CDialog(instance, id) {}

  std::vector<std::string> calls;
  std::vector<UINT> postedFromInit;  // WM_COMMAND ids, in order
  INT_PTR okCode = 0;                // not 0: OnOK ends with this code instead
  bool cancelKeepsOpen = false;      // OnCancel declines to end
  bool mappedDuringInit = false;
  bool modalDuringInit = false;

 protected:
  BOOL OnInit() override {
    calls.push_back("OnInit");
    mappedDuringInit = CWnd::FromHandle(m_hWnd) == this;
    modalDuringInit = IsModal() != FALSE;
    for (UINT id : postedFromInit) PostMessageA(m_hWnd, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
    return TRUE;
  }
  BOOL OnCommand(int code, int itemId, LPARAM lParam) override {
    calls.push_back(Text("OnCommand code=%d id=%d lParam=%#lx", code, itemId,
                         static_cast<unsigned long>(lParam)));
    return CDialog::OnCommand(code, itemId, lParam);
  }
  BOOL OnNotify(UINT controlId, NMHDR* header, LRESULT* result) override {
    calls.push_back(Text("OnNotify id=%u code=%d from=%#lx", controlId, static_cast<int>(header->code),
                         static_cast<unsigned long>(header->idFrom)));
    *result = kNotifyAnswer;
    return TRUE;
  }
  BOOL OnTimer(WPARAM timerId, LPARAM callback) override {
    calls.push_back(Text("OnTimer id=%lu callback=%#lx", static_cast<unsigned long>(timerId),
                         static_cast<unsigned long>(callback)));
    return TRUE;
  }
  void OnOK() override {
    calls.push_back("OnOK");
    if (okCode)
      EndDialog(okCode);
    else
      CDialog::OnOK();
  }
  void OnCancel() override {
    calls.push_back("OnCancel");
    if (!cancelKeepsOpen) CDialog::OnCancel();
  }
  INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == kProbeMessage) {
      calls.push_back(Text("OnMessage wParam=%lu lParam=%lu", static_cast<unsigned long>(wParam),
                           static_cast<unsigned long>(lParam)));
      SetWindowLongPtrA(m_hWnd, DWLP_MSGRESULT, 12);
      return TRUE;
    }
    if (message == WM_DESTROY) calls.push_back("OnMessage WM_DESTROY");
    return CDialog::OnMessage(message, wParam, lParam);
  }
};

// A child that takes every notification it sent.
class CAnsweringChild : public CWnd {
 public:
  int notifications = 0;

 protected:
  BOOL OnChildNotify(UINT, WPARAM, LPARAM, LRESULT* result) override {
    ++notifications;
    *result = 55;
    return TRUE;
  }
};

struct DispatchCase {
  const char* name;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;  // for WM_NOTIFY: the header's idFrom; the header is the test's
  LRESULT answer;
  std::vector<std::string> calls;
};

const DispatchCase kDispatch[] = {
    {"ControlCommandGivesCodeIdAndHandle", WM_COMMAND, MAKEWPARAM(1234, EN_CHANGE), 0x5678, 0,
     {"OnCommand code=768 id=1234 lParam=0x5678"}},
    {"MenuCommandHasNoHandle", WM_COMMAND, 32771, 0, 0, {"OnCommand code=0 id=32771 lParam=0"}},
    {"OkReachesOnOKAndLeavesAModelessDialogOpen", WM_COMMAND, IDOK, 0, 0,
     {"OnCommand code=0 id=1 lParam=0", "OnOK"}},
    {"CancelReachesOnCancelAndLeavesAModelessDialogOpen", WM_COMMAND,
     MAKEWPARAM(IDCANCEL, BN_CLICKED), 0, 0, {"OnCommand code=0 id=2 lParam=0", "OnCancel"}},
    {"AcceleratorOkReachesOnOKToo", WM_COMMAND, MAKEWPARAM(IDOK, 1), 0, 0,
     {"OnCommand code=1 id=1 lParam=0", "OnOK"}},
    {"NotifyGivesIdAndHeaderAndItsAnswerIsTheResult", WM_NOTIFY, 77, 0x4d, kNotifyAnswer,
     {"OnNotify id=77 code=-2 from=0x4d"}},
    {"TimerGivesIdAndCallback", WM_TIMER, 7, 0x30, 0, {"OnTimer id=7 callback=0x30"}},
    {"AnyOtherMessageReachesOnMessage", kProbeMessage, 11, 22, 12,
     {"OnMessage wParam=11 lParam=22"}},
};

class DialogDispatch : public ::testing::TestWithParam<DispatchCase> {};

TEST_P(DialogDispatch, ReachesItsHandler) {
  const DispatchCase& row = GetParam();
  CProbeDialog dialog(WinFxModuleInstance(), kProgramTemplate);
  ASSERT_TRUE(dialog.CreateModeless(NULL));
  dialog.calls.clear();
  NMHDR header = {NULL, static_cast<UINT_PTR>(row.lParam), static_cast<UINT>(NM_CLICK)};
  LPARAM lParam = row.message == WM_NOTIFY ? reinterpret_cast<LPARAM>(&header) : row.lParam;
  EXPECT_EQ(row.answer, dialog.SendMessage(row.message, row.wParam, lParam));
  EXPECT_EQ(row.calls, dialog.calls);
  EXPECT_TRUE(IsWindow(dialog.m_hWnd)) << "a modeless dialog ends only when destroyed";
}

INSTANTIATE_TEST_SUITE_P(Table, DialogDispatch, ::testing::ValuesIn(kDispatch),
                         [](const ::testing::TestParamInfo<DispatchCase>& info) {
                           return std::string(info.param.name);
                         });

TEST(Dialog, NotificationsThatAChildTakesDoNotReachTheHandlers) {
  CProbeDialog dialog(WinFxModuleInstance(), kProgramTemplate);
  ASSERT_TRUE(dialog.CreateModeless(NULL));
  CAnsweringChild button;
  ASSERT_TRUE(button.Subclass(GetWindow(dialog.m_hWnd, GW_CHILD)));
  dialog.calls.clear();
  EXPECT_EQ(55, dialog.SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                                   reinterpret_cast<LPARAM>(button.m_hWnd)));
  NMHDR header = {button.m_hWnd, 0, static_cast<UINT>(NM_CLICK)};
  EXPECT_EQ(55, dialog.SendMessage(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&header)));
  EXPECT_EQ(2, button.notifications);
  EXPECT_TRUE(dialog.calls.empty());
}

struct ModalCase {
  const char* name;
  std::vector<UINT> posted;
  INT_PTR okCode;
  bool cancelKeepsOpen;
  INT_PTR expected;
  std::vector<std::string> calls;
};

const ModalCase kModal[] = {
    {"OkEndsWithIdOk", {IDOK}, 0, false, IDOK,
     {"OnInit", "OnCommand code=0 id=1 lParam=0", "OnOK"}},
    {"CancelEndsWithIdCancel", {IDCANCEL}, 0, false, IDCANCEL,
     {"OnInit", "OnCommand code=0 id=2 lParam=0", "OnCancel"}},
    {"AnOverriddenOkEndsWithItsOwnCode", {IDOK}, 42, false, 42,
     {"OnInit", "OnCommand code=0 id=1 lParam=0", "OnOK"}},
    {"AnOverriddenCancelCanKeepTheDialogOpen", {IDCANCEL, IDOK}, 0, true, IDOK,
     {"OnInit", "OnCommand code=0 id=2 lParam=0", "OnCancel", "OnCommand code=0 id=1 lParam=0",
      "OnOK"}},
    {"OtherCommandsDoNotEndIt", {1234, IDOK}, 0, false, IDOK,
     {"OnInit", "OnCommand code=0 id=1234 lParam=0", "OnCommand code=0 id=1 lParam=0", "OnOK"}},
};

class DialogModal : public ::testing::TestWithParam<ModalCase> {};

TEST_P(DialogModal, EndsWithTheCodeOfItsHandler) {
  const ModalCase& row = GetParam();
  CProbeDialog dialog(WinFxModuleInstance(), kProgramTemplate);
  dialog.postedFromInit = row.posted;
  dialog.okCode = row.okCode;
  dialog.cancelKeepsOpen = row.cancelKeepsOpen;
  EXPECT_EQ(row.expected, dialog.DoModal(NULL));
  // WM_DESTROY comes after the run's last command.
  std::vector<std::string> calls = row.calls;
  calls.push_back("OnMessage WM_DESTROY");
  EXPECT_EQ(calls, dialog.calls);
  EXPECT_TRUE(dialog.mappedDuringInit);
  EXPECT_TRUE(dialog.modalDuringInit);
  EXPECT_EQ(NULL, dialog.m_hWnd) << "the window is gone and the object detached";
}

INSTANTIATE_TEST_SUITE_P(Table, DialogModal, ::testing::ValuesIn(kModal),
                         [](const ::testing::TestParamInfo<ModalCase>& info) {
                           return std::string(info.param.name);
                         });

TEST(Dialog, ModelessLivesUntilItIsDestroyed) {
  HWND hWnd = NULL;
  {
    CProbeDialog dialog(WinFxModuleInstance(), kProgramTemplate);
    ASSERT_TRUE(dialog.CreateModeless(NULL));
    EXPECT_EQ((std::vector<std::string>{"OnInit"}), dialog.calls);
    EXPECT_TRUE(dialog.mappedDuringInit);
    EXPECT_FALSE(dialog.modalDuringInit);
    EXPECT_FALSE(dialog.IsModal());
    hWnd = dialog.m_hWnd;
    EXPECT_TRUE(IsWindow(hWnd));
    EXPECT_EQ(&dialog, CWnd::FromHandle(hWnd));

    EXPECT_TRUE(dialog.DestroyWindow());
    EXPECT_FALSE(IsWindow(hWnd));
    EXPECT_EQ(NULL, dialog.m_hWnd);
    EXPECT_EQ(NULL, CWnd::FromHandle(hWnd));
    EXPECT_EQ("OnMessage WM_DESTROY", dialog.calls.back());

    // Made again from the same object, it goes with the object.
    ASSERT_TRUE(dialog.CreateModeless(NULL));
    hWnd = dialog.m_hWnd;
  }
  EXPECT_FALSE(IsWindow(hWnd));
  EXPECT_EQ(NULL, CWnd::FromHandle(hWnd));
}

struct TemplateCase {
  const char* name;
  bool fromLibrary;
  UINT id;
  const char* caption;  // NULL: no dialog
};

const TemplateCase kTemplates[] = {
    {"ProgramsOwnTemplate", false, kProgramTemplate, "Program"},
    {"LibrarysTemplateUnderTheSameId", true, kProgramTemplate, "Library"},
    {"TemplateOnlyTheLibraryHas", true, kLibraryOnlyTemplate, "Library only"},
    {"TemplateOnlyTheLibraryHasIsNotTheProgramsOwn", false, kLibraryOnlyTemplate, NULL},
    {"MissingTemplateInTheProgram", false, kMissingTemplate, NULL},
    {"MissingTemplateInTheLibrary", true, kMissingTemplate, NULL},
};

class DialogTemplate : public ::testing::TestWithParam<TemplateCase> {
 protected:
  void SetUp() override {
    ASSERT_TRUE(library.Load((vrctest::TestFolder() + "winfx_dialog_library.dll").c_str()));
  }
  HINSTANCE Instance(bool fromLibrary) const {
    return fromLibrary ? static_cast<HINSTANCE>(library.Get()) : WinFxModuleInstance();
  }

  CLibrary library;
};

TEST_P(DialogTemplate, ComesFromTheGivenModule) {
  const TemplateCase& row = GetParam();
  CProbeDialog modeless(Instance(row.fromLibrary), row.id);
  EXPECT_EQ(row.caption != NULL, modeless.CreateModeless(NULL) != FALSE);
  if (row.caption) {
    char caption[64] = "";
    GetWindowTextA(modeless.m_hWnd, caption, sizeof(caption));
    EXPECT_STREQ(row.caption, caption);
    modeless.DestroyWindow();
  } else {
    EXPECT_TRUE(modeless.calls.empty()) << "no OnInit without a template";
    EXPECT_EQ(NULL, modeless.m_hWnd);
  }

  CProbeDialog modal(Instance(row.fromLibrary), row.id);
  modal.postedFromInit = {IDOK};
  EXPECT_EQ(row.caption ? IDOK : -1, modal.DoModal(NULL));
  EXPECT_EQ(row.caption != NULL, !modal.calls.empty());
  EXPECT_EQ(NULL, modal.m_hWnd);
}

INSTANTIATE_TEST_SUITE_P(Table, DialogTemplate, ::testing::ValuesIn(kTemplates),
                         [](const ::testing::TestParamInfo<TemplateCase>& info) {
                           return std::string(info.param.name);
                         });

}  // namespace
