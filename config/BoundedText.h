// Copies into fixed buffers that never run past their end.
#pragma once
#include <string>

// Copies `src` into `dst` of `size` bytes, cut to size - 1 characters and
// terminated. Writes nothing when size is 0 or less or dst is NULL; a NULL
// src copies as "".
void CopyBounded(char* dst, int size, const char* src);

// `text` with every occurrence of `token` replaced by `value` (an empty
// token leaves the text as it is).
std::string ReplaceAll(const std::string& text, const char* token, const std::string& value);

// Joins a folder and a name with exactly one backslash between them.
std::string JoinPath(const std::string& folder, const std::string& name);

bool PathIsFile(const std::string& path);
bool PathIsFolder(const std::string& path);
