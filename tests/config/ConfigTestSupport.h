// A throw-away installation for configuration tests: a copy of the program
// folder's installation files in a temporary folder, a registry root of the
// test's own (through Config.ini's OEMRegKeyName) that is deleted
// afterwards, and recorders in place of the message box, the shell and the
// power-off.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "tests/support/TestSupport.h"

namespace configtest {

struct ShownBox {
  std::string text, caption;
  UINT style;
};

// What the seams saw; reset by each Installation.
struct SeamLog {
  std::vector<ShownBox> boxes;
  int boxAnswer = IDNO;
  std::vector<std::string> shellFiles;
  int powerOffs = 0;
  // The registry value named here is read when the power-off comes, to see
  // what had been saved by then.
  std::string powerOffProbe;
  DWORD probeSeen = 0xFFFFFFFF;
};
SeamLog& Seams();

class Installation {
 public:
  Installation();
  ~Installation();
  Installation(const Installation&) = delete;
  Installation& operator=(const Installation&) = delete;

  const std::string& Folder() const { return m_dir.Path(); }
  std::string File(const std::string& name) const { return m_dir.File(name); }
  const std::string& RegistryRoot() const { return m_root; }
  // Rewrites Config.ini: the format profile path and extra [OEM] lines.
  void WriteConfigIni(const std::string& profilePath, const std::string& extraLines = "");
  // Whether the registry root exists, and one DWORD / text value under it.
  bool RootExists() const;
  bool ReadDword(const char* name, DWORD* value) const;
  std::string ReadText(const char* name) const;
  void WriteDword(const char* name, DWORD value) const;

 private:
  vrctest::TempDir m_dir;
  std::string m_root;
};

// The [OEM] line that sets one OEM value (1-based ConfigCtrlInfo number).
std::string OemLine(int number, const std::string& plain);

}  // namespace configtest
