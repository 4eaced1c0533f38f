#include "config/dialogs/Mp3SettingsDialog.h"

#include "config/FormatProfile.h"
#include "config/dialogs/ComboFill.h"
#include "config/dialogs/DialogIds.h"
#include "config/dialogs/OutputSettingsRules.h"

namespace {

struct Mp3List {
  int id;
  const char* name;      // the format profile list and the key shown
  const char* userKey;   // the key OK stores
};

// In the order of filling: mode, sampling rate, quality, channel, bit rate.
const Mp3List kLists[] = {
    {IDC_MP3_MODE, "MP3Mode", "UserMP3Mode"},
    {IDC_MP3_SAMPLING_RATE, "MP3SamplingRate", "UserMP3SamplingRate"},
    {IDC_MP3_QUALITY, "MP3Quality", "UserMP3Quality"},
    {IDC_MP3_CHANNEL, "MP3Channel", "UserMP3Channel"},
    {IDC_MP3_BITRATE, "MP3Bitrate", "UserMP3Bitrate"},
};

}  // namespace

const char CMp3SettingsDialog::kSection[] = "MP3OutputSettingDlg";

CMp3SettingsDialog::CMp3SettingsDialog(IVarnoConfigEx* config)
    : CConfigDialog(IDD_CONFIG_MP3_SETTING, config) {}

void CMp3SettingsDialog::FillList(int id, const char* listName) {
  if (!m_config) return;
  TextList texts;
  ValueList values;
  ReadProfileList(ProfilePath().c_str(), listName, &texts, &values, 0);
  CComboBox list = Combo(id);
  if (static_cast<int>(values.size()) != list.GetCount())
    FillCombo(list, ProfileListRows(texts, values, m_translator, kSection));
  SelectByData(list, Setting(listName));
}

void CMp3SettingsDialog::FilterBitrates() {
  if (!m_config) return;
  CComboBox rates = Combo(IDC_MP3_SAMPLING_RATE);
  CComboBox bitrates = Combo(IDC_MP3_BITRATE);
  // A refill from the profile: the list may have been cut by a lower rate.
  bitrates.ResetContent();
  FillList(IDC_MP3_BITRATE, "MP3Bitrate");
  if (!IsLowMp3SamplingRate(SelectedData(rates, 0))) return;
  ComboRows kept = LowRateMp3Bitrates(ReadRows(bitrates));
  FillCombo(bitrates, kept);
  // The stored bit rate where the lower rate allows it, else the highest
  // that remains.
  int at = RowOfData(kept, Setting("MP3Bitrate"));
  bitrates.SetCurSel(at >= 0 ? at : static_cast<int>(kept.size()) - 1);
}

BOOL CMp3SettingsDialog::OnInit() {
  TranslateTexts(kSection);
  for (const Mp3List& list : kLists) FillList(list.id, list.name);
  FilterBitrates();
  const BOOL enabled = Setting("MusicLastOutputTypeData") == -1;
  for (const Mp3List& list : kLists) EnableWindow(Item(list.id), enabled);
  return TRUE;
}

BOOL CMp3SettingsDialog::OnCommand(int code, int itemId, LPARAM lParam) {
  if (itemId == IDC_MP3_SAMPLING_RATE && code == CBN_SELCHANGE) {
    FilterBitrates();
    return TRUE;
  }
  return CConfigDialog::OnCommand(code, itemId, lParam);
}

void CMp3SettingsDialog::OnOK() {
  // A list with nothing selected keeps its key's value; so does a disabled
  // one: it shows a preset's values, which are not the user's own.
  for (const Mp3List& list : kLists) {
    CComboBox combo = Combo(list.id);
    if (combo.GetCurSel() >= 0 && IsWindowEnabled(combo))
      Store(list.userKey, static_cast<int>(combo.GetItemData(combo.GetCurSel())));
  }
  CConfigDialog::OnOK();
}
