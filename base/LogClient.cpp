#include "base/LogClient.h"

#include <shlwapi.h>
#include <stdarg.h>
#include <stdio.h>
#include <string.h>

namespace {
ILog* g_pLog = NULL;
HMODULE g_hLogLibrary = NULL;
HANDLE g_hLogMutex = NULL;

void LogLocalTime(const char* format, const void* module) {
  SYSTEMTIME t;
  GetLocalTime(&t);
  char line[1024];
  if (module)
    wsprintfA(line, format, module, t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond,
              t.wMilliseconds);
  else
    wsprintfA(line, format, t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond,
              t.wMilliseconds);
  g_pLog->Log(0, line);
}
}  // namespace

ILog* LoadLogInterface() {
  if (g_pLog) return g_pLog;
  if (!g_hLogLibrary) {
    g_hLogLibrary = LoadLibraryA("chronicle.dll");
    if (!g_hLogLibrary) {
      // Not on the search path: try beside the program itself.
      char path[MAX_PATH] = {0};
      GetModuleFileNameA(NULL, path, MAX_PATH);
      PathRemoveFileSpecA(path);
      PathAppendA(path, "chronicle.dll");
      g_hLogLibrary = LoadLibraryA(path);
      if (!g_hLogLibrary) return NULL;
    }
  }
  PFN_CreateLogInterface create =
      reinterpret_cast<PFN_CreateLogInterface>(GetProcAddress(g_hLogLibrary, "CreateLogInterface"));
  if (create) create(&g_pLog);
  return g_pLog;
}

BOOL LogInitialize(HINSTANCE module) {
  if (g_hLogMutex) LogRelease();
  if (!LoadLogInterface()) return FALSE;
  if (FAILED(g_pLog->Initialize(module))) return FALSE;
  g_hLogMutex = CreateMutexA(NULL, FALSE, NULL);
  LogLocalTime("0x%p start at %d-%d-%d %02d:%02d:%02d.%d\n", module);
  return TRUE;
}

BOOL LogPrint(unsigned level, const char* format, ...) {
  if (!g_hLogMutex) return FALSE;
  if (WaitForSingleObject(g_hLogMutex, 5000) != WAIT_OBJECT_0) return FALSE;
  BOOL written = FALSE;
  int configured = 0;
  if (g_pLog && SUCCEEDED(g_pLog->GetLevel(&configured)) &&
      static_cast<unsigned>(configured) >= level) {
    char buffer[1024];
    memset(buffer, 0, sizeof(buffer));
    va_list args;
    va_start(args, format);
    vsnprintf(buffer, sizeof(buffer), format, args);  // cut at 1023 characters
    va_end(args);
    g_pLog->Log(level, buffer);
    written = TRUE;
  }
  ReleaseMutex(g_hLogMutex);
  return written;
}

ILog* GetLogInterface() { return g_pLog; }

void LogRelease() {
  if (!g_hLogMutex) return;
  WaitForSingleObject(g_hLogMutex, INFINITE);
  if (g_pLog) LogLocalTime("End at %d-%d-%d %02d:%02d:%02d.%d\n", NULL);
  FreeLogInterface();
  CloseHandle(g_hLogMutex);
  g_hLogMutex = NULL;
}

void FreeLogInterface() {
  if (g_pLog) {
    g_pLog->Release();
    g_pLog = NULL;
  }
  if (g_hLogLibrary) {
    FreeLibrary(g_hLogLibrary);
    g_hLogLibrary = NULL;
  }
}
