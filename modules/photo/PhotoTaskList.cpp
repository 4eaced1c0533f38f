#include "modules/photo/PhotoTaskList.h"

#include <string.h>

#include <vector>

#include "base/BoundedCall.h"
#include "base/ExifOrientation.h"
#include "base/LogClient.h"
#include "base/Paths.h"
#include "modules/photo/PhotoWndView.h"
#include "modules/photo/StillImageRules.h"

using namespace Gdiplus;

namespace {
const int kPathRoom = MAX_PATH;  // characters of the widened path

// The picture's decoding, bounded as every hand-over of a user's file to the
// platform is (base/BoundedCall.h); the job holds the decoded image.
class CDecodeJob : public CBoundedJob {
 public:
  explicit CDecodeJob(const char* path) : m_path(path) {}
  void Run() override { CGdiPlusBitmap::FromFile(m_path.c_str(), kPathRoom, &image); }

  CGdiPlusBitmap image;

 private:
  std::string m_path;
};
}  // namespace

CPhotoTaskList::CPhotoTaskList() : m_pPreview(NULL) {}

const char* CPhotoTaskList::SupportedPatterns() const {
  return "*.BMP;*.JPG;*.JPEG;*.GIF;*.TIF;*.TIFF;*.PNG";
}

int CPhotoTaskList::CurrentOutputTypeIndex() {
  // No fallback to "CurrentLastOutputTypeIndex": on this page it holds the
  // page's row, which as a catalogue index names a video type.
  return OutputTypeIndexOfId(kOutputTypeStillImage);
}

const char* CPhotoTaskList::MissingOutputTypeReason() const {
  return "No Still Image Output Type";
}

BOOL CPhotoTaskList::LoadOutputSettings(int outputTypeIndex, CTaskRecord* task) {
  if (OutputTypeIndexOfId(kOutputTypeStillImage) < 0)
    return RefuseMissingOutputType(task);
  return CTaskList::LoadOutputSettings(outputTypeIndex, task);
}

BOOL CPhotoTaskList::ProbeFile(CTaskRecord* task, const char* path) {
  return task && path ? ProbeStillImage(*task, path) : FALSE;
}

SIZE CPhotoTaskList::PreviewClientSize(UINT w, UINT h) const {
  RECT client = {0, 0, static_cast<LONG>(w), static_cast<LONG>(h)};
  if (m_pPreview && m_pPreview->m_hWnd) GetClientRect(m_pPreview->m_hWnd, &client);
  SIZE size = {client.right - client.left, client.bottom - client.top};
  return size;
}

BOOL CPhotoTaskList::ProbeStillImage(CTaskRecord& task, const char* path) {
  if (!FileExists(path)) return FALSE;
  task.outputType = kOutputTypeStillImage;
  task.sourcePath = path;
  task.outputPath = path;
  task.stateText = "Unconvert";
  const char* dot = strrchr(path, '.');
  if (dot && dot > path) task.outputPath = std::string(path, dot - path) + "X.JPG";

  std::unique_ptr<CBoundedJob> job(new CDecodeJob(path));
  if (!RunBounded(&job, m_probeBoundMs)) {
    LogPrint(LOG_ERROR, "Decoding the picture %s did not answer, not added!\n", path);
    m_probeUnanswered = true;
    return FALSE;
  }
  const CGdiPlusBitmap& image = static_cast<CDecodeJob&>(*job).image;
  if (!image.Get()) return FALSE;
  // The file's own format, read before any turn: a turned picture is one
  // in memory to GDI+.
  GUID rawFormat = kImageFormatUndefined;
  DllExports::GdipGetImageRawFormat(image.Image(), &rawFormat);
  PixelFormat pixels = 0;
  DllExports::GdipGetImagePixelFormat(image.Image(), &pixels);
  // A camera's turned picture counts, and is previewed, as it is shown.
  const int orientation = ReadExifOrientation(path);
  const UprightSteps upright = UprightTurn(orientation);
  for (RotateFlipType step : {upright.mirror, upright.turn})
    if (step != RotateNoneFlipNone) DllExports::GdipImageRotateFlip(image.Image(), step);
  SIZE size = image.Size();
  UINT w = static_cast<UINT>(size.cx), h = static_cast<UINT>(size.cy);
  // A picture that cannot be decoded has no size: it is no task.
  if (w == 0 || h == 0) {
    LogPrint(LOG_ERROR, "Cannot decode the picture %s!\n", path);
    return FALSE;
  }
  task.width = task.sourceWidth = static_cast<int>(w);
  task.height = task.sourceHeight = static_cast<int>(h);

  task.infoText =
      StillImageInfoText(w, h, ImageFormatName(rawFormat), PixelFormatBitsText(pixels));

  SIZE client = PreviewClientSize(w, h);
  SIZE thumbnail = ThumbnailSize(w, h, static_cast<UINT>(client.cx), static_cast<UINT>(client.cy));
  task.tempPath = WriteThumbnail(image.Get(), thumbnail);
  return TRUE;
}

std::string CPhotoTaskList::WriteThumbnail(GpBitmap* image, SIZE size) {
  if (size.cx <= 0 || size.cy <= 0) return "";
  CGdiPlusBitmap thumbnail;
  if (DllExports::GdipCreateBitmapFromScan0(size.cx, size.cy, 0, PixelFormat32bppARGB, NULL,
                                            thumbnail.Out()) != Ok)
    return "";
  UINT w = 0, h = 0;
  DllExports::GdipGetImageWidth(reinterpret_cast<GpImage*>(image), &w);
  DllExports::GdipGetImageHeight(reinterpret_cast<GpImage*>(image), &h);
  {
    CGdiPlusGraphics graphics(thumbnail.Image());
    if (!graphics.Get()) return "";
    DllExports::GdipSetInterpolationMode(graphics.Get(), InterpolationModeBilinear);
    DllExports::GdipDrawImageRectRectI(graphics.Get(), reinterpret_cast<GpImage*>(image), 0, 0,
                                       size.cx, size.cy, 0, 0, static_cast<INT>(w),
                                       static_cast<INT>(h), UnitPixel, NULL, NULL, NULL);
  }
  char folder[MAX_PATH] = "";
  DWORD length = GetTempPathA(sizeof(folder), folder);
  if (length == 0 || length >= sizeof(folder)) return "";
  char file[MAX_PATH] = "";
  if (!GetTempFileNameA(folder, "QTF", 0, file)) return "";
  CLSID bmp;
  wchar_t wide[MAX_PATH];
  // Save errors leave the (empty) temporary file as the task's: it goes
  // with the task.
  if (FindEncoderClsid(L"image/bmp", &bmp) &&
      MultiByteToWideChar(CP_ACP, 0, file, -1, wide, MAX_PATH))
    DllExports::GdipSaveImageToFile(thumbnail.Image(), wide, &bmp, NULL);
  return file;
}
