// The skin file's readers without a window: the field rules, both walks over
// numbered keys, every control line format, fonts, enumerations, the atlas
// entries and the frame arithmetic.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/TestSupport.h"
#include "ui/SkinData.h"
#include "ui/SkinFonts.h"
#include "ui/SkinFrame.h"
#include "ui/SkinImageList.h"
#include "ui/SkinIniReader.h"
#include "ui/SkinLines.h"

namespace {

bool SameRect(const RECT& a, const RECT& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

std::string Describe(const RECT& r) {
  return "{" + std::to_string(r.left) + "," + std::to_string(r.top) + "," +
         std::to_string(r.right) + "," + std::to_string(r.bottom) + "}";
}

TEST(SkinFields, FieldsAreReadFromTheFrontByTheFileRules) {
  struct Row {
    const char* name;
    const char* line;
    std::vector<std::string> fields;
  } rows[] = {
      {"the rest is trimmed after each comma", "a,  b ,c", {"a", "b ", "c"}},
      {"white space before a comma stays", "Play ,x", {"Play ", "x"}},
      {"a field past the end is empty", "a", {"a", "", ""}},
      {"empty fields between commas", "a,,b", {"a", "", "b"}},
      {"the first field is not trimmed in front", " a,b", {" a", "b"}},
  };
  for (const Row& row : rows) {
    std::string rest = row.line;
    for (const std::string& expected : row.fields)
      EXPECT_EQ(expected, NextSkinField(rest)) << row.name;
  }
}

TEST(SkinFields, NumbersRectanglesAndColours) {
  struct Row {
    const char* name;
    const char* text;
    int value;
  } numbers[] = {
      {"spaces round a number", " 12 ", 12}, {"a sign", "-5", -5},
      {"digits up to a non-digit", "42px", 42}, {"no digits", "abc", 0}, {"empty", "", 0},
  };
  for (const Row& row : numbers) {
    std::string text = row.text;
    EXPECT_EQ(row.value, CSkinDataReader(text).NextInt()) << row.name;
  }
  std::string rect = "10, 20, 30, 40";
  RECT expected = {10, 20, 40, 60};
  EXPECT_TRUE(SameRect(expected, ParseSkinRect(rect))) << "x, y, w, h give right x + w";
  std::string colour = "256, 257, -1";
  EXPECT_EQ(RGB(0, 1, 255), ReadSkinColour(colour)) << "each reduced to its low 8 bits";
  std::string insets = "1,2,3,4";
  RECT in;
  ReadSkinInsets(&in, insets);
  RECT direct = {1, 2, 3, 4};
  EXPECT_TRUE(SameRect(direct, in)) << "insets go straight into the four sides";
}

TEST(SkinFields, NamesAreUpperCasedWhereMarkedAndComparedWithoutCase) {
  SkinButtonLine button;
  ASSERT_TRUE(ParseButtonLine("play ,1,2,3,4", &button));
  EXPECT_EQ("PLAY ", button.name) << "the space before the comma stays after upper-casing";
  EXPECT_FALSE(SameSkinName(button.name, "play"));
  EXPECT_TRUE(SameSkinName("AddFiles", "ADDFILES"));
  EXPECT_EQ("C:\\skins\\blue\\", SkinFolderOf("C:\\skins\\blue\\skin.ini"));
  EXPECT_EQ("C:\\skins\\blue\\", SkinFolderOf("C:\\skins\\blue\\\\skin.ini"))
      << "a trailing backslash of the folder is not doubled";
}

TEST(SkinLines, EveryKindReadsItsFieldsInOrder) {
  SkinButtonLine b;
  ASSERT_TRUE(ParseButtonLine("Convert,\t5,6,70,20,Tip,T,shape,Img,TipEnum,Go,Big,CapEnum", &b));
  EXPECT_EQ("CONVERT", b.name);
  EXPECT_EQ("{5,6,75,26}", Describe(b.rect)) << "a tab becomes a space and is trimmed";
  EXPECT_EQ("Tip", b.tooltip);
  EXPECT_TRUE(b.latched);
  EXPECT_EQ("SHAPE", b.shapeImage);
  EXPECT_EQ("Img", b.imageEnum);
  EXPECT_EQ("TipEnum", b.tooltipEnum);
  EXPECT_EQ("Go", b.caption);
  EXPECT_EQ("Big", b.font);
  EXPECT_EQ("CapEnum", b.captionEnum);

  SkinLabelLine l;
  ASSERT_TRUE(ParseLabelLine("Time,Arial,1,0,9,36,255,0,0,1,2,3,4,00:00,x", &l));
  EXPECT_EQ("Time", l.name) << "label names keep their case";
  EXPECT_EQ("Arial", l.face);
  EXPECT_EQ(1, l.bold);
  EXPECT_EQ(9, l.points);
  EXPECT_EQ(36, l.format);
  EXPECT_EQ(RGB(255, 0, 0), l.colour);
  EXPECT_EQ("{1,2,4,6}", Describe(l.rect));
  EXPECT_EQ("00:00", l.caption);

  SkinEditLine e;
  ASSERT_TRUE(ParseEditLine("browseedit,1,2,3,4,0,0,255,tip,1", &e));
  EXPECT_EQ("BROWSEEDIT", e.name);
  EXPECT_EQ(RGB(0, 0, 255), e.colour);
  EXPECT_TRUE(e.readOnly);

  SkinStringLine s;
  ASSERT_TRUE(ParseStringLine("Title,1,2,3,4,12,700,37,9,8,7", &s));
  EXPECT_EQ(12, s.points);
  EXPECT_EQ(700, s.weight);
  EXPECT_EQ(37, s.format);
  EXPECT_EQ(RGB(9, 8, 7), s.colour);

  SkinViewLine v;
  ASSERT_TRUE(ParseViewLine("VideoConverterDialog,1,2,3,4,  a, b", &v));
  EXPECT_EQ("VideoConverterDialog", v.view);
  EXPECT_EQ("a, b", v.param) << "the rest of the line goes to the factory as text";
}

TEST(SkinLines, LetterRulesOfLatchOrientationRangeAndItems) {
  SkinButtonLine b;
  ASSERT_TRUE(ParseButtonLine("A,0,0,1,1,,t", &b));
  EXPECT_FALSE(b.latched) << "a lower-case t does not latch";
  ASSERT_TRUE(ParseButtonLine("A,0,0,1,1,,Toggle", &b));
  EXPECT_TRUE(b.latched);

  SkinProgressLine p;
  ASSERT_TRUE(ParseProgressLine("Convert_Progress,tip,0,0,10,2,horizontal", &p));
  EXPECT_FALSE(p.horizontal) << "a progress bar takes only an upper-case H";
  SkinTrackbarLine t;
  ASSERT_TRUE(ParseTrackbarLine("Seek,a,b,c,d,0,0,10,2,horizontal,3,tip,5,0", &t));
  EXPECT_TRUE(t.horizontal) << "the trackbar field is upper-cased first";
  EXPECT_EQ("A", t.images[0]);
  EXPECT_EQ(5, t.minimum);
  EXPECT_EQ(0, t.maximum) << "a maximum 0 leaves the range unset";

  std::string combo = "OutputFormat,0,0,10,10,tip";
  for (int n = 0; n < 18; ++n) combo += ",1";
  combo += ",0,First,,Second";
  SkinDropDownLine d;
  ASSERT_TRUE(ParseDropDownLine(combo, &d));
  EXPECT_EQ(std::vector<std::string>{"First"}, d.items) << "items end at the first empty field";
  EXPECT_EQ(RGB(1, 1, 1), d.colours[5]);
}

TEST(SkinLines, ALineThatStopsBeforeItsRectangleIsRefused) {
  struct Row {
    const char* name;
    bool (*parse)(const std::string&);
    const char* shortLine;
    const char* enoughLine;
  } rows[] = {
      {"button", [](const std::string& l) { SkinButtonLine r; return ParseButtonLine(l, &r); },
       "Play,1,2,3", "Play,1,2,3,4"},
      {"label", [](const std::string& l) { SkinLabelLine r; return ParseLabelLine(l, &r); },
       "Time,,0,0,9,0,0,0,0,1,2,3", "Time,,0,0,9,0,0,0,0,1,2,3,4"},
      {"trackbar",
       [](const std::string& l) { SkinTrackbarLine r; return ParseTrackbarLine(l, &r); },
       "T,a,b,c,d,1,2,3", "T,a,b,c,d,1,2,3,4"},
      {"progress",
       [](const std::string& l) { SkinProgressLine r; return ParseProgressLine(l, &r); },
       "P,tip,1,2,3", "P,tip,1,2,3,4"},
      {"edit", [](const std::string& l) { SkinEditLine r; return ParseEditLine(l, &r); },
       "E,1,2,3", "E,1,2,3,4"},
      {"list box", [](const std::string& l) { SkinListBoxLine r; return ParseListBoxLine(l, &r); },
       "L,1,2,3", "L,1,2,3,4"},
      {"drop-down",
       [](const std::string& l) { SkinDropDownLine r; return ParseDropDownLine(l, &r); },
       "D,1,2,3", "D,1,2,3,4"},
      {"string", [](const std::string& l) { SkinStringLine r; return ParseStringLine(l, &r); },
       "S,1,2,3", "S,1,2,3,4"},
      {"view", [](const std::string& l) { SkinViewLine r; return ParseViewLine(l, &r); },
       "V,1,2,3", "V,1,2,3,4"},
  };
  for (const Row& row : rows) {
    EXPECT_FALSE(row.parse(row.shortLine)) << row.name;
    EXPECT_FALSE(row.parse("")) << row.name << ": empty";
    EXPECT_TRUE(row.parse(row.enoughLine)) << row.name << ": later fields may be missing";
  }
}

class SkinFile : public ::testing::Test {
 protected:
  vrctest::TempDir dir;
  std::string ini;
  void Write(const std::string& text) {
    ini = dir.File("skin.ini");
    ASSERT_TRUE(vrctest::WriteFile(ini, text));
  }
};

TEST_F(SkinFile, TheTwoWalksOverNumberedKeys) {
  Write(
      "[W/BUTTONS]\n1=a\n2=b\n4=d\n"
      "[W/TEXTINFO]\n1=a\n2=b\n4=d\n"
      "[W/PROGRESSINFO]\n2=b\n3=c\n"
      "[W/EDITS]\nx=skipped\n1=a\n2=\n3=c\n");
  CSkinIniReader reader(ini);
  EXPECT_EQ((std::vector<std::string>{"a", "b"}), reader.ReadLinesUntilGap("W/BUTTONS"))
      << "until the first gap";
  EXPECT_EQ((std::vector<std::string>{"a", "b"}), reader.ReadLinesByKeyCount("W/TEXTINFO"))
      << "three keys: 1 to 3 are read, 3 is missing";
  EXPECT_EQ((std::vector<std::string>{"b"}), reader.ReadLinesByKeyCount("W/PROGRESSINFO"))
      << "two keys: 1 and 2, 1 missing";
  EXPECT_EQ((std::vector<std::string>{"a", "c"}), reader.ReadLinesByKeyCount("w/edits"))
      << "four keys whatever their names; the empty one is skipped; section in any case";
  std::vector<std::string> keys;
  EXPECT_FALSE(reader.ReadKeys("W/NONE", keys));
  EXPECT_TRUE(reader.ReadLinesUntilGap("W/NONE").empty());
}

// The key names of a section as the profile reader itself lists them.
std::vector<std::string> ProfileKeyList(const char* section, const std::string& path) {
  std::vector<char> list(16385, '\0');
  DWORD length = GetPrivateProfileStringA(section, NULL, "", list.data(), 16384, path.c_str());
  std::vector<std::string> keys;
  for (DWORD at = 0; at < length && list[at]; at += static_cast<DWORD>(keys.back().size()) + 1)
    keys.push_back(list.data() + at);
  return keys;
}

// The reader keeps the file in memory; hand-edited skins rely on the rules
// of the system's profile reader, so every row is read both ways and must
// give the same value and the same key list.
TEST_F(SkinFile, ValuesAndKeyListsAreThoseOfTheProfileReader) {
  const std::string longValue(3000, 'v');
  const std::string justFits(2046, 'q');
  struct Row {
    const char* name;
    std::string text;
    const char* section;
    const char* key;
    const char* fallback;
  };
  const Row rows[] = {
      {"key in another case", "[S]\nMAIN=x\n", "S", "main", ""},
      {"section in another case", "[s]\nMain=x\n", "S", "Main", ""},
      {"spaces around the equals sign", "[S]\n  Main   =   x y  \n", "S", "Main", ""},
      {"tabs around the equals sign", "[S]\n\tMain\t=\tx\t\n", "S", "Main", ""},
      {"spaces inside the brackets", "[ S ]\nMain=x\n", "S", "Main", ""},
      {"double quotes removed", "[S]\nMain=\"x y\"\n", "S", "Main", ""},
      {"single quotes removed", "[S]\nMain='x'\n", "S", "Main", ""},
      {"an opening quote alone stays", "[S]\nMain=\"x\n", "S", "Main", ""},
      {"one quote character alone", "[S]\nMain=\"\n", "S", "Main", "d"},
      {"two quotes give empty", "[S]\nMain=\"\"\n", "S", "Main", "d"},
      {"unlike quotes stay", "[S]\nMain='x\"\n", "S", "Main", ""},
      {"quotes inside the value stay", "[S]\nMain=a \"b\" c\n", "S", "Main", ""},
      {"equals signs in the value", "[S]\nMain=a=b=c\n", "S", "Main", ""},
      {"comment line is no key", "[S]\n;Main=x\nOther=y\n", "S", "Main", "d"},
      {"comment before the key", "[S]\n; a comment\nMain=y\n", "S", "Main", ""},
      {"first of two equal keys", "[S]\nMain=a\nmain=b\n", "S", "Main", ""},
      {"a name without equals sign shadows a later key", "[S]\nMain\nMain=x\n", "S", "Main", "d"},
      {"empty value is not the default", "[S]\nMain=\n", "S", "Main", "d"},
      {"key of a later section of the same name", "[S]\na=1\n[T]\nb=3\n[S]\nb=2\n", "S", "b", "d"},
      {"missing section", "[S]\nMain=x\n", "T", "Main", "d"},
      {"missing key", "[S]\nMain=x\n", "S", "Over", "def"},
      {"default loses its trailing spaces", "[S]\n", "S", "Over", "d e  "},
      {"default of spaces only", "[S]\n", "S", "Over", "   "},
      {"default in quotes", "[S]\n", "S", "Over", "\"d\""},
      {"long line cut", "[S]\nMain=" + longValue + "\n", "S", "Main", ""},
      {"quoted value that just fits", "[S]\nMain=\"" + justFits + "\"\n", "S", "Main", ""},
      {"quoted value one longer", "[S]\nMain=\"" + justFits + "q\"\n", "S", "Main", ""},
      {"quoted value two longer", "[S]\nMain=\"" + justFits + "qq\"\n", "S", "Main", ""},
      {"carriage returns and end of file mark", "[S]\r\nMain=x\r\n\x1a", "S", "Main", ""},
      {"section header without its bracket", "[S\nMain=x\n[T]\nMain=y\n", "T", "Main", ""},
      {"key before any section", "Main=x\n[S]\n", "S", "Main", "d"},
      {"code page byte", "[S]\nMain=caf\xe9\n", "S", "Main", ""},
      {"UTF-8 with its mark", "\xef\xbb\xbf[S]\nMain=caf\xc3\xa9\n", "S", "Main", ""},
      {"UTF-16 with its mark", std::string("\xff\xfe[\0S\0]\0\n\0M\0=\0x\0\n\0", 20), "S", "M", ""},
      {"section of name-only lines", "[S]\na\nb\n1=x\n", "S", "1", ""},
      {"empty key name", "[S]\n=x\n", "S", "", "d"},
  };
  int n = 0;
  for (const Row& row : rows) {
    const std::string path = dir.File("row" + std::to_string(n++) + ".ini");
    ASSERT_TRUE(vrctest::WriteFile(path, row.text)) << row.name;
    char expected[2048] = "";
    GetPrivateProfileStringA(row.section, row.key, row.fallback, expected, sizeof(expected),
                             path.c_str());
    CSkinIniReader reader(path);
    EXPECT_EQ(expected, reader.ReadString(row.section, row.key, row.fallback)) << row.name;

    std::vector<std::string> keys;
    reader.ReadKeys(row.section, keys);
    EXPECT_EQ(ProfileKeyList(row.section, path), keys) << row.name << ": key list";
  }
  const std::string missing = dir.File("none.ini");
  for (const char* fallback : {"", "d e  ", "\"d\"", "   "}) {
    char expected[2048] = "";
    GetPrivateProfileStringA("S", "Main", fallback, expected, sizeof(expected), missing.c_str());
    EXPECT_EQ(expected, CSkinIniReader(missing).ReadString("S", "Main", fallback))
        << "missing file, default \"" << fallback << "\"";
  }
}

TEST_F(SkinFile, AKeyListLongerThanTheProfileBufferIsCutAsTheProfileReaderCutsIt) {
  std::string text = "[S]\n";
  for (int n = 0; n < 3000; ++n) text += "key" + std::to_string(n) + "=v\n";
  Write(text);
  std::vector<std::string> keys;
  CSkinIniReader(ini).ReadKeys("S", keys);
  EXPECT_EQ(ProfileKeyList("S", ini), keys);
}

TEST_F(SkinFile, AChangedFileIsReadAgainAtTheNextRefresh) {
  Write("[S]\nMain=a.bmp\n");
  CSkinIniReader reader(ini);
  EXPECT_EQ("a.bmp", reader.ReadString("S", "Main", ""));
  Write("[S]\nMain=changed.bmp\n[T]\n1=x\n");
  reader.Refresh();
  EXPECT_EQ("changed.bmp", reader.ReadString("S", "Main", ""));
  EXPECT_EQ("changed.bmp", CSkinIniReader(ini).ReadString("S", "Main", ""))
      << "a new reader sees the file as it is now";
  EXPECT_EQ((std::vector<std::string>{"S", "T"}), reader.ReadSectionNames());
}

TEST_F(SkinFile, WindowKeysDefaultToMain) {
  Write("[Main]\nMain=m.bmp\nWindowtype=1\nDown=d.bmp\nButtonAlpha=1\n");
  SkinWindowKeys keys = ReadSkinWindowKeys(CSkinIniReader(ini), "MAIN");
  EXPECT_EQ("m.bmp", keys.over);
  EXPECT_EQ("d.bmp", keys.down);
  EXPECT_EQ("m.bmp", keys.disabled);
  EXPECT_EQ(1, keys.windowType);
  EXPECT_EQ(1, keys.buttonAlpha);
  EXPECT_EQ("", keys.otherColor);
  SkinWindowKeys none = ReadSkinWindowKeys(CSkinIniReader(dir.File("none.ini")), "Main");
  EXPECT_EQ("", none.over) << "a missing file reads every key as its default";
  EXPECT_EQ(0, none.windowType);
}

TEST_F(SkinFile, FontsAreReadUntilTheFirstGapAndFoundInAnyCase) {
  Write(
      "[FONTSINFO]\n"
      "1=Caption,10,700,Arial,1,1,37,1,1,2,3,1,1,4,5,6,7,10,20,30,40,50,60,70,80,90,100,110,120,"
      "1,1,1,1,2,2,2,2\n"
      "2=Small,8,0,,0,0,36\n"
      "4=Lost,8\n");
  CSkinFontTable fonts;
  ASSERT_TRUE(fonts.Load(ini.c_str(), NULL));
  EXPECT_EQ(2u, fonts.Count()) << "the empty key 3 ends the list";
  const SkinFontRecord* caption = fonts.Find("CAPTION");
  ASSERT_NE(nullptr, caption);
  const SkinFontLine& s = caption->style;
  EXPECT_EQ(37, s.format);
  EXPECT_EQ(1, s.shadow);
  EXPECT_EQ(RGB(1, 2, 3), s.shadowColour);
  EXPECT_EQ(1, s.shadowDx);
  EXPECT_EQ(1, s.shadowDy);
  EXPECT_EQ("{4,5,6,7}", Describe(s.margins));
  EXPECT_EQ(RGB(10, 20, 30), s.textNormal);
  EXPECT_EQ(RGB(40, 50, 60), s.textOver);
  EXPECT_EQ(RGB(70, 80, 90), s.textDown);
  EXPECT_EQ(RGB(100, 110, 120), s.textDisabled);
  EXPECT_EQ("{1,1,1,1}", Describe(s.overMargins));
  EXPECT_EQ("{2,2,2,2}", Describe(s.downMargins));
  LOGFONTA made = {};
  ASSERT_TRUE(GetObjectA(caption->font, sizeof(made), &made));
  EXPECT_EQ(700, made.lfWeight);
  EXPECT_STREQ("Arial", made.lfFaceName);
  EXPECT_EQ(1, made.lfItalic);
  EXPECT_EQ(1, made.lfUnderline);

  LOGFONTA base = {};
  base.lfWeight = 400;
  lstrcpyA(base.lfFaceName, "Tahoma");
  SkinFontLine small;
  ParseSkinFontLine("Small,8,0,,0,0", &small);
  LOGFONTA kept = SkinLogFont(base, small, 96);
  EXPECT_EQ(400, kept.lfWeight) << "weight 0 keeps the base font's";
  EXPECT_STREQ("Tahoma", kept.lfFaceName) << "an empty face keeps the base font's";
  EXPECT_EQ(-11, kept.lfHeight) << "8 points at 96 pixels per inch, rounded as MulDiv does";
  SkinFontLine none;
  ParseSkinFontLine("Zero", &none);
  EXPECT_EQ(0, SkinLogFont(base, none, 96).lfHeight) << "size 0: the system default height";
  EXPECT_EQ(RGB(0, 0, 0), none.textNormal) << "a short line gives black colours";

  CSkinFontTable untouched;
  EXPECT_FALSE(untouched.Load(dir.File("none.ini").c_str(), NULL));
  EXPECT_TRUE(fonts.Find("lost") == nullptr);
}

TEST_F(SkinFile, EnumerationsTurnValuesIntoTexts) {
  Write("[ENUMS]\n1=Mode,0,2,1,Off,On,Auto\n2=Twice,0,1,2,A,B\n3=mode,0,0,1,Shadowed\n"
        "4=None,0,1,0,X,Y\n");
  CSkinEnumTable enums;
  ASSERT_TRUE(enums.Load(ini.c_str()));
  std::string text;
  enums.GetText(&text, "MODE", 1);
  EXPECT_EQ("On", text) << "the first of two names in other cases answers";
  enums.GetText(&text, "Mode", 3);
  EXPECT_EQ("", text) << "a value past the last";
  enums.GetText(&text, "Mode", -1);
  EXPECT_EQ("", text);
  enums.GetText(&text, "Twice", 1);
  EXPECT_EQ("A", text) << "the index is value - first in the stored list A, A, B, B";
  enums.GetText(&text, "None", 0);
  EXPECT_EQ("", text) << "repeat 0 stores nothing";
  enums.GetText(&text, "Unknown", 0);
  EXPECT_EQ("", text);
  CSkinEnum twice("Twice,0,1,2,A,B");
  EXPECT_EQ((std::vector<std::string>{"A", "A", "B", "B"}), twice.GetTexts());
  CSkinEnum shortLine("Short,0,2,1,Only");
  EXPECT_EQ((std::vector<std::string>{"Only", "", ""}), shortLine.GetTexts())
      << "a missing text appends an empty one";
}

TEST(SkinBounds, AnEnumerationKeepsAtMostItsShareOfTexts) {
  struct Row {
    const char* name;
    const char* line;
    size_t texts;
    bool cut;
    int value;
    const char* text;
  } rows[] = {
      {"range and repeat of 99999 each", "Typo,0,99999,99999,x", kMostSkinEnumTexts, true, 0, "x"},
      {"a range of 99999 alone", "Wide,0,99999,1,a,b", kMostSkinEnumTexts, true, 1, "b"},
      {"a repeat of 99999 alone", "Deep,0,0,99999,a", kMostSkinEnumTexts, true, 0, "a"},
      {"every number the largest int", "Big,2147483647,2147483647,2147483647,x",
       kMostSkinEnumTexts, true, 2147483647, "x"},
      {"the whole int range", "All,-2147483648,2147483647,1,a", kMostSkinEnumTexts, true,
       -2147483647 - 1, "a"},
      {"a number past the int range stops at its end", "Past,99999999999,99999999999,1,x", 1,
       false, 2147483647, "x"},
      {"a negative repeat", "Neg,0,5,-3,a", 0, false, 0, ""},
      {"a normal line is whole", "Mode,0,2,1,Off,On,Auto", 3, false, 2, "Auto"},
  };
  for (const Row& row : rows) {
    CSkinEnum entry(row.line);
    EXPECT_EQ(row.texts, entry.GetTexts().size()) << row.name;
    EXPECT_EQ(row.cut, entry.WasCut()) << row.name;
    EXPECT_EQ(row.text, entry.GetText(row.value)) << row.name;
  }
}

TEST(SkinBounds, RectanglesAndFontSizesStopAtTheirLimits) {
  std::string huge = "2147483647,2147483647,2147483647,2147483647";
  const RECT r = ParseSkinRect(huge);
  EXPECT_EQ(2147483647, r.right) << "x + w stops at the largest int instead of wrapping";
  EXPECT_EQ(2147483647, r.bottom);
  std::string low = "-2147483648,0,-2147483648,0";
  EXPECT_EQ(-2147483647 - 1, ParseSkinRect(low).right);
  const struct {
    const char* name;
    int points;
    int height;
    bool inRange;
  } fonts[] = {
      {"a usual size", 9, -12, true},
      {"no size", 0, 0, true},
      {"the largest size", kMostSkinFontPoints, -kMostSkinFontPoints * 96 / 72, true},
      {"a font of 100000 points", 100000, -kMostSkinFontPoints * 96 / 72, false},
      {"a negative size is a cell height", -100000, kMostSkinFontPoints * 96 / 72, false},
      {"the largest int", 2147483647, -kMostSkinFontPoints * 96 / 72, false},
  };
  for (const auto& font : fonts) {
    EXPECT_EQ(font.height, SkinFontHeight(font.points, 96)) << font.name;
    EXPECT_EQ(font.inRange, SkinFontPointsInRange(font.points)) << font.name;
  }
}

TEST_F(SkinFile, AtlasEntriesAreUpperCasedInFileOrder) {
  Write("[IMAGELISTINFO]\n1=thumb,0,0,10,10\n2=Thumb,10,0,5,5\n3=Shape, 1, 2, 3, 4\n5=gone,0,0,1,1\n");
  std::vector<SkinImageEntry> entries = ReadSkinImageEntries(ini);
  ASSERT_EQ(3u, entries.size()) << "until the first gap";
  EXPECT_EQ("THUMB", entries[0].name);
  EXPECT_EQ("THUMB", entries[1].name);
  EXPECT_EQ("SHAPE", entries[2].name);
  EXPECT_EQ("{1,2,4,6}", Describe(entries[2].rect));
}

// A frame image 100 x 80: top 10 high with corners 20 and 30 and a middle
// piece, left and right edges 5 wide (first pieces 20 and 15 high), bottom 8
// high.
SkinFrameLayout SampleFrame() {
  SkinFrameLayout f;
  f.SetTopEdge("100,10,20,10,60,10");
  f.SetLeftEdge("5,62,30,10,0,0");
  f.SetBottomEdge("100,8,15,10,0,0");
  f.SetRightEdge("5,62,25,10,0,0");
  return f;
}

TEST(SkinFrameLayout, EdgeSettersDeriveTheirPieces) {
  SkinFrameLayout f = SampleFrame();
  EXPECT_EQ(30, f.top.middleW) << "x2 - f1 - L";
  EXPECT_EQ(30, f.top.rightW) << "W - w2 - x2";
  EXPECT_EQ("{30,0,60,10}", Describe(f.top.pieces[2]));
  EXPECT_EQ("{70,0,100,10}", Describe(f.top.pieces[4]));
  EXPECT_EQ(0, f.bottom.middleW) << "an empty filler-2 candidate: no middle piece";
  EXPECT_EQ(75, f.bottom.rightW) << "W - f1 - L";
  EXPECT_EQ("{25,72,100,80}", Describe(f.bottom.pieces[4]));
  EXPECT_EQ(20, f.left.firstH) << "first-piece end y - top height";
  EXPECT_EQ(32, f.left.lastH) << "HL + topH - h1 - y1";
  EXPECT_EQ("{95,10,100,25}", Describe(f.right.pieces[0]));
  EXPECT_EQ("{5,10,95,72}", Describe(f.body));
  EXPECT_EQ(80, f.ImageHeight());
  EXPECT_FALSE(f.SetTopEdge("")) << "an empty value leaves the edge";
  EXPECT_EQ(100, f.top.imageW);

  SkinFrameLayout vertical;
  vertical.SetTopEdge("50,10,10,10,0,0");
  vertical.SetLeftEdge("5,40,20,5,30,5");
  EXPECT_EQ(5, vertical.left.middleH) << "y2 - h1 - y1";
  EXPECT_EQ(15, vertical.left.lastH) << "HL + topH - h2 - y2";
  vertical.SetLeftEdge("5,40,20,0,30,5");
  EXPECT_EQ(0, vertical.left.middleH) << "filler 1 of height 0: no middle piece";
}

TEST(SkinFrameLayout, ControlsMoveWithTheirAnchorRegion) {
  SkinFrameLayout f = SampleFrame();
  struct Row {
    const char* name;
    RECT skin;
    int winW, winH, border;
    RECT expected;
  } rows[] = {
      {"top-left stays", {2, 2, 12, 8}, 300, 200, 0, {2, 2, 12, 8}},
      {"top-left down to the left first piece", {2, 20, 12, 25}, 300, 200, 0, {2, 20, 12, 25}},
      {"top-right keeps its distance to the right edge", {80, 2, 90, 8}, 300, 200, 0,
       {280, 2, 290, 8}},
      {"top span moves with the middle piece", {40, 2, 50, 8}, 300, 200, 0, {140, 2, 150, 8}},
      {"bottom-left moves down", {2, 74, 12, 78}, 300, 200, 0, {2, 194, 12, 198}},
      {"bottom-right moves right and down", {90, 74, 95, 78}, 300, 200, 0, {290, 194, 295, 198}},
      {"the body keeps its place", {40, 40, 50, 50}, 300, 200, 0, {40, 40, 50, 50}},
      {"into client pixels by the border width", {2, 2, 12, 8}, 300, 200, 3, {-1, -1, 9, 5}},
      {"at the image's own size nothing moves", {90, 74, 95, 78}, 100, 80, 0, {90, 74, 95, 78}},
  };
  for (const Row& row : rows) {
    RECT mapped = f.MapSkinRect(row.skin, row.winW, row.winH, row.border);
    EXPECT_TRUE(SameRect(row.expected, mapped))
        << row.name << ": " << Describe(mapped) << " instead of " << Describe(row.expected);
  }
}

}  // namespace
