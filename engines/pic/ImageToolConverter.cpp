#include "engines/pic/ImageToolConverter.h"

#include <shellapi.h>
#include <shlwapi.h>
#include <stdlib.h>

#include <algorithm>
// GDI+ needs the COM property types that the lean Windows header leaves out.
#include <objidl.h>
#include <gdiplus.h>

#include "base/ExifOrientation.h"
#include "base/Handles.h"
#include "base/MessagePump.h"
#include "base/Paths.h"
#include "engines/pic/Bitmap24.h"
#include "engines/pic/ImageToolTexts.h"
#include "winfx/GdiPlus.h"
#include "winfx/Seams.h"

namespace {

FORMATROW g_inputRows[4] = {{"BMP", 64, 0}, {"JPG", 128, 0}, {"JPEG", 128, 0}, {"GIF", 256, 0}};
FORMATROW g_outputRows[2] = {{"JPG", 128, 0}, {"JPEG", 128, 0}};

const DWORD kToolPollMs = 200;
const int kToolStep = 5;  // percent a poll while the tool runs
const DWORD kToolEndMs = 5000;           // for a stopped tool to let go of its files
const UINT kToolStoppedExitCode = 3;     // the tool's own "cannot write" code

// GDI+ for the holder's lifetime.
class CGdiplusSession {
 public:
  CGdiplusSession() {
    Gdiplus::GdiplusStartupInput input;  // version 1, no debug callback
    m_ok = Gdiplus::GdiplusStartup(&m_token, &input, NULL) == Gdiplus::Ok;
  }
  ~CGdiplusSession() {
    if (m_ok) Gdiplus::GdiplusShutdown(m_token);
  }
  bool Ok() const { return m_ok; }

 private:
  ULONG_PTR m_token = 0;
  bool m_ok = false;
};

SourceKind KindOf(const GUID& rawFormat) {
  if (rawFormat == Gdiplus::ImageFormatPNG) return kSourcePng;
  if (rawFormat == Gdiplus::ImageFormatJPEG) return kSourceJpeg;
  return kSourceOther;
}

}  // namespace

int MakeTempFileName(const char* folder, char* name) {
  if (!PathFileExistsA(folder) && !CreateDirectoryA(folder, NULL)) return 0;
  if (!GetTempFileNameA(folder, "QTJ", 0, name)) return 0;
  DeleteFileA(name);
  return 1;
}

int STDMETHODCALLTYPE CImageToolConverter::GetInputFormats(FORMATROW** rows) {
  if (rows) *rows = g_inputRows;
  return 4;
}

int STDMETHODCALLTYPE CImageToolConverter::GetOutputFormats(FORMATROW** rows) {
  if (rows) *rows = g_outputRows;
  return 2;
}

int CImageToolConverter::ParseConfig(const char* config) {
  std::string text = config ? config : "";
  m_toolPath = NextField(text);
  if (!PathFileExistsA(m_toolPath.c_str())) return 0;
  m_tempFolder = NextField(text);
  if (m_tempFolder.empty()) return 0;
  if ((m_width = atoi(NextField(text).c_str())) == 0) return 0;
  if ((m_height = atoi(NextField(text).c_str())) == 0) return 0;
  if ((m_n = atoi(NextField(text).c_str())) == 0) return 0;
  return 1;
}

int STDMETHODCALLTYPE CImageToolConverter::Convert(const char* output, const char* input,
                                                   IConvertProgress* progress) {
  if (!output || !input) return 0;
  m_stopped = false;
  int result = ConvertOnce(output, input, progress, 0);
  // A stop is no failure to try again: the forced attempt would redraw the
  // whole picture only to be stopped at its first report.
  if (result == 0 && !m_stopped) result = ConvertOnce(output, input, progress, 1);
  return result;
}

int CImageToolConverter::ConvertOnce(const char* output, const char* input,
                                     IConvertProgress* progress, int force) {
  char a[MAX_PATH] = "", b[MAX_PATH] = "";
  if (!PrepareImage(input, a, progress, force)) return 0;
  if (!RunImageTool(b, a, progress)) return 0;
  return CopyResult(b, output, progress);
}

bool CImageToolConverter::Report(IConvertProgress* progress, int percent) {
  if (!progress) return true;
  int abort = 0;
  progress->Progress(PROGRESS_PERCENT, percent, &abort);
  PumpMessages();
  if (abort) m_stopped = true;
  return abort == 0;
}

