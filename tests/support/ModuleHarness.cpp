#include "tests/support/ModuleHarness.h"

#include <ole2.h>

std::string Media(const char* name) { return vrctest::TestFolder() + "runner_media\\" + name; }

bool ModuleHarness::Start() {
  CoInitialize(NULL);
  // The encoder inherits the runner's inheritable handles; this program's
  // own output must not be one of them, or whoever reads it waits for the
  // encoder and its children too.
  for (DWORD which : {STD_INPUT_HANDLE, STD_OUTPUT_HANDLE, STD_ERROR_HANDLE})
    SetHandleInformation(GetStdHandle(which), HANDLE_FLAG_INHERIT, 0);
  std::string program = vrctest::ProgramFolder();
  for (const char* file : {"encoder.exe", "ffmpeg.exe"})
    if (!vrctest::CopyInto(program + file, install.Path())) return false;
  CopyFileA((vrctest::TestFolder() + "FixtureEngine.dll").c_str(), install.File("MuxCast.dll").c_str(),
            FALSE);
  vrctest::WriteFile(install.File("MuxCast.dll.rows"),
                     "[Input]\nNames=AVI,\n[Output]\nNames=AVI,\n[Factory]\nNull=0\n");
  CFakeConfig& config = configModule.config;
  config.SetText("InstallDirectory", install.Path());
  config.SetProfile(program + "Configs\\Formats.ini");
  config.SetText("CurrentSavePath", output.Path());
  config.SetText("OEMAppName", "Varno Reel Craft V2.0");
  config.Set("VideoQuality", 10);
  config.Set("MP3SamplingRate", 44100);
  config.Set("MP3Bitrate", 128);
  config.Set("MP3Channel", 3);  // mono
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
