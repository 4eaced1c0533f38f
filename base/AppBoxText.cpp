#include "base/AppBoxText.h"

#include "base/Strings.h"

namespace {
enum { kTranslationRoom = 260, kAppNameRoom = 512 };
}  // namespace

BOOL MakeAppBoxText(ILanguageTranslater* translator, IVarnoConfigEx* config, const char* text,
                    const AppBoxRules& rules, std::string* shown) {
  if (!shown) return FALSE;
  if (!translator && rules.needTranslator) return FALSE;
  // The translator works in place in a buffer of its own size.
  char buffer[kTranslationRoom];
  CopyBounded(buffer, sizeof(buffer), text);
  if (translator && FAILED(translator->TranslateString(buffer, "MessageBoxes")) &&
      rules.needTranslator)
    return FALSE;
  buffer[sizeof(buffer) - 1] = '\0';
  // The application name may be long: the text grows in a string of its own.
  std::string result = buffer;
  char appName[kAppNameRoom] = {0};
  if (config && config->GetString("OEMAppName", appName, sizeof(appName), 0)) {
    appName[sizeof(appName) - 1] = '\0';
    result = ReplaceAll(result, "APPNAME", appName);
  }
  if (rules.limit > 0 && result.size() > rules.limit) result.resize(rules.limit);
  *shown = result;
  return TRUE;
}
