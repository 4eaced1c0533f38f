// The control lines of a skinned window's sections as records: text in,
// records out, no window. Each parser applies the field rules of the skin
// file (names marked upper case are upper-cased, numbers read as atoi) and
// answers false for a line that stops before its rectangle is complete: such
// a line names no place for its control and is passed over. Fields after the
// rectangle may be missing; they read empty (numbers 0).
#pragma once
#include <windows.h>

#include <string>
#include <vector>

struct SkinButtonLine {
  std::string name;  // upper case: the command it sends
  RECT rect;
  std::string tooltip;
  bool latched;  // the type field begins with an upper-case 'T'
  std::string shapeImage;  // upper case
  std::string imageEnum, tooltipEnum;
  std::string caption, font, captionEnum;
};

struct SkinLabelLine {
  std::string name, face;
  int bold, italic, points, format;
  COLORREF colour;
  RECT rect;
  std::string caption;
};

struct SkinTrackbarLine {
  std::string name;  // upper case
  std::string images[4];  // normal, pressed, hover, disabled; upper case
  RECT rect;
  bool horizontal;  // the field is upper-cased first: 'h' counts
  int position;
  std::string tooltip;
  int minimum, maximum;  // maximum 0: the range is left alone
};

struct SkinProgressLine {
  std::string name, tooltip;
  RECT rect;
  bool horizontal;  // only an upper-case 'H'
  std::string shapeImage;
};

struct SkinEditLine {
  std::string name;  // upper case
  RECT rect;
  COLORREF colour;
  std::string tooltip;
  bool readOnly;
};

struct SkinListBoxLine {
  std::string name;  // upper case
  RECT rect;
  COLORREF colour;
};

struct SkinDropDownLine {
  std::string name;
  RECT rect;
  std::string tooltip;
  COLORREF colours[6];  // face text, item text, popup back, hover text, hover fill, frame
  int translucent;
  std::vector<std::string> items;  // up to the first empty field
};

struct SkinStringLine {
  std::string text;
  RECT rect;
  int points;  // > 0: a height from points; else the window font's
  int weight, format;
  COLORREF colour;
};

struct SkinViewLine {
  std::string view;
  RECT rect;
  std::string param;  // the rest of the line after the rectangle
};

bool ParseButtonLine(const std::string& line, SkinButtonLine* out);
bool ParseLabelLine(const std::string& line, SkinLabelLine* out);
bool ParseTrackbarLine(const std::string& line, SkinTrackbarLine* out);
bool ParseProgressLine(const std::string& line, SkinProgressLine* out);
bool ParseEditLine(const std::string& line, SkinEditLine* out);
bool ParseListBoxLine(const std::string& line, SkinListBoxLine* out);
bool ParseDropDownLine(const std::string& line, SkinDropDownLine* out);
bool ParseStringLine(const std::string& line, SkinStringLine* out);
bool ParseViewLine(const std::string& line, SkinViewLine* out);

class CSkinIniReader;

// The keys of a window's own section, read in the skin file's order. Over,
// Down and Disabled default to Main; OtherColor is "" when not given.
struct SkinWindowKeys {
  std::string main, over, down, disabled, normalNoAdvancedPanel;
  int windowType;
  std::string maskNoAdvancedPanel, maskWithAdvancedPanel;
  std::string topParam, leftParam, bottomParam, rightParam;
  std::string otherColor;
  int buttonAlpha;
};
SkinWindowKeys ReadSkinWindowKeys(const CSkinIniReader& reader, const char* section);
