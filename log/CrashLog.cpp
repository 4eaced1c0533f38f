#include "log/CrashLog.h"

#include <shlobj.h>
#include <shlwapi.h>
#include <stdio.h>
#include <string.h>

#include <string>
#include <vector>

#include "log/MailReport.h"

namespace {
// The most copies of one hour's crash log that sit side by side; an earlier
// copy is never overwritten.
const int kMaxCopiesPerHour = 100;

// Writes the ANSI text of a UTF-16 file (after its byte-order mark) to
// tempPath; FALSE when it cannot.
BOOL ConvertUnicodeFile(const char* path, const char* tempPath) {
  FILE* in = fopen(path, "rb");
  if (!in) return FALSE;
  fseek(in, 0, SEEK_END);
  long size = ftell(in);
  fseek(in, 2, SEEK_SET);
  std::vector<wchar_t> wide(size > 2 ? (size - 2) / 2 + 1 : 1, 0);
  size_t units = size > 2 ? fread(wide.data(), sizeof(wchar_t), (size - 2) / 2, in) : 0;
  fclose(in);
  std::vector<char> ansi(static_cast<size_t>(size) + 1, 0);
  int length = units ? WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(units),
                                           ansi.data(), static_cast<int>(ansi.size()), NULL, NULL)
                     : 0;
  if (units && length <= 0) return FALSE;
  FILE* out = fopen(tempPath, "wb");
  if (!out) return FALSE;
  fwrite(ansi.data(), 1, static_cast<size_t>(length), out);
  fclose(out);
  return TRUE;
}
}  // namespace

BOOL GetCrashLogPath(char* buffer, int size) {
  if (!buffer || size <= 0) return FALSE;
  char path[MAX_PATH] = {0};
  DWORD type = 0;
  DWORD bytes = sizeof(path) - 1;
  if (SHRegGetUSValueA("SOFTWARE\\Microsoft\\DrWatson", "LogFilePath", &type, path, &bytes, TRUE,
                       NULL, 0) != ERROR_SUCCESS)
    path[0] = 0;
  path[MAX_PATH - 1] = 0;
  BOOL built = TRUE;
  if (path[0]) {
    built = PathAppendA(path, "drwtsn32.log");
  } else if (!SHGetSpecialFolderPathA(NULL, path, CSIDL_COMMON_APPDATA, FALSE) ||
             !PathAppendA(path, "Microsoft\\Dr Watson\\drwtsn32.log")) {
    built = FALSE;
  }
  if (!built) path[0] = 0;
  lstrcpynA(buffer, path, size);
  return path[0] && PathFileExistsA(path);
}

BOOL FileContains(const char* path, const char* text, int maxBytes, BOOL caseSensitive) {
  if (!path || !text) return FALSE;
  const char* searched = path;
  bool madeTemp = false;
  char tempPath[MAX_PATH] = {0};
  // A UTF-16 file is searched through its ANSI text.
  FILE* probe = fopen(path, "rb");
  if (probe) {
    unsigned char head[1024];
    size_t got = fread(head, 1, sizeof(head), probe);
    fclose(probe);
    if (got >= 2 && IsTextUnicode(head, static_cast<int>(got), NULL)) {
      // A name of its own in the temporary folder: the current folder may be
      // read-only or hold a file of the user's under any fixed name.
      char tempFolder[MAX_PATH] = {0};
      DWORD folderLength = GetTempPathA(MAX_PATH, tempFolder);
      if (folderLength > 0 && folderLength < MAX_PATH &&
          GetTempFileNameA(tempFolder, "drw", 0, tempPath)) {
        madeTemp = true;  // GetTempFileName made the file: it goes in every case
        if (ConvertUnicodeFile(path, tempPath)) searched = tempPath;
      }
    }
  }
  BOOL found = FALSE;
  FILE* file = fopen(searched, "r");
  if (file) {
    fseek(file, 0, SEEK_END);
    long length = ftell(file);
    fseek(file, 0, SEEK_SET);
    if (length > 0 && maxBytes != -1 && length > maxBytes) length = maxBytes;
    if (length > 0) {
      std::vector<char> content(static_cast<size_t>(length) + 1, 0);
      size_t read = fread(content.data(), 1, static_cast<size_t>(length), file);
      content[read] = 0;
      std::string haystack(content.data());
      std::string needle(text);
      if (!caseSensitive) {
        CharUpperBuffA(&haystack[0], static_cast<DWORD>(haystack.size()));
        CharUpperBuffA(&needle[0], static_cast<DWORD>(needle.size()));
      }
      found = haystack.find(needle) != std::string::npos;
    }
    fclose(file);
  }
  if (madeTemp) DeleteFileA(tempPath);
  return found;
}

void CollectCrashLog(const char* modulePath, int enableSendMail, const char* mailAddress) {
  if (!modulePath) return;
  char crashLog[MAX_PATH] = {0};
  if (!GetCrashLogPath(crashLog, MAX_PATH)) return;
  if (!FileContains(crashLog, modulePath, -1, FALSE)) return;

  char folder[MAX_PATH];
  lstrcpynA(folder, modulePath, MAX_PATH);
  PathRemoveFileSpecA(folder);
  PathRemoveBackslashA(folder);
  SYSTEMTIME now;
  GetLocalTime(&now);
  // The crash log is the only copy of the report: it goes only once a copy
  // of it exists, and that copy never replaces an earlier one.
  char copy[MAX_PATH + 48];
  bool copied = false;
  for (int counter = 1; counter <= kMaxCopiesPerHour && !copied; ++counter) {
    int length = counter == 1
                     ? snprintf(copy, sizeof(copy), "%s\\drwtsn%d%02d%02d-%d.log", folder,
                                now.wYear, now.wMonth, now.wDay, now.wHour)
                     : snprintf(copy, sizeof(copy), "%s\\drwtsn%d%02d%02d-%d-%d.log", folder,
                                now.wYear, now.wMonth, now.wDay, now.wHour, counter);
    if (length < 0 || length >= MAX_PATH) return;
    if (CopyFileA(crashLog, copy, TRUE)) {
      copied = true;
    } else if (GetLastError() != ERROR_FILE_EXISTS && GetLastError() != ERROR_ALREADY_EXISTS) {
      return;  // the folder cannot take the copy: the crash log stays for the next start
    }
  }
  if (!copied) return;
  DeleteFileA(crashLog);
  if (enableSendMail) SendMailReport(NULL, "Dr.Watson", mailAddress, modulePath, copy);
}
