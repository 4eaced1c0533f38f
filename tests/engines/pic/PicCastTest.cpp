// PicCast: its configuration, the choice between copying and redrawing a
// source, the bitmap writer, the order of a conversion's steps and reports,
// and whole conversions through the image tool's stand-in.
#include <gtest/gtest.h>

#include <string.h>

// GDI+ needs the COM property types that the lean Windows header leaves out.
#include <objidl.h>
#include <gdiplus.h>
#include <string>
#include <vector>

#include "base/ComPtr.h"
#include "base/Handles.h"
#include "engines/pic/Bitmap24.h"
#include "engines/pic/ImageToolConverter.h"
#include "engines/pic/ImageToolTexts.h"
#include "tests/support/RecordingProgress.h"
#include "tests/support/TestSupport.h"
#include "winfx/Seams.h"

namespace {

std::string Media(const char* name) { return vrctest::TestFolder() + "..\\testmedia\\" + name; }

// Sets an environment variable for the test's lifetime; the image tool that
// the engine starts inherits it.
class ScopedVariable {
 public:
  ScopedVariable(const char* name, const char* value) : m_name(name) {
    SetEnvironmentVariableA(name, value);
  }
  ~ScopedVariable() { SetEnvironmentVariableA(m_name, NULL); }

 private:
  const char* m_name;
};

struct GdiplusScope {
  GdiplusScope() {
    Gdiplus::GdiplusStartupInput input;
    Gdiplus::GdiplusStartup(&token, &input, NULL);
  }
  ~GdiplusScope() { Gdiplus::GdiplusShutdown(token); }
  ULONG_PTR token = 0;
};

std::wstring Wide(const std::string& text) { return std::wstring(text.begin(), text.end()); }

TEST(PicCastTexts, NextFieldByTable) {
  struct {
    const char* name;
    const char* text;
    const char* field;
    const char* rest;
  } rows[] = {
      {"first of several", "a;b;c", "a", "b;c"},
      {"blanks around the rest are cut", "a;  b ; ", "a", "b ;"},
      {"blanks inside the field stay", " a ;b", " a ", "b"},
      {"no separator takes everything", "abc", "abc", ""},
      {"empty field", ";b", "", "b"},
      {"empty text", "", "", ""},
  };
  for (auto& row : rows) {
    std::string text = row.text;
    EXPECT_EQ(row.field, NextField(text)) << row.name;
    EXPECT_EQ(row.rest, text) << row.name;
  }
}

TEST(PicCastTexts, CopyOrRedrawByFormatAndDepth) {
  struct {
    const char* name;
    SourceKind kind;
    int pixelFormat;
    bool force;
    bool redraw;
  } rows[] = {
      {"24-bit BMP is copied", kSourceOther, PixelFormat24bppRGB, false, false},
      {"8-bit GIF is copied", kSourceOther, PixelFormat8bppIndexed, false, false},
      {"PNG is redrawn", kSourcePng, PixelFormat24bppRGB, false, true},
      {"JPEG is redrawn", kSourceJpeg, PixelFormat24bppRGB, false, true},
      {"32bppRGB is redrawn", kSourceOther, PixelFormat32bppRGB, false, true},
      {"32bppARGB is redrawn", kSourceOther, PixelFormat32bppARGB, false, true},
      {"32bppPARGB is redrawn", kSourceOther, PixelFormat32bppPARGB, false, true},
      {"the forced attempt redraws a BMP", kSourceOther, PixelFormat24bppRGB, true, true},
  };
  for (auto& row : rows)
    EXPECT_EQ(row.redraw, NeedsRedraw(row.kind, row.pixelFormat, row.force)) << row.name;
}

TEST(PicCastTexts, ToolCommandLine) {
  EXPECT_EQ("-j -o -24 \"C:\\t\\QTJ1.tmp\" \"C:\\t\\QTJ2.tmp\" -X 640 -Y 480",
            ImageToolParameters("C:\\t\\QTJ1.tmp", "C:\\t\\QTJ2.tmp", 640, 480));
}

TEST(PicCastConfig, RefusedAndAcceptedTexts) {
  vrctest::TempDir folder;
  std::string tool = folder.File("tool.exe");
  ASSERT_TRUE(vrctest::WriteFile(tool, "x"));
  struct {
    const char* name;
    std::string text;
    int result;
  } rows[] = {
      {"every field", tool + ";  C:\\temp;640;480;100", 1},
      {"a tool that does not exist", folder.File("none.exe") + ";C:\\temp;640;480;100", 0},
      {"an empty folder", tool + ";;640;480;100", 0},
      {"a width of 0", tool + ";C:\\temp;0;480;100", 0},
      {"a height that is missing", tool + ";C:\\temp;640", 0},
      {"a fifth number of 0", tool + ";C:\\temp;640;480;0", 0},
      {"no fifth number", tool + ";C:\\temp;640;480", 0},
  };
  for (auto& row : rows) {
    CComPtr<CImageToolConverter> engine(new CImageToolConverter());
    EXPECT_EQ(row.result, engine->LoadConfigFile(row.text.c_str())) << row.name;
  }
  CComPtr<CImageToolConverter> engine(new CImageToolConverter());
  ASSERT_EQ(1, engine->LoadConfigFile((tool + ";  C:\\temp;640;480;100").c_str()));
  EXPECT_EQ(tool, engine->ToolPath());
  EXPECT_EQ("C:\\temp", engine->TempFolder());
  EXPECT_EQ(640, engine->Width());
  EXPECT_EQ(480, engine->Height());
}

TEST(PicCastBitmap, HeaderAndStrideWhenRowsNeedPadding) {
  vrctest::TempDir folder;
  const int width = 5, height = 3, stride = 16;  // 15 bytes of pixels, padded to 16
  std::vector<BYTE> pixels(stride * height);
  for (int row = 0; row < height; ++row) memset(&pixels[row * stride], 'a' + row, stride);
  LockedPixels locked = {width, height, stride, pixels.data()};
  std::string path = folder.File("a.bmp");
  ASSERT_EQ(1, WriteBitmap24(locked, path.c_str()));
  std::string file = vrctest::ReadFile(path);
  ASSERT_EQ(54u + stride * height, file.size());
  BITMAPFILEHEADER fileHeader;
  BITMAPINFOHEADER info;
  memcpy(&fileHeader, file.data(), sizeof(fileHeader));
  memcpy(&info, file.data() + sizeof(fileHeader), sizeof(info));
  EXPECT_EQ(0x4D42, fileHeader.bfType);
  EXPECT_EQ(54u + 48u, fileHeader.bfSize);
  EXPECT_EQ(54u, fileHeader.bfOffBits);
  EXPECT_EQ(40u, info.biSize);
  EXPECT_EQ(width, info.biWidth);
  EXPECT_EQ(height, info.biHeight);
  EXPECT_EQ(1, info.biPlanes);
  EXPECT_EQ(24, info.biBitCount);
  EXPECT_EQ(0u, info.biCompression);
  EXPECT_EQ(48u, info.biSizeImage);
  EXPECT_EQ(7874, info.biXPelsPerMeter);
  EXPECT_EQ(7874, info.biYPelsPerMeter);
  // Top-down rows are stored bottom-up: the last row first.
  EXPECT_EQ(std::string(16, 'c') + std::string(16, 'b') + std::string(16, 'a'), file.substr(54));
  EXPECT_EQ(0, WriteBitmap24(locked, folder.File("no\\such\\folder.bmp").c_str()));
}

// Records the steps of a conversion and fails the preparation of the
// attempts that `failPrepare` names.
class CStepEngine : public CImageToolConverter {
 public:
  std::vector<std::string> steps;
  std::vector<int> failPrepare;  // by force value
  int PrepareImage(const char*, char* a, IConvertProgress*, int force) override {
    steps.push_back("prepare" + std::to_string(force));
    lstrcpyA(a, "A");
    for (int f : failPrepare)
      if (f == force) return 0;
    return 1;
  }
  int RunImageTool(char* b, const char*, IConvertProgress*) override {
    steps.push_back("tool");
    lstrcpyA(b, "B");
    return 1;
  }
  int CopyResult(const char*, const char*, IConvertProgress*) override {
    steps.push_back("copy");
    return 1;
  }
};

TEST(PicCastConvert, AFailedFirstAttemptIsRepeatedForced) {
  struct {
    const char* name;
    std::vector<int> failPrepare;
    int result;
    std::vector<std::string> steps;
  } rows[] = {
      {"first attempt succeeds", {}, 1, {"prepare0", "tool", "copy"}},
      {"second attempt redraws", {0}, 1, {"prepare0", "prepare1", "tool", "copy"}},
      {"both fail", {0, 1}, 0, {"prepare0", "prepare1"}},
  };
  for (auto& row : rows) {
    CStepEngine engine;
    engine.failPrepare = row.failPrepare;
    EXPECT_EQ(row.result, engine.Convert("out.jpg", "in.bmp", NULL)) << row.name;
    EXPECT_EQ(row.steps, engine.steps) << row.name;
  }
}

// A real engine over the tests' own tool or the stand-in, with a temp
// folder that does not exist yet.
struct ToolRun {
  vrctest::TempDir folder;
  std::string temp = folder.File("temp");
  std::string output = folder.File("out.jpg");
  CComPtr<CImageToolConverter> engine{new CImageToolConverter()};

