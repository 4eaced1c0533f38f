// The language library stand-in: loaded from a folder of its own with its
// translation files beside it.
#include <gtest/gtest.h>

#include <string.h>

#include <string>

#include "config/TranslatorLibrary.h"
#include "include/VarnoGuids.h"
#include "tests/support/TestSupport.h"

namespace {

class Translator : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::string bin = vrctest::ProgramFolder();
    for (const char* file : {"vrcl.dll", "vrcl-English.txt", "vrcl-Deutsch.txt"})
      ASSERT_TRUE(vrctest::CopyInto(bin + file, m_dir.Path())) << file;
  }
  // A fresh library object, started as the configuration start-up does.
  ILanguageTranslater* Start(CTranslatorLibrary* library) {
    EXPECT_EQ(S_OK, library->Load(m_dir.File("vrcl.dll").c_str()));
    ILanguageTranslater* t = library->GetTranslator();
    if (!t) return nullptr;
    EXPECT_EQ(S_OK, t->Initialize(library->GetHandle()));
    EXPECT_EQ(S_OK, t->LoadSections("PopupMenus;ToolTips;MessageBoxes;MiscStrings;ConverterList;"
                                    ";AboutDialogBox;ReelCraftDlg;OutputSettingDlg;"
                                    "MP3OutputSettingDlg;OptionsDlg"));
    EXPECT_EQ(S_OK, t->LoadLanguage());
    return t;
  }
  std::string Translate(ILanguageTranslater* t, const char* text, const char* section) {
    char buffer[260];
    strcpy(buffer, text);
    EXPECT_EQ(S_OK, t->TranslateString(buffer, section));
    return buffer;
  }
  vrctest::TempDir m_dir;
};

HWND CreateTestWindow(const char* cls, const char* text, DWORD style, HWND parent) {
  return CreateWindowExA(0, cls, text, style, 0, 0, 80, 20, parent, NULL, NULL, NULL);
}

}  // namespace

TEST_F(Translator, HolderRefusesASecondLoadAndMissingFiles) {
  CLibraryHolder holder;
  EXPECT_EQ(E_INVALIDARG, holder.Load(nullptr));
  EXPECT_EQ(E_HANDLE, holder.Load(m_dir.File("none.dll").c_str()));
  EXPECT_EQ(S_OK, holder.Load(m_dir.File("vrcl.dll").c_str()));
  EXPECT_EQ(E_ACCESSDENIED, holder.Load(m_dir.File("vrcl.dll").c_str()));
}

TEST_F(Translator, EnglishLeavesTextsAndGermanIsKeptForTheNextStart) {
  {
    CTranslatorLibrary library;
    ILanguageTranslater* t = Start(&library);
    ASSERT_NE(nullptr, t);
    LCID list[1024];
    int count = 1024;
    ASSERT_EQ(S_OK, t->GetLanguages(list, &count));
    EXPECT_EQ(2, count);
    LCID language = 0;
    t->GetLanguage(&language, 0);
    EXPECT_EQ(1033u, language);  // the user language under Wine here
    EXPECT_EQ("Output path doesn't exist!",
              Translate(t, "Output path doesn't exist!", "MessageBoxes"));
    EXPECT_EQ(E_INVALIDARG, t->SetLanguage(1036));  // no French file
    ASSERT_EQ(S_OK, t->SetLanguage(1031));
    EXPECT_EQ("Quelldatei", Translate(t, "Source File", "ConverterList"));
  }
  CTranslatorLibrary library;
  ILanguageTranslater* t = Start(&library);
  ASSERT_NE(nullptr, t);
  LCID language = 0;
  t->GetLanguage(&language, 0);
  EXPECT_EQ(1031u, language);
  EXPECT_EQ("Der Ausgabeordner existiert nicht!",
            Translate(t, "Output path doesn't exist!", "messageboxes"));
  // Unknown texts and sections stay as they are and succeed.
  EXPECT_EQ("No such text", Translate(t, "No such text", "MessageBoxes"));
  EXPECT_EQ("Source File", Translate(t, "Source File", "NoSuchSection"));
  EXPECT_EQ("Source File", Translate(t, "Source File", "MessageBoxes"));
}

TEST_F(Translator, GermanCoversTheQuotedTexts) {
  vrctest::WriteFile(m_dir.File("vrcl.ini"), "[Language]\r\nLCID=1031\r\n");
  CTranslatorLibrary library;
  ILanguageTranslater* t = Start(&library);
  ASSERT_NE(nullptr, t);
  const struct {
    const char* section;
    const char* text;
  } rows[] = {
      {"MessageBoxes",
       "This version of APPNAME requires DirectX 8.0 or higher.\nYou are using a DirectX below "
       "version 8.0.\nPlease upgrade it before running APPNAME.\nAre you sure upgrade?"},
      {"MessageBoxes", "Are you sure that conversion abort?"},
      {"MessageBoxes", "Not enough space in output folder, \nplease specify another path!"},
      {"MessageBoxes", "Source File doesn't exist!"},
      {"MessageBoxes", "Convert finished!"},
      {"MiscStrings", "Current Folder:"},
      {"MiscStrings", "Select Photo Files"},
      {"MiscStrings", "Convert Successful"},
      {"MiscStrings", "Unconvert"},
      {"MiscStrings", "Estimated Time:"},
      {"ToolTips", "Progress:"},
      {"PopupMenus", "&Delete File"},
      {"ConverterList", "Media Time"},
      {"AboutDialogBox", "About APPNAME"},
      {"OptionsDlg", "Power off after converting"},
      {"MP3OutputSettingDlg", "Sampling Rate"},
      {"OutputSettingDlg", "No Recompression"},
  };
  for (const auto& row : rows)
    EXPECT_NE(row.text, Translate(t, row.text, row.section)) << row.section << ": " << row.text;
}

