#include "app/FolderChooser.h"

#include "ui/FolderDialog.h"

namespace {
bool BrowseForFolder(HWND owner, const char* title, UINT flags, const char* initialFolder,
                     std::string* folder) {
  CFolderDialog dialog(owner, NULL, title);
  dialog.SetBrowseFlags(flags);
  dialog.SetInitialFolder(initialFolder);
  if (!dialog.DoModal()) return false;
  *folder = dialog.GetFolderPath();
  return true;
}
PFN_ChooseFolder g_chooseFolder = BrowseForFolder;
}  // namespace

bool ChooseFolder(HWND owner, const char* title, UINT flags, const char* initialFolder,
                  std::string* folder) {
  return g_chooseFolder(owner, title, flags, initialFolder, folder);
}

void SetChooseFolderSeam(PFN_ChooseFolder fn) { g_chooseFolder = fn ? fn : BrowseForFolder; }
