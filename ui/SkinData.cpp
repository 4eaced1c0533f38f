#include "ui/SkinData.h"

#include <stdlib.h>

namespace {

void Trim(std::string& text) {
  const char* blanks = " \t\r\n";
  size_t first = text.find_first_not_of(blanks);
  if (first == std::string::npos) {
    text.clear();
    return;
  }
  size_t last = text.find_last_not_of(blanks);
  text = text.substr(first, last - first + 1);
}

}  // namespace

std::string CSkinDataReader::NextField() {
  size_t comma = m_text.find(',');
  std::string field;
  if (comma == std::string::npos) {
    field = m_text;
    m_text.clear();
  } else {
    field = m_text.substr(0, comma);
    m_text.erase(0, comma + 1);
  }
  Trim(m_text);
  return field;
}

int CSkinDataReader::NextInt() { return atoi(NextField().c_str()); }

COLORREF CSkinDataReader::NextColor() {
  int r = NextInt();
  int g = NextInt();
  int b = NextInt();
  return RGB(r & 0xFF, g & 0xFF, b & 0xFF);
}
