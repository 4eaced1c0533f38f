// The skin data string of a task-list view: comma-separated fields read from
// the front. After each field is taken, it and its comma are removed and the
// rest is trimmed of white space at both ends; without a comma the whole rest
// is the last field. An absent field reads as empty (0 as a number).
#pragma once
#include <windows.h>

#include <string>

class CSkinDataReader {
 public:
  // Reads from and consumes the given text.
  explicit CSkinDataReader(std::string& text) : m_text(text) {}

  std::string NextField();
  int NextInt();  // as atoi reads the field
  // Three fields r, g, b, each taken modulo 256.
  COLORREF NextColor();

 private:
  std::string& m_text;
};
