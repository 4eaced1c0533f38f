#include "tests/support/InstallFixture.h"

bool InstallFixture::Prepare() {
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
  return true;
}
