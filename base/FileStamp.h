// What tells two readings of a file apart without reading it: whether it
// exists, its time of last writing and its size. The shared in-memory copies
// of a skin's files and of the profiles are made again when their file's
// stamp changed.
#pragma once
#include <windows.h>

#include <string>

struct FileStamp {
  bool exists;
  FILETIME written;
  ULONGLONG size;
};

FileStamp ReadFileStamp(const std::string& path);
bool SameFileStamp(const FileStamp& a, const FileStamp& b);
