#include "BoundedText.h"

#include <windows.h>
#include <string.h>

void CopyBounded(char* dst, int size, const char* src) {
  if (!dst || size <= 0) return;
  if (!src) src = "";
  size_t length = strlen(src);
  if (length > static_cast<size_t>(size - 1)) length = static_cast<size_t>(size - 1);
  memcpy(dst, src, length);
  dst[length] = '\0';
}

std::string ReplaceAll(const std::string& text, const char* token, const std::string& value) {
  if (!token || !*token) return text;
  const size_t tokenLength = strlen(token);
  std::string result;
  size_t from = 0;
  for (size_t at = text.find(token); at != std::string::npos; at = text.find(token, from)) {
    result.append(text, from, at - from);
    result += value;
    from = at + tokenLength;
  }
  result.append(text, from, std::string::npos);
  return result;
}

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
