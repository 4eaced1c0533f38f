// Fitting text into skinned controls, with no window: the label's marquee
// (a text wider than the label scrolls one character at a time, its tail
// filled by repeating the whole text) and the edit's path-style shortening.
#pragma once
#include <windows.h>

#include <string>

// How many characters the marquee shows: twice the client width over the
// width of "W" in the label's font; 0 for a font of no width.
int LabelWidthInChars(int clientWidth, int widthOfW);
// The label scrolls only while its text is wider than its client area.
inline bool LabelNeedsMarquee(int textWidth, int clientWidth) { return clientWidth < textWidth; }
// The characters dropped from the front after one more tick: back to 0
// after the text's last character.
int NextMarqueeOffset(int offset, int textLength);

struct SkinMarqueeFrame {
  std::string text;
  bool repeated;  // the text is longer than widthInChars: drawn left-aligned
};
// The text without its first `offset` characters; when the text is longer
// than widthInChars, the whole text is appended until at least widthInChars
// characters are there.
SkinMarqueeFrame MarqueeText(const std::string& text, int offset, int widthInChars);

// The text as it fits `width` pixels in dc's font, shortened like a path
// with an ellipsis ("C:\...\folder\file"); a text of MAX_PATH characters
// or more keeps the end that fits after the ellipsis.
std::string CompactPathToWidth(HDC dc, const std::string& text, int width);
