#include "ui/SkinData.h"

#include <limits.h>
#include <stdlib.h>
#include <string.h>

namespace {

void Trim(std::string& text) {
  const char* blanks = " \t\r\n";
  size_t first = text.find_first_not_of(blanks);
  if (first == std::string::npos) {
    text.clear();
    return;
  }
  size_t last = text.find_last_not_of(blanks);
  text = text.substr(first, last - first + 1);
}

int Saturated(long long value) {
  if (value > INT_MAX) return INT_MAX;
  if (value < INT_MIN) return INT_MIN;
  return static_cast<int>(value);
}

// As atoi reads it, but a number beyond the int range stops at its end
// instead of wrapping (the C library leaves that case undefined).
int NextNumber(std::string& rest) {
  return Saturated(strtoll(NextSkinField(rest).c_str(), NULL, 10));
}

}  // namespace

std::string NextSkinField(std::string& rest) {
  size_t comma = rest.find(',');
  std::string field;
  if (comma == std::string::npos) {
    field = rest;
    rest.clear();
  } else {
    field = rest.substr(0, comma);
    rest.erase(0, comma + 1);
  }
  Trim(rest);
  return field;
}

RECT ParseSkinRect(std::string& rest) {
  int x = NextNumber(rest);
  int y = NextNumber(rest);
  int w = NextNumber(rest);
  int h = NextNumber(rest);
  // A hand-edited size may run past the int range: the corner stops there.
  RECT r = {x, y, Saturated(static_cast<long long>(x) + w), Saturated(static_cast<long long>(y) + h)};
  return r;
}

COLORREF ReadSkinColour(std::string& rest) {
  int r = NextNumber(rest);
  int g = NextNumber(rest);
  int b = NextNumber(rest);
  return RGB(r & 0xFF, g & 0xFF, b & 0xFF);
}

RECT* ReadSkinInsets(RECT* out, std::string& rest) {
  out->left = NextNumber(rest);
  out->top = NextNumber(rest);
  out->right = NextNumber(rest);
  out->bottom = NextNumber(rest);
  return out;
}

int CountSkinFields(const std::string& line) {
  if (line.empty()) return 0;
  int count = 1;
  for (char c : line)
    if (c == ',') ++count;
  return count;
}

std::string SkinFolderOf(const std::string& path) {
  char full[MAX_PATH] = "";
  char* name = NULL;
  DWORD length = GetFullPathNameA(path.c_str(), MAX_PATH, full, &name);
  std::string folder = (length > 0 && length < MAX_PATH) ? std::string(full) : path;
  size_t slash = folder.find_last_of("\\/");
  folder = slash == std::string::npos ? std::string() : folder.substr(0, slash);
  while (!folder.empty() && (folder.back() == '\\' || folder.back() == '/')) folder.pop_back();
  return folder + "\\";
}

std::string& ToUpperSkinName(std::string& name) {
  if (!name.empty()) CharUpperBuffA(&name[0], static_cast<DWORD>(name.size()));
  return name;
}

bool SameSkinName(const std::string& a, const std::string& b) {
  return lstrcmpiA(a.c_str(), b.c_str()) == 0;
}

int CSkinDataReader::NextInt() { return NextNumber(m_text); }
