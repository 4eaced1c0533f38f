// The MP3 settings dialog: mode, sampling rate, channel mode, quality and
// bit rate of the music output, shown from the current MP3 keys and stored
// into the user's own keys.
#pragma once
#include "config/dialogs/ConfigDialog.h"

class CMp3SettingsDialog : public CConfigDialog {
 public:
  static const char kSection[];

  explicit CMp3SettingsDialog(IVarnoConfigEx* config);

 protected:
  BOOL OnInit() override;
  BOOL OnCommand(int code, int itemId, LPARAM lParam) override;
  void OnOK() override;

 private:
  // Fills one list from the format profile when its row count changed and
  // selects the current value of its key.
  void FillList(int id, const char* listName);
  void FilterBitrates();
};
