// One skin.ini as the system's profile reader sees it, asked of the system a
// section at a time and kept in memory: a window's load looks up some eighty
// values, and each profile call opens and checks the file again. The system
// still parses the file (comments, spaces, brackets, its code page); what is
// kept is the section's "name=value" lines as it hands them out, and the
// look-ups in CSkinIniReader follow its rules for single values.
#pragma once
#include <memory>
#include <string>
#include <vector>

// One line of a section: a name with its value, or a name alone (a line
// without '=', which reads as a missing key).
struct SkinIniEntry {
  std::string name;
  std::string value;
  bool hasValue;
};

class CSkinIniFile {
 public:
  CSkinIniFile(const std::string& path, bool exists);
  bool Exists() const { return m_exists; }
  // The section's lines in file order (an empty list for a missing section);
  // asked of the system on the first call for that name.
  const std::vector<SkinIniEntry>& Section(const char* name);
  const std::vector<std::string>& SectionNames();

 private:
  struct CachedSection {
    std::string name;
    std::vector<SkinIniEntry> entries;
  };
  std::string m_path;
  bool m_exists;
  std::vector<std::unique_ptr<CachedSection>> m_sections;
  std::unique_ptr<std::vector<std::string>> m_sectionNames;
};

// The copy of that file which every reader shares, made again when the
// file's time of last writing or its size changed since it was made.
std::shared_ptr<CSkinIniFile> SharedSkinIniFile(const std::string& path);
