#include "log/CrashLog.h"

#include <shlobj.h>
#include <shlwapi.h>
#include <stdio.h>
#include <string.h>

#include <string>
#include <vector>

#include "log/MailReport.h"

namespace {
const char kUnicodeTempName[] = "0C475E84_2EE3_471e_9559_C513CABF71A1.tmp";

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
      GetCurrentDirectoryA(MAX_PATH, tempPath);
      if (PathAppendA(tempPath, kUnicodeTempName) && ConvertUnicodeFile(path, tempPath)) {
        searched = tempPath;
        madeTemp = true;
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
  char copy[MAX_PATH + 32];
  snprintf(copy, sizeof(copy), "%s\\drwtsn%d%02d%02d-%d.log", folder, now.wYear, now.wMonth,
           now.wDay, now.wHour);
  CopyFileA(crashLog, copy, FALSE);
  DeleteFileA(crashLog);
  if (enableSendMail) SendMailReport(NULL, "Dr.Watson", mailAddress, modulePath, copy);
}
