// The reader of one skin.ini: single values and the key names of a section,
// with the two walks over numbered control lines. The file is only read.
#pragma once
#include <string>
#include <vector>

class CSkinIniReader {
 public:
  CSkinIniReader() {}
  explicit CSkinIniReader(const std::string& path) : m_path(path) {}
  void SetPath(const std::string& path) { m_path = path; }
  const std::string& GetPath() const { return m_path; }
  bool FileExists() const;

  // At most 2047 characters; the default for a missing key.
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
  std::string m_path;
};
