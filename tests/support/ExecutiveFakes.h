// Fakes of the modules around the command executive: a configuration module
// with its translator, three conversion modules with connection points, and
// a main UI module that records what the executive asks it to redraw.
#pragma once
#include <ocidl.h>
#include <olectl.h>

#include <functional>
#include <string>
#include <vector>

#include "app/CommandExecutive.h"
#include "app/ModuleRegistry.h"
#include "base/ModuleBase.h"
#include "tests/support/FakeConfig.h"
#include "tests/support/FakeTranslator.h"

namespace fakes {

// The configuration module: the fake configuration and the fake translator
// in one module object, as the program's configuration module answers both.
class Config : public CModuleBase, public CFakeConfig, public CFakeTranslator {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(const IID* iid, void** out) override {
    if (VrcSameGuid(iid, &IID_IVarnoConfigEx)) { *out = static_cast<IVarnoConfigEx*>(this); return S_OK; }
    if (VrcSameGuid(iid, &IID_ILanguageTranslater)) { *out = static_cast<ILanguageTranslater*>(this); return S_OK; }
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return 0; }
  ULONG STDMETHODCALLTYPE Release() override { return CModuleBase::Release(); }
};

// A connection point that keeps the advised sinks.
class Point : public IConnectionPoint {
 public:
  std::vector<IModuleEvents*> sinks;
  HRESULT adviseResult = S_OK;
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void**) override { return E_NOINTERFACE; }
  ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  HRESULT STDMETHODCALLTYPE GetConnectionInterface(IID*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetConnectionPointContainer(IConnectionPointContainer**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Advise(IUnknown* sink, DWORD* cookie) override {
    if (FAILED(adviseResult)) return adviseResult;
    IModuleEvents* events = NULL;
    if (FAILED(sink->QueryInterface(IID_IModuleEvents, reinterpret_cast<void**>(&events)))) return E_FAIL;
    sinks.push_back(events);
    *cookie = static_cast<DWORD>(sinks.size());
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE Unadvise(DWORD cookie) override {
    if (cookie == 0 || cookie > sinks.size() || !sinks[cookie - 1]) return CONNECT_E_NOCONNECTION;
    sinks[cookie - 1]->Release();
    sinks[cookie - 1] = NULL;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE EnumConnections(IEnumConnections**) override { return E_NOTIMPL; }
};

// A conversion module whose task list is a count and a selection, and whose
// calls are recorded in order.
class Converter : public CModuleBase,
                  public IConverter,
                  public IPlayer,
                  public IPhotoPreview,
                  public IConnectionPointContainer {
 public:
  std::vector<std::string> calls;
  int items = 0;
  int selected = 0;
  bool playing = false;
  bool hasPlayer = true;
  int stopResult = S_OK;
  // Run inside Convert (while the executive is converting), and inside AddFile.
  std::function<void()> duringConvert;
  std::function<void()> duringAddFile;
  Point point;

  HRESULT STDMETHODCALLTYPE QueryInterface(const IID* iid, void** out) override {
    if (VrcSameGuid(iid, &IID_IConverter)) { *out = static_cast<IConverter*>(this); return S_OK; }
    if (VrcSameGuid(iid, &IID_IPlayer) && hasPlayer) { *out = static_cast<IPlayer*>(this); return S_OK; }
    if (VrcSameGuid(iid, &IID_IPhotoPreview)) { *out = static_cast<IPhotoPreview*>(this); return S_OK; }
    if (VrcSameGuid(iid, &IID_IConnectionPointContainer)) { *out = static_cast<IConnectionPointContainer*>(this); return S_OK; }
    return E_NOINTERFACE;
  }
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override { return QueryInterface(&iid, out); }
  ULONG STDMETHODCALLTYPE AddRef() override { return 0; }
  ULONG STDMETHODCALLTYPE Release() override { return 0; }  // the registry's Release deletes through IModule
  HRESULT STDMETHODCALLTYPE EnumConnectionPoints(IEnumConnectionPoints**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE FindConnectionPoint(REFIID iid, IConnectionPoint** out) override {
    if (!VrcSameGuid(&iid, &IID_IModuleEvents)) return CONNECT_E_NOCONNECTION;
    *out = &point;
    return S_OK;
  }
  int STDMETHODCALLTYPE Convert() override {
    calls.push_back("Convert");
    if (duringConvert) duringConvert();
    return 1;
  }
  int STDMETHODCALLTYPE StopConvert(int force) override {
    calls.push_back("StopConvert " + std::to_string(force));
    return stopResult;
  }
  int STDMETHODCALLTYPE AddFile(const char* path) override {
    calls.push_back(std::string("AddFile ") + path);
    if (duringAddFile) duringAddFile();
    ++items;
    return 1;
  }
  int STDMETHODCALLTYPE DeleteFiles() override { calls.push_back("DeleteFiles"); return 0; }
  int STDMETHODCALLTYPE GetItemCount() override { return items; }
  int STDMETHODCALLTYPE GetSelectedCount() override { return selected; }
  int STDMETHODCALLTYPE UpdateOutputNames() override { calls.push_back("UpdateOutputNames"); return 1; }
  int STDMETHODCALLTYPE ApplyOutputSettings() override { calls.push_back("ApplyOutputSettings"); return 1; }
  HRESULT STDMETHODCALLTYPE Play() override { calls.push_back("Play"); playing = true; return S_OK; }
  HRESULT STDMETHODCALLTYPE Stop() override { calls.push_back("Stop"); playing = false; return S_OK; }
  HRESULT STDMETHODCALLTYPE HandleGraphEvent() override { calls.push_back("HandleGraphEvent"); return S_OK; }
  BOOL STDMETHODCALLTYPE IsPlaying() override { return playing; }
  BOOL STDMETHODCALLTYPE GetPosition() override { return playing; }
  BOOL STDMETHODCALLTYPE Seek(int percent) override {
    calls.push_back("Seek " + std::to_string(percent));
    return TRUE;
  }
  BOOL STDMETHODCALLTYPE ShowSelectedPreview() override { calls.push_back("ShowSelectedPreview"); return TRUE; }
};

class MainUI : public CModuleBase, public ISkinUI {
 public:
  std::vector<std::string> updates;
  int reloads = 0;
  HRESULT STDMETHODCALLTYPE QueryInterface(const IID* iid, void** out) override {
    if (!VrcSameGuid(iid, &IID_ISkinUI)) return E_NOINTERFACE;
    *out = static_cast<ISkinUI*>(this);
    return S_OK;
  }
  void STDMETHODCALLTYPE UpdateUI(const char* names) override { updates.push_back(names); }
  void STDMETHODCALLTYPE ReloadSkin() override { ++reloads; }
  BOOL STDMETHODCALLTYPE PreTranslateMessage(MSG*) override { return FALSE; }
};

// The executive wired to the fakes through a registry, as the program does.
class Wiring {
 public:
  Wiring() {
    CCommandExecutive::ResetTable();
    registry = new CModuleRegistry();
    config = new Config();
    video = new Converter();
    music = new Converter();
    photo = new Converter();
    photo->hasPlayer = false;
    ui = new MainUI();
    executive = new CCommandExecutive();
    RegisterModuleObject(registry, &CLSID_ConfigModule, config);
    RegisterModuleObject(registry, &CLSID_VideoModule, video);
    RegisterModuleObject(registry, &CLSID_MusicModule, music);
    RegisterModuleObject(registry, &CLSID_PhotoModule, photo);
    RegisterModuleObject(registry, &CLSID_MainUIModule, ui);
    RegisterModuleObject(registry, &CLSID_CommandExecutive, executive);
  }
  ~Wiring() {
    registry->ExitAllModules();
    registry->Release();
    // The conversion fakes outlive their Release (the executive releases the
    // container it asked for); they go here.
    delete video;
    delete music;
    delete photo;
  }
  HRESULT Init() { return registry->InitAllModules(); }
  int Enabled(const char* name) { return executive->IsControlEnabled(name); }
  std::string Text(const char* name) {
    return reinterpret_cast<const char*>(executive->GetControlValue(name));
  }
  HRESULT Run(const char* name, INT_PTR force3 = 0, INT_PTR force1 = 0, INT_PTR force2 = 0,
              HWND hWnd = NULL) {
    SkinCommandParam param = {hWnd, 0, 0, force3, force1, force2};
    return executive->ExecuteSkinCommand(name, 0, &param);
  }
  HRESULT Event(const GUID* module, int code, INT_PTR p1 = 0, INT_PTR p2 = 0, INT_PTR p3 = 0) {
    return video->point.sinks.empty() ? E_UNEXPECTED
                                      : video->point.sinks[0]->OnModuleEvent(module, code, p1, p2, p3);
  }

  CModuleRegistry* registry;
  Config* config;
  Converter* video;
  Converter* music;
  Converter* photo;
  MainUI* ui;
  CCommandExecutive* executive;
};

}  // namespace fakes
