#include "base/Strings.h"

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

std::wstring Widen(const char* text) {
  if (!text) return std::wstring();
  int length = MultiByteToWideChar(CP_ACP, 0, text, -1, NULL, 0);
  if (length <= 0) return std::wstring();
  std::wstring wide(static_cast<size_t>(length), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text, -1, &wide[0], length);
  wide.resize(static_cast<size_t>(length - 1));
  return wide;
}

bool NarrowExactly(const wchar_t* text, std::string* narrow) {
  narrow->clear();
  if (!text || !*text) return true;
  if (GetACP() == CP_UTF8) {  // every character has a form; the flag is not allowed then
    *narrow = Narrow(text);
    return true;
  }
  BOOL usedStandIn = FALSE;
  int length = WideCharToMultiByte(CP_ACP, 0, text, -1, NULL, 0, NULL, &usedStandIn);
  if (length <= 0) return false;
  *narrow = Narrow(text);
  return !usedStandIn;
}

std::string Narrow(const wchar_t* text) {
  if (!text) return std::string();
  int length = WideCharToMultiByte(CP_ACP, 0, text, -1, NULL, 0, NULL, NULL);
  if (length <= 0) return std::string();
  std::string narrow(static_cast<size_t>(length), '\0');
  WideCharToMultiByte(CP_ACP, 0, text, -1, &narrow[0], length, NULL, NULL);
  narrow.resize(static_cast<size_t>(length - 1));
  return narrow;
}
