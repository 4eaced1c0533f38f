#include "base/OsVersion.h"

#include <string.h>

int ClassifyOSVersion(const OSVERSIONINFOA& version) {
  switch (version.dwPlatformId) {
    case VER_PLATFORM_WIN32s:
      return 1;
    case VER_PLATFORM_WIN32_NT:
      if (version.dwMajorVersion == 4) return 6;
      if (version.dwMajorVersion == 5 && version.dwMinorVersion == 0) return 7;
      if (version.dwMajorVersion == 5 && version.dwMinorVersion == 1) return 8;
      return 5;
    default:  // the Windows 9x family
      if (version.dwMajorVersion == 4 && version.dwMinorVersion == 10) return 3;
      if (version.dwMajorVersion == 4 && version.dwMinorVersion == 90) return 4;
      return 2;
  }
}

int GetOSVersionType() {
  OSVERSIONINFOA version;
  memset(&version, 0, sizeof(version));
  version.dwOSVersionInfoSize = sizeof(version);  // the 148-byte record
  if (!GetVersionExA(&version)) return 0;
  return ClassifyOSVersion(version);
}
