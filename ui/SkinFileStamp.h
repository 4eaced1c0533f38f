// What tells two readings of a skin file apart without reading it: whether
// it exists, its time of last writing and its size. The shared copies of a
// skin's files are made again when their file's stamp changed.
#pragma once
#include <windows.h>

#include <string>

struct SkinFileStamp {
  bool exists;
  FILETIME written;
  ULONGLONG size;
};

SkinFileStamp ReadSkinFileStamp(const std::string& path);
bool SameSkinFileStamp(const SkinFileStamp& a, const SkinFileStamp& b);
