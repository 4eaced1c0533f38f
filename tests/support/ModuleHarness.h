// The video module wired as the program wires it, in a window of the
// caller's own, over an installation of its own: the encoder stand-in and
// ffmpeg of the build's program folder, the shipped format profile, and a
// fixture engine in the place of the engine libraries (the module needs
// one to start). For the end-to-end tests and the runner's benchmark.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "modules/video/VideoModule.h"
#include "tests/support/InstallFixture.h"
#include "tests/support/ModuleHostFakes.h"
#include "tests/support/TestSupport.h"

class ModuleHarness : public InstallFixture {
 public:
  // false when the module could not be started.
  bool Start();
  void Stop();
  void UseOutputType(int index);
  CTaskRecord* Task(int index) { return module->GetTaskList().GetTask(index); }

  // Files of the build's program folder put into the installation over the
  // fixtures before the module starts (a real engine, for instance).
  std::vector<std::string> programFiles;
  CVideoModule* module = NULL;
  HWND window = NULL;
  IConverterView* view = NULL;
};

// A generated clip of the test build.
std::string Media(const char* name);
