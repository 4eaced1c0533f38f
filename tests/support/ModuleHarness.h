// The video module wired as the program wires it, in a window of the
// caller's own, over an installation of its own: the encoder stand-in and
// ffmpeg of the build's program folder, the shipped format profile, and a
// fixture engine in the place of the engine libraries (the module needs
// one to start). For the end-to-end tests and the runner's benchmark.
#pragma once
#include <windows.h>

#include <string>

#include "modules/video/VideoModule.h"
#include "tests/support/FakeConfig.h"
#include "tests/support/TestSupport.h"

class PassThroughTranslator : public ILanguageTranslater {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(const IID*, void**) override { return E_NOINTERFACE; }
  ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  HRESULT STDMETHODCALLTYPE TranslateDialog(HWND, const char*) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE TranslateMenu(HMENU, const char*) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE TranslateString(char*, const char*) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE Initialize(HINSTANCE) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE LoadSections(const char*) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE SetLanguage(LCID) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE GetLanguages(LCID*, int* count) override { *count = 0; return S_OK; }
  HRESULT STDMETHODCALLTYPE GetLanguage(LCID* language, int) override { *language = 1033; return S_OK; }
  HRESULT STDMETHODCALLTYPE LoadLanguage() override { return S_OK; }
};

// The configuration module as the registry hands it to the video module.
class ConfigModule : public IModule, public IModuleRegistry {
 public:
  FakeConfig config;
  PassThroughTranslator translator;
  // IModule
  HRESULT STDMETHODCALLTYPE QueryInterface(const IID* iid, void** out) override {
    if (IsEqualIID(*iid, IID_IVarnoConfigEx)) { *out = static_cast<IVarnoConfigEx*>(&config); return S_OK; }
    if (IsEqualIID(*iid, IID_ILanguageTranslater)) { *out = &translator; return S_OK; }
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  HRESULT STDMETHODCALLTYPE SetHost(IModuleRegistry*) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE SetModuleId(const GUID*) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE InitInstance() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE ExitInstance() override { return S_OK; }
  int STDMETHODCALLTYPE Reserved(int) override { return 0; }
  // IModuleRegistry: only the configuration module is there.
  HRESULT STDMETHODCALLTYPE InitAllModules() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE ExitAllModules() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE RegisterModule(const GUID*, IModule*, HMODULE) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetModule(const GUID* id, void** out) override {
    if (!IsEqualGUID(*id, CLSID_ConfigModule)) return E_NOINTERFACE;
    *out = static_cast<IModule*>(this);
    return S_OK;
  }
};

class ModuleHarness {
 public:
  // false when the module could not be started.
  bool Start();
  void Stop();
  void UseOutputType(int index);
  CTaskRecord* Task(int index) { return module->GetTaskList().GetTask(index); }

  ConfigModule configModule;
  vrctest::TempDir install, output;
  CVideoModule* module = NULL;
  HWND window = NULL;
  IConverterView* view = NULL;
};

// A generated clip of the test build.
std::string Media(const char* name);
