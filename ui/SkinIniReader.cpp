#include "ui/SkinIniReader.h"

#include <windows.h>

#include "base/Paths.h"
#include "base/ProfileFile.h"

namespace {
const size_t kValueBuffer = 2048;
const size_t kKeyListBuffer = 16384;
}  // namespace

void CSkinIniReader::SetPath(const std::string& path) {
  m_path = path;
  m_file.reset();
}

CProfileFile& CSkinIniReader::File() const {
  if (!m_file) m_file = SharedProfileFile(m_path);
  return *m_file;
}

bool CSkinIniReader::FileExists() const { return !m_path.empty() && PathIsFile(m_path); }

std::string CSkinIniReader::ReadString(const char* section, const char* key,
                                       const char* defaultValue) const {
  return ProfileString(File(), section, key, defaultValue, kValueBuffer);
}

bool CSkinIniReader::ReadKeys(const char* section, std::vector<std::string>& keys) const {
  keys.clear();
  if (!section) return false;
  CProfileFile& file = File();
  if (!file.Exists()) return false;
  // The names as the profile reader lists them into its buffer: lines
  // without '=' left out, the last name cut where the buffer ends, and an
  // empty name ending the list as its double NUL would.
  size_t room = kKeyListBuffer;
  for (const ProfileEntry& entry : file.Section(section)) {
    if (!entry.hasValue) continue;
    if (room <= 2 || entry.name.empty()) break;
    std::string name = entry.name.substr(0, room - 2);
    room -= name.size() + 1;
    keys.push_back(name);
  }
  return !keys.empty();
}

std::vector<std::string> CSkinIniReader::ReadSectionNames() const { return File().SectionNames(); }

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
