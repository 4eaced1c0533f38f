// The open-file dialog over the platform's GetOpenFileName: filters given as
// description and pattern pairs, multiple selection.
#pragma once
#include <windows.h>
#include <commdlg.h>

#include <string>
#include <vector>

struct FileFilter {
  const char* description;
  const char* pattern;
};

class CFileOpenDialog {
 public:
  // flags: the OFN_ flags; filters end with an entry whose description is NULL.
  CFileOpenDialog(HWND owner, const char* title, const FileFilter* filters, DWORD flags,
                  const char* initialFolder, DWORD structSize);
  // true when the user chose files.
  bool DoModal();
  // The folder when several files were chosen, the file's path when one.
  const std::string& GetPathName() const { return m_pathName; }
  const std::vector<std::string>& GetFiles() const { return m_files; }

  // The filter string that GetOpenFileName takes: the pairs, each part
  // ended by a NUL, and a final NUL.
  static std::string BuildFilter(const FileFilter* filters);
  // Splits what an explorer-style multi-selection dialog writes: a lone path
  // for one file, else the folder and the file names, each ended by a NUL,
  // then a final NUL.
  static void ParseSelection(const char* buffer, size_t size, std::string* pathName,
                             std::vector<std::string>* files);

 private:
  HWND m_hOwner;
  std::string m_title;
  std::string m_filter;
  DWORD m_flags;
  std::string m_initialFolder;
  DWORD m_structSize;
  std::string m_pathName;
  std::vector<std::string> m_files;
};

// The dialog itself (GetOpenFileNameA); tests replace it.
typedef BOOL(WINAPI* PFN_VrcGetOpenFileName)(OPENFILENAMEA* dialog);
BOOL VrcGetOpenFileName(OPENFILENAMEA* dialog);
void VrcSetOpenFileNameSeam(PFN_VrcGetOpenFileName fn);
