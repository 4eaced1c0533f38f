#include "winfx/AppMessageBox.h"

#include "winfx/Seams.h"

int ShowAppBox(HWND owner, ILanguageTranslater* translator, IVarnoConfigEx* config,
               const char* text, const char* caption, UINT style, const AppBoxRules& rules) {
  std::string shownText, shownCaption;
  if (!MakeAppBoxText(translator, config, text, rules, &shownText) ||
      !MakeAppBoxText(translator, config, caption, rules, &shownCaption))
    return 0;
  return VrcMessageBox(owner, shownText.c_str(), shownCaption.c_str(), style);
}
