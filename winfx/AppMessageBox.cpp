#include "winfx/AppMessageBox.h"

#include "winfx/Seams.h"

namespace {
BOOL CALLBACK FindShownWindow(HWND hWnd, LPARAM found) {
  if (!IsWindowVisible(hWnd) || !IsWindowEnabled(hWnd) || GetWindow(hWnd, GW_OWNER)) return TRUE;
  *reinterpret_cast<HWND*>(found) = hWnd;
  return FALSE;
}
}  // namespace

int ShowAppBox(HWND owner, ILanguageTranslater* translator, IVarnoConfigEx* config,
               const char* text, const char* caption, UINT style, const AppBoxRules& rules) {
  std::string shownText, shownCaption;
  if (!MakeAppBoxText(translator, config, text, rules, &shownText) ||
      !MakeAppBoxText(translator, config, caption, rules, &shownCaption))
    return 0;
  return VrcMessageBox(owner, shownText.c_str(), shownCaption.c_str(), style);
}

HWND ThreadMainWindow() {
  HWND active = GetActiveWindow();
  if (active) return GetAncestor(active, GA_ROOTOWNER);
  HWND shown = NULL;
  EnumThreadWindows(GetCurrentThreadId(), FindShownWindow, reinterpret_cast<LPARAM>(&shown));
  return shown;
}
