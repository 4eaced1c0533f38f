// Every output type of the shipped catalogue from every kind of source the
// video page takes, through the real video module, the real engines
// (MuxCast, PicCast), the codec library's and StreamCast's stand-ins, the
// encoder stand-in and the image tool's stand-in. Each output is probed for
// its container, its streams and its length; the types that Wine cannot make
// fail with no output; no temporary file of a batch stays behind.
#include <gtest/gtest.h>

#include <string.h>

#include <map>
#include <string>
#include <vector>

#include "modules/framework/runner/ConvertRunner.h"
#include "stand-ins/codec/FfmpegRun.h"
#include "tests/support/ModelFixture.h"
#include "tests/support/ModuleHarness.h"
#include "tests/support/RecordingProgress.h"
#include "winfx/Seams.h"

namespace {

int WINAPI AnswerYes(HWND, const char*, const char*, UINT) { return IDYES; }

// The engine libraries show their boxes through their own copy of the
// message-box seam: those are answered here, on a timer of this thread,
// which runs inside the box's own message loop.
std::vector<std::string> g_libraryBoxes;

BOOL CALLBACK AnswerLibraryBox(HWND hWnd, LPARAM) {
  char className[16] = {0};
  GetClassNameA(hWnd, className, sizeof(className));
  if (lstrcmpA(className, "#32770") != 0 || !IsWindowVisible(hWnd)) return TRUE;
  char text[1024] = {0};
  GetDlgItemTextA(hWnd, 0xFFFF, text, sizeof(text));
  g_libraryBoxes.push_back(text);
  PostMessageA(hWnd, WM_COMMAND, IDOK, 0);
  return TRUE;
}

void CALLBACK AnswerLibraryBoxes(HWND, UINT, UINT_PTR, DWORD) {
  EnumThreadWindows(GetCurrentThreadId(), AnswerLibraryBox, 0);
}

// The container by the file's first bytes: "avi", "asf", "mp4", "3gp",
// "psp" (the handheld players' MP4 brand), "mp3", "jpeg", or "".
std::string ContainerOf(const std::string& path) {
  std::string head = vrctest::ReadFile(path).substr(0, 16);
  if (head.size() < 12) return "";
  if (head.compare(0, 4, "RIFF") == 0 && head.compare(8, 4, "AVI ") == 0) return "avi";
  static const unsigned char kAsf[4] = {0x30, 0x26, 0xB2, 0x75};
  if (memcmp(head.data(), kAsf, 4) == 0) return "asf";
  if (head.compare(4, 4, "ftyp") == 0) {
    std::string brand = head.substr(8, 4);
    if (brand.compare(0, 3, "3gp") == 0) return "3gp";
    if (brand == "MSNV") return "psp";
    return "mp4";
  }
  if (head.compare(0, 3, "ID3") == 0 || ((unsigned char)head[0] == 0xFF && ((unsigned char)head[1] & 0xE0) == 0xE0))
    return "mp3";
  if ((unsigned char)head[0] == 0xFF && (unsigned char)head[1] == 0xD8) return "jpeg";
  return "";
}

struct Source {
  const char* name;
  bool sound;
};
const Source kSources[] = {
    {"clip.avi", true}, {"clip.mpg", true}, {"clip.mp4", true},
    {"clip.mov", true}, {"silent.avi", false},
};

struct TypeRow {
  const char* name;
  int type;
  const char* container;  // NULL: the type fails under Wine (see the README)
  bool soundWithoutSource;  // a source without sound still gets a sound track
  bool needsSound;          // a source without sound cannot be converted
};
const TypeRow kTypes[] = {
    {"AVI recompressed (MuxCast)", 0, NULL, false, false},
    {"MPEG-4 in AVI", 1, "avi", false, false},
    {"Windows Media from a built profile", 2, NULL, false, false},
    {"Windows Media with the shipped profile", 3, "asf", false, false},
    {"MPEG-4 in ASF", 4, "asf", false, false},
    {"MP4", 5, "mp4", false, false},
    {"3GP", 6, "3gp", false, false},
    {"handheld players", 7, "psp", true, false},
    {"MP3", 9, "mp3", false, true},
};

class OutputTypesTable : public ::testing::TestWithParam<TypeRow> {
 protected:
  void SetUp() override {
    VrcSetMessageBoxSeam(AnswerYes);
    g_libraryBoxes.clear();
    m_timer = SetTimer(NULL, 0, 200, AnswerLibraryBoxes);
    std::string program = vrctest::ProgramFolder();
    for (const char* file : {"VarnoCodec.dll", "StreamCast.dll", "ASF3.prx", "PicCast.dll", "Alchemy.exe"})
      ASSERT_TRUE(vrctest::CopyInto(program + file, m_harness.install.Path())) << file;
    m_harness.programFiles = {"MuxCast.dll"};  // the real engine, not the fixture
    ASSERT_TRUE(m_harness.Start());
    m_harness.configModule.config.Set("Splitter", 0);
    m_harness.configModule.config.Set("Used2Pass", 0);
    m_temps = vrctest::RunnerTempFiles();
  }
  void TearDown() override {
    m_harness.Stop();
    KillTimer(NULL, m_timer);
    VrcSetMessageBoxSeam(NULL);
  }
  codec::MediaFacts Probe(const std::string& path) {
    return codec::ProbeMedia(vrctest::ProgramFolder() + "ffmpeg.exe", path);
  }

