// A module library for the registry and host tests. It records every call,
// and its own unloading, as lines "<file name> <event>" in the file named by
// the environment variable VRC_FIXTURE_LOG. Built in several kinds:
// FIXTURE_NULL_FACTORY (the factory returns NULL), FIXTURE_INIT_FAILS
// (InitInstance answers E_FAIL); the "no ordinal 1" kind differs in its .def.
#include <windows.h>
#include <shlwapi.h>

#include <stdio.h>

#include "include/VarnoModule.h"

namespace {
HINSTANCE g_hInstance = NULL;

void Record(const char* event) {
  char path[MAX_PATH] = {0};
  if (!GetEnvironmentVariableA("VRC_FIXTURE_LOG", path, MAX_PATH)) return;
  char self[MAX_PATH] = {0};
  GetModuleFileNameA(g_hInstance, self, MAX_PATH);
  FILE* file = fopen(path, "a");
  if (!file) return;
  fprintf(file, "%s %s\n", PathFindFileNameA(self), event);
  fclose(file);
}

class CFixtureModule : public IModule {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(const IID*, void**) override { return E_NOINTERFACE; }
  ULONG STDMETHODCALLTYPE AddRef() override { return 0; }
  ULONG STDMETHODCALLTYPE Release() override {
    Record("Release");
    delete this;
    return 0;
  }
  HRESULT STDMETHODCALLTYPE SetHost(IModuleRegistry*) override {
    Record("SetHost");
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE SetModuleId(const GUID*) override {
    Record("SetModuleId");
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE InitInstance() override {
    Record("InitInstance");
#ifdef FIXTURE_INIT_FAILS
    return E_FAIL;
#else
    return S_OK;
#endif
  }
  HRESULT STDMETHODCALLTYPE ExitInstance() override {
    Record("ExitInstance");
    return S_OK;
  }
  int STDMETHODCALLTYPE Reserved(int) override { return 0; }
};
}  // namespace

extern "C" IModule* WINAPI DllCreateObject() {
#ifdef FIXTURE_NULL_FACTORY
  Record("factory");
  return NULL;
#else
  Record("factory");
  return new CFixtureModule();
#endif
}

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) g_hInstance = instance;
  if (reason == DLL_PROCESS_DETACH) Record("unloaded");
  return TRUE;
}

// Only exported by the kind without ordinal 1, to keep its ordinals from 2 on.
extern "C" int WINAPI FixtureUnrelated() { return 0; }
