#include "CrashLog.h"

#include <shlobj.h>
#include <shlwapi.h>

BOOL GetCrashLogPath(char* buffer, int size) {
  if (!buffer || size <= 0) return FALSE;
  char path[MAX_PATH] = {0};
  DWORD type = 0;
  DWORD bytes = sizeof(path);
  if (SHRegGetUSValueA("SOFTWARE\\Microsoft\\DrWatson", "LogFilePath", &type, path, &bytes, TRUE,
                       NULL, 0) != ERROR_SUCCESS)
    path[0] = 0;
  path[MAX_PATH - 1] = 0;
  if (path[0]) {
    PathAppendA(path, "drwtsn32.log");
  } else if (SHGetSpecialFolderPathA(NULL, path, CSIDL_COMMON_APPDATA, FALSE)) {
    PathAppendA(path, "Microsoft\\Dr Watson\\drwtsn32.log");
  }
  lstrcpynA(buffer, path, size);
  return path[0] && PathFileExistsA(path);
}

void CollectCrashLog(const char* /*modulePath*/, int /*enableSendMail*/,
                     const char* /*mailAddress*/) {
  // Collection and mailing of crash reports come later; start-up already
  // calls this point so that nothing else has to change then.
}
