#include "config/dialogs/OptionsDialog.h"

#include <vector>

#include "config/dialogs/ComboFill.h"
#include "config/dialogs/DialogIds.h"

namespace {

enum { kLanguageRoom = 1024, kNameRoom = 256 };

// The language's name in the system's words; "" when it cannot be read.
std::string LanguageName(LCID language) {
  char name[kNameRoom] = {0};
  if (GetLocaleInfoA(language, LOCALE_SLANGUAGE, name, kNameRoom) <= 0) return std::string();
  return name;
}

}  // namespace

const char COptionsDialog::kSection[] = "OptionsDlg";

COptionsDialog::COptionsDialog(IVarnoConfigEx* config)
    : CConfigDialog(IDD_CONFIG_OPTIONS, config) {}

BOOL COptionsDialog::OnInit() {
  if (!m_config) return TRUE;
  // Without a translator there are no languages to offer, but the
  // power-off choice is the configuration's and still shown.
  if (m_translator) {
    TranslateTexts(kSection);
    FillLanguages();
    LCID current = 0;
    if (SUCCEEDED(m_translator->GetLanguage(&current, 0))) SelectLanguage(current);
  }
  Check(IDC_OPTIONS_POWER_OFF, Setting("ExitWindowsEx") != 0);
  return TRUE;
}

void COptionsDialog::FillLanguages() {
  std::vector<LCID> languages(kLanguageRoom);
  int count = kLanguageRoom;
  if (FAILED(m_translator->GetLanguages(languages.data(), &count))) return;
  if (count < 0) count = 0;
  if (count > kLanguageRoom) count = kLanguageRoom;
  ComboRows rows;
  for (int i = 0; i < count; ++i) {
    std::string name = LanguageName(languages[i]);
    if (!name.empty()) rows.push_back({name, static_cast<INT_PTR>(languages[i])});
  }
  FillCombo(Combo(IDC_OPTIONS_LANGUAGE), rows);
}

void COptionsDialog::SelectLanguage(LCID language) {
  std::string name = LanguageName(language);
  CComboBox list = Combo(IDC_OPTIONS_LANGUAGE);
  int at = name.empty() ? CB_ERR
                        : static_cast<int>(::SendMessageA(list, CB_FINDSTRING, static_cast<WPARAM>(-1),
                                                          reinterpret_cast<LPARAM>(name.c_str())));
  list.SetCurSel(at);
}

void COptionsDialog::RestoreDefaults() {
  if (!m_config) return;
  SelectLanguage(static_cast<LCID>(Setting("UILanguageLCID")));
  Check(IDC_OPTIONS_POWER_OFF, m_config->GetInt("ExitWindowsEx", 1, 1) != 0);
}

BOOL COptionsDialog::OnCommand(int code, int itemId, LPARAM lParam) {
  if (itemId == IDC_OPTIONS_DEFAULT && code == BN_CLICKED) {
    RestoreDefaults();
    return TRUE;
  }
  return CConfigDialog::OnCommand(code, itemId, lParam);
}

void COptionsDialog::OnOK() {
  if (m_translator) {
    // Nothing selected (an empty list): the language stays as it is.
    const INT_PTR none = -1;
    INT_PTR language = SelectedData(Combo(IDC_OPTIONS_LANGUAGE), none);
    if (language != none) m_translator->SetLanguage(static_cast<LCID>(language));
  }
  Store("ExitWindowsEx", IsChecked(IDC_OPTIONS_POWER_OFF) ? 1 : 0);
  CConfigDialog::OnOK();
}
