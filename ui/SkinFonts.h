// The two skin-wide tables of skin.ini: [FONTSINFO], named caption styles
// that push buttons take by name, and [ENUMS], named value-to-text lists that
// turn a control's value into an image name, a tooltip key or a caption key.
// Both are read with keys "1", "2", ... until the first empty value.
#pragma once
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "winfx/GdiHandles.h"

// One [FONTSINFO] line as read (37 fields).
struct SkinFontLine {
  std::string name;
  int points, weight;  // weight 0 keeps the base font's
  std::string face;  // empty keeps the base font's
  int underline, italic;
  int format, shadow;
  COLORREF shadowColour;
  int shadowDx, shadowDy;
  RECT margins;
  COLORREF textNormal, textOver, textDown, textDisabled;
  RECT overMargins, downMargins;
};
void ParseSkinFontLine(const std::string& line, SkinFontLine* out);

// A skin's font size in points, beyond which the size is cut: a font many
// screens high only costs the font engine time and memory.
const int kMostSkinFontPoints = 256;
bool SkinFontPointsInRange(int points);
// The logical height of a font of `points` (cut to +-kMostSkinFontPoints)
// at `pixelsPerInch`: -(points x pixelsPerInch / 72), rounded as MulDiv.
int SkinFontHeight(int points, int pixelsPerInch);
// The base font with the line's size (points at `pixelsPerInch`), weight,
// face, underline and italic put in.
LOGFONTA SkinLogFont(const LOGFONTA& base, const SkinFontLine& line, int pixelsPerInch);

struct SkinFontRecord {
  SkinFontLine style;
  CFontHandle font;
};

class CSkinFontTable {
 public:
  // False, and the table untouched, when the file does not exist. The base
  // font is the one baseWindow answers to WM_GETFONT (DEFAULT_GUI_FONT
  // without a window or a font).
  BOOL Load(const char* iniPath, HWND baseWindow);
  // Case ignored, first match; NULL when none.
  const SkinFontRecord* Find(const char* name) const;
  void Clear() { m_records.clear(); }
  size_t Count() const { return m_records.size(); }

 private:
  std::vector<std::unique_ptr<SkinFontRecord>> m_records;
};

// The most texts one enumeration keeps, repeats included.
const size_t kMostSkinEnumTexts = 4096;

class CSkinEnum {
 public:
  // name, first, last, repeat, then one text per value, each stored repeat
  // times (a missing text stores ""), up to kMostSkinEnumTexts in all.
  explicit CSkinEnum(const char* line);
  // texts[v - first] for first <= v <= last; "" otherwise.
  std::string GetText(int value) const;
  const std::string& GetName() const { return m_name; }
  const std::vector<std::string>& GetTexts() const { return m_texts; }
  // True when the line asked for more than kMostSkinEnumTexts texts.
  bool WasCut() const { return m_cut; }

 private:
  std::string m_name;
  std::vector<std::string> m_texts;
  int m_first, m_last, m_repeat;
  bool m_cut;
};

class CSkinEnumTable {
 public:
  // False, and the table untouched, when the file does not exist.
  BOOL Load(const char* iniPath);
  // The first enumeration of that name (case ignored) answers; "" when none.
  void GetText(std::string* out, const char* name, int value) const;
  void Clear() { m_enums.clear(); }
  size_t Count() const { return m_enums.size(); }

 private:
  std::vector<std::unique_ptr<CSkinEnum>> m_enums;
};
