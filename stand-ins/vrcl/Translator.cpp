#include "stand-ins/vrcl/Translator.h"

#include <stdio.h>
#include <new>
#include <string.h>

#include <unknwn.h>

#include "include/VarnoGuids.h"

namespace {

enum { kTextRoom = 260, kEnglish = 1033, kMaxMenuDepth = 8 };

// The folder of a module's file, with a trailing backslash; "" on failure.
std::string ModuleFolder(HMODULE module) {
  char path[MAX_PATH] = {0};
  DWORD length = GetModuleFileNameA(module, path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return std::string();
  std::string folder(path, length);
  size_t slash = folder.find_last_of("\\/");
  return slash == std::string::npos ? std::string() : folder.substr(0, slash + 1);
}

HMODULE ThisLibrary() {
  HMODULE module = NULL;
  GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                         GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                     reinterpret_cast<const char*>(&ThisLibrary), &module);
  return module;
}

BOOL CALLBACK TranslateChild(HWND child, LPARAM context);

struct DialogContext {
  class CTranslator* translator;
  const char* section;
};

}  // namespace

CTranslator::CTranslator() : m_refs(1), m_language(kEnglish) {}

HRESULT CTranslator::QueryInterface(const IID* iid, void** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  if (!iid || (!IsEqualGUID(*iid, IID_ILanguageTranslater) && !IsEqualGUID(*iid, IID_IUnknown)))
    return E_NOINTERFACE;
  *out = static_cast<ILanguageTranslater*>(this);
  AddRef();
  return S_OK;
}

ULONG CTranslator::AddRef() { return static_cast<ULONG>(InterlockedIncrement(&m_refs)); }

ULONG CTranslator::Release() {
  LONG refs = InterlockedDecrement(&m_refs);
  if (refs == 0) delete this;
  return static_cast<ULONG>(refs);
}

HRESULT CTranslator::Initialize(HINSTANCE hInstance) {
  m_folder = ModuleFolder(hInstance ? hInstance : ThisLibrary());
  return m_folder.empty() ? E_FAIL : S_OK;
}

HRESULT CTranslator::LoadSections(const char* sections) {
  if (!sections) return E_POINTER;
  m_wanted.clear();
  for (const char* start = sections; *start;) {
    const char* end = strchr(start, ';');
    size_t length = end ? static_cast<size_t>(end - start) : strlen(start);
    if (length) m_wanted.insert(std::string(start, length));
    if (!end) break;
    start = end + 1;
  }
  return S_OK;
}

