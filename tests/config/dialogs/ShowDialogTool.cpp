// A maintainer's helper for looking at the settings dialogs (it does not
// ship and no test runs it): starts the configuration object on a
// throw-away installation, as the dialog tests do, sets the translator's
// language and shows one dialog until the user closes it.
// "config_dialog_show <dialog id> [LCID] [output type index]".
#include <windows.h>
#include <stdio.h>
#include <stdlib.h>

#include "base/Handles.h"
#include "config/ConfigModule.h"
#include "tests/config/ConfigTestSupport.h"

int main(int argc, char** argv) {
  if (argc < 2) {
    fprintf(stderr, "usage: config_dialog_show <dialog id> [LCID] [output type index]\n");
    return 2;
  }
  CComInit com;
  configtest::Installation install;
  CConfigModule* module = new CConfigModule();
  if (FAILED(module->InitInstance())) {
    fprintf(stderr, "the configuration did not start\n");
    module->Release();
    return 4;
  }
  if (argc > 2) module->GetTranslator()->SetLanguage(static_cast<LCID>(atoi(argv[2])));
  if (argc > 3) module->SetInt("VideoLastOutputTypeIndex", atoi(argv[3]), 0);
  printf("ShowDialog answered %d\n", module->ShowDialog(atoi(argv[1]), 0));
  module->Release();
  return 0;
}
