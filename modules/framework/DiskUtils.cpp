#include "DiskUtils.h"

#include <shlwapi.h>
#include <string.h>

BOOL GetFreeDiskSpace(const char* path, ULARGE_INTEGER* freeBytes) {
  if (!path || !freeBytes) return FALSE;
  // One spare character for the backslash that shares need.
  char buffer[MAX_PATH + 1];
  lstrcpynA(buffer, path, MAX_PATH);
  if (PathIsUNCA(buffer)) PathAddBackslashA(buffer);
  ULARGE_INTEGER available, total, totalFree;
  BOOL ok = GetDiskFreeSpaceExA(buffer, &available, &total, &totalFree);
  freeBytes->QuadPart = ok ? available.QuadPart : 0;
  return ok;
}

BOOL FileExists(const char* path) { return path && PathFileExistsA(path); }

const char* GetFileExt(const char* path) { return PathFindExtensionA(path); }

const char* GetFileNameFromPath(const char* path) { return PathFindFileNameA(path); }