std::vector<CTranslator::LanguageFile> CTranslator::FindLanguageFiles() const {
  std::vector<LanguageFile> files;
  if (m_folder.empty()) return files;
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((m_folder + "vrcl-*.txt").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return files;
  do {
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
    CTranslationFile header;
    std::string path = m_folder + found.cFileName;
    if (header.LoadHeader(path)) files.push_back({header.GetLanguage(), path});
  } while (FindNextFileA(search, &found));
  FindClose(search);
  return files;
}

std::string CTranslator::FileOf(LCID language) const {
  for (const LanguageFile& file : FindLanguageFiles())
    if (file.language == language) return file.path;
  return std::string();
}

HRESULT CTranslator::LoadLanguage() {
  if (m_folder.empty()) return E_UNEXPECTED;
  // The stored choice; else the user's own language when there is a file
  // for it; else English, whose texts are the keys themselves.
  LCID language = GetPrivateProfileIntA("Language", "LCID", 0, ChoiceFile().c_str());
  if (!language || FileOf(language).empty()) language = GetUserDefaultUILanguage();
  if (FileOf(language).empty()) language = kEnglish;
  m_language = language;
  m_file.Clear();
  std::string path = FileOf(language);
  if (!path.empty()) m_file.Load(path, m_wanted);
  return S_OK;
}

HRESULT CTranslator::SetLanguage(LCID language) {
  if (m_folder.empty()) return E_UNEXPECTED;
  std::string path = FileOf(language);
  if (path.empty() && language != kEnglish) return E_INVALIDARG;
  char text[16];
  snprintf(text, sizeof(text), "%lu", static_cast<unsigned long>(language));
  m_language = language;
  m_file.Clear();
  if (!path.empty()) m_file.Load(path, m_wanted);
  // Kept for the next start as best effort: a read-only program folder must
  // not stop the change for this run.
  WritePrivateProfileStringA("Language", "LCID", text, ChoiceFile().c_str());
  return S_OK;
}

HRESULT CTranslator::GetLanguages(LCID* list, int* count) {
  if (!list || !count) return E_POINTER;
  std::vector<LanguageFile> files = FindLanguageFiles();
  int written = 0;
  for (const LanguageFile& file : files) {
    if (written >= *count) break;
    list[written++] = file.language;
  }
  *count = written;
  return S_OK;
}

HRESULT CTranslator::GetLanguage(LCID* language, int) {
  if (!language) return E_POINTER;
  *language = m_language;
  return S_OK;
}

HRESULT CTranslator::TranslateString(char* text, const char* section) {
  if (!text || !section) return E_POINTER;
  const std::string* translation = m_file.Find(section, text);
  if (!translation) return S_OK;  // unknown texts stay as they are
  size_t length = translation->size();
  if (length > kTextRoom - 1) length = kTextRoom - 1;
  memcpy(text, translation->data(), length);
  text[length] = '\0';
  return S_OK;
}

void CTranslator::TranslateWindowText(HWND window, const char* section) {
  char text[kTextRoom] = {0};
  if (GetWindowTextA(window, text, kTextRoom) <= 0) return;
  const std::string* translation = m_file.Find(section, text);
  if (translation) SetWindowTextA(window, translation->substr(0, kTextRoom - 1).c_str());
}

namespace {
// Edit boxes and combo boxes (with the edit inside a combo) hold the user's
// values, not labels: their text is never translated.
bool HoldsUserText(HWND window) {
  char name[64] = {0};
  if (!GetClassNameA(window, name, sizeof(name))) return false;
  for (const char* kind : {"Edit", "ComboBox", "RichEdit"})
    if (CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, name, lstrlenA(kind), kind, -1) ==
        CSTR_EQUAL)
      return true;
  return false;
}

BOOL CALLBACK TranslateChild(HWND child, LPARAM context) {
  DialogContext* dialog = reinterpret_cast<DialogContext*>(context);
  if (HoldsUserText(child)) return TRUE;
  char text[kTextRoom] = {0};
  if (GetWindowTextA(child, text, kTextRoom) > 0 &&
      SUCCEEDED(dialog->translator->TranslateString(text, dialog->section)))
    SetWindowTextA(child, text);
  return TRUE;
}
}  // namespace

HRESULT CTranslator::TranslateDialog(HWND hDialog, const char* section) {
  if (!hDialog || !IsWindow(hDialog)) return E_INVALIDARG;
  if (!section) return E_POINTER;
  TranslateWindowText(hDialog, section);
  DialogContext context = {this, section};
  EnumChildWindows(hDialog, TranslateChild, reinterpret_cast<LPARAM>(&context));
  return S_OK;
}

void CTranslator::TranslateMenuItems(HMENU menu, const char* section, int depth) {
  if (depth > kMaxMenuDepth) return;
  int count = GetMenuItemCount(menu);
  for (int i = 0; i < count; ++i) {
    char text[kTextRoom] = {0};
    MENUITEMINFOA item = {};
    item.cbSize = sizeof(item);
    item.fMask = MIIM_FTYPE | MIIM_STRING | MIIM_SUBMENU;
    item.dwTypeData = text;
    item.cch = kTextRoom;
    if (!GetMenuItemInfoA(menu, i, TRUE, &item)) continue;
    if (!(item.fType & (MFT_SEPARATOR | MFT_BITMAP | MFT_OWNERDRAW)) && text[0]) {
      TranslateString(text, section);
      MENUITEMINFOA change = {};
      change.cbSize = sizeof(change);
      change.fMask = MIIM_STRING;
      change.dwTypeData = text;
      SetMenuItemInfoA(menu, i, TRUE, &change);
    }
    if (item.hSubMenu) TranslateMenuItems(item.hSubMenu, section, depth + 1);
  }
}

HRESULT CTranslator::TranslateMenu(HMENU hMenu, const char* section) {
  if (!hMenu || !IsMenu(hMenu)) return E_INVALIDARG;
  if (!section) return E_POINTER;
  TranslateMenuItems(hMenu, section, 0);
  return S_OK;
}

extern "C" HRESULT WINAPI CreateTranslater(const IID* iid, void** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  CTranslator* translator = new (std::nothrow) CTranslator();
  if (!translator) return E_OUTOFMEMORY;
  HRESULT hr = translator->QueryInterface(iid, out);
  translator->Release();
  return hr;
}
