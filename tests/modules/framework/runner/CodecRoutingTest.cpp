// ConvertToMPEG4 against the fixture codec library and a runner whose
// encoder is a recorder: which road each source takes, the two stages, the
// two passes and their progress, the segments, and no temporary file left
// behind on any of these roads.
#include <gtest/gtest.h>

#include "tests/modules/framework/runner/RunnerFixture.h"
#include "tests/support/TestSupport.h"

namespace {

const char kCommands[] =
    "[COMMOND]\n0=-i |INPUTFILE |-f |OUTPUTFORMAT |-y |OUTPUTFILE |\n"
    "1=-i |INPUTFILE |-an |-y |OUTPUTFILE |\n";

// The encoder's conversions are recorded instead of run; a first stage
// writes its intermediate file as the encoder would.
class RecordingRunner : public CConvertRunner {
 public:
  int ConvertWithEncoder(CTaskRecord task, IConvertProgress*, IConvertEngine**, int bypass,
                         int firstStage) override {
    encoder.push_back("encoder bypass=" + std::to_string(bypass) + " first=" +
                      std::to_string(firstStage));
    if (firstStage && encoderResult == 1) vrctest::WriteFile(task.outputPath, "first stage");
    firstStageOutput = firstStage ? task.outputPath : firstStageOutput;
    encoderSources.push_back(task.sourcePath);
    return encoderResult;
  }
  std::vector<std::string> encoder;
  std::vector<std::string> encoderSources;
  std::string firstStageOutput;
  int encoderResult = 1;
};

class ProgressRecorder : public IConvertProgress {
 public:
  int STDMETHODCALLTYPE Progress(int kind, int value, int* abort) override {
    reports.push_back(std::to_string(kind) + ":" + std::to_string(value));
    if (abort) *abort = abortAtOnce;
    return 1;
  }
  std::vector<std::string> reports;
  int abortAtOnce = 0;
};

struct CodecRun {
  RunnerFixture f;
  RecordingRunner runner;
  CTaskRecord task;
  ProgressRecorder progress;

