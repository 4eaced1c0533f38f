// CMainDialog: the program's main window. A skinned application window with
// no parent whose hosted views are the three converter pages, one shown at
// a time (0 video, 1 music, 2 photo). It switches pages itself, remembers
// the page in "ReelCraftLastPage", and turns the system's close command and
// the suspend and resume notices into commands.
#pragma once
#include <windows.h>

#include "ui/SkinAppDialog.h"

// The running instance's main window, for a second start: the window of
// dialog class "#32770" titled "VarnoReelCraft", or, since the title is
// translated once the skin is applied, the one that carries the main
// window's mark. NULL when there is none.
HWND FindRunningMainWindow();

class CMainDialog : public CSkinAppDialog {
 public:
  static const char kSection[];  // "REELCRAFTDLG"
  // The window property that marks the main window for a second start.
  static const char kMark[];

  explicit CMainDialog(HWND parent = NULL);
  // Destroyed here while its own handlers (the mark's removal) still run.
  ~CMainDialog() override;

  // The page commands; any other name goes to HandleLocalCommand.
  BOOL ShowConverterPage(const char* name);
  BOOL ShowPage(int page);
  BOOL CheckPageTab(int page);
  // Every hosted view, then the window's own controls.
  virtual void UpdateUI(const char* names, int);
  void ReloadSkin() override;
  void OnSkinCommand(const char* name) override;

 protected:
  BOOL OnInit() override;
  INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void PaintMinimised();

  HICON m_hIcon;  // a shared resource icon: the system frees it
};
