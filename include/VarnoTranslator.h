// The translator that the language library creates and the configuration
// object hands out. English texts are the keys, looked up by section.
#pragma once
#include <windows.h>

struct ILanguageTranslater {
  virtual HRESULT STDMETHODCALLTYPE QueryInterface(const IID* iid, void** out) = 0;
  virtual ULONG STDMETHODCALLTYPE AddRef() = 0;
  virtual ULONG STDMETHODCALLTYPE Release() = 0;
  virtual HRESULT STDMETHODCALLTYPE TranslateDialog(HWND hDialog, const char* section) = 0;
  virtual HRESULT STDMETHODCALLTYPE TranslateMenu(HMENU hMenu, const char* section) = 0;
  // text: a 260-character buffer, replaced in place and terminated.
  virtual HRESULT STDMETHODCALLTYPE TranslateString(char* text, const char* section) = 0;
  virtual HRESULT STDMETHODCALLTYPE Initialize(HINSTANCE hInstance) = 0;
  // sections: ";"-separated names.
  virtual HRESULT STDMETHODCALLTYPE LoadSections(const char* sections) = 0;
  virtual HRESULT STDMETHODCALLTYPE SetLanguage(LCID language) = 0;
  // count: the capacity of list in, the number of languages out.
  virtual HRESULT STDMETHODCALLTYPE GetLanguages(LCID* list, int* count) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetLanguage(LCID* language, int reserved) = 0;
  virtual HRESULT STDMETHODCALLTYPE LoadLanguage() = 0;
};

// The language library's export at ordinal 1.
typedef HRESULT(WINAPI* PFN_CreateTranslater)(const IID* iid, void** out);
