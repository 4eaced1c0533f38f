// The external encoder's conversions against the fixture encoder, which
// does what a script says: positions, silence, a crash, a hang, bursts.
#include <gtest/gtest.h>

#include "tests/modules/framework/runner/RunnerFixture.h"
#include "tests/support/TestSupport.h"

using vrctest::TempDir;

namespace {

// The fixture encoder as "encoder.exe" in an install folder of its own.
class EncoderFolder {
 public:
  explicit EncoderFolder(RunnerFixture& f) {
    CopyFileA((vrctest::TestFolder() + "fixture_encoder.exe").c_str(), m_dir.File("encoder.exe").c_str(),
              FALSE);
    f.model.config.SetText("InstallDirectory", m_dir.Path());
    SetEnvironmentVariableA("VRC_FIXTURE_ENCODER_SCRIPT", m_dir.File("script.txt").c_str());
  }
  ~EncoderFolder() { SetEnvironmentVariableA("VRC_FIXTURE_ENCODER_SCRIPT", NULL); }
  void Script(const std::string& lines) { vrctest::WriteFile(m_dir.File("script.txt"), lines); }
  std::string Record() { return vrctest::ReadFile(m_dir.File("record.txt")); }
  std::string RecordPath() { return m_dir.File("record.txt"); }
  const TempDir& Dir() const { return m_dir; }

