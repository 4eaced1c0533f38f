// A conversion module's installation for end-to-end tests.
#pragma once
#include <windows.h>

#include "tests/support/ModuleHostFakes.h"
#include "tests/support/TestSupport.h"

// The installation that a conversion module starts in: the encoder
// stand-in and ffmpeg, a fixture engine as MuxCast.dll, the shipped format
// profile, an output folder, and the configuration module that names them.
class InstallFixture {
 public:
  InstallFixture() {
    configModule.config.SeedModelSettings();
    registry.configModule = &configModule;
  }
  // false when the installation could not be laid out.
  bool Prepare();

  CFakeConfigModule configModule;
  CFakeRegistry registry;  // the module's host: the configuration module alone
  vrctest::TempDir install, output;
};
