// The options dialog: the user-interface language among those the
// translator offers, and whether the computer is switched off after a
// conversion batch.
#pragma once
#include "config/dialogs/ConfigDialog.h"

class COptionsDialog : public CConfigDialog {
 public:
  static const char kSection[];

  explicit COptionsDialog(IVarnoConfigEx* config);

 protected:
  BOOL OnInit() override;
  BOOL OnCommand(int code, int itemId, LPARAM lParam) override;
  void OnOK() override;

 private:
  void FillLanguages();
  // Selects the first language whose name begins with that LCID's name.
  void SelectLanguage(LCID language);
  void RestoreDefaults();
};
