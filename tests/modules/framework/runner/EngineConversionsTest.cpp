// The conversions through an engine: the calling order, the configuration
// texts, the output deleted on every result but success, and no temporary
// file left behind.
#include <gtest/gtest.h>

#include "tests/modules/framework/runner/RunnerFixture.h"
#include "tests/support/RecordingEngine.h"
#include "tests/support/TestSupport.h"

namespace {

// A converter manager whose one engine is the test's, for every pair of
// formats that the test names.
class CSingleEngineManager : public CConverterManager {
 public:
  CRecordingEngine engine;
  std::string serves;  // "ASF>AVI"; empty: none
  std::vector<std::string> asked;
  IConvertEngine* FindEngine(const char* input, const char* output) override {
    asked.push_back(std::string(input) + ">" + output);
    return serves == asked.back() ? &engine : NULL;
  }
};

struct EngineRun {
  RunnerFixture f;
  CConvertRunner runner;
  CSingleEngineManager manager;
  CTaskRecord task;
  vrctest::TempDir install;

  explicit EngineRun(const char* serves, const char* source = "clip.avi") {
    f.Wire(&runner);
    runner.SetConverterManager(&manager);
    manager.serves = serves;
    f.model.config.SetText("InstallDirectory", install.Path());
    f.model.config.SetText("ImageTempFolder", "C:\\imagetemp");
    task.Clear();
    task.sourcePath = f.model.Source(source);
    task.outputPath = f.model.output.File("out.bin");
    task.videoCodecId = 3;
    task.audioCodecId = 1;
    task.width = 160;
    task.height = 120;
    task.videoQuality = 85;
  }
};

TEST(EngineConversions, CallOrderAndConfigurationByMethod) {
  struct Row {
    const char* name;
    const char* serves;
    int (CConvertRunner::*method)(CTaskRecord, IConvertProgress*, IConvertEngine**);
    std::string config;  // "" : checked by the row's own test below
  } rows[] = {
      {"AVI through the recompression engine", "ASF>AVI", &CConvertRunner::ConvertToAVI,
       "CODECINDEX3;1"},
      {"still image through the image tool", "BMP>JPG", &CConvertRunner::ConvertToImage, ""},
  };
  for (const Row& row : rows) {
    EngineRun run(row.serves);
    IConvertEngine* current = (IConvertEngine*)1;
    EXPECT_EQ(1, (run.runner.*row.method)(run.task, NULL, &current)) << row.name;
    EXPECT_EQ(NULL, current) << row.name;
    std::string config = row.config.empty() ? run.install.Path() + "Alchemy.exe;C:\\imagetemp;160;120;85"
                                            : row.config;
    EXPECT_EQ((std::vector<std::string>{"Reset", "LoadConfigFile:" + config,
                                        "Convert:" + run.task.sourcePath, "Reset"}),
              run.manager.engine.calls)
        << row.name;
    EXPECT_TRUE(vrctest::FileExists(run.task.outputPath)) << row.name;
  }
}

// An engine that cannot be set up on this machine (under Wine the AVI
// multiplexer) is asked once a batch: its box is shown once, and every row
// still ends failed.
TEST(EngineConversions, AnEngineThatCannotBeSetUpIsAskedOnceABatch) {
  EngineRun run("ASF>AVI");
  for (const char* name : {"a.avi", "b.avi", "c.avi"}) {
    CTaskRecord* task = run.f.AddTask(name);
    ASSERT_TRUE(task);
    task->outputType = 0;
  }
  run.manager.engine.convertResult = ENGINE_CANNOT_SET_UP;
  auto converts = [&run] {
    int count = 0;
    for (const std::string& call : run.manager.engine.calls) count += call.compare(0, 8, "Convert:") == 0;
    return count;
  };
  for (int batch = 1; batch <= 2; ++batch) {
    run.runner.Run();
    EXPECT_EQ(batch, converts()) << "batch " << batch;
    for (int i = 0; i < 3; ++i) {
      EXPECT_EQ("Convert Failed", run.f.model.list.GetTask(i)->stateText) << "batch " << batch;
      EXPECT_FALSE(vrctest::FileExists(run.f.model.list.GetTask(i)->outputPath));
    }
  }
}

TEST(EngineConversions, OutputDeletedOnEveryResultButSuccess) {
  struct Row {
    const char* name;
    int accept, convertResult, expected;
  } rows[] = {
      {"a refused configuration", 0, 1, 0},
      {"a failed conversion", 1, 0, 0},
      {"a stopped conversion", 1, 2, 2},
  };
  for (const Row& row : rows) {
    for (const char* serves : {"ASF>AVI", "BMP>JPG", "ASF>ASF"}) {
      EngineRun run(serves);
      vrctest::WriteFile(run.install.File("ASF3.prx"), "<profile/>");
      run.manager.engine.acceptConfig = row.accept;
      run.manager.engine.convertResult = row.convertResult;
      vrctest::WriteFile(run.task.outputPath, "old");
      int result = std::string(serves) == "ASF>AVI"   ? run.runner.ConvertToAVI(run.task, NULL, NULL)
                   : std::string(serves) == "BMP>JPG" ? run.runner.ConvertToImage(run.task, NULL, NULL)
                                                      : run.runner.ConvertToASF(run.task, NULL, NULL);
      EXPECT_EQ(row.expected, result) << row.name << " " << serves;
      EXPECT_FALSE(vrctest::FileExists(run.task.outputPath)) << row.name << " " << serves;
      EXPECT_EQ("Reset", run.manager.engine.calls.back()) << row.name << " " << serves;
    }
  }
}

TEST(EngineConversions, MissingEngineResults) {
  EngineRun run("");
  EXPECT_EQ(kResultNotAvailable, run.runner.ConvertToAVI(run.task, NULL, NULL));
  EXPECT_EQ(kResultNotAvailable, run.runner.ConvertToASF(run.task, NULL, NULL));
  EXPECT_EQ(kResultFailed, run.runner.ConvertToImage(run.task, NULL, NULL));
  EXPECT_EQ((std::vector<std::string>{"ASF>AVI", "ASF>ASF", "BMP>JPG"}), run.manager.asked);
}

TEST(EngineConversions, AsfReadsTheProfileUnderTheIndicesName) {
  EngineRun run("ASF>ASF");
  vrctest::WriteFile(run.install.File("ASF3.prx"), "<profile version=\"589824\"/>");
  ASSERT_EQ(1, run.runner.ConvertToASF(run.task, NULL, NULL));
  std::string copy = run.install.File("CODECINDEX3;1");
  EXPECT_EQ((std::vector<std::string>{"Reset", "LoadConfigFile:" + copy,
                                      "Convert:" + run.task.sourcePath, "Reset"}),
            run.manager.engine.calls);
  EXPECT_EQ("<profile version=\"589824\"/>", run.manager.engine.configFileText);
  EXPECT_FALSE(vrctest::FileExists(copy)) << "the copy is removed after the run";
}

TEST(EngineConversions, AsfWithoutItsProfileFailsAndLeavesNoOutput) {
  EngineRun run("ASF>ASF");
  EXPECT_EQ(kResultFailed, run.runner.ConvertToASF(run.task, NULL, NULL));
  EXPECT_TRUE(run.manager.engine.calls.empty());
  EXPECT_FALSE(vrctest::FileExists(run.task.outputPath));
}

TEST(EngineConversions, NoTemporaryFileLeftBehind) {
  std::vector<std::string> before = vrctest::RunnerTempFiles();
  {
    EngineRun run("ASF>AVI");  // an AVI source straight to the engine
    EXPECT_EQ(1, run.runner.ConvertToAVI(run.task, NULL, NULL));
  }
  {
    // A RealMedia source needs StreamCast first, which is not installed.
    EngineRun run("ASF>AVI", "clip.rmvb");
    EXPECT_EQ(kResultNotAvailable, run.runner.ConvertToAVI(run.task, NULL, NULL));
    EXPECT_TRUE(run.manager.engine.calls.empty());
  }
  EXPECT_EQ(before, vrctest::RunnerTempFiles());
}

TEST(EngineConversions, StreamCastMissingFailsWithoutOutput) {
  EngineRun run("");
  EXPECT_EQ(kResultFailed, run.runner.ConvertWithStreamCast(run.task, NULL, NULL));
  EXPECT_FALSE(vrctest::FileExists(run.task.outputPath));
}

}  // namespace
