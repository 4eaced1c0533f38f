#include "ui/SkinIniFile.h"

#include <windows.h>

#include "ui/SkinFileStamp.h"

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

struct CachedFile {
  std::string path;
  SkinFileStamp stamp;
  std::shared_ptr<CSkinIniFile> file;
};

// The four windows, the image list, the fonts and the enumerations read the
// same file; a few files are kept, as the system's own reader keeps a few.
// Skins are read on the user-interface thread only.
const size_t kMostCachedFiles = 4;
std::vector<CachedFile> g_cache;

}  // namespace

CSkinIniFile::CSkinIniFile(const std::string& path, bool exists)
    : m_path(path), m_exists(exists) {}

const std::vector<SkinIniEntry>& CSkinIniFile::Section(const char* name) {
  const std::string wanted = name ? name : "";
  for (const auto& section : m_sections)
    if (section->name == wanted) return section->entries;
  std::unique_ptr<CachedSection> section(new CachedSection);
  section->name = wanted;
  if (m_exists) {
    for (const std::string& line : ReadSectionLines(wanted.c_str(), m_path)) {
      SkinIniEntry entry;
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

const std::vector<std::string>& CSkinIniFile::SectionNames() {
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

std::shared_ptr<CSkinIniFile> SharedSkinIniFile(const std::string& path) {
  const SkinFileStamp stamp = ReadSkinFileStamp(path);
  for (auto it = g_cache.begin(); it != g_cache.end(); ++it) {
    if (it->path != path) continue;
    if (SameSkinFileStamp(it->stamp, stamp)) return it->file;
    g_cache.erase(it);
    break;
  }
  CachedFile cached = {path, stamp, std::make_shared<CSkinIniFile>(path, stamp.exists)};
  if (g_cache.size() >= kMostCachedFiles) g_cache.erase(g_cache.begin());
  g_cache.push_back(cached);
  return cached.file;
}
