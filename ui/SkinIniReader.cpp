#include "ui/SkinIniReader.h"

#include <windows.h>

#include "base/Paths.h"
#include "ui/SkinIniFile.h"

namespace {
const size_t kValueBuffer = 2048;
const size_t kKeyListBuffer = 16384;

bool IsProfileSpace(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f' || c == 0x1a;
}

std::string TrimmedKey(const char* key) {
  std::string text = key ? key : "";
  size_t begin = 0, end = text.size();
  while (begin < end && IsProfileSpace(text[begin])) ++begin;
  while (end > begin && IsProfileSpace(text[end - 1])) --end;
  return text.substr(begin, end - begin);
}

// A value as the profile reader copies it into a buffer of `room` characters:
// a value that starts and ends with the same quote loses the first, and the
// last when the rest fits.
std::string CopyEntry(const std::string& value, size_t room) {
  std::string text = value;
  bool quoted = false;
  if (text.size() >= 2 && (text[0] == '"' || text[0] == '\'') && text.back() == text[0]) {
    text.erase(0, 1);
    quoted = true;
  }
  const bool fits = room >= text.size();
  if (text.size() > room - 1) text.resize(room - 1);
  if (quoted && fits && !text.empty()) text.pop_back();
  return text;
}

// Trailing spaces of a default go, but never its first character.
std::string TrimmedDefault(const char* value) {
  std::string text = value ? value : "";
  size_t end = text.size();
  while (end > 1 && text[end - 1] == ' ') --end;
  text.resize(end);
  return text;
}
}  // namespace

void CSkinIniReader::SetPath(const std::string& path) {
  m_path = path;
  m_file.reset();
}

CSkinIniFile& CSkinIniReader::File() const {
  if (!m_file) m_file = SharedSkinIniFile(m_path);
  return *m_file;
}

bool CSkinIniReader::FileExists() const { return !m_path.empty() && PathIsFile(m_path); }

std::string CSkinIniReader::ReadString(const char* section, const char* key,
                                       const char* defaultValue) const {
  const std::string fallback = TrimmedDefault(defaultValue);
  CSkinIniFile& file = File();
  const std::string name = TrimmedKey(key);
  if (section && file.Exists()) {
    for (const SkinIniEntry& entry : file.Section(section)) {
      if (lstrcmpiA(entry.name.c_str(), name.c_str()) != 0) continue;
      return CopyEntry(entry.hasValue ? entry.value : fallback, kValueBuffer);
    }
  }
  return CopyEntry(fallback, kValueBuffer);
}

bool CSkinIniReader::ReadKeys(const char* section, std::vector<std::string>& keys) const {
  keys.clear();
  if (!section) return false;
  CSkinIniFile& file = File();
  if (!file.Exists()) return false;
  // The names as the profile reader lists them into its buffer: lines
  // without '=' left out, the last name cut where the buffer ends, and an
  // empty name ending the list as its double NUL would.
  size_t room = kKeyListBuffer;
  for (const SkinIniEntry& entry : file.Section(section)) {
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
