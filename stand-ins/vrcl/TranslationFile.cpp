#include "stand-ins/vrcl/TranslationFile.h"

#include <stdlib.h>
#include <string.h>

#include <fstream>

namespace {

const char kSeparator[] = " => ";

std::string Unescape(const std::string& text) {
  std::string result;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\\' && i + 1 < text.size()) {
      char next = text[i + 1];
      if (next == 'n' || next == 't' || next == '\\') {
        result += next == 'n' ? '\n' : next == 't' ? '\t' : '\\';
        ++i;
        continue;
      }
    }
    result += text[i];
  }
  return result;
}

}  // namespace

bool CaseInsensitiveLess::operator()(const std::string& a, const std::string& b) const {
  return _stricmp(a.c_str(), b.c_str()) < 0;
}

void CTranslationFile::Clear() {
  m_language = 0;
  m_sections.clear();
}

bool CTranslationFile::Load(const std::string& path, const SectionSet& wanted) {
  Clear();
  std::ifstream file(path, std::ios::binary);
  if (!file) return false;
  std::string line, section;
  while (std::getline(file, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == ';') continue;
    if (line[0] == '[' && line.back() == ']') {
      section = line.substr(1, line.size() - 2);
      continue;
    }
    size_t at = line.find(kSeparator);
    if (at == std::string::npos || section.empty()) continue;
    std::string key = Unescape(line.substr(0, at));
    std::string value = Unescape(line.substr(at + strlen(kSeparator)));
    if (_stricmp(section.c_str(), "Language") == 0) {
      if (_stricmp(key.c_str(), "LCID") == 0) m_language = strtoul(value.c_str(), NULL, 10);
      continue;
    }
    if (!wanted.empty() && !wanted.count(section)) continue;
    m_sections[section][key] = value;
  }
  return m_language != 0;
}

const std::string* CTranslationFile::Find(const char* section, const char* text) const {
  auto found = m_sections.find(section);
  if (found == m_sections.end()) return nullptr;
  auto entry = found->second.find(text);
  return entry == found->second.end() ? nullptr : &entry->second;
}
