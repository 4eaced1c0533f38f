// The image tool's stand-in: "Alchemy.exe -j -o -24 "<A>" "<B>" -X <w> -Y <h>"
// reads image A and writes B as a 24-bit JPEG of w by h pixels through
// GDI+. Exit code 0 on success, 1 for a bad command line, 2 when A cannot be
// read, 3 when B cannot be written (also for a path of MAX_PATH characters
// or more).
#include <windows.h>
#include <stdlib.h>
#include <string.h>

// GDI+ needs the COM property types that the lean Windows header leaves out.
#include <objidl.h>
#include <gdiplus.h>
#include <string>
#include <vector>

namespace {

struct ToolArguments {
  std::string source;
  std::string target;
  int width = 0;
  int height = 0;
};

bool ParseArguments(int argc, char** argv, ToolArguments* out) {
  std::vector<std::string> paths;
  for (int i = 1; i < argc; ++i) {
    const char* arg = argv[i];
    if ((strcmp(arg, "-X") == 0 || strcmp(arg, "-Y") == 0) && i + 1 < argc) {
      (arg[1] == 'X' ? out->width : out->height) = atoi(argv[++i]);
    } else if (strcmp(arg, "-j") == 0 || strcmp(arg, "-o") == 0 || strcmp(arg, "-24") == 0) {
      // JPEG output, overwrite, 24 bits: what this tool always does.
    } else if (arg[0] == '-') {
      return false;
    } else {
      paths.push_back(arg);
    }
  }
  if (paths.size() != 2 || out->width <= 0 || out->height <= 0) return false;
  out->source = paths[0];
  out->target = paths[1];
  return true;
}

// The path in UTF-16; false for one that does not fit MAX_PATH with its
// terminator (cut, it would name another file).
bool Wide(const std::string& text, std::wstring* wide) {
  wchar_t buffer[MAX_PATH] = L"";
  int length = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, NULL, 0);
  if (length <= 0 || length > MAX_PATH) return false;
  if (MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, buffer, MAX_PATH) != length) return false;
  *wide = buffer;
  return true;
}

bool FindJpegEncoder(CLSID* clsid) {
  UINT count = 0, size = 0;
  if (Gdiplus::GetImageEncodersSize(&count, &size) != Gdiplus::Ok || size == 0) return false;
  std::vector<BYTE> buffer(size);
  Gdiplus::ImageCodecInfo* codecs = (Gdiplus::ImageCodecInfo*)buffer.data();
  if (Gdiplus::GetImageEncoders(count, size, codecs) != Gdiplus::Ok) return false;
  for (UINT i = 0; i < count; ++i)
    if (wcscmp(codecs[i].MimeType, L"image/jpeg") == 0) {
      *clsid = codecs[i].Clsid;
      return true;
    }
  return false;
}

int Convert(const ToolArguments& args) {
  std::wstring sourcePath, targetPath;
  if (!Wide(args.source, &sourcePath)) return 2;
  if (!Wide(args.target, &targetPath)) return 3;
  Gdiplus::Image source(sourcePath.c_str(), FALSE);
  if (source.GetLastStatus() != Gdiplus::Ok) return 2;
  Gdiplus::Bitmap target(args.width, args.height, PixelFormat24bppRGB);
  if (target.GetLastStatus() != Gdiplus::Ok) return 3;
  {
    Gdiplus::Graphics graphics(&target);
    graphics.SetInterpolationMode(Gdiplus::InterpolationModeHighQualityBicubic);
    Gdiplus::Rect whole(0, 0, args.width, args.height);
    if (graphics.DrawImage(&source, whole, 0, 0, (INT)source.GetWidth(), (INT)source.GetHeight(),
                           Gdiplus::UnitPixel) != Gdiplus::Ok)
      return 2;
  }
  CLSID jpeg;
  if (!FindJpegEncoder(&jpeg)) return 3;
  return target.Save(targetPath.c_str(), &jpeg, NULL) == Gdiplus::Ok ? 0 : 3;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  ToolArguments args;
  if (!ParseArguments(__argc, __argv, &args)) return 1;
  Gdiplus::GdiplusStartupInput input;
  ULONG_PTR token = 0;
  if (Gdiplus::GdiplusStartup(&token, &input, NULL) != Gdiplus::Ok) return 3;
  int code = Convert(args);
  Gdiplus::GdiplusShutdown(token);
  return code;
}
