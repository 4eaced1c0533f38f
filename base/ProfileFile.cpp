#include "base/ProfileFile.h"

#include <windows.h>
#include <stdlib.h>

#include "base/FileStamp.h"

namespace {

// A section's text grows from here while the system reports it cut.
const DWORD kFirstSectionBuffer = 64 * 1024;
const DWORD kMostSectionBuffer = 64 * 1024 * 1024;
const DWORD kSectionNamesBuffer = 16384;

// A double-NUL-terminated list, one string per element.
std::vector<std::string> SplitList(const char* list, DWORD length) {
  std::vector<std::string> items;
  for (DWORD at = 0; at < length && list[at];) {
    std::string item(list + at);
    at += static_cast<DWORD>(item.size()) + 1;
    items.push_back(item);
  }
  return items;
}

std::vector<std::string> ReadSectionLines(const char* section, const std::string& path) {
  for (DWORD size = kFirstSectionBuffer; size <= kMostSectionBuffer; size *= 2) {
    std::vector<char> text(size + 1, '\0');
    DWORD length = GetPrivateProfileSectionA(section, text.data(), size, path.c_str());
    // The system answers size - 2 when the section did not fit.
    if (length + 2 < size || size * 2 > kMostSectionBuffer) return SplitList(text.data(), length);
  }
  return {};
}

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

// The system reads an integer's text into this many characters.
const size_t kIntRoom = 30;

// Digits with at most a leading minus, short enough not to overflow: read
// the same by every integer reader.
bool IsPlainDecimal(const std::string& text) {
  const size_t first = text[0] == '-' ? 1 : 0;
  if (text.size() <= first || text.size() - first > 9) return false;
  for (size_t i = first; i < text.size(); ++i)
    if (text[i] < '0' || text[i] > '9') return false;
  return true;
}

// A file's time of writing moves in steps of the file system's clock (a few
// milliseconds), so a file written again within one step keeps its stamp if
// its size stays: a file written in the last two seconds (or dated ahead) is
// read afresh by each reader instead of kept.
bool JustWritten(const FileStamp& stamp) {
  if (!stamp.exists) return false;
  FILETIME now;
  GetSystemTimeAsFileTime(&now);
  const ULONGLONG kTwoSeconds = 2ULL * 10000000ULL;
  const ULONGLONG written =
      (static_cast<ULONGLONG>(stamp.written.dwHighDateTime) << 32) | stamp.written.dwLowDateTime;
  const ULONGLONG current = (static_cast<ULONGLONG>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
  return written + kTwoSeconds > current;
}

struct CachedFile {
  std::string path;
  FileStamp stamp;
  std::shared_ptr<CProfileFile> file;
};

// A skin's four windows, its image list, fonts and enumerations read one
// file, and the output-type table is read by the configuration and each
// conversion module; a few files are kept, as the system's own reader keeps
// a few. Profiles are read on the user-interface thread only.
const size_t kMostCachedFiles = 4;
std::vector<CachedFile> g_cache;

}  // namespace

CProfileFile::CProfileFile(const std::string& path, bool exists)
    : m_path(path), m_exists(exists) {}

const std::vector<ProfileEntry>& CProfileFile::Section(const char* name) {
  const std::string wanted = name ? name : "";
  for (const auto& section : m_sections)
    if (section->name == wanted) return section->entries;
  std::unique_ptr<CachedSection> section(new CachedSection);
  section->name = wanted;
  if (m_exists) {
    for (const std::string& line : ReadSectionLines(wanted.c_str(), m_path)) {
      ProfileEntry entry;
      const size_t equals = line.find('=');
      entry.hasValue = equals != std::string::npos;
      entry.name = line.substr(0, equals);
      if (entry.hasValue) entry.value = line.substr(equals + 1);
      section->entries.push_back(entry);
    }
  }
  m_sections.push_back(std::move(section));
  return m_sections.back()->entries;
}

const std::vector<std::string>& CProfileFile::SectionNames() {
  if (!m_sectionNames) {
    m_sectionNames.reset(new std::vector<std::string>);
    if (m_exists) {
      std::vector<char> list(kSectionNamesBuffer + 1, '\0');
      DWORD length = GetPrivateProfileSectionNamesA(list.data(), kSectionNamesBuffer, m_path.c_str());
      *m_sectionNames = SplitList(list.data(), length);
    }
  }
  return *m_sectionNames;
}

std::shared_ptr<CProfileFile> SharedProfileFile(const std::string& path) {
  const FileStamp stamp = ReadFileStamp(path);
  for (auto it = g_cache.begin(); it != g_cache.end(); ++it) {
    if (it->path != path) continue;
    if (SameFileStamp(it->stamp, stamp)) return it->file;
    g_cache.erase(it);
    break;
  }
  CachedFile cached = {path, stamp, std::make_shared<CProfileFile>(path, stamp.exists)};
  if (JustWritten(stamp)) return cached.file;
  if (g_cache.size() >= kMostCachedFiles) g_cache.erase(g_cache.begin());
  g_cache.push_back(cached);
  return cached.file;
}

std::string ProfileString(CProfileFile& file, const char* section, const char* key,
                          const char* defaultValue, size_t room) {
  if (room == 0) return std::string();
  const std::string fallback = TrimmedDefault(defaultValue);
  const std::string name = TrimmedKey(key);
  if (section && file.Exists()) {
    for (const ProfileEntry& entry : file.Section(section)) {
      if (lstrcmpiA(entry.name.c_str(), name.c_str()) != 0) continue;
      return CopyEntry(entry.hasValue ? entry.value : fallback, room);
    }
  }
  return CopyEntry(fallback, room);
}

int ProfileInt(CProfileFile& file, const char* section, const char* key, int defaultValue) {
  // An empty value gives the default, as the system's reader gives it.
  const std::string text = ProfileString(file, section, key, "", kIntRoom);
  if (text.empty()) return defaultValue;
  if (IsPlainDecimal(text)) return static_cast<int>(strtol(text.c_str(), NULL, 10));
  return static_cast<int>(GetPrivateProfileIntA(section, key, defaultValue, file.Path().c_str()));
}