  explicit CodecRun(const char* source, const std::string& codecScript = "[Main]\nResult=0\n") {
    f.model.WriteProfile(std::string(kBasicProfile) + kCommands);
    f.model.AddCodec(codecScript + "Record=" + f.model.install.File("argv.txt") + "\n");
    f.model.AddEngine("MuxCast.dll", "AVI,", "AVI,");  // the manager needs an engine
    EXPECT_TRUE(f.model.Init());
    f.Wire(&runner);
    task.Clear();
    task.outputType = 5;
    task.sourcePath = f.model.Source(source);
    task.outputPath = f.model.output.File("out.mp4");
    task.hasVideo = task.hasAudio = 1;
    task.mediaTime = "00:00:10";
    f.model.config.Set("Splitter", 0);
    f.model.config.Set("Used2Pass", 0);
  }
  // Each call of mainCodec: its arguments joined by "|".
  std::vector<std::string> CodecCalls() {
    return vrctest::Lines(vrctest::ReadFile(f.model.install.File("argv.txt")));
  }
};

TEST(ConvertToMPEG4, RoutingBySourceRetryAndTemplate) {
  struct Row {
    const char* name;
    const char* source;
    int retry;
    int vcdChannel;
    const char* xvidTemplate;  // replaces the profile's template when set
    int encoderResult;
    std::vector<std::string> encoder;
    int codecCalls;
    int result;
  } rows[] = {
      {"an AVI source goes to the codec library", "clip.avi", 0, 0, NULL, 1, {}, 1, 1},
      {"a RealMedia source goes to the encoder", "clip.rmvb", 0, 0, NULL, 1,
       {"encoder bypass=0 first=0"}, 0, 1},
      {"so does a QuickTime source, whatever the case", "clip.mov", 0, 0, NULL, 1,
       {"encoder bypass=0 first=0"}, 0, 1},
      {"and an MP4 source, with the encoder's result", "clip.MP4", 0, 0, NULL, 0,
       {"encoder bypass=0 first=0"}, 0, 0},
      {"a VCD track takes two stages", "clip.dat", 0, 0, NULL, 1, {"encoder bypass=0 first=1"}, 1, 1},
      {"a VCD track of channel 2 goes straight to the library", "clip.dat", 0, 2, NULL, 1, {}, 1, 1},
      {"a retry takes two stages", "clip.avi", 1, 0, NULL, 1, {"encoder bypass=0 first=1"}, 1, 1},
      {"a failed first stage makes the method unavailable", "clip.avi", 1, 0, NULL, 0,
       {"encoder bypass=0 first=1"}, 0, 3},
      {"an xvid template goes to the encoder with the bypass", "clip.avi", 0, 0,
       "-vcodec |xvid |OUTPUTFILE |", 1, {"encoder bypass=1 first=0"}, 0, 1},
  };
  for (const Row& row : rows) {
    std::vector<std::string> before = vrctest::RunnerTempFiles();
    CodecRun run(row.source);
    if (row.xvidTemplate)
      run.f.model.WriteProfile(std::string(kBasicProfile) + "[COMMOND]\n0=" + row.xvidTemplate + "\n");
    run.f.model.config.Set("VCDChannel", row.vcdChannel);
    run.runner.encoderResult = row.encoderResult;
    EXPECT_EQ(row.result, run.runner.ConvertToMPEG4(run.task, &run.progress, NULL, row.retry))
        << row.name;
    EXPECT_EQ(row.encoder, run.runner.encoder) << row.name;
    std::vector<std::string> calls = run.CodecCalls();
    EXPECT_EQ((size_t)row.codecCalls, calls.size()) << row.name;
    // The second stage converts what the first one made, not the source.
    if (!run.runner.firstStageOutput.empty() && !calls.empty()) {
      EXPECT_EQ("-i|" + run.runner.firstStageOutput + "|-f|mp4|-y|" + run.task.outputPath, calls[0])
          << row.name;
    } else if (!calls.empty()) {
      EXPECT_NE(std::string::npos, calls[0].find("-i|" + run.task.sourcePath + "|")) << row.name;
    }
    EXPECT_EQ(before, vrctest::RunnerTempFiles()) << row.name << ": a temporary file stayed";
  }
}

// In two stages an xvid template sends the task itself to the encoder, not
// the intermediate file that the first stage made.
TEST(ConvertToMPEG4, AnXvidTemplateInTwoStagesConvertsTheSource) {
  CodecRun run("clip.avi");
  run.f.model.WriteProfile(std::string(kBasicProfile) + "[COMMOND]\n0=-vcodec |xvid |OUTPUTFILE |\n");
  EXPECT_EQ(1, run.runner.ConvertToMPEG4(run.task, &run.progress, NULL, 1));
  EXPECT_EQ((std::vector<std::string>{"encoder bypass=0 first=1", "encoder bypass=1 first=0"}),
            run.runner.encoder);
  ASSERT_EQ(2u, run.runner.encoderSources.size());
  EXPECT_EQ(run.task.sourcePath, run.runner.encoderSources[1]);
  EXPECT_TRUE(run.CodecCalls().empty());
}

// A task of a kind that the profile has no template for fails at once; it
// never runs with the template of the task before it.
TEST(ConvertToMPEG4, NoTemplateForTheTaskFailsWithoutStaleArguments) {
  CodecRun run("clip.avi");
  ASSERT_EQ(1, run.runner.ConvertToMPEG4(run.task, &run.progress, NULL, 0));
  ASSERT_EQ(1u, run.CodecCalls().size());
  CTaskRecord soundOnly = run.task;
  soundOnly.hasVideo = 0;  // key "2", which the profile lacks
  EXPECT_EQ(0, run.runner.ConvertToMPEG4(soundOnly, &run.progress, NULL, 0));
  EXPECT_EQ(0, run.runner.ConvertToMPEG4(soundOnly, &run.progress, NULL, 1)) << "nor on the retry";
  EXPECT_EQ(1u, run.CodecCalls().size()) << "the previous task's arguments were used";
  EXPECT_TRUE(run.runner.encoder.empty());
  std::vector<std::string> arguments = {"stale"};
  EXPECT_FALSE(run.runner.BuildCodecArgs(soundOnly, &arguments, ""));
  EXPECT_TRUE(arguments.empty());
}

TEST(ConvertToMPEG4, TwoPassesReportOneRunAndLeaveNoTemporaryFile) {
  std::vector<std::string> before = vrctest::RunnerTempFiles();
  {
    CodecRun run("clip.avi");
    run.f.model.config.Set("Used2Pass", 1);
    run.f.model.config.Set("Splitter", 0);
    // The pass log as the library's first pass leaves it in its folder.
    std::string passLog = run.f.model.install.File("2pass-0.log");
    ASSERT_TRUE(vrctest::WriteFile(passLog, "pass 1"));
    char before[MAX_PATH] = "", after[MAX_PATH] = "";
    GetCurrentDirectoryA(MAX_PATH, before);
    EXPECT_EQ(1, run.runner.ConvertToMPEG4(run.task, &run.progress, NULL, 0));
    GetCurrentDirectoryA(MAX_PATH, after);
    EXPECT_STREQ(before, after) << "the library kept the program's current folder";
    EXPECT_FALSE(vrctest::FileExists(passLog)) << "the pass log stayed";
    // The fixture library reports 0, 50 and 100 in each pass.
    EXPECT_EQ((std::vector<std::string>{"0:0", "0:25", "0:50", "0:50", "0:75", "0:100"}),
              run.progress.reports);
    std::vector<std::string> calls = run.CodecCalls();
    ASSERT_EQ(2u, calls.size());
    EXPECT_EQ(0u, calls[0].find("-pass|1|-passlogfile|2pass|-i|" + run.task.sourcePath + "|")) << calls[0];
    EXPECT_EQ(0u, calls[1].find("-pass|2|-passlogfile|2pass|-i|")) << calls[1];
    EXPECT_NE(std::string::npos, calls[1].find("|" + run.task.outputPath)) << calls[1];
  }
  EXPECT_EQ(before, vrctest::RunnerTempFiles());
}

TEST(ConvertToMPEG4, SegmentsComeFirstAndAStopEndsThem) {
  struct Row {
    const char* name;
    const char* source;
    int codecResult;
    bool writes;  // whether a run that succeeds writes its segment
    size_t calls;
    int result;
  } rows[] = {
      {"every segment of an AVI source", "clip.avi", 0, true, 2, 1},
      {"an MPEG source is named after the segment options", "clip.mpg", 0, true, 2, 1},
      {"a user abort ends the segments", "clip.avi", 3, true, 1, 0},
      {"so does a failed start", "clip.avi", 2, true, 1, 0},
      {"and any other failed segment", "clip.avi", 4, true, 1, 0},
      {"and a segment said to be made but never written", "clip.avi", 0, false, 1, 0},
  };
  for (const Row& row : rows) {
    std::vector<std::string> before = vrctest::RunnerTempFiles();
    {
      CodecRun run(row.source, "[Main]\nResult=" + std::to_string(row.codecResult) +
                                   "\nWrites=" + (row.writes ? "1" : "0") + "\n");
      run.f.model.config.Set("Splitter", 2);  // two segments of five seconds
      run.progress.abortAtOnce = row.codecResult == 3;
      EXPECT_EQ(row.result, run.runner.ConvertToMPEG4(run.task, &run.progress, NULL, 0)) << row.name;
      std::vector<std::string> calls = run.CodecCalls();
      ASSERT_EQ(row.calls, calls.size()) << row.name;
      std::string mpeg = lstrcmpiA(row.source, "clip.mpg") == 0 ? "-f|mpeg|" : "";
      // The last segment has no length: it runs to the source's end.
      for (size_t n = 0; n < calls.size(); ++n)
        EXPECT_EQ("-muxdelay|0|-muxpreload|0|-ss|" + std::to_string(n * 5) +
                      (n + 1 < 2 ? "|-t|5|" : "|") + mpeg + "-i|" +
                      run.task.sourcePath + "|-f|mp4|-y|" + run.task.outputPath + "_" +
                      std::to_string(n + 1) + ".mp4",
                  calls[n])
            << row.name;
      for (size_t n = 0; row.result == 0 && n < row.calls; ++n)
        EXPECT_FALSE(vrctest::FileExists(run.task.outputPath + "_" + std::to_string(n + 1) + ".mp4"))
            << row.name << ": the segments of a failed task are deleted";
    }
    EXPECT_EQ(before, vrctest::RunnerTempFiles()) << row.name;
  }
}

}  // namespace
