// A maintainer's helper for looking at the settings dialogs (it does not
// ship and no test runs it): loads the program folder's OptionVault.dll,
// starts it, sets the translator's language and shows one dialog until the
// user closes it. "config_dialog_show <dialog id> [LCID] [output type index]".
#include <windows.h>
#include <stdio.h>
#include <stdlib.h>

#include "base/Handles.h"
#include "include/VarnoConfig.h"
#include "include/VarnoGuids.h"
#include "include/VarnoModule.h"
#include "include/VarnoTranslator.h"
#include "tests/support/TestSupport.h"

int main(int argc, char** argv) {
  if (argc < 2) {
    fprintf(stderr, "usage: config_dialog_show <dialog id> [LCID] [output type index]\n");
    return 2;
  }
  CComInit com;
  CLibrary library;
  if (!library.Load((vrctest::ProgramFolder() + "OptionVault.dll").c_str())) return 3;
  typedef IModule*(WINAPI * PFN_Create)();
  PFN_Create create = reinterpret_cast<PFN_Create>(library.Find(MAKEINTRESOURCEA(1)));
  IModule* module = create ? create() : NULL;
  if (!module || FAILED(module->InitInstance())) return 4;
  IVarnoConfigEx* config = NULL;
  ILanguageTranslater* translator = NULL;
  module->QueryInterface(&IID_IVarnoConfigEx, reinterpret_cast<void**>(&config));
  module->QueryInterface(&IID_ILanguageTranslater, reinterpret_cast<void**>(&translator));
  LCID before = 0;
  if (translator) translator->GetLanguage(&before, 0);
  if (argc > 2 && translator) translator->SetLanguage(static_cast<LCID>(atoi(argv[2])));
  if (argc > 3 && config) config->SetInt("VideoLastOutputTypeIndex", atoi(argv[3]), 0);
  int result = config ? config->ShowDialog(atoi(argv[1]), 0) : -1;
  printf("ShowDialog answered %d\n", result);
  if (translator && before) translator->SetLanguage(before);
  module->Release();
  return 0;
}
