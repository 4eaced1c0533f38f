#include "winfx/FileDialog.h"

#include <commdlg.h>
#include <string.h>

namespace {
PFN_VrcGetOpenFileName g_getOpenFileName = GetOpenFileNameA;
const DWORD kBufferSize = 32768;
}  // namespace

BOOL VrcGetOpenFileName(OPENFILENAMEA* dialog) { return g_getOpenFileName(dialog); }

void VrcSetOpenFileNameSeam(PFN_VrcGetOpenFileName fn) {
  g_getOpenFileName = fn ? fn : GetOpenFileNameA;
}

CFileOpenDialog::CFileOpenDialog(HWND owner, const char* title, const FileFilter* filters,
                                 DWORD flags, const char* initialFolder, DWORD structSize)
    : m_hOwner(owner),
      m_title(title ? title : ""),
      m_filter(BuildFilter(filters)),
      m_flags(flags),
      m_initialFolder(initialFolder ? initialFolder : ""),
      m_structSize(structSize) {}

std::string CFileOpenDialog::BuildFilter(const FileFilter* filters) {
  std::string filter;
  for (const FileFilter* f = filters; f && f->description; ++f) {
    filter.append(f->description).push_back(0);
    filter.append(f->pattern).push_back(0);
  }
  filter.push_back(0);
  return filter;
}

void CFileOpenDialog::ParseSelection(const char* buffer, size_t size, std::string* pathName,
                                     std::vector<std::string>* files) {
  pathName->clear();
  files->clear();
  std::vector<std::string> parts;
  size_t at = 0;
  while (at < size && buffer[at]) {
    size_t length = strnlen(buffer + at, size - at);
    parts.emplace_back(buffer + at, length);
    at += length + 1;
  }
  if (parts.empty()) return;
  *pathName = parts[0];
  if (parts.size() == 1) {
    files->push_back(parts[0]);
    return;
  }
  std::string folder = parts[0];
  if (folder.back() != '\\') folder += '\\';
  for (size_t i = 1; i < parts.size(); ++i) files->push_back(folder + parts[i]);
}

bool CFileOpenDialog::DoModal() {
  std::vector<char> buffer(kBufferSize, 0);
  OPENFILENAMEA dialog;
  memset(&dialog, 0, sizeof(dialog));
  dialog.lStructSize = m_structSize ? m_structSize : sizeof(dialog);
  dialog.hwndOwner = m_hOwner;
  dialog.lpstrFilter = m_filter.c_str();
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = buffer.data();
  dialog.nMaxFile = kBufferSize;
  dialog.lpstrTitle = m_title.empty() ? NULL : m_title.c_str();
  dialog.lpstrInitialDir = m_initialFolder.empty() ? NULL : m_initialFolder.c_str();
  dialog.Flags = m_flags;
  if (!VrcGetOpenFileName(&dialog)) return false;
  buffer[kBufferSize - 1] = 0;
  buffer[kBufferSize - 2] = 0;
  ParseSelection(buffer.data(), buffer.size(), &m_pathName, &m_files);
  return !m_files.empty();
}
