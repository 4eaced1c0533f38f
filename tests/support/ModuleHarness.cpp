#include "tests/support/ModuleHarness.h"

#include <ole2.h>

std::string Media(const char* name) { return vrctest::TestFolder() + "runner_media\\" + name; }

bool ModuleHarness::Start() {
  CoInitialize(NULL);
  if (!Prepare()) return false;
  for (const std::string& file : programFiles)
    if (!vrctest::CopyInto(vrctest::ProgramFolder() + file, install.Path())) return false;
  module = new CVideoModule();
  module->SetHost(&registry);
  if (FAILED(module->InitInstance())) return false;
  window = CreateWindowExA(0, "STATIC", "host", WS_OVERLAPPEDWINDOW, 0, 0, 600, 400, NULL, NULL, NULL,
                           NULL);
  RECT rect = {0, 0, 500, 300};
  return SUCCEEDED(module->CreateView("VideoConverterTaskListView", window, &rect, "", &view));
}

void ModuleHarness::Stop() {
  if (!module) return;
  if (view) module->DestroyView(view);
  module->ExitInstance();
  module->Release();
  module = NULL;
  DestroyWindow(window);
  CoUninitialize();
}

void ModuleHarness::UseOutputType(int index) {
  configModule.config.Set("CurrentLastOutputTypeIndex", index);
  module->ApplyOutputSettings();
}
