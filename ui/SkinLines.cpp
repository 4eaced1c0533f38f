#include "ui/SkinLines.h"

#include <stdlib.h>

#include <algorithm>

#include "ui/SkinData.h"
#include "ui/SkinIniReader.h"

namespace {

// A line whose fields end before the last field of its rectangle.
bool HasFields(const std::string& line, int lastRectField) {
  return CountSkinFields(line) >= lastRectField;
}

std::string UpperField(CSkinDataReader& reader) {
  std::string field = reader.NextField();
  return ToUpperSkinName(field);
}

}  // namespace

bool ParseButtonLine(const std::string& line, SkinButtonLine* out) {
  if (!HasFields(line, 5)) return false;
  std::string text = line;
  std::replace(text.begin(), text.end(), '\t', ' ');
  CSkinDataReader reader(text);
  out->name = UpperField(reader);
  out->rect = reader.NextRect();
  out->tooltip = reader.NextField();
  std::string type = reader.NextField();
  out->latched = !type.empty() && type[0] == 'T';
  out->shapeImage = UpperField(reader);
  out->imageEnum = reader.NextField();
  out->tooltipEnum = reader.NextField();
  out->caption = reader.NextField();
  out->font = reader.NextField();
  out->captionEnum = reader.NextField();
  return true;
}

bool ParseLabelLine(const std::string& line, SkinLabelLine* out) {
  if (!HasFields(line, 13)) return false;
  std::string text = line;
  CSkinDataReader reader(text);
  out->name = reader.NextField();
  out->face = reader.NextField();
  out->bold = reader.NextInt();
  out->italic = reader.NextInt();
  out->points = reader.NextInt();
  out->format = reader.NextInt();
  out->colour = reader.NextColor();
  out->rect = reader.NextRect();
  out->caption = reader.NextField();
  return true;
}

bool ParseTrackbarLine(const std::string& line, SkinTrackbarLine* out) {
  if (!HasFields(line, 9)) return false;
  std::string text = line;
  CSkinDataReader reader(text);
  out->name = UpperField(reader);
  for (std::string& image : out->images) image = UpperField(reader);
  out->rect = reader.NextRect();
  std::string orientation = UpperField(reader);
  out->horizontal = !orientation.empty() && orientation[0] == 'H';
  out->position = reader.NextInt();
  out->tooltip = reader.NextField();
  out->minimum = reader.NextInt();
  out->maximum = reader.NextInt();
  return true;
}

bool ParseProgressLine(const std::string& line, SkinProgressLine* out) {
  if (!HasFields(line, 6)) return false;
  std::string text = line;
  CSkinDataReader reader(text);
  out->name = reader.NextField();
  out->tooltip = reader.NextField();
  out->rect = reader.NextRect();
  std::string orientation = reader.NextField();
  out->horizontal = !orientation.empty() && orientation[0] == 'H';
  out->shapeImage = reader.NextField();
  return true;
}

bool ParseEditLine(const std::string& line, SkinEditLine* out) {
  if (!HasFields(line, 5)) return false;
  std::string text = line;
  CSkinDataReader reader(text);
  out->name = UpperField(reader);
  out->rect = reader.NextRect();
  out->colour = reader.NextColor();
  out->tooltip = reader.NextField();
  out->readOnly = reader.NextInt() != 0;
  return true;
}

bool ParseListBoxLine(const std::string& line, SkinListBoxLine* out) {
  if (!HasFields(line, 5)) return false;
  std::string text = line;
  CSkinDataReader reader(text);
  out->name = UpperField(reader);
  out->rect = reader.NextRect();
  out->colour = reader.NextColor();
  return true;
}

bool ParseDropDownLine(const std::string& line, SkinDropDownLine* out) {
  if (!HasFields(line, 5)) return false;
  std::string text = line;
  CSkinDataReader reader(text);
  out->name = reader.NextField();
  out->rect = reader.NextRect();
  out->tooltip = reader.NextField();
  for (COLORREF& colour : out->colours) colour = reader.NextColor();
  out->translucent = reader.NextInt();
  out->items.clear();
  for (std::string item = reader.NextField(); !item.empty(); item = reader.NextField())
    out->items.push_back(item);
  return true;
}

bool ParseStringLine(const std::string& line, SkinStringLine* out) {
  if (!HasFields(line, 5)) return false;
  std::string text = line;
  CSkinDataReader reader(text);
  out->text = reader.NextField();
  out->rect = reader.NextRect();
  out->points = reader.NextInt();
  out->weight = reader.NextInt();
  out->format = reader.NextInt();
  out->colour = reader.NextColor();
  return true;
}

bool ParseViewLine(const std::string& line, SkinViewLine* out) {
  if (!HasFields(line, 5)) return false;
  std::string text = line;
  CSkinDataReader reader(text);
  out->view = reader.NextField();
  out->rect = reader.NextRect();
  out->param = reader.Rest();
  return true;
}

SkinWindowKeys ReadSkinWindowKeys(const CSkinIniReader& reader, const char* section) {
  SkinWindowKeys keys;
  keys.main = reader.ReadString(section, "Main", "");
  keys.windowType = atoi(reader.ReadString(section, "Windowtype", "").c_str());
  keys.maskNoAdvancedPanel = reader.ReadString(section, "MaskNoAdvancedPanel", "");
  keys.over = reader.ReadString(section, "Over", keys.main.c_str());
  keys.down = reader.ReadString(section, "Down", keys.main.c_str());
  keys.disabled = reader.ReadString(section, "Disabled", keys.main.c_str());
  keys.normalNoAdvancedPanel = reader.ReadString(section, "NormalNoAdvancedPanel", "");
  keys.topParam = reader.ReadString(section, "TopParam", "");
  keys.leftParam = reader.ReadString(section, "LeftParam", "");
  keys.bottomParam = reader.ReadString(section, "BottomParam", "");
  keys.rightParam = reader.ReadString(section, "RightParam", "");
  keys.otherColor = reader.ReadString(section, "OtherColor", "");
  keys.maskWithAdvancedPanel = reader.ReadString(section, "MaskWithAdvancedPanel", "");
  keys.buttonAlpha = atoi(reader.ReadString(section, "ButtonAlpha", "0").c_str());
  return keys;
}