  bool Load(const std::string& tool, int width, int height) {
    std::string config = tool + ";" + temp + ";" + std::to_string(width) + ";" +
                         std::to_string(height) + ";100";
    return engine->LoadConfigFile(config.c_str()) == 1;
  }
  // What the temporary folder still holds.
  std::vector<std::string> Leftovers() {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((temp + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
      if (found.cFileName[0] != '.') names.push_back(found.cFileName);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return names;
  }
};

TEST(PicCastConvert, ProgressRunsInOrderWhileTheToolWorks) {
  ToolRun run;
  ASSERT_TRUE(run.Load(vrctest::TestFolder() + "fixture_image_tool.exe", 64, 48));
  ScopedVariable wait("VRC_TOOL_WAIT_MS", "900");
  CRecordingProgress progress;
  ASSERT_EQ(1, run.engine->Convert(run.output.c_str(), Media("picture.bmp").c_str(), &progress));
  const std::vector<int>& p = progress.percents;
  ASSERT_GE(p.size(), 4u) << "prepared, at least one report while waiting, copied";
  EXPECT_EQ(1, p.front());
  EXPECT_EQ(100, p.back());
  for (size_t i = 1; i + 1 < p.size(); ++i) EXPECT_EQ((int)(5 * i), p[i]) << "report " << i;
  // The 24-bit source went to the tool unchanged.
  EXPECT_EQ(vrctest::ReadFile(Media("picture.bmp")), vrctest::ReadFile(run.output));
  EXPECT_TRUE(run.Leftovers().empty());
}

// The tool's runs that the journal lists.
int ToolRunsOf(const std::string& journal) {
  int runs = 0;
  for (const std::string& line : vrctest::Lines(vrctest::ReadFile(journal))) runs += !line.empty();
  return runs;
}

const DWORD kToolEndTimeoutMs = 60000;  // a hung tool fails the test instead of hanging it

// Starts the tool for real and hands its process back only once it has
// ended: a tool that is done within the engine's first wait, however long
// the machine takes to start a process.
BOOL WINAPI StartAndAwaitTheTool(SHELLEXECUTEINFOA* run) {
  if (!ShellExecuteExA(run)) return FALSE;
  if (run->hProcess) WaitForSingleObject(run->hProcess, kToolEndTimeoutMs);
  return TRUE;
}

class EndedToolStart {
 public:
  EndedToolStart() { VrcSetShellExecuteExSeam(StartAndAwaitTheTool); }
  ~EndedToolStart() { VrcSetShellExecuteExSeam(NULL); }
};

TEST(PicCastConvert, AQuickToolGivesNoReportsBetweenPreparedAndCopied) {
  ToolRun run;
  ASSERT_TRUE(run.Load(vrctest::TestFolder() + "fixture_image_tool.exe", 64, 48));
  EndedToolStart ended;
  CRecordingProgress progress;
  ASSERT_EQ(1, run.engine->Convert(run.output.c_str(), Media("picture.bmp").c_str(), &progress));
  EXPECT_EQ((std::vector<int>{1, 100}), progress.percents);
  EXPECT_EQ(vrctest::ReadFile(Media("picture.bmp")), vrctest::ReadFile(run.output));
}

TEST(PicCastConvert, AToolThatWritesNothingFailsBothAttempts) {
  ToolRun run;
  ASSERT_TRUE(run.Load(vrctest::TestFolder() + "fixture_image_tool.exe", 64, 48));
  vrctest::TempDir journalFolder;
  std::string journal = journalFolder.File("journal.txt");
  ScopedVariable fail("VRC_TOOL_FAIL", "1");
  ScopedVariable journalName("VRC_TOOL_JOURNAL", journal.c_str());
  CRecordingProgress progress;
  EXPECT_EQ(0, run.engine->Convert(run.output.c_str(), Media("picture.bmp").c_str(), &progress));
  EXPECT_EQ(2, ToolRunsOf(journal)) << "the forced attempt runs the tool again";
  EXPECT_FALSE(vrctest::FileExists(run.output));
  EXPECT_TRUE(run.Leftovers().empty());
}

TEST(PicCastConvert, OnlyAToolThatEndsWellWithAnImageSucceeds) {
  struct {
    const char* name;
    const char* write;     // VRC_TOOL_WRITE
    const char* exitCode;  // VRC_TOOL_EXIT
    int result;
  } rows[] = {
      {"the whole picture and exit code 0", "", "0", 1},
      {"the whole picture and a failure", "", "3", 0},
      {"half the picture and a failure", "half", "1", 0},
      {"bytes that are no image and exit code 0", "noise", "0", 0},
  };
  for (auto& row : rows) {
    ToolRun run;
    ASSERT_TRUE(run.Load(vrctest::TestFolder() + "fixture_image_tool.exe", 64, 48));
    ScopedVariable write("VRC_TOOL_WRITE", row.write);
    ScopedVariable exitCode("VRC_TOOL_EXIT", row.exitCode);
    EXPECT_EQ(row.result, run.engine->Convert(run.output.c_str(), Media("picture.bmp").c_str(), NULL))
        << row.name;
    EXPECT_EQ(row.result == 1, vrctest::FileExists(run.output)) << row.name;
    EXPECT_TRUE(run.Leftovers().empty()) << row.name << ": a partial result stayed";
  }
}

TEST(PicCastConvert, AStopAtTheFirstReportEndsTheTask) {
  ToolRun run;
  ASSERT_TRUE(run.Load(vrctest::TestFolder() + "fixture_image_tool.exe", 64, 48));
  vrctest::TempDir journalFolder;
  std::string journal = journalFolder.File("journal.txt");
  ScopedVariable journalName("VRC_TOOL_JOURNAL", journal.c_str());
  CRecordingProgress progress;
  progress.stopAt = 1;
  EXPECT_EQ(0, run.engine->Convert(run.output.c_str(), Media("picture.bmp").c_str(), &progress));
  EXPECT_EQ((std::vector<int>{1}), progress.percents) << "no second attempt after a stop";
  EXPECT_EQ(0, ToolRunsOf(journal));
  EXPECT_FALSE(vrctest::FileExists(run.output));
  EXPECT_TRUE(run.Leftovers().empty());
}

// The tool's process, kept by the test to see whether it still runs.
HANDLE g_tool = NULL;
BOOL WINAPI StartAndKeepTheTool(SHELLEXECUTEINFOA* run) {
  if (!ShellExecuteExA(run)) return FALSE;
  if (run->hProcess)
    DuplicateHandle(GetCurrentProcess(), run->hProcess, GetCurrentProcess(), &g_tool, 0, FALSE,
                    DUPLICATE_SAME_ACCESS);
  return TRUE;
}

TEST(PicCastConvert, AStopWhileTheToolRunsEndsItAndLeavesNothing) {
  ToolRun run;
  ASSERT_TRUE(run.Load(vrctest::TestFolder() + "fixture_image_tool.exe", 64, 48));
  vrctest::TempDir journalFolder;
  std::string journal = journalFolder.File("journal.txt");
  ScopedVariable journalName("VRC_TOOL_JOURNAL", journal.c_str());
  ScopedVariable wait("VRC_TOOL_WAIT_MS", "30000");
  VrcSetShellExecuteExSeam(StartAndKeepTheTool);
  CRecordingProgress progress;
  progress.stopAt = 2;  // prepared, then the first report while the tool works
  int result = run.engine->Convert(run.output.c_str(), Media("picture.bmp").c_str(), &progress);
  VrcSetShellExecuteExSeam(NULL);
  ASSERT_TRUE(g_tool != NULL);
  CHandle tool(g_tool);
  g_tool = NULL;
  EXPECT_EQ(0, result);
  EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(tool, 0)) << "the stopped tool still runs";
  EXPECT_EQ((std::vector<int>{1, 5}), progress.percents) << "no second attempt after a stop";
  EXPECT_EQ(1, ToolRunsOf(journal));
  EXPECT_FALSE(vrctest::FileExists(run.output));
  EXPECT_TRUE(run.Leftovers().empty());
  if (WaitForSingleObject(tool, 0) != WAIT_OBJECT_0) TerminateProcess(tool, 1);
}

TEST(PicCastConvert, TheStandInMakesAJpegOfTheChosenSize) {
  GdiplusScope gdiplus;
  vrctest::TempDir sources;
  // A PNG source takes the redraw path; the BMP goes to the tool as it is.
  std::string png = sources.File("picture.png");
  {
    Gdiplus::Bitmap bitmap(Wide(Media("picture.bmp")).c_str());
    CLSID pngEncoder;
    UINT count = 0, size = 0;
    Gdiplus::GetImageEncodersSize(&count, &size);
    std::vector<BYTE> buffer(size);
    Gdiplus::ImageCodecInfo* codecs = (Gdiplus::ImageCodecInfo*)buffer.data();
    Gdiplus::GetImageEncoders(count, size, codecs);
    for (UINT i = 0; i < count; ++i)
      if (wcscmp(codecs[i].MimeType, L"image/png") == 0) pngEncoder = codecs[i].Clsid;
    ASSERT_EQ(Gdiplus::Ok, bitmap.Save(Wide(png).c_str(), &pngEncoder, NULL));
  }
  for (const std::string& source : {Media("picture.bmp"), png}) {
    ToolRun run;
    ASSERT_TRUE(run.Load(vrctest::ProgramFolder() + "Alchemy.exe", 101, 37)) << source;
    ASSERT_EQ(1, run.engine->Convert(run.output.c_str(), source.c_str(), NULL)) << source;
    Gdiplus::Image result(Wide(run.output).c_str());
    ASSERT_EQ(Gdiplus::Ok, result.GetLastStatus()) << source;
    GUID format;
    result.GetRawFormat(&format);
    EXPECT_TRUE(format == Gdiplus::ImageFormatJPEG) << source;
    EXPECT_EQ(101u, result.GetWidth()) << source;
    EXPECT_EQ(37u, result.GetHeight()) << source;
    EXPECT_TRUE(run.Leftovers().empty()) << source;
  }
}

TEST(PicCastFormats, RowsAndConstants) {
  CComPtr<CImageToolConverter> engine(new CImageToolConverter());
  FORMATROW* rows = NULL;
  ASSERT_EQ(4, engine->GetInputFormats(&rows));
  EXPECT_STREQ("GIF", rows[3].szName);
  EXPECT_EQ(256u, rows[3].dwFlagsA);
  ASSERT_EQ(2, engine->GetOutputFormats(&rows));
  EXPECT_STREQ("JPEG", rows[1].szName);
  EXPECT_EQ(0, engine->Reserved7(0, 0));
  HGLOBAL dib = NULL;
  EXPECT_EQ(E_FAIL, engine->GetSnapshot(&dib));
}

}  // namespace