int CImageToolConverter::RedrawInto(void* source, const char* a) {
  Gdiplus::Image* image = static_cast<Gdiplus::Image*>(source);
  if (m_width <= 0 || m_height <= 0) return 0;
  Gdiplus::Bitmap canvas(m_width, m_height, PixelFormat32bppARGB);
  if (canvas.GetLastStatus() != Gdiplus::Ok) return 0;
  {
    Gdiplus::Graphics graphics(&canvas);
    graphics.SetInterpolationMode(Gdiplus::InterpolationModeBilinear);
    Gdiplus::Rect target(0, 0, m_width, m_height);
    if (graphics.DrawImage(image, target, 0, 0, (INT)image->GetWidth(), (INT)image->GetHeight(),
                           Gdiplus::UnitPixel) != Gdiplus::Ok)
      return 0;
  }
  Gdiplus::BitmapData data;
  Gdiplus::Rect whole(0, 0, m_width, m_height);
  if (canvas.LockBits(&whole, Gdiplus::ImageLockModeRead, PixelFormat24bppRGB, &data) !=
      Gdiplus::Ok)
    return 0;
  LockedPixels pixels = {(int)data.Width, (int)data.Height, data.Stride, (BYTE*)data.Scan0};
  int result = WriteBitmap24(pixels, a);
  canvas.UnlockBits(&data);
  return result;
}

int CImageToolConverter::PrepareImage(const char* input, char* a, IConvertProgress* progress,
                                      int force) {
  if (!MakeTempFileName(m_tempFolder.c_str(), a)) return 0;
  int result = 0;
  {
    CGdiplusSession gdiplus;
    if (gdiplus.Ok()) {
      // A path that does not fit is refused: cut, it would name another file.
      wchar_t path[MAX_PATH] = L"";
      bool named = WidenPath(input, path, MAX_PATH);
      Gdiplus::Image image(path, FALSE);
      if (named && image.GetLastStatus() == Gdiplus::Ok) {
        GUID raw = GUID_NULL;
        image.GetRawFormat(&raw);
        // A camera's turned picture is drawn upright: the image tool reads
        // pixels as stored.
        const int orientation = ReadExifOrientation(input);
        const UprightSteps upright = UprightTurn(orientation);
        for (Gdiplus::RotateFlipType step : {upright.mirror, upright.turn})
          if (step != Gdiplus::RotateNoneFlipNone) image.RotateFlip(step);
        if (orientation != kExifUpright ||
            NeedsRedraw(KindOf(raw), (int)image.GetPixelFormat(), force != 0))
          result = RedrawInto(&image, a);
        else
          result = CopyFileA(input, a, FALSE) ? 1 : 0;
      }
    }
  }
  if (!Report(progress, 1) || !result) {
    DeleteFileA(a);  // nothing of a stopped or failed attempt stays behind
    return 0;
  }
  return result;
}

int CImageToolConverter::RunImageTool(char* b, const char* a, IConvertProgress* progress) {
  if (!MakeTempFileName(m_tempFolder.c_str(), b)) {
    DeleteFileA(a);
    return 0;
  }
  std::string parameters = ImageToolParameters(a, b, m_width, m_height);
  SHELLEXECUTEINFOA run = {};
  run.cbSize = sizeof(run);
  run.fMask = SEE_MASK_NOCLOSEPROCESS;
  run.lpFile = m_toolPath.c_str();
  run.lpParameters = parameters.c_str();
  run.nShow = SW_HIDE;
  int result = VrcShellExecuteEx(&run) ? 1 : 0;
  CHandle tool(run.hProcess);  // the handle is ours to close, also when stopping
  // Without its process the tool's end and exit code cannot be known.
  if (result && !tool.IsValid()) result = 0;
  if (result && WaitForSingleObject(tool, kToolPollMs) == WAIT_TIMEOUT) {
    int percent = 0;
    do {
      percent = std::min(percent + kToolStep, 100);
      if (!Report(progress, percent)) {
        // A stopped tool must not write file B after the task is over.
        TerminateProcess(tool, kToolStoppedExitCode);
        WaitForSingleObject(tool, kToolEndMs);
        result = 0;
        break;
      }
    } while (WaitForSingleObject(tool, kToolPollMs) == WAIT_TIMEOUT);
  }
  if (result) result = ToolSucceeded(tool, b) ? 1 : 0;
  DeleteFileA(a);
  if (!result) DeleteFileA(b);  // a partial result is no result
  return result;
}

bool CImageToolConverter::ToolSucceeded(HANDLE tool, const char* b) {
  DWORD code = STILL_ACTIVE;
  if (!GetExitCodeProcess(tool, &code) || code != 0) return false;
  CGdiplusSession gdiplus;
  wchar_t path[MAX_PATH] = L"";
  if (!gdiplus.Ok() || !WidenPath(b, path, MAX_PATH)) return false;
  Gdiplus::Image result(path, FALSE);
  return result.GetLastStatus() == Gdiplus::Ok && result.GetWidth() > 0;
}

int CImageToolConverter::CopyResult(const char* b, const char* output, IConvertProgress* progress) {
  int result = CopyFileA(b, output, FALSE) ? 1 : 0;
  if (!Report(progress, 100)) result = 0;
  DeleteFileA(b);
  return result;
}
