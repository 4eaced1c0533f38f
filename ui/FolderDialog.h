// CFolderDialog: the system's folder browser, opened on a given folder. It is
// not skinned.
#pragma once
#include <windows.h>
#include <shlobj.h>

#include <string>

class CFolderDialog {
 public:
  // How often and how many times the initial folder is asked for again while
  // the browser does not show it (see OnInitialized).
  enum { kReselectTimer = 0x5E1, kReselectPeriodMs = 100, kMostReselections = 30 };

  CFolderDialog(HWND owner, LPCITEMIDLIST root, const char* title);
  virtual ~CFolderDialog();

  // Ignored while the browser is showing.
  void SetBrowseFlags(UINT flags);
  UINT GetBrowseFlags() const { return m_info.ulFlags; }
  void SetOwner(HWND owner);
  void SetRoot(LPCITEMIDLIST root);
  void SetInitialFolder(const char* path) { m_initialFolder = path ? path : ""; }

  // true when a folder with a file-system path was chosen.
  bool DoModal();
  std::string GetFolderPath() const { return m_folderPath; }
  bool IsShowing() const { return m_hBrowser != NULL; }
  // The browser has shown the initial folder selected since it opened.
  bool ReachedInitialFolder() const { return m_reachedInitial; }

 protected:
  // Selects the initial folder; while the browser does not show it, asks
  // again on a timer.
  virtual void OnInitialized();
  virtual void OnSelChanged(LPCITEMIDLIST item);
  // Once the browser shows the initial folder, or has been asked for it
  // kMostReselections times in vain.
  virtual void OnInitialFolderSettled() {}
  HWND Browser() const { return m_hBrowser; }

 private:
  static int CALLBACK BrowseCallback(HWND hWnd, UINT message, LPARAM lParam, LPARAM data);
  static void CALLBACK Reselect(HWND browser, UINT, UINT_PTR id, DWORD);
  void SelectInitialFolder();
  void NoteSelection(LPCITEMIDLIST item);

  BROWSEINFOA m_info;
  char m_szDisplayName[MAX_PATH];
  std::string m_title;
  std::string m_folderPath;
  std::string m_initialFolder;
  HWND m_hBrowser;
  bool m_reachedInitial;
  int m_reselections;
};