 private:
  TempDir m_dir;
};

class ProgressRecorder : public IConvertProgress {
 public:
  int STDMETHODCALLTYPE Progress(int kind, int value, int* abort) override {
    reports.push_back(std::to_string(kind) + ":" + std::to_string(value));
    if (abort) *abort = abortAfter >= 0 && static_cast<int>(reports.size()) >= abortAfter;
    return 1;
  }
  std::vector<std::string> reports;
  int abortAfter = -1;
};

// A runner whose stop can be asked for from the test.
class TestRunner : public CVideoConvertRunner {
 public:
  void MarkRunning() { m_nRunning = 1; }
  unsigned& Estimate() { return m_nEstimatedSeconds; }
};

struct PipeCase {
  const char* name;
  std::string script;
  int start;
  int result;
  std::vector<std::string> reports;
};

void PrintTo(const PipeCase& c, std::ostream* os) { *os << c.name; }

class ReadFromPipeTest : public ::testing::TestWithParam<PipeCase> {};

TEST_P(ReadFromPipeTest, PositionsBecomeProgress) {
  const PipeCase& c = GetParam();
  RunnerFixture f;
  EncoderFolder encoder(f);
  encoder.Script(c.script);
  TestRunner runner;
  f.Wire(&runner);
  ProgressRecorder progress;
  EXPECT_EQ(c.result, runner.ReadFromPipe(" \"in.avi\" -o \"out.avi\"", &progress, c.start, 0));
  EXPECT_EQ(c.reports, progress.reports);
}

INSTANTIATE_TEST_SUITE_P(
    Fixture, ReadFromPipeTest,
    ::testing::Values(
        PipeCase{"Positions", "pos 1.0\nsleep 100\npos 2.5\n", 0, 1, {"5:100", "5:250"}},
        PipeCase{"StartSecondsAreAdded", "pos 12.5\n", 60, 1, {"5:7250"}},
        PipeCase{"OnlyTheFirstPosOfAChunk", "print Pos: 1.0s\\nPos: 2.0s\n", 0, 1, {"5:100"}},
        PipeCase{"NoPositionFails", "print working\n", 0, 0, {"5:0"}},
        // A source of a few milliseconds (a short float WAV) ends at 0.0 s.
        PipeCase{"AShortSourceEndsAtPositionZero", "pos 0.0\n", 0, 1, {"5:0"}},
        // A position says nothing of the file when the encoder then fails.
        PipeCase{"CrashAfterAPosition", "pos 1.0\nsleep 100\ncrash\n", 0, 0, {"5:100"}},
        PipeCase{"ErrorExitAfterAPosition", "pos 1.0\nexit 4\n", 0, 0, {"5:100"}},
        // A position that the pipe cuts in two is read whole.
        PipeCase{"APositionInTwoWrites", "write Pos: 2\nsleep 100\nprint .5s\n", 0, 1,
                 {"5:0", "5:250"}},
        PipeCase{"CrashBeforeAnyPosition", "crash\n", 0, 0, {}}),
    [](const ::testing::TestParamInfo<PipeCase>& info) { return std::string(info.param.name); });

TEST(ReadFromPipe, ABurstBeforeThePositionIsReadInChunks) {
  RunnerFixture f;
  EncoderFolder encoder(f);
  encoder.Script("burst 65536\nsleep 100\npos 3.0\n");
  TestRunner runner;
  f.Wire(&runner);
  ProgressRecorder progress;
  EXPECT_EQ(1, runner.ReadFromPipe(" x", &progress, 0, 0));
  // At most 4096 bytes a chunk: at least 16 chunks of filler, then the position.
  ASSERT_GE(progress.reports.size(), 17u);
  EXPECT_EQ("5:300", progress.reports.back());
  for (size_t i = 0; i + 1 < progress.reports.size(); ++i) EXPECT_EQ("5:0", progress.reports[i]);
}

TEST(ReadFromPipe, AWriterLeftBehindDoesNotHoldTheRunOpen) {
  RunnerFixture f;
  EncoderFolder encoder(f);
  // The encoder ends; a process of its own keeps the pipe open for ever.
  encoder.Script("orphan\npos 1.0\n");
  TestRunner runner;
  f.Wire(&runner);
  ProgressRecorder progress;
  EXPECT_EQ(1, runner.ReadFromPipe(" x", &progress, 0, 0));
  EXPECT_EQ(std::vector<std::string>{"5:100"}, progress.reports);
}

TEST(ReadFromPipe, KnownDurationReportsPercentOfTheFirstStage) {
  RunnerFixture f;
  EncoderFolder encoder(f);
  encoder.Script("pos 30.0\n");
  TestRunner runner;
  f.Wire(&runner);
  runner.Estimate() = 60;
  ProgressRecorder progress;
  EXPECT_EQ(1, runner.ReadFromPipe(" x", &progress, 0, 1));
  EXPECT_EQ(std::vector<std::string>{"1:50"}, progress.reports);
}

TEST(ReadFromPipe, AnAbortFromTheProgressStopsAndTerminatesTheEncoder) {
  RunnerFixture f;
  EncoderFolder encoder(f);
  encoder.Script("pos 1.0\nhang\n");
  TestRunner runner;
  f.Wire(&runner);
  ProgressRecorder progress;
  progress.abortAfter = 1;
  EXPECT_EQ(0, runner.ReadFromPipe(" x", &progress, 0, 0));
}

TestRunner* g_stopRunner = NULL;
void CALLBACK AskToStop(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(NULL, id);
  g_stopRunner->ConfirmAbort(0);
}

TEST(ReadFromPipe, ASilentEncoderStillLetsTheStopArrive) {
  RunnerFixture f;
  EncoderFolder encoder(f);
  encoder.Script("hang\n");
  TestRunner runner;
  f.Wire(&runner);
  runner.MarkRunning();
  g_stopRunner = &runner;
  // The stop comes as a window message while the encoder prints nothing.
  SetTimer(NULL, 0, 300, AskToStop);
  ProgressRecorder progress;
  EXPECT_EQ(0, runner.ReadFromPipe(" x", &progress, 0, 0));
  EXPECT_TRUE(progress.reports.empty());
  ASSERT_EQ(1u, BoxRecorder::boxes.size());
  EXPECT_NE(std::string::npos, BoxRecorder::boxes[0].find("Are you sure that conversion abort?"));
}

TEST(ReadFromPipe, AnEncoderThatCannotStartIsReported) {
  RunnerFixture f;
  TempDir empty;
  f.model.config.SetText("InstallDirectory", empty.Path());
  TestRunner runner;
  f.Wire(&runner);
  ProgressRecorder progress;
  EXPECT_EQ(0, runner.ReadFromPipe(" x", &progress, 0, 0));
  ASSERT_EQ(1u, BoxRecorder::boxes.size());
  EXPECT_EQ(0u, BoxRecorder::boxes[0].find("Error|"));
}

CTaskRecord Mp3Task(RunnerFixture& f, const std::string& output) {
  CTaskRecord task;
  task.sourcePath = f.model.Source("song.wav");
  task.outputPath = output;
  task.sampleRate = 44100;
  task.audioBitRate = 128;
  task.channels = 1;
  task.sourceFrameRate = 25;
  return task;
}

TEST(ConvertToMP3, CommandLineWorkingFolderAndResult) {
  RunnerFixture f;
  EncoderFolder encoder(f);
  TempDir codecs;
  f.model.config.SetText("RealCodecPath", codecs.Path());
  std::string output = f.model.output.File("song.mp3");
  encoder.Script("record " + encoder.RecordPath() + "\noutput 4096\npos 1.0\n");
  TestRunner runner;
  f.Wire(&runner);
  char before[MAX_PATH];
  GetCurrentDirectoryA(MAX_PATH, before);
  ProgressRecorder progress;
  EXPECT_EQ(1, runner.ConvertToMP3(Mp3Task(f, output), &progress, NULL, 1));
  char after[MAX_PATH];
  GetCurrentDirectoryA(MAX_PATH, after);
  EXPECT_STREQ(before, after) << "the working folder is restored";
  std::vector<std::string> record = vrctest::Lines(encoder.Record());
  ASSERT_EQ(2u, record.size());
  EXPECT_NE(std::string::npos,
            record[0].find(" \"" + f.model.Source("song.wav") + "\" -o \"" + output +
                           "\" -of mp3 -srate 44100 -oac mp3lame -lameopts cbr:br=128:aq=5:mode=1 "
                           "-ovc frameno -ofps 25"))
      << record[0];
  std::string folder = codecs.Path();
  folder.pop_back();
  EXPECT_EQ("directory=" + folder, record[1]);
}

TEST(ConvertToMP3, AMissingOrTinyOutputFails) {
  for (const char* script : {"pos 1.0\n", "output 100\npos 1.0\n"}) {
    RunnerFixture f;
    EncoderFolder encoder(f);
    encoder.Script(script);
    TestRunner runner;
    f.Wire(&runner);
    ProgressRecorder progress;
    EXPECT_EQ(0, runner.ConvertToMP3(Mp3Task(f, f.model.output.File("song.mp3")), &progress, NULL, 1))
        << script;
  }
}

TEST(ConvertWithEncoder, SegmentsOfALongSourceAndTheirCommandLines) {
  RunnerFixture f;
  EncoderFolder encoder(f);
  encoder.Script("record " + encoder.RecordPath() + "\noutput 100\npos 1.0\n");
  f.model.config.Set("Splitter", 3);
  TestRunner runner;
  f.Wire(&runner);
  CTaskRecord task;
  task.sourcePath = f.model.Source("film.rm");
  task.outputPath = f.model.output.File("a.mp4");
  task.hasVideo = task.hasAudio = 1;
  task.audioCodec = 2;
  task.channels = 2;
  task.sampleRate = 44100;
  task.videoQuality = 10;       // 400 kbit/s
  task.videoBitRate = 300000;   // below it, and not the source's own
  task.sourceVideoBitRate = 1000000;
  task.width = 320;
  task.height = 240;
  task.frameRate = 25;
  task.mediaTime = "00:10:00";
  ProgressRecorder progress;
  EXPECT_EQ(1, runner.ConvertWithEncoder(task, &progress, NULL, 0, 0));
  std::vector<std::string> lines;
  for (const std::string& line : vrctest::Lines(encoder.Record()))
    if (line.compare(0, 12, "commandline=") == 0) lines.push_back(line);
  ASSERT_EQ(3u, lines.size());
  std::string options =
      "\" -channels 2 -srate 44100 -oac mp3lame -lameopts vbr=0:cbr:br=64:aq=5:mode=1 -ovc lavc "
      "-lavcopts vcodec=mpeg4:vqmin=2:vqmax=6:vbitrate=300:vme=1:vmax_b_frames=0:keyint=30:vstrict=3:"
      "bit_exact  -ffourcc DIVX -vf scale=320:240,harddup -ofps 25";
  for (int n = 0; n < 3; ++n) {
    std::string expected = " \"" + task.sourcePath + "\" -o \"" + task.outputPath + "_" + std::to_string(n + 1) +
                           ".mp4" + options + " -ss " + std::to_string(n * 200);
    // The last segment runs to the source's end.
    if (n < 2) expected += " -endpos 200";
    EXPECT_NE(std::string::npos, lines[n].find(expected)) << lines[n];
    if (n == 2) EXPECT_EQ(std::string::npos, lines[n].find("-endpos")) << lines[n];
  }
  // The progress of each segment counts from its start.
  EXPECT_EQ((std::vector<std::string>{"5:100", "5:20100", "5:40100"}), progress.reports);
}

TEST(ConvertWithEncoder, SixChannelsNeedTheBypass) {
  RunnerFixture f;
  EncoderFolder encoder(f);
  encoder.Script("record " + encoder.RecordPath() + "\noutput 100\npos 1.0\n");
  TestRunner runner;
  f.Wire(&runner);
  CTaskRecord task;
  task.sourcePath = f.model.Source("film.mov");
  task.outputPath = f.model.output.File("film.mp4");
  task.hasVideo = 1;
  task.audioCodec = 2;
  task.sourceChannels = 6;
  ProgressRecorder progress;
  EXPECT_EQ(0, runner.ConvertWithEncoder(task, &progress, NULL, 0, 0));
  EXPECT_EQ("", encoder.Record()) << "not started";
  EXPECT_EQ(1, runner.ConvertWithEncoder(task, &progress, NULL, 1, 0));
  EXPECT_NE(std::string::npos, encoder.Record().find(" -nosound")) << "no audio stream";
}

CTaskRecord SegmentedTask(RunnerFixture& f) {
  CTaskRecord task;
  task.sourcePath = f.model.Source("film.rm");
  task.outputPath = f.model.output.File("a.mp4");
  task.hasVideo = task.hasAudio = 1;
  task.audioCodec = 2;
  task.mediaTime = "00:10:00";
  return task;
}

TEST(ConvertWithEncoder, AFailedSegmentFailsTheWholeAndLeavesNoSegments) {
  RunnerFixture f;
  EncoderFolder encoder(f);
  encoder.Script("output 100\npos 1.0\nexitif a.mp4_2.mp4 4\n");
  f.model.config.Set("Splitter", 3);
  TestRunner runner;
  f.Wire(&runner);
  ProgressRecorder progress;
  CTaskRecord task = SegmentedTask(f);
  EXPECT_EQ(0, runner.ConvertWithEncoder(task, &progress, NULL, 0, 0));
  for (int n = 1; n <= 3; ++n)
    EXPECT_FALSE(vrctest::FileExists(task.outputPath + "_" + std::to_string(n) + ".mp4")) << n;
}

TEST(ConvertWithEncoder, ARunWithoutAnOutputFileFails) {
  // A full disk: the encoder reports its positions and ends well, but the
  // file is empty or was never made.
  for (const char* script : {"pos 1.0\n", "output 0\npos 1.0\n"}) {
    RunnerFixture f;
    EncoderFolder encoder(f);
    encoder.Script(script);
    TestRunner runner;
    f.Wire(&runner);
    ProgressRecorder progress;
    CTaskRecord task = SegmentedTask(f);
    task.mediaTime = "00:00:10";
    EXPECT_EQ(0, runner.ConvertWithEncoder(task, &progress, NULL, 0, 0)) << script;
  }
}

// A video runner whose MP3 method writes an output and answers as scripted.
class OutputRunner : public CVideoConvertRunner {
 public:
  int answer = kResultSucceeded;
  std::string written = std::string(1024, 'x');
  int ConvertToMP3(CTaskRecord task, IConvertProgress*, IConvertEngine**, int) override {
    vrctest::WriteFile(task.outputPath, written);
    return answer;
  }
  int ConvertToMPEG4(CTaskRecord task, IConvertProgress*, IConvertEngine**, int) override {
    vrctest::WriteFile(task.outputPath, written);
    return answer;
  }
};

TEST(VideoRunner, OutputsStayOnlyForGoodResults) {
  struct {
    int outputType, answer, hasVideo, hasAudio;
    const char* written;
    int result;
    bool kept;
  } cases[] = {{kOutputTypeMp3, kResultSucceeded, 1, 1, "mp3", kResultSucceeded, true},
               {kOutputTypeMp3, kResultSucceeded, 1, 0, "mp3", kResultNoAudio, true},
               // An MP3 needs no video: the sound of a video-less source is kept.
               {kOutputTypeMp3, kResultSucceeded, 0, 1, "mp3", kResultSucceeded, true},
               {1, kResultSucceeded, 0, 1, "avi", kResultNoVideo, false},
               // A method that answers success but wrote an empty file (a full disk).
               {kOutputTypeMp3, kResultSucceeded, 1, 1, "", kResultFailed, false},
               {kOutputTypeMp3, kResultFailed, 1, 1, "mp3", kResultFailed, false},
               {kOutputTypeMp3, kResultNotAvailable, 1, 1, "mp3", kResultNotAvailable, false}};
  for (const auto& c : cases) {
    RunnerFixture f;
    CTaskRecord* task = f.AddTask("a.avi");
    ASSERT_TRUE(task);
    task->outputType = c.outputType;
    task->hasVideo = c.hasVideo;
    task->hasAudio = c.hasAudio;
    OutputRunner runner;
    runner.answer = c.answer;
    runner.written = c.written;
    f.Wire(&runner);
    EXPECT_EQ(c.result, runner.ConvertTask(0, &runner, NULL)) << c.answer << c.hasVideo << c.hasAudio;
    EXPECT_EQ(c.kept, vrctest::FileExists(task->outputPath)) << c.answer << c.hasVideo << c.hasAudio;
  }
}

}  // namespace
