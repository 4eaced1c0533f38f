#include "ui/FolderDialog.h"

#include <string.h>

namespace {

const char kDialogProperty[] = "CFolderDialog";

// The folder as the browser names it: the long form, no trailing backslash.
std::string ComparableFolder(const char* path) {
  char longPath[MAX_PATH] = "";
  std::string folder =
      GetLongPathNameA(path, longPath, MAX_PATH) > 0 && longPath[0] ? longPath : path;
  while (folder.size() > 3 && folder.back() == '\\') folder.pop_back();
  return folder;
}

}  // namespace

CFolderDialog::CFolderDialog(HWND owner, LPCITEMIDLIST root, const char* title)
    : m_title(title ? title : ""), m_hBrowser(NULL), m_reachedInitial(false), m_reselections(0) {
  memset(&m_info, 0, sizeof(m_info));
  m_szDisplayName[0] = 0;
  m_info.hwndOwner = owner;
  m_info.pidlRoot = root;
  m_info.pszDisplayName = m_szDisplayName;
  m_info.lpfn = BrowseCallback;
  m_info.lParam = reinterpret_cast<LPARAM>(this);
}

CFolderDialog::~CFolderDialog() {}

void CFolderDialog::SetBrowseFlags(UINT flags) {
  if (!IsShowing()) m_info.ulFlags = flags;
}

void CFolderDialog::SetOwner(HWND owner) {
  if (!IsShowing()) m_info.hwndOwner = owner;
}

void CFolderDialog::SetRoot(LPCITEMIDLIST root) {
  if (!IsShowing()) m_info.pidlRoot = root;
}

bool CFolderDialog::DoModal() {
  // The browser works on a copy, so a flag set from a callback cannot change
  // the running description.
  BROWSEINFOA info = m_info;
  info.lpszTitle = m_title.c_str();
  m_reachedInitial = false;
  m_reselections = 0;
  LPITEMIDLIST item = SHBrowseForFolderA(&info);
  bool chosen = false;
  if (item) {
    m_folderPath.clear();
    m_szDisplayName[0] = 0;
    if (SHGetPathFromIDListA(item, m_szDisplayName)) {
      m_folderPath = m_szDisplayName;
      chosen = true;
    }
    CoTaskMemFree(item);
  }
  m_hBrowser = NULL;
  return chosen;
}

void CFolderDialog::SelectInitialFolder() {
  SendMessageA(m_hBrowser, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(m_initialFolder.c_str()));
}

// Wine's browser does not always select the folder it is given at its first
// initialisation (the first browse in a new prefix stays on Desktop), and
// says nothing: the selection is asked for again until the browser shows the
// folder. A folder that is not there is asked for the same bounded number of
// times, and the browser stays on its own selection.
void CFolderDialog::OnInitialized() {
  if (m_initialFolder.empty()) {
    OnInitialFolderSettled();
    return;
  }
  SelectInitialFolder();
  SendMessageA(m_hBrowser, BFFM_SETSTATUSTEXTA, 0, reinterpret_cast<LPARAM>(m_initialFolder.c_str()));
  if (m_reachedInitial) {
    OnInitialFolderSettled();
    return;
  }
  SetPropA(m_hBrowser, kDialogProperty, reinterpret_cast<HANDLE>(this));
  SetTimer(m_hBrowser, kReselectTimer, kReselectPeriodMs, Reselect);
}

void CALLBACK CFolderDialog::Reselect(HWND browser, UINT, UINT_PTR id, DWORD) {
  CFolderDialog* dialog = reinterpret_cast<CFolderDialog*>(GetPropA(browser, kDialogProperty));
  if (dialog && !dialog->m_reachedInitial && ++dialog->m_reselections < kMostReselections) {
    dialog->SelectInitialFolder();
    if (!dialog->m_reachedInitial) return;
  }
  KillTimer(browser, id);
  RemovePropA(browser, kDialogProperty);
  if (dialog) dialog->OnInitialFolderSettled();
}

void CFolderDialog::NoteSelection(LPCITEMIDLIST item) {
  char path[MAX_PATH] = {0};
  if (m_initialFolder.empty() || !item || !SHGetPathFromIDListA(item, path)) return;
  if (lstrcmpiA(ComparableFolder(path).c_str(), ComparableFolder(m_initialFolder.c_str()).c_str()) == 0)
    m_reachedInitial = true;
}

void CFolderDialog::OnSelChanged(LPCITEMIDLIST item) {
  char path[MAX_PATH] = {0};
  if (!item || !SHGetPathFromIDListA(item, path)) path[0] = 0;
  SendMessageA(m_hBrowser, BFFM_SETSTATUSTEXTA, 0, reinterpret_cast<LPARAM>(path));
}

int CALLBACK CFolderDialog::BrowseCallback(HWND hWnd, UINT message, LPARAM lParam, LPARAM data) {
  CFolderDialog* dialog = reinterpret_cast<CFolderDialog*>(data);
  if (!dialog) return 0;
  dialog->m_hBrowser = hWnd;
  if (message == BFFM_INITIALIZED) dialog->OnInitialized();
  if (message == BFFM_SELCHANGED) {
    dialog->NoteSelection(reinterpret_cast<LPCITEMIDLIST>(lParam));
    dialog->OnSelChanged(reinterpret_cast<LPCITEMIDLIST>(lParam));
  }
  return 0;
}
