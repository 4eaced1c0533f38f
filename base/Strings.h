// Texts: copies into fixed buffers that never run past their end, token
// replacement, and the conversions between the two character sets.
#pragma once
#include <string>

// Copies `src` into `dst` of `size` bytes, cut to size - 1 characters and
// terminated. Writes nothing when size is 0 or less or dst is NULL; a NULL
// src copies as "".
void CopyBounded(char* dst, int size, const char* src);

// `text` with every occurrence of `token` replaced by `value` (an empty
// token leaves the text as it is).
std::string ReplaceAll(const std::string& text, const char* token, const std::string& value);

// The text in the other character set of the system's code page; "" for
// NULL or a text that does not convert.
std::wstring Widen(const char* text);
std::string Narrow(const wchar_t* text);
// FALSE when some character of `text` has no form in the system's code page
// (a file of that name cannot be reached by its narrow name); *narrow then
// holds the text with the code page's stand-in characters, fit for showing.
bool NarrowExactly(const wchar_t* text, std::string* narrow);
