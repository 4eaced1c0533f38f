// The reader of one skin.ini: single values and the key names of a section,
// with the two walks over numbered control lines. The file is only read.
// Values come from the shared in-memory copy of the file (base/ProfileFile.h)
// that a reader takes at its first look-up; Refresh() makes it look again
// whether the file changed.
#pragma once
#include <memory>
#include <string>
#include <vector>

class CProfileFile;

class CSkinIniReader {
 public:
  CSkinIniReader() {}
  explicit CSkinIniReader(const std::string& path) : m_path(path) {}
  void SetPath(const std::string& path);
  const std::string& GetPath() const { return m_path; }
  bool FileExists() const;
  void Refresh() { m_file.reset(); }

  // At most 2047 characters; the default for a missing key. The profile
  // reader's rules: key and section in any case, the first of two equal keys,
  // one pair of surrounding quotes removed, trailing spaces of the default
  // dropped.
  std::string ReadString(const char* section, const char* key, const char* defaultValue) const;
  // Empties `keys`, then appends the section's key names in file order;
  // true when there is at least one.
  bool ReadKeys(const char* section, std::vector<std::string>& keys) const;

  // Every section name of the file, in file order.
  std::vector<std::string> ReadSectionNames() const;

  // Keys "1", "2", ... until the first empty or missing value.
  std::vector<std::string> ReadLinesUntilGap(const char* section) const;
  // N = the number of keys the section holds, whatever their names; keys "1"
  // to "N" are read and an empty or missing one is skipped.
  std::vector<std::string> ReadLinesByKeyCount(const char* section) const;

 private:
  CProfileFile& File() const;

  std::string m_path;
  mutable std::shared_ptr<CProfileFile> m_file;
};
