// The model of one conversion module set up for a test: an install folder
// with fixture engines and a fixture format profile, an output folder, the
// fake configuration, the converter manager and the task list; and a media
// probe whose answer the test scripts.
#pragma once
#include <string>

#include <vector>

#include "base/Handles.h"
#include "modules/framework/model/ConverterManager.h"
#include "modules/framework/model/TaskList.h"
#include "tests/support/FakeConfig.h"
#include "tests/support/TestSupport.h"

// What the scripted probe reports for every file.
struct ScriptedMedia {
  int result = 0;
  DWORD videoBitRate = 1000000;
  LONGLONG frameDuration = 400000;  // 25 frames per second
  int width = 320, height = 240;
  DWORD compression = 0;
  int sampleRate = 44100, channels = 2, bits = 16;
  DWORD bytesPerSecond = 176400;
  std::string mediaTime = "00:00:03";
};
extern ScriptedMedia g_scriptedMedia;
int ScriptedProbe(VIDEOINFOHEADER* video, WAVEFORMATEX* audio, const char* path,
                  std::string* mediaTime);

// A small profile: [OT0] type 0, [OT1] type 1, [OT2] type 5, [OT3] type 6,
// [OT4] type 7, [OT5] type 2, each with a distinct description.
extern const char kBasicProfile[];

// COM for the calling thread, as the module's player object starts it.
typedef CComInit ComScope;

class ModelFixture {
 public:
  ModelFixture();
  // A copy of the fixture engine under `fileName`, offering these names
  // (comma lists with a trailing comma, as "AVI,ASF,").
  void AddEngine(const std::string& fileName, const std::string& inputs,
                 const std::string& outputs, bool nullFactory = false);
  // The fixture codec library as VarnoCodec.dll with this script.
  void AddCodec(const std::string& script);
  void WriteProfile(const std::string& text);
  // An empty source file in the source folder; returns its path.
  std::string Source(const std::string& name);
  // Manager and task list wired to the configuration; the manager's result.
  bool Init();
  void UseOutputType(int index) { config.Set("CurrentLastOutputTypeIndex", index); }


  ComScope com;
  vrctest::TempDir install, sources, output;
  CFakeConfig config;
  CConverterManager manager;
  CTaskList list;
};
