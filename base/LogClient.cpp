#include "base/LogClient.h"

#include <stdarg.h>
#include <stdio.h>
#include <string.h>

#include "base/ComPtr.h"
#include "base/Handles.h"
#include "base/Paths.h"

namespace {
// What LogRelease gives back. Made once and never destroyed: when the
// process ends chronicle.dll may be gone already, so nothing is freed then
// that LogRelease has not freed.
struct LogState {
  CComPtr<ILog> log;
  CLibrary library;
  CHandle mutex;
};

LogState& State() {
  static LogState* state = new LogState;
  return *state;
}

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
  State().log->Log(0, line);
}

PFN_LogCreateMutex g_createMutex = CreateMutexA;
}  // namespace

void LogSetCreateMutexSeam(PFN_LogCreateMutex fn) { g_createMutex = fn ? fn : CreateMutexA; }

ILog* LoadLogInterface() {
  LogState& state = State();
  if (state.log) return state.log;
  if (!state.library) {
    // Not on the search path: try beside the program itself.
    if (!state.library.Load("chronicle.dll") &&
        !state.library.Load((ModuleFolder() + "chronicle.dll").c_str()))
      return NULL;
  }
  PFN_CreateLogInterface create =
      reinterpret_cast<PFN_CreateLogInterface>(state.library.Find("CreateLogInterface"));
  if (create) create(&state.log);
  return state.log;
}

BOOL LogInitialize(HINSTANCE module) {
  LogState& state = State();
  if (state.mutex.IsValid()) LogRelease();
  if (!LoadLogInterface()) return FALSE;
  if (FAILED(state.log->Initialize(module))) return FALSE;
  state.mutex.Reset(g_createMutex(NULL, FALSE, NULL));
  if (!state.mutex.IsValid()) {
    // Without the mutex no line could be written: fail the start and give the
    // log object back rather than run a log that drops everything.
    FreeLogInterface();
    return FALSE;
  }
  LogLocalTime("0x%p start at %d-%d-%d %02d:%02d:%02d.%d\n", module);
  return TRUE;
}

BOOL LogPrint(unsigned level, const char* format, ...) {
  LogState& state = State();
  if (!state.mutex.IsValid()) return FALSE;
  if (WaitForSingleObject(state.mutex, 5000) != WAIT_OBJECT_0) return FALSE;
  BOOL written = FALSE;
  int configured = 0;
  if (state.log && SUCCEEDED(state.log->GetLevel(&configured)) &&
      static_cast<unsigned>(configured) >= level) {
    char buffer[1024];
    memset(buffer, 0, sizeof(buffer));
    va_list args;
    va_start(args, format);
    vsnprintf(buffer, sizeof(buffer), format, args);  // cut at 1023 characters
    va_end(args);
    state.log->Log(level, buffer);
    written = TRUE;
  }
  ReleaseMutex(state.mutex);
  return written;
}

ILog* GetLogInterface() { return State().log; }

void LogRelease() {
  LogState& state = State();
  if (!state.mutex.IsValid()) return;
  WaitForSingleObject(state.mutex, INFINITE);
  if (state.log) LogLocalTime("End at %d-%d-%d %02d:%02d:%02d.%d\n", NULL);
  FreeLogInterface();
  state.mutex.Close();
}

void FreeLogInterface() {
  LogState& state = State();
  state.log.Release();
  state.library.Free();
}
