// Free space of the output drive and thin wrappers of the shell's path
// functions, shared by the task list's naming and the conversion runner.
#pragma once
#include <windows.h>

// Bytes available to the caller on the drive or share of `path`.
BOOL GetFreeDiskSpace(const char* path, ULARGE_INTEGER* freeBytes);
BOOL FileExists(const char* path);
// The "." and what follows in the file name, or the end of the string.
const char* GetFileExt(const char* path);
const char* GetFileNameFromPath(const char* path);
