#include "ui/SkinTextFit.h"

#include <shlwapi.h>
#include <string.h>

int LabelWidthInChars(int clientWidth, int widthOfW) {
  return widthOfW > 0 ? (2 * clientWidth) / widthOfW : 0;
}

int NextMarqueeOffset(int offset, int textLength) {
  return offset + 1 > textLength ? 0 : offset + 1;
}

SkinMarqueeFrame MarqueeText(const std::string& text, int offset, int widthInChars) {
  SkinMarqueeFrame frame;
  const size_t from = offset < 0 ? 0 : static_cast<size_t>(offset);
  frame.text = from < text.size() ? text.substr(from) : std::string();
  frame.repeated = static_cast<int>(text.size()) > widthInChars;
  if (frame.repeated)
    while (static_cast<int>(frame.text.size()) < widthInChars) frame.text += text;
  return frame;
}

namespace {

int TextWidth(HDC dc, const std::string& text) {
  SIZE size = {0, 0};
  GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
  return size.cx;
}

}  // namespace

std::string CompactPathToWidth(HDC dc, const std::string& text, int width) {
  if (text.size() < MAX_PATH) {
    // PathCompactPath works in place in a buffer of MAX_PATH characters.
    char buffer[MAX_PATH];
    memcpy(buffer, text.c_str(), text.size() + 1);
    if (PathCompactPathA(dc, buffer, width > 0 ? static_cast<UINT>(width) : 0)) return buffer;
    return text;
  }
  // Too long for the system's buffer: the longest end that fits after "...".
  const std::string ellipsis = "...";
  if (TextWidth(dc, text) <= width) return text;
  // Binary search: `low` characters of the end always fit, `high` never do.
  size_t low = 0, high = text.size();
  while (high - low > 1) {
    const size_t mid = low + (high - low) / 2;
    if (TextWidth(dc, ellipsis + text.substr(text.size() - mid)) <= width)
      low = mid;
    else
      high = mid;
  }
  return ellipsis + text.substr(text.size() - low);
}
