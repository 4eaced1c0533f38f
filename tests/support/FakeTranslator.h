// The tests' translator: texts with a scripted translation come back
// translated in every section; the others stay as they are, or, with
// markSections, come back as "[section:text]" so a test sees which section
// was asked. It records the menus' sections and keeps the language it is set
// to.
#pragma once
#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include "include/VarnoTranslator.h"

class CFakeTranslator : public ILanguageTranslater {
 public:
  std::map<std::string, std::string> translations;  // English -> shown text
  bool markSections = false;
  std::vector<std::string> menuSections;
  std::vector<std::string> dialogSections;  // TranslateDialog's sections
  LCID language = 1033;
  std::vector<LCID> languages;  // what GetLanguages offers
  std::vector<LCID> languagesSet;  // SetLanguage's arguments

  HRESULT STDMETHODCALLTYPE QueryInterface(const IID*, void** out) override {
    if (out) *out = NULL;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  HRESULT STDMETHODCALLTYPE TranslateDialog(HWND, const char* section) override {
    dialogSections.push_back(section ? section : "");
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE TranslateMenu(HMENU, const char* section) override {
    menuSections.push_back(section ? section : "");
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE TranslateString(char* text, const char* section) override {
    if (!text) return E_POINTER;
    enum { kTextRoom = 260 };  // the caller's buffer
    std::map<std::string, std::string>::const_iterator found = translations.find(text);
    if (found != translations.end())
      lstrcpynA(text, found->second.c_str(), kTextRoom);
    else if (markSections)
      lstrcpynA(text, ("[" + std::string(section ? section : "") + ":" + text + "]").c_str(),
                kTextRoom);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE Initialize(HINSTANCE) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE LoadSections(const char*) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE SetLanguage(LCID value) override {
    languagesSet.push_back(value);
    language = value;
    return S_OK;
  }
  // The scripted languages, as many as the caller has room for.
  HRESULT STDMETHODCALLTYPE GetLanguages(LCID* list, int* count) override {
    if (!count || (!list && *count > 0)) return E_POINTER;
    int written = 0;
    for (LCID offered : languages) {
      if (written >= *count) break;
      list[written++] = offered;
    }
    *count = written;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetLanguage(LCID* value, int) override {
    if (!value) return E_POINTER;
    *value = language;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE LoadLanguage() override { return S_OK; }
};
