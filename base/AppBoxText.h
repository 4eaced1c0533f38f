// The texts of the application's message boxes as the user reads them:
// translated in the "MessageBoxes" section, every "APPNAME" replaced by the
// configuration's "OEMAppName".
#pragma once
#include <string>

#include "include/VarnoConfig.h"
#include "include/VarnoTranslator.h"

struct AppBoxRules {
  size_t limit;         // the most characters a shown text keeps; 0: no limit
  bool needTranslator;  // no box without a translator that succeeds
};

// FALSE (and *shown untouched) when the rules need a translator and it is
// missing or fails; a text without translation stays English.
BOOL MakeAppBoxText(ILanguageTranslater* translator, IVarnoConfigEx* config, const char* text,
                    const AppBoxRules& rules, std::string* shown);
