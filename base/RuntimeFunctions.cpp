#include "base/RuntimeFunctions.h"

namespace {

// The library is loaded on the first look-up and never freed: the function
// may be called until the process ends, and freeing a library while the
// process detaches is not safe.
FARPROC LookUp(const char* library, const char* name) {
  HMODULE module = LoadLibraryA(library);
  return module ? GetProcAddress(module, name) : NULL;
}

}  // namespace

PFN_OleLoadPicture RuntimeOleLoadPicture() {
  static PFN_OleLoadPicture function =
      reinterpret_cast<PFN_OleLoadPicture>(LookUp("olepro32.dll", MAKEINTRESOURCEA(251)));
  return function;
}

PFN_WMCreateProfileManager RuntimeWMCreateProfileManager() {
  static PFN_WMCreateProfileManager function =
      reinterpret_cast<PFN_WMCreateProfileManager>(LookUp("wmvcore.dll", "WMCreateProfileManager"));
  return function;
}

PFN_HtmlHelpA RuntimeHtmlHelpA() {
  static PFN_HtmlHelpA function = reinterpret_cast<PFN_HtmlHelpA>(LookUp("hhctrl.ocx", "HtmlHelpA"));
  return function;
}

PFN_SetWindowTheme RuntimeSetWindowTheme() {
  static PFN_SetWindowTheme function =
      reinterpret_cast<PFN_SetWindowTheme>(LookUp("uxtheme.dll", "SetWindowTheme"));
  return function;
}

PFN_SetLayeredWindowAttributes RuntimeSetLayeredWindowAttributes() {
  static PFN_SetLayeredWindowAttributes function = reinterpret_cast<PFN_SetLayeredWindowAttributes>(
      LookUp("user32.dll", "SetLayeredWindowAttributes"));
  return function;
}
