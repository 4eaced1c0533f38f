#include "ui/FolderDialog.h"

#include <string.h>

CFolderDialog::CFolderDialog(HWND owner, LPCITEMIDLIST root, const char* title)
    : m_title(title ? title : ""), m_hBrowser(NULL) {
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

void CFolderDialog::OnInitialized() {
  if (m_initialFolder.empty()) return;
  SendMessageA(m_hBrowser, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(m_initialFolder.c_str()));
  SendMessageA(m_hBrowser, BFFM_SETSTATUSTEXTA, 0, reinterpret_cast<LPARAM>(m_initialFolder.c_str()));
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
  if (message == BFFM_SELCHANGED) dialog->OnSelChanged(reinterpret_cast<LPCITEMIDLIST>(lParam));
  return 0;
}
