// The shared settings dialogs that ShowDialog runs modally, owned by no
// window. Each returns the dialog's end code, or 0 when it could not be
// shown.
#pragma once
#include "include/OutputTypeEntry.h"
#include "include/VarnoConfig.h"

int RunAboutDialog(IVarnoConfigEx* config);
// Gets a copy of the output type whose settings it edits.
int RunOutputSettingsDialog(IVarnoConfigEx* config, const OutputTypeEntry& outputType);
int RunMp3SettingsDialog(IVarnoConfigEx* config);
int RunOptionsDialog(IVarnoConfigEx* config);
