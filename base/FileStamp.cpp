#include "base/FileStamp.h"

FileStamp ReadFileStamp(const std::string& path) {
  FileStamp stamp = {false, {0, 0}, 0};
  WIN32_FILE_ATTRIBUTE_DATA data = {};
  if (path.empty() || !GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data) ||
      (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
    return stamp;
  stamp.exists = true;
  stamp.written = data.ftLastWriteTime;
  stamp.size = (static_cast<ULONGLONG>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
  return stamp;
}

bool SameFileStamp(const FileStamp& a, const FileStamp& b) {
  return a.exists == b.exists && a.size == b.size && CompareFileTime(&a.written, &b.written) == 0;
}
