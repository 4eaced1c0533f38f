// MuxCast's entry points: the log client lives as long as the library, and
// the factory makes one independent engine per call.
#include <windows.h>

#include <new>

#include "base/Borders.h"
#include "base/LogClient.h"
#include "engines/mux/RecompressConverter.h"

namespace {
HINSTANCE g_instance;
bool g_logStarted;
}  // namespace

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
  if (reason == DLL_PROCESS_ATTACH) {
    g_instance = instance;
    DisableThreadLibraryCalls(instance);
  } else if (reason == DLL_PROCESS_DETACH && reserved == NULL && g_logStarted) {
    // Only on FreeLibrary: at process end the log library may be gone.
    LogRelease();
  }
  return TRUE;
}

extern "C" IConvertEngine* WINAPI CreateVarnoConverter() {
  // The log client loads its own library, which the loader lock forbids in
  // DllMain: it starts with the first engine, right after the load.
  if (!g_logStarted) {
    g_logStarted = true;
    LogInitialize(g_instance);
    LogPrint(LOG_TRACE, "LogInitialize!\n");
  }
  // The object's constructor may still throw (its members allocate).
  return CallAtBorder<IConvertEngine*>(
      "MuxCast CreateVarnoConverter", nullptr,
      [] { return new (std::nothrow) CRecompressConverter(); });
}