TEST_F(Translator, TranslationsNeverRunPastTheBuffer) {
  vrctest::WriteFile(m_dir.File("vrcl-Long.txt"),
                     "[Language]\nLCID => 1040\n[MiscStrings]\nshort => " + std::string(400, 'L') +
                         "\n");
  vrctest::WriteFile(m_dir.File("vrcl.ini"), "[Language]\r\nLCID=1040\r\n");
  CTranslatorLibrary library;
  ILanguageTranslater* t = Start(&library);
  ASSERT_NE(nullptr, t);
  char buffer[300];
  memset(buffer, '#', sizeof(buffer));
  strcpy(buffer, "short");
  ASSERT_EQ(S_OK, t->TranslateString(buffer, "MiscStrings"));
  EXPECT_EQ(259u, strlen(buffer));
  EXPECT_EQ('#', buffer[260]);
  EXPECT_EQ(E_POINTER, t->TranslateString(nullptr, "MiscStrings"));
}

TEST_F(Translator, MenusAndDialogsGetTheirTextsReplaced) {
  vrctest::WriteFile(m_dir.File("vrcl.ini"), "[Language]\r\nLCID=1031\r\n");
  CTranslatorLibrary library;
  ILanguageTranslater* t = Start(&library);
  ASSERT_NE(nullptr, t);
  HMENU menu = CreateMenu();
  HMENU tools = CreatePopupMenu();
  AppendMenuA(tools, MF_STRING, 32771, "&Open");
  AppendMenuA(tools, MF_SEPARATOR, 0, NULL);
  AppendMenuA(tools, MF_STRING, 32773, "Select &All");
  AppendMenuA(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(tools), "Tools");
  ASSERT_EQ(S_OK, t->TranslateMenu(menu, "PopupMenus"));
  char text[260];
  GetMenuStringA(menu, 0, text, sizeof(text), MF_BYPOSITION);
  EXPECT_STREQ("Werkzeuge", text);
  GetMenuStringA(tools, 32771, text, sizeof(text), MF_BYCOMMAND);
  EXPECT_STREQ("\xD6&ffnen", text);
  GetMenuStringA(tools, 32773, text, sizeof(text), MF_BYCOMMAND);
  EXPECT_STREQ("&Alle ausw\xE4hlen", text);
  DestroyMenu(menu);
  EXPECT_EQ(E_INVALIDARG, t->TranslateMenu(NULL, "PopupMenus"));

  HWND dialog = CreateTestWindow("STATIC", "Options", WS_POPUP, NULL);
  ASSERT_NE(nullptr, dialog) << "CreateWindowEx error " << GetLastError();
  HWND button = CreateTestWindow("BUTTON", "Default", WS_CHILD, dialog);
  HWND other = CreateTestWindow("STATIC", "Unknown text", WS_CHILD, dialog);
  ASSERT_EQ(S_OK, t->TranslateDialog(dialog, "OptionsDlg"));
  GetWindowTextA(dialog, text, sizeof(text));
  EXPECT_STREQ("Optionen", text);
  GetWindowTextA(button, text, sizeof(text));
  EXPECT_STREQ("Standard", text);
  GetWindowTextA(other, text, sizeof(text));
  EXPECT_STREQ("Unknown text", text);
  DestroyWindow(dialog);
}

TEST_F(Translator, DialogsKeepTheUsersValuesInEditAndComboBoxes) {
  vrctest::WriteFile(m_dir.File("vrcl.ini"), "[Language]\r\nLCID=1031\r\n");
  CTranslatorLibrary library;
  ILanguageTranslater* t = Start(&library);
  ASSERT_NE(nullptr, t);
  HWND dialog = CreateTestWindow("STATIC", "Options", WS_POPUP, NULL);
  ASSERT_NE(nullptr, dialog);
  // Each control holds "Default", a text that the section translates.
  const struct {
    const char* name;
    const char* cls;
    DWORD style;
    const char* expected;
  } rows[] = {
      {"a label", "STATIC", WS_CHILD, "Standard"},
      {"a button", "BUTTON", WS_CHILD, "Standard"},
      {"an edit box", "EDIT", WS_CHILD, "Default"},
      {"a combo box's edit", "COMBOBOX", WS_CHILD | CBS_DROPDOWN, "Default"},
  };
  HWND controls[4];
  for (int i = 0; i < 4; ++i) {
    controls[i] = CreateTestWindow(rows[i].cls, "Default", rows[i].style, dialog);
    ASSERT_NE(nullptr, controls[i]) << rows[i].name;
    SetWindowTextA(controls[i], "Default");  // a combo box takes no creation text
  }
  ASSERT_EQ(S_OK, t->TranslateDialog(dialog, "OptionsDlg"));
  char text[260];
  for (int i = 0; i < 4; ++i) {
    GetWindowTextA(controls[i], text, sizeof(text));
    EXPECT_STREQ(rows[i].expected, text) << rows[i].name;
  }
  DestroyWindow(dialog);
}

TEST_F(Translator, LanguageChangesEvenWhenTheChoiceCannotBeSaved) {
  // A folder where the choice file should be: every write of it fails, as in
  // a read-only program folder.
  ASSERT_TRUE(CreateDirectoryA(m_dir.File("vrcl.ini").c_str(), NULL));
  CTranslatorLibrary library;
  ILanguageTranslater* t = Start(&library);
  ASSERT_NE(nullptr, t);
  EXPECT_EQ(S_OK, t->SetLanguage(1031));
  LCID language = 0;
  t->GetLanguage(&language, 0);
  EXPECT_EQ(1031u, language);
  EXPECT_EQ("Quelldatei", Translate(t, "Source File", "ConverterList"));
}
