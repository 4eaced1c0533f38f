// The version file (an INI file despite its ".dll" name): its [VersionInfo]
// values are stored scrambled and read back in plain text.
#pragma once
#include <string>

class CVersionInfoFile {
 public:
  void SetPath(const std::string& path) { m_path = path; }
  const std::string& GetPath() const { return m_path; }

  // Each gives "" when the key is absent or empty.
  std::string GetVersionName() const { return Read("VersionName"); }
  std::string GetCopyright() const { return Read("Copyright"); }
  std::string GetHomesiteURL() const { return Read("HomesiteURL"); }
  std::string GetSupportMail() const { return Read("SupportMail"); }

 private:
  std::string Read(const char* key) const;
  std::string m_path;
};
