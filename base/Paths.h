// Files, folders and drives: the program's folder, a file's size, the free
// space of an output drive, and thin wrappers of the shell's path functions.
#pragma once
#include <windows.h>

#include <string>

// Bytes available to the caller on the drive or share of `path`.
BOOL GetFreeDiskSpace(const char* path, ULARGE_INTEGER* freeBytes);
BOOL FileExists(const char* path);
// The "." and what follows in the file name, or the end of the string.
const char* GetFileExt(const char* path);
const char* GetFileNameFromPath(const char* path);

// Joins a folder and a name with exactly one backslash between them.
std::string JoinPath(const std::string& folder, const std::string& name);
bool PathIsFile(const std::string& path);
bool PathIsFolder(const std::string& path);

// The folder of a module's file (NULL: the running program) with its last
// backslash; "" when the path cannot be read or does not fit MAX_PATH.
std::string ModuleFolder(HMODULE module = NULL);
// The path in UTF-16 (the system's code page) in a buffer of `room` wide
// characters, terminated; false, with an empty buffer, for a path that does
// not fit with its terminator (a cut path would name another file).
bool WidenPath(const char* path, wchar_t* wide, int room);
// The size of a file in bytes; false (and *size untouched) when it cannot
// be read.
bool GetFileSizeOf(const std::string& path, ULONGLONG* size);

// Makes a folder the current directory for a while and gives the old one
// back when it goes.
class CurrentDirectory {
 public:
  CurrentDirectory() { GetCurrentDirectoryA(MAX_PATH, m_saved); }
  ~CurrentDirectory() {
    if (m_saved[0]) SetCurrentDirectoryA(m_saved);
  }
  CurrentDirectory(const CurrentDirectory&) = delete;
  CurrentDirectory& operator=(const CurrentDirectory&) = delete;
  void Enter(const std::string& folder) {
    if (!folder.empty()) SetCurrentDirectoryA(folder.c_str());
  }

 private:
  char m_saved[MAX_PATH] = {0};
};
