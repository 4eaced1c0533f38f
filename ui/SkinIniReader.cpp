#include "ui/SkinIniReader.h"

#include <windows.h>

#include "base/Handles.h"
#include "base/Paths.h"

namespace {
const DWORD kValueBuffer = 2048;
const DWORD kKeyListBuffer = 16384;
}  // namespace

bool CSkinIniReader::FileExists() const { return !m_path.empty() && PathIsFile(m_path); }

std::string CSkinIniReader::ReadString(const char* section, const char* key,
                                       const char* defaultValue) const {
  char value[kValueBuffer] = "";
  GetPrivateProfileStringA(section, key, defaultValue ? defaultValue : "", value, kValueBuffer,
                           m_path.c_str());
  value[kValueBuffer - 1] = '\0';
  return value;
}

namespace {
// A double-NUL-terminated list of names from the profile reader.
std::vector<std::string> ReadNameList(const char* section, const std::string& path) {
  std::vector<std::string> names;
  CGlobalMemory block(GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, kKeyListBuffer + 1));
  if (!block.Get()) return names;
  char* list = static_cast<char*>(GlobalLock(block.Get()));
  if (!list) return names;
  DWORD length = section ? GetPrivateProfileStringA(section, NULL, "", list, kKeyListBuffer,
                                                    path.c_str())
                         : GetPrivateProfileSectionNamesA(list, kKeyListBuffer, path.c_str());
  // A cut list still ends inside the buffer, which is one byte longer.
  for (DWORD at = 0; at < length && list[at];) {
    std::string name(list + at);
    at += static_cast<DWORD>(name.size()) + 1;
    names.push_back(name);
  }
  GlobalUnlock(block.Get());
  return names;
}
}  // namespace

bool CSkinIniReader::ReadKeys(const char* section, std::vector<std::string>& keys) const {
  keys.clear();
  if (!section) return false;
  keys = ReadNameList(section, m_path);
  return !keys.empty();
}

std::vector<std::string> CSkinIniReader::ReadSectionNames() const {
  return ReadNameList(NULL, m_path);
}

std::vector<std::string> CSkinIniReader::ReadLinesUntilGap(const char* section) const {
  std::vector<std::string> lines;
  for (int n = 1;; ++n) {
    std::string line = ReadString(section, std::to_string(n).c_str(), "");
    if (line.empty()) break;
    lines.push_back(line);
  }
  return lines;
}

std::vector<std::string> CSkinIniReader::ReadLinesByKeyCount(const char* section) const {
  std::vector<std::string> keys;
  std::vector<std::string> lines;
  ReadKeys(section, keys);
  for (size_t n = 1; n <= keys.size(); ++n) {
    std::string line = ReadString(section, std::to_string(n).c_str(), "");
    if (!line.empty()) lines.push_back(line);
  }
  return lines;
}
