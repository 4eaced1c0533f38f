// One language's translations: a plain text file beside the library.
//
//   [Language]
//   LCID => 1031
//   Name => Deutsch
//   [MessageBoxes]
//   Output path doesn't exist! => Der Ausgabeordner existiert nicht!
//
// Each line "English text => translation" belongs to the section above it;
// "\n", "\t" and "\\" stand for a line break, a tab and a backslash; lines
// that start with ";" are comments. Section names compare without regard to
// case, English texts exactly.
#pragma once
#include <windows.h>

#include <map>
#include <set>
#include <string>

struct CaseInsensitiveLess {
  bool operator()(const std::string& a, const std::string& b) const;
};

typedef std::set<std::string, CaseInsensitiveLess> SectionSet;

class CTranslationFile {
 public:
  // Reads the file; only the sections in `wanted` (all when it is empty).
  // False when the file cannot be read or names no language.
  bool Load(const std::string& path, const SectionSet& wanted);
  // Only the [Language] header.
  bool LoadHeader(const std::string& path) { return Load(path, SectionSet{"Language"}); }
  LCID GetLanguage() const { return m_language; }
  // The translation of `text` in `section`, or NULL.
  const std::string* Find(const char* section, const char* text) const;
  void Clear();

 private:
  LCID m_language = 0;
  std::map<std::string, std::map<std::string, std::string>, CaseInsensitiveLess> m_sections;
};
