#include "engines/pic/ImageToolTexts.h"

#include <stdio.h>

// GDI+ needs the COM property types that the lean Windows header leaves out.
#include <objidl.h>
#include <gdiplus.h>

namespace {
const char kBlanks[] = " \t\r\n";

void TrimBlanks(std::string& text) {
  size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string::npos) {
    text.clear();
    return;
  }
  text = text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}
}  // namespace

std::string NextField(std::string& text) {
  size_t separator = text.find(';');
  if (separator == std::string::npos) {
    std::string field;
    field.swap(text);
    return field;
  }
  std::string field = text.substr(0, separator);
  text.erase(0, separator + 1);
  TrimBlanks(text);
  return field;
}

bool NeedsRedraw(SourceKind kind, int pixelFormat, bool force) {
  if (force || kind == kSourcePng || kind == kSourceJpeg) return true;
  return pixelFormat == PixelFormat32bppRGB || pixelFormat == PixelFormat32bppARGB ||
         pixelFormat == PixelFormat32bppPARGB;
}

std::string ImageToolParameters(const char* a, const char* b, int width, int height) {
  char text[3 * MAX_PATH];
  snprintf(text, sizeof(text), "-j -o -24 \"%s\" \"%s\" -X %d -Y %d", a, b, width, height);
  return text;
}
