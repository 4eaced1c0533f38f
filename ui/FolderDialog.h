// CFolderDialog: the system's folder browser, opened on a given folder. It is
// not skinned.
#pragma once
#include <windows.h>
#include <shlobj.h>

#include <string>

class CFolderDialog {
 public:
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

 protected:
  virtual void OnInitialized();
  virtual void OnSelChanged(LPCITEMIDLIST item);
  HWND Browser() const { return m_hBrowser; }

 private:
  static int CALLBACK BrowseCallback(HWND hWnd, UINT message, LPARAM lParam, LPARAM data);

  BROWSEINFOA m_info;
  char m_szDisplayName[MAX_PATH];
  std::string m_title;
  std::string m_folderPath;
  std::string m_initialFolder;
  HWND m_hBrowser;
};
