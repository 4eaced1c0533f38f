// The settings dialogs are not part of this library yet: each answers as a
// dialog that could not be shown. Their windows replace these bodies.
#include "config/ConfigDialogs.h"

int RunAboutDialog(IVarnoConfigEx*) { return 0; }
int RunOutputSettingsDialog(IVarnoConfigEx*, const OutputTypeEntry&) { return 0; }
int RunMp3SettingsDialog(IVarnoConfigEx*) { return 0; }
int RunOptionsDialog(IVarnoConfigEx*) { return 0; }
