// The language library's translator: English texts are the keys; the
// translations of the chosen language come from its file beside the
// library. The choice is kept in "vrcl.ini" beside the library for the next
// start.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "include/VarnoTranslator.h"
#include "stand-ins/vrcl/TranslationFile.h"

class CTranslator : public ILanguageTranslater {
 public:
  CTranslator();
  virtual ~CTranslator() {}

  HRESULT STDMETHODCALLTYPE QueryInterface(const IID* iid, void** out) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;
  HRESULT STDMETHODCALLTYPE TranslateDialog(HWND hDialog, const char* section) override;
  HRESULT STDMETHODCALLTYPE TranslateMenu(HMENU hMenu, const char* section) override;
  HRESULT STDMETHODCALLTYPE TranslateString(char* text, const char* section) override;
  HRESULT STDMETHODCALLTYPE Initialize(HINSTANCE hInstance) override;
  HRESULT STDMETHODCALLTYPE LoadSections(const char* sections) override;
  HRESULT STDMETHODCALLTYPE SetLanguage(LCID language) override;
  HRESULT STDMETHODCALLTYPE GetLanguages(LCID* list, int* count) override;
  HRESULT STDMETHODCALLTYPE GetLanguage(LCID* language, int reserved) override;
  HRESULT STDMETHODCALLTYPE LoadLanguage() override;

 private:
  struct LanguageFile {
    LCID language;
    std::string path;
  };
  std::vector<LanguageFile> FindLanguageFiles() const;
  std::string FileOf(LCID language) const;
  std::string ChoiceFile() const { return m_folder + "vrcl.ini"; }
  void TranslateWindowText(HWND window, const char* section);
  void TranslateMenuItems(HMENU menu, const char* section, int depth);

  LONG m_refs;
  std::string m_folder;  // with a trailing backslash
  SectionSet m_wanted;
  LCID m_language;
  CTranslationFile m_file;
};
