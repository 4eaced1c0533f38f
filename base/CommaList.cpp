#include "base/CommaList.h"

std::vector<std::string> SplitCommaList(const std::string& text) {
  std::vector<std::string> items;
  size_t start = 0;
  for (;;) {
    size_t comma = text.find(',', start);
    if (comma == std::string::npos) break;
    if (comma == start && items.empty()) break;
    items.push_back(text.substr(start, comma - start));
    start = comma + 1;
  }
  return items;
}

bool CommaListHas(const std::string& text, const std::string& item) {
  std::vector<std::string> items = SplitCommaList(text);
  for (size_t i = 0; i < items.size(); ++i) {
    if (items[i] == item) return true;
  }
  return false;
}
