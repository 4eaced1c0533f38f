// The comma fields of skin text: the skin data string of a task-list view
// and every control line of skin.ini. Fields are read from the front: after
// each field is taken, it and its comma are removed and the rest is trimmed
// of white space at both ends; without a comma the whole rest is the last
// field. A field keeps the white space before its comma. An absent field
// reads as empty (0 as a number).
#pragma once
#include <windows.h>

#include <string>

// The next field of `rest`; `rest` keeps what follows, trimmed.
std::string NextSkinField(std::string& rest);
// Four fields x, y, w, h as {x, y, x + w, y + h}.
RECT ParseSkinRect(std::string& rest);
// Three fields r, g, b, each reduced to its low 8 bits.
COLORREF ReadSkinColour(std::string& rest);
// Four fields straight into left, top, right, bottom (insets, no sizes).
RECT* ReadSkinInsets(RECT* out, std::string& rest);
// The number of comma fields of a line: commas + 1, 0 for an empty line.
int CountSkinFields(const std::string& line);
// The folder of a file path with exactly one trailing backslash (the path is
// made full first).
std::string SkinFolderOf(const std::string& path);
// Upper case in place (the system's ANSI rules); the text.
std::string& ToUpperSkinName(std::string& name);
bool SameSkinName(const std::string& a, const std::string& b);

class CSkinDataReader {
 public:
  // Reads from and consumes the given text.
  explicit CSkinDataReader(std::string& text) : m_text(text) {}

  std::string NextField() { return NextSkinField(m_text); }
  int NextInt();  // as atoi reads the field
  // Three fields r, g, b, each taken modulo 256.
  COLORREF NextColor() { return ReadSkinColour(m_text); }
  RECT NextRect() { return ParseSkinRect(m_text); }
  std::string& Rest() { return m_text; }

 private:
  std::string& m_text;
};
