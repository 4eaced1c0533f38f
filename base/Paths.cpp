#include "base/Paths.h"

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

std::string JoinPath(const std::string& folder, const std::string& name) {
  if (folder.empty()) return name;
  if (folder.back() == '\\' || folder.back() == '/') return folder + name;
  return folder + "\\" + name;
}

bool PathIsFile(const std::string& path) {
  DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool PathIsFolder(const std::string& path) {
  DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string ModuleFolder(HMODULE module) {
  char path[MAX_PATH] = {0};
  DWORD length = GetModuleFileNameA(module, path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return std::string();
  std::string folder(path, length);
  size_t slash = folder.find_last_of("\\/");
  folder.erase(slash == std::string::npos ? 0 : slash + 1);
  return folder;
}

bool GetFileSizeOf(const std::string& path, ULONGLONG* size) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!size || !GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return false;
  *size = (static_cast<ULONGLONG>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
  return true;
}

bool WidenPath(const char* path, wchar_t* wide, int room) {
  if (!wide || room <= 0) return false;
  wide[0] = L'\0';
  if (!path) return false;
  int length = MultiByteToWideChar(CP_ACP, 0, path, -1, NULL, 0);
  if (length <= 0 || length > room) return false;
  return MultiByteToWideChar(CP_ACP, 0, path, -1, wide, room) == length;
}
