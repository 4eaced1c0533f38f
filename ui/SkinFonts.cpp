#include "ui/SkinFonts.h"

#include <stdlib.h>

#include "base/LogClient.h"
#include "base/Strings.h"
#include "ui/SkinData.h"
#include "ui/SkinIniReader.h"

void ParseSkinFontLine(const std::string& line, SkinFontLine* out) {
  std::string text = line;
  CSkinDataReader reader(text);
  out->name = reader.NextField();
  out->points = reader.NextInt();
  out->weight = reader.NextInt();
  out->face = reader.NextField();
  out->underline = reader.NextInt();
  out->italic = reader.NextInt();
  out->format = reader.NextInt();
  out->shadow = reader.NextInt();
  out->shadowColour = reader.NextColor();
  out->shadowDx = reader.NextInt();
  out->shadowDy = reader.NextInt();
  ReadSkinInsets(&out->margins, reader.Rest());
  out->textNormal = reader.NextColor();
  out->textOver = reader.NextColor();
  out->textDown = reader.NextColor();
  out->textDisabled = reader.NextColor();
  ReadSkinInsets(&out->overMargins, reader.Rest());
  ReadSkinInsets(&out->downMargins, reader.Rest());
}

bool SkinFontPointsInRange(int points) {
  return points >= -kMostSkinFontPoints && points <= kMostSkinFontPoints;
}

int SkinFontHeight(int points, int pixelsPerInch) {
  if (points > kMostSkinFontPoints) points = kMostSkinFontPoints;
  if (points < -kMostSkinFontPoints) points = -kMostSkinFontPoints;
  return -MulDiv(points, pixelsPerInch, 72);
}

LOGFONTA SkinLogFont(const LOGFONTA& base, const SkinFontLine& line, int pixelsPerInch) {
  LOGFONTA font = base;
  font.lfHeight = SkinFontHeight(line.points, pixelsPerInch);
  if (line.weight) font.lfWeight = line.weight;
  if (!line.face.empty()) CopyBounded(font.lfFaceName, LF_FACESIZE, line.face.c_str());
  font.lfItalic = static_cast<BYTE>(line.italic);
  font.lfUnderline = static_cast<BYTE>(line.underline);
  return font;
}

BOOL CSkinFontTable::Load(const char* iniPath, HWND baseWindow) {
  CSkinIniReader reader(iniPath ? iniPath : "");
  if (!reader.FileExists()) return FALSE;
  Clear();
  HFONT baseFont = baseWindow ? reinterpret_cast<HFONT>(::SendMessageA(baseWindow, WM_GETFONT, 0, 0))
                              : NULL;
  if (!baseFont) baseFont = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  LOGFONTA base = {};
  GetObjectA(baseFont, sizeof(base), &base);
  int pixelsPerInch = 96;
  {
    CClientDC screen(GetDesktopWindow());
    if (screen) pixelsPerInch = GetDeviceCaps(screen, LOGPIXELSY);
  }
  for (const std::string& line : reader.ReadLinesUntilGap("FONTSINFO")) {
    std::unique_ptr<SkinFontRecord> record(new SkinFontRecord);
    ParseSkinFontLine(line, &record->style);
    if (!SkinFontPointsInRange(record->style.points))
      LogPrint(LOG_WARNING, "Skin %s: [FONTSINFO] %s size %d cut to %d points\n", iniPath,
               record->style.name.c_str(), record->style.points, kMostSkinFontPoints);
    LOGFONTA font = SkinLogFont(base, record->style, pixelsPerInch);
    record->font.Reset(CreateFontIndirectA(&font));
    m_records.push_back(std::move(record));
  }
  return TRUE;
}

const SkinFontRecord* CSkinFontTable::Find(const char* name) const {
  if (!name) return NULL;
  for (const auto& record : m_records)
    if (SameSkinName(record->style.name, name)) return record.get();
  return NULL;
}

CSkinEnum::CSkinEnum(const char* line) : m_first(0), m_last(0), m_repeat(0), m_cut(false) {
  std::string text = line ? line : "";
  CSkinDataReader reader(text);
  m_name = reader.NextField();
  m_first = reader.NextInt();
  m_last = reader.NextInt();
  m_repeat = reader.NextInt();
  // Each skinned window holds its own table: a typing slip in `last` or
  // `repeat` must not take the whole memory, so the texts of one enumeration
  // stop at kMostSkinEnumTexts in all. Counted in 64 bits: `last` may be the
  // largest int.
  for (long long v = m_first; v <= m_last; ++v) {
    std::string value = reader.NextField();
    for (int r = 0; r < m_repeat; ++r) {
      if (m_texts.size() >= kMostSkinEnumTexts) {
        m_cut = true;
        return;
      }
      m_texts.push_back(value);
    }
  }
}

std::string CSkinEnum::GetText(int value) const {
  if (m_texts.empty() || value < m_first || value > m_last) return "";
  const size_t index = static_cast<size_t>(static_cast<long long>(value) - m_first);
  return index < m_texts.size() ? m_texts[index] : "";
}

BOOL CSkinEnumTable::Load(const char* iniPath) {
  CSkinIniReader reader(iniPath ? iniPath : "");
  if (!reader.FileExists()) return FALSE;
  Clear();
  for (const std::string& line : reader.ReadLinesUntilGap("ENUMS")) {
    m_enums.emplace_back(new CSkinEnum(line.c_str()));
    if (m_enums.back()->WasCut())
      LogPrint(LOG_WARNING, "Skin %s: [ENUMS] %s cut to its first %u texts\n", iniPath,
               m_enums.back()->GetName().c_str(), static_cast<unsigned>(kMostSkinEnumTexts));
  }
  return TRUE;
}

void CSkinEnumTable::GetText(std::string* out, const char* name, int value) const {
  if (!out) return;
  out->clear();
  if (!name) return;
  for (const auto& entry : m_enums)
    if (SameSkinName(entry->GetName(), name)) {
      *out = entry->GetText(value);
      return;
    }
}
