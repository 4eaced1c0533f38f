// Stand-ins for the partners of the views: a configuration that answers a
// few string settings, a translator that marks what it translated, and a
// notify target that records events and answers the enabled-state query.
#pragma once
#include <windows.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "include/VarnoConfig.h"
#include "include/VarnoConverter.h"
#include "include/VarnoModuleEvents.h"
#include "include/VarnoTranslator.h"

class CFakeConfig : public IVarnoConfigEx {
 public:
  std::map<std::string, std::string> strings;
  std::map<std::string, int> ints;

  HRESULT STDMETHODCALLTYPE QueryInterface(const IID*, void**) override { return E_NOINTERFACE; }
  ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  int STDMETHODCALLTYPE GetInt(const char* name, int, int) override {
    std::map<std::string, int>::iterator it = ints.find(name);
    return it == ints.end() ? 0 : it->second;
  }
  void STDMETHODCALLTYPE SetInt(const char* name, int value, int) override { ints[name] = value; }
  int STDMETHODCALLTYPE GetString(const char* name, char* buf, int size, int) override {
    std::map<std::string, std::string>::iterator it = strings.find(name);
    if (size > 0) lstrcpynA(buf, it == strings.end() ? "" : it->second.c_str(), size);
    return it != strings.end();
  }
  void STDMETHODCALLTYPE SetString(const char* name, const char* value, int) override {
    strings[name] = value;
  }
  int STDMETHODCALLTYPE ShowDialog(int, int) override { return 0; }
  int STDMETHODCALLTYPE Save() override { return 1; }
  int STDMETHODCALLTYPE GetIniInt(const char*, const char*, int, int, const char*) override {
    return 0;
  }
  void STDMETHODCALLTYPE SetIniInt(const char*, const char*, unsigned, int, int) override {}
  int STDMETHODCALLTYPE GetIniString(const char*, const char*, char* buf, int size, int,
                                     int) override {
    if (size > 0) buf[0] = '\0';
    return 0;
  }
  int STDMETHODCALLTYPE SetIniString(const char*, const char*, const char*, int, int) override {
    return 0;
  }
};

// Translates by wrapping the text in brackets with the section: "[MiscStrings:Unconvert]".
class CFakeTranslator : public ILanguageTranslater {
 public:
  std::vector<std::string> menuSections;

  HRESULT STDMETHODCALLTYPE QueryInterface(const IID*, void**) override { return E_NOINTERFACE; }
  ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  HRESULT STDMETHODCALLTYPE TranslateDialog(HWND, const char*) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE TranslateMenu(HMENU, const char* section) override {
    menuSections.push_back(section);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE TranslateString(char* text, const char* section) override {
    std::string out = std::string("[") + section + ":" + text + "]";
    lstrcpynA(text, out.c_str(), 260);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE Initialize(HINSTANCE) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE LoadSections(const char*) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE SetLanguage(LCID) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE GetLanguages(LCID*, int*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetLanguage(LCID*, int) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE LoadLanguage() override { return S_OK; }
};

struct NotifiedEvent {
  int code;
  INT_PTR p1, p2, p3;
};

class CRecordingNotify : public IModuleNotify {
 public:
  std::vector<NotifiedEvent> events;
  std::set<std::string> enabled;  // commands answered as enabled
  std::vector<std::string> queried;

  BOOL STDMETHODCALLTYPE Notify(int code, INT_PTR p1, INT_PTR p2, INT_PTR p3) override {
    events.push_back(NotifiedEvent{code, p1, p2, p3});
    if (code == MEV_QUERY_ENABLED) {
      const char* name = reinterpret_cast<const char*>(p1);
      queried.push_back(name);
      if (enabled.count(name)) *reinterpret_cast<int*>(p2) = 1;
    }
    return TRUE;
  }
  std::vector<int> Codes() const {
    std::vector<int> codes;
    for (const NotifiedEvent& e : events) codes.push_back(e.code);
    return codes;
  }
};
