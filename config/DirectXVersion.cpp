#include "config/DirectXVersion.h"

#include <windows.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "base/Paths.h"
#include "base/Strings.h"

namespace {

typedef unsigned long long FileVersion;  // four 16-bit parts, most significant first

constexpr FileVersion V(unsigned a, unsigned b, unsigned c, unsigned d) {
  return (FileVersion(a) << 48) | (FileVersion(b) << 32) | (FileVersion(c) << 16) | d;
}

struct MarkerRow {
  const char* file;
  FileVersion minimum4;  // for files whose first part is 4 (or any file when minimum5 is 0)
  FileVersion minimum5;  // for files whose first part is 5; 0 = the row has one version
  int major;
  const char* text;
};

// Tested in this order; a later passing row overrides an earlier one.
const MarkerRow kRows[] = {
    {"ddraw.dll", V(4, 2, 0, 95), 0, 1, "1.0"},
    {"ddraw.dll", V(4, 3, 0, 1096), 0, 2, "2.0"},
    {"ddraw.dll", V(4, 4, 0, 68), 0, 3, "3.0"},
    {"d3drg8x.dll", V(4, 4, 0, 70), 0, 3, "3.0a"},
    {"ddraw.dll", V(4, 5, 0, 155), 0, 5, "5.0"},
    {"ddraw.dll", V(4, 6, 0, 318), 0, 6, "6.0"},
    {"ddraw.dll", V(4, 6, 0, 436), 0, 6, "6.1"},
    {"dplayx.dll", V(4, 6, 3, 518), 0, 6, "6.1a"},
    {"ddraw.dll", V(4, 7, 0, 700), 0, 7, "7.0"},
    {"dinput.dll", V(4, 7, 0, 716), 0, 7, "7.0a"},
    {"ddraw.dll", V(4, 8, 0, 400), V(5, 1, 2258, 400), 8, "8.0"},
    {"d3d8.dll", V(4, 8, 1, 881), V(5, 1, 2600, 881), 8, "8.1"},
    {"d3d8.dll", V(4, 8, 1, 901), V(5, 1, 2600, 901), 8, "8.1a"},
    {"mpg2splt.ax", V(6, 3, 1, 885), 0, 8, "8.1b"},
    {"dpnet.dll", V(4, 9, 0, 134), V(5, 2, 3677, 134), 8, "8.2"},
};

// The fixed file version of a file's version resource; false without one.
bool ReadFileVersion(const std::string& path, FileVersion* out) {
  DWORD handle = 0;
  DWORD size = GetFileVersionInfoSizeA(path.c_str(), &handle);
  if (size == 0) return false;
  std::vector<char> data(size);
  if (!GetFileVersionInfoA(path.c_str(), 0, size, data.data())) return false;
  VS_FIXEDFILEINFO* info = nullptr;
  UINT length = 0;
  if (!VerQueryValueA(data.data(), "\\", reinterpret_cast<void**>(&info), &length) || !info ||
      length < sizeof(VS_FIXEDFILEINFO))
    return false;
  *out = (FileVersion(info->dwFileVersionMS) << 32) | info->dwFileVersionLS;
  return true;
}

bool RowPasses(const MarkerRow& row, FileVersion version) {
  if (row.minimum5 == 0) return version >= row.minimum4;
  unsigned first = static_cast<unsigned>(version >> 48);
  if (first == 4) return version >= row.minimum4;
  if (first == 5) return version >= row.minimum5;
  return false;
}

}  // namespace

DirectXVersion ProbeDirectXVersionIn(const char* systemFolder) {
  DirectXVersion result = {0, ""};
  if (!systemFolder || !*systemFolder) return result;
  // Direct3D 9 decides alone, whatever the older markers say: with it, no
  // version resource needs reading (each read costs milliseconds).
  if (PathIsFile(JoinPath(systemFolder, "d3d9.dll"))) {
    result.major = 9;
    CopyBounded(result.text, sizeof(result.text), "9.0");
    return result;
  }
  // Several rows test one file (ddraw.dll eight times): each is read once.
  std::map<std::string, std::pair<bool, FileVersion>> versions;
  for (const MarkerRow& row : kRows) {
    auto found = versions.find(row.file);
    if (found == versions.end()) {
      FileVersion version = 0;
      const bool read = ReadFileVersion(JoinPath(systemFolder, row.file), &version);
      found = versions.emplace(row.file, std::make_pair(read, version)).first;
    }
    if (found->second.first && RowPasses(row, found->second.second)) {
      result.major = row.major;
      CopyBounded(result.text, sizeof(result.text), row.text);
    }
  }
  return result;
}

DirectXVersion ProbeDirectXVersion() {
  char folder[MAX_PATH] = {0};
  UINT length = GetSystemDirectoryA(folder, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return DirectXVersion{0, ""};
  return ProbeDirectXVersionIn(folder);
}
