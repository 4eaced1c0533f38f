// One INI file (a skin.ini, the format profile) as the system's profile
// reader sees it, asked of the system a section at a time and kept in memory:
// a window's load looks up some eighty values and the output-type table some
// two hundred, and each profile call opens and checks the file again. The
// system still parses the file (comments, spaces, brackets, its code page);
// what is kept is the section's "name=value" lines as it hands them out, and
// ProfileString and ProfileInt follow its rules for single values.
#pragma once
#include <memory>
#include <string>
#include <vector>

// One line of a section: a name with its value, or a name alone (a line
// without '=', which reads as a missing key).
struct ProfileEntry {
  std::string name;
  std::string value;
  bool hasValue;
};

class CProfileFile {
 public:
  CProfileFile(const std::string& path, bool exists);
  bool Exists() const { return m_exists; }
  const std::string& Path() const { return m_path; }
  // The section's lines in file order (an empty list for a missing section);
  // asked of the system on the first call for that name.
  const std::vector<ProfileEntry>& Section(const char* name);
  const std::vector<std::string>& SectionNames();

 private:
  struct CachedSection {
    std::string name;
    std::vector<ProfileEntry> entries;
  };
  std::string m_path;
  bool m_exists;
  std::vector<std::unique_ptr<CachedSection>> m_sections;
  std::unique_ptr<std::vector<std::string>> m_sectionNames;
};

// The copy of that file which every reader of this module shares, made again
// when the file's time of last writing or its size changed since it was made.
// Profiles are read on the user-interface thread only.
std::shared_ptr<CProfileFile> SharedProfileFile(const std::string& path);

// GetPrivateProfileString into a buffer of `room` characters: key and
// section in any case, the first of two equal keys, one pair of surrounding
// quotes removed, trailing spaces of the default dropped, at most room - 1
// characters.
std::string ProfileString(CProfileFile& file, const char* section, const char* key,
                          const char* defaultValue, size_t room);
// GetPrivateProfileInt: the default for a missing or empty value; a value
// that is a plain decimal number is read here, any other is left to the
// system's own reading of the file, whose rules for it are its own.
int ProfileInt(CProfileFile& file, const char* section, const char* key, int defaultValue);
