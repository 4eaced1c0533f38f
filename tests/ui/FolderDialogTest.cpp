// The folder dialog on the system's folder browser, answered by a subclass
// that posts OK or Cancel from its initialisation callback, so no test waits
// for a user.
#include <gtest/gtest.h>

#include <shlobj.h>

#include <string>

#include "base/Handles.h"
#include "tests/support/TestSupport.h"
#include "ui/FolderDialog.h"

namespace {

class CAnsweringFolderDialog : public CFolderDialog {
 public:
  CAnsweringFolderDialog(int answer, const char* title)
      : CFolderDialog(NULL, NULL, title), m_answer(answer) {}
  bool showingInCallback = false;
  UINT flagsTried = 0;
  // When set, the browser selects this item instead of the initial folder.
  LPCITEMIDLIST selectItem = NULL;
  // OK waits until the browser shows this folder, for at most kMostTicks
  // ticks; the test never asks the browser for it: the dialog must get
  // there by itself.
  std::string waitFor;

 protected:
  void OnInitialized() override {
    CFolderDialog::OnInitialized();
    showingInCallback = IsShowing();
    if (flagsTried) SetBrowseFlags(flagsTried);
    if (selectItem)
      SendMessageA(Browser(), BFFM_SETSELECTIONA, FALSE, reinterpret_cast<LPARAM>(selectItem));
    if (!waitFor.empty() && !m_reached) {
      s_waiting = this;
      SetTimer(Browser(), kWaitTimer, 100, Wait);
      return;
    }
    Answer(Browser());
  }
  void OnSelChanged(LPCITEMIDLIST item) override {
    CFolderDialog::OnSelChanged(item);
    char path[MAX_PATH] = "";
    if (item && SHGetPathFromIDListA(item, path) && !waitFor.empty()) {
      std::string wanted = waitFor;
      while (!wanted.empty() && wanted.back() == '\\') wanted.pop_back();
      if (lstrcmpiA(path, wanted.c_str()) == 0) m_reached = true;
    }
  }

 private:
  enum { kWaitTimer = 77, kMostTicks = 50 };
  static CAnsweringFolderDialog* s_waiting;

  void Answer(HWND browser) {
    PostMessageA(browser, WM_COMMAND, MAKEWPARAM(m_answer, BN_CLICKED), 0);
  }
  static void CALLBACK Wait(HWND browser, UINT, UINT_PTR id, DWORD) {
    CAnsweringFolderDialog* dialog = s_waiting;
    if (!dialog->m_reached && ++dialog->m_ticks < kMostTicks) return;
    KillTimer(browser, id);
    dialog->Answer(browser);
  }

  int m_answer;
  bool m_reached = false;
  int m_ticks = 0;
};

CAnsweringFolderDialog* CAnsweringFolderDialog::s_waiting = NULL;

class FolderDialogFixture : public ::testing::Test {
 protected:
  CComInit com;
  vrctest::TempDir dir;
};

bool SameFolder(const std::string& a, const std::string& b) {
  char longA[MAX_PATH] = "", longB[MAX_PATH] = "";
  GetLongPathNameA(a.c_str(), longA, MAX_PATH);
  GetLongPathNameA(b.c_str(), longB, MAX_PATH);
  std::string x = longA, y = longB;
  while (!x.empty() && x.back() == '\\') x.pop_back();
  while (!y.empty() && y.back() == '\\') y.pop_back();
  return lstrcmpiA(x.c_str(), y.c_str()) == 0;
}

TEST_F(FolderDialogFixture, OkOnTheInitialFolderGivesItsPath) {
  CAnsweringFolderDialog dialog(IDOK, "Choose the output folder");
  dialog.SetInitialFolder(dir.Path().c_str());
  dialog.waitFor = dir.Path();
  ASSERT_TRUE(dialog.DoModal());
  EXPECT_TRUE(SameFolder(dir.Path(), dialog.GetFolderPath())) << dialog.GetFolderPath();
  EXPECT_TRUE(dialog.showingInCallback);
  EXPECT_FALSE(dialog.IsShowing()) << "no browser after DoModal";
}

// The program's default output folder is the user's Documents: the first
// browse of a new Wine prefix used to stay on Desktop there.
TEST_F(FolderDialogFixture, OkOnTheUsersDocumentsGivesItsPath) {
  char documents[MAX_PATH] = "";
  ASSERT_EQ(S_OK, SHGetFolderPathA(NULL, CSIDL_PERSONAL | CSIDL_FLAG_CREATE, NULL, 0, documents));
  CAnsweringFolderDialog dialog(IDOK, "Choose the output folder");
  // As the Browse button asks: file-system folders, an edit box, the new style.
  dialog.SetBrowseFlags(BIF_RETURNONLYFSDIRS | BIF_EDITBOX | BIF_NEWDIALOGSTYLE);
  dialog.SetInitialFolder(documents);
  dialog.waitFor = documents;
  ASSERT_TRUE(dialog.DoModal());
  EXPECT_TRUE(SameFolder(documents, dialog.GetFolderPath())) << dialog.GetFolderPath();
}

TEST_F(FolderDialogFixture, CancelGivesFalseAndNoPath) {
  CAnsweringFolderDialog dialog(IDCANCEL, "Choose the output folder");
  dialog.SetInitialFolder(dir.Path().c_str());
  EXPECT_FALSE(dialog.DoModal());
  EXPECT_EQ("", dialog.GetFolderPath());
}

TEST_F(FolderDialogFixture, FlagsSetWhileShowingAreIgnored) {
  CAnsweringFolderDialog dialog(IDCANCEL, "Flags");
  dialog.SetBrowseFlags(BIF_RETURNONLYFSDIRS);
  dialog.flagsTried = BIF_BROWSEFORCOMPUTER;
  dialog.DoModal();
  EXPECT_EQ(static_cast<UINT>(BIF_RETURNONLYFSDIRS), dialog.GetBrowseFlags());
}

TEST_F(FolderDialogFixture, AnItemWithoutAFileSystemPathIsNotChosen) {
  LPITEMIDLIST computer = NULL;
  ASSERT_EQ(S_OK, SHGetSpecialFolderLocation(NULL, CSIDL_DRIVES, &computer));
  CAnsweringFolderDialog dialog(IDOK, "My Computer");
  dialog.selectItem = computer;
  EXPECT_FALSE(dialog.DoModal());
  EXPECT_EQ("", dialog.GetFolderPath());
  CoTaskMemFree(computer);
}

TEST_F(FolderDialogFixture, AMissingInitialFolderIsNotReturned) {
  CAnsweringFolderDialog dialog(IDOK, "Missing");
  const std::string missing = dir.File("no such folder");
  dialog.SetInitialFolder(missing.c_str());
  dialog.DoModal();
  EXPECT_NE(missing, dialog.GetFolderPath()) << "the browser stays on its own selection";
}

}  // namespace
