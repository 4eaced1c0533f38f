#include "config/VersionInfoFile.h"

#include <windows.h>

#include "config/OemValue.h"

std::string CVersionInfoFile::Read(const char* key) const {
  if (m_path.empty()) return std::string();
  char stored[1024] = {0};
  GetPrivateProfileStringA("VersionInfo", key, "", stored, sizeof(stored), m_path.c_str());
  if (!stored[0]) return std::string();
  char plain[OEM_VALUE_MAX_PLAIN + 1];
  DecodeOemValue(stored, plain, sizeof(plain));
  return plain;
}