  // Every source in the list for the type, and the names of their outputs.
  void AddEverySource(int type, std::vector<std::string>* outputs) {
    for (const Source& source : kSources)
      ASSERT_EQ(1, m_harness.module->AddFile(Media(source.name).c_str())) << source.name;
    m_harness.UseOutputType(type);
    for (size_t i = 0; i < sizeof(kSources) / sizeof(kSources[0]); ++i)
      outputs->push_back(m_harness.Task((int)i)->outputPath);
  }

  ModuleHarness m_harness;
  UINT_PTR m_timer = 0;
  std::vector<std::string> m_temps;
};

TEST_P(OutputTypesTable, EverySourceKind) {
  const TypeRow& row = GetParam();
  CVideoModule* module = m_harness.module;
  std::vector<std::string> outputs;
  ASSERT_NO_FATAL_FAILURE(AddEverySource(row.type, &outputs));
  module->Convert();

  for (size_t i = 0; i < outputs.size(); ++i) {
    const Source& source = kSources[i];
    std::string what = std::string(row.name) + " from " + source.name;
    std::string state = m_harness.Task((int)i)->stateText;
    bool made = row.container && !(row.needsSound && !source.sound);
    if (!made) {
      EXPECT_EQ(0u, state.find("Convert Failed")) << what << ": " << state;
      EXPECT_FALSE(vrctest::FileExists(outputs[i])) << what << ": a failed task left its output";
      continue;
    }
    EXPECT_EQ(0u, state.find("Convert Successful")) << what << ": " << state;
    EXPECT_EQ(row.container, ContainerOf(outputs[i])) << what;
    codec::MediaFacts facts = Probe(outputs[i]);
    bool audioOnly = row.type == 9;
    EXPECT_EQ(!audioOnly, facts.hasVideo) << what;
    EXPECT_EQ(source.sound || row.soundWithoutSource, facts.hasAudio) << what;
    double length = Probe(Media(source.name)).duration;
    EXPECT_NEAR(length, facts.duration, 0.1 * length) << what;
  }
  EXPECT_EQ(m_temps, vrctest::RunnerTempFiles()) << row.name << ": a temporary file stayed behind";
  // A type that cannot be set up says so once a batch, not once a task.
  EXPECT_LE(g_libraryBoxes.size(), 1u) << row.name << ": " << (g_libraryBoxes.empty() ? "" : g_libraryBoxes[0]);
}

// Presses Stop (answered Yes by the seam) until a batch takes it.
CVideoModule* g_stopping = NULL;
bool g_stopped = false;
void CALLBACK PressStop(HWND, UINT, UINT_PTR id, DWORD) {
  if (g_stopping && g_stopping->StopConvert(0) == 1) {
    g_stopped = true;
    KillTimer(NULL, id);
  }
}

// The same batch stopped while its first task converts: that task and the
// ones after it leave no output, and the temporary folder holds nothing of
// the batch.
TEST_P(OutputTypesTable, AStoppedBatchLeavesNothing) {
  const TypeRow& row = GetParam();
  CVideoModule* module = m_harness.module;
  std::vector<std::string> outputs;
  ASSERT_NO_FATAL_FAILURE(AddEverySource(row.type, &outputs));
  g_stopping = module;
  g_stopped = false;
  UINT_PTR stop = SetTimer(NULL, 0, 300, PressStop);
  int result = module->Convert();
  if (!g_stopped) KillTimer(NULL, stop);
  g_stopping = NULL;

  // A type that Wine cannot make may fail its whole batch before the stop.
  if (row.container) {
    EXPECT_TRUE(g_stopped) << row.name << ": the batch ended before the stop";
    EXPECT_EQ(2, result) << row.name;
  }
  bool afterTheStop = false;
  for (size_t i = 0; i < outputs.size(); ++i) {
    std::string what = std::string(row.name) + " from " + kSources[i].name;
    std::string state = m_harness.Task((int)i)->stateText;
    if (state == "User Aborted") afterTheStop = true;
    if (afterTheStop || state.find("Convert Successful") != 0) {
      EXPECT_FALSE(vrctest::FileExists(outputs[i])) << what << ": " << state << " left its output";
      for (int n = 1; n <= 2; ++n)
        EXPECT_FALSE(vrctest::FileExists(outputs[i] + "_" + std::to_string(n) + ".mp4")) << what;
    }
  }
  EXPECT_EQ(g_stopped, afterTheStop) << row.name << ": no row says it was stopped";
  EXPECT_EQ(m_temps, vrctest::RunnerTempFiles()) << row.name << ": a temporary file stayed behind";
}

INSTANTIATE_TEST_SUITE_P(Catalogue, OutputTypesTable, ::testing::ValuesIn(kTypes),
                         [](const ::testing::TestParamInfo<TypeRow>& info) {
                           return "Type" + std::to_string(info.param.type);
                         });

// The part of a frame that is picture, not black border, as ffmpeg's crop
// detector finds it over the file; "" when it finds none.
std::string PictureArea(const std::string& ffmpeg, const std::string& path) {
  std::string said = codec::FfmpegSays(
      ffmpeg, {"-nostdin", "-hide_banner", "-i", path, "-vf", "cropdetect=round=2", "-f", "null", "-"});
  size_t at = said.rfind("crop=");
  if (at == std::string::npos) return "";
  size_t end = said.find_first_not_of("0123456789:", at + 5);
  std::string crop = said.substr(at + 5, end == std::string::npos ? std::string::npos : end - at - 5);
  // width:height:x:y; the width and height tell the shape.
  size_t second = crop.find(':', crop.find(':') + 1);
  return crop.substr(0, second);
}

// The two types of a fixed frame size (320x240) keep a 16:9 picture's shape:
// it fills the width with black above and below, in square pixels; a 4:3
// picture fills the frame.
TEST_F(OutputTypesTable, AWidePictureKeepsItsShapeInAFixedFrame) {
  struct Row {
    const char* name;
    int type;
  } types[] = {{"Windows Media with the shipped profile", 3}, {"handheld players", 7}};
  struct Shape {
    const char* source;
    const char* area;
  } shapes[] = {{"..\\testmedia\\wide.avi", "320:180"}, {"runner_media\\clip.avi", "320:240"}};
  const std::string ffmpeg = vrctest::ProgramFolder() + "ffmpeg.exe";
  CVideoModule* module = m_harness.module;
  for (const Row& type : types) {
    module->GetTaskList().DeleteTasks(0, module->GetTaskList().GetCount());
    for (const Shape& shape : shapes)
      ASSERT_EQ(1, module->AddFile((vrctest::TestFolder() + shape.source).c_str())) << shape.source;
    m_harness.UseOutputType(type.type);
    const std::string outputs[] = {m_harness.Task(0)->outputPath, m_harness.Task(1)->outputPath};
    module->Convert();
    for (int i = 0; i < 2; ++i) {
      std::string what = std::string(type.name) + " from " + shapes[i].source;
      const std::string& output = outputs[i];
      ASSERT_EQ(0u, m_harness.Task(i)->stateText.find("Convert Successful")) << what;
      std::string said = codec::FfmpegSays(ffmpeg, {"-nostdin", "-hide_banner", "-i", output});
      EXPECT_NE(std::string::npos, said.find(" 320x240")) << what << ": the profile's frame\n" << said;
      EXPECT_EQ(std::string::npos, said.find("DAR 16:9")) << what << ": square pixels\n" << said;
      EXPECT_EQ(shapes[i].area, PictureArea(ffmpeg, output)) << what << ": the picture's own shape";
    }
  }
}

// The still-image type takes pictures, which the video page does not: each
// picture kind goes through the runner's still-image method with the real
// PicCast and image tool, and comes out as a JPEG of the chosen size; the
// same task stopped leaves nothing behind.
TEST(OutputTypesTableStillImages, EveryPictureKindToAJpeg) {
  ModelFixture model;
  for (const char* file : {"PicCast.dll", "Alchemy.exe", "ffmpeg.exe"})
    ASSERT_TRUE(vrctest::CopyInto(vrctest::ProgramFolder() + file, model.install.Path())) << file;
  ASSERT_TRUE(model.Init());
  std::string imageTemp = model.output.File("imagetemp");
  model.config.SetText("ImageTempFolder", imageTemp);
  CConvertRunner runner;
  runner.SetConverterManager(&model.manager);
  runner.SetConfig(&model.config);
  for (const char* name : {"photo.bmp", "photo.jpg", "photo.png", "photo.gif", "photo.tif"}) {
    CTaskRecord task;
    task.Clear();
    task.sourcePath = vrctest::TestFolder() + "..\\testmedia\\" + name;
    task.outputPath = model.output.File(std::string(name) + ".jpg");
    task.width = 176;
    task.height = 144;
    task.videoQuality = 100;
    EXPECT_EQ(1, runner.ConvertToImage(task, NULL, NULL)) << name;
    EXPECT_EQ("jpeg", ContainerOf(task.outputPath)) << name;
    codec::MediaFacts facts = codec::ProbeMedia(model.install.File("ffmpeg.exe"), task.outputPath);
    EXPECT_EQ(176, facts.width) << name;
    EXPECT_EQ(144, facts.height) << name;
    // Stopped at its first report: no output, and (below) nothing in the
    // image tool's temporary folder.
    CRecordingProgress stop;
    stop.stopAt = 1;
    task.outputPath = model.output.File(std::string(name) + ".stopped.jpg");
    EXPECT_NE(1, runner.ConvertToImage(task, &stop, NULL)) << name;
    EXPECT_FALSE(vrctest::FileExists(task.outputPath)) << name << ": a stopped task left its output";
  }
  WIN32_FIND_DATAA found;
  HANDLE left = FindFirstFileA((imageTemp + "\\QTJ*").c_str(), &found);
  EXPECT_EQ(INVALID_HANDLE_VALUE, left) << "a temporary file of the image tool stayed: " << found.cFileName;
  if (left != INVALID_HANDLE_VALUE) FindClose(left);
}

}  // namespace
