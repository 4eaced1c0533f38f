// The shared settings dialogs that ShowDialog runs modally. Each is owned
// by the window given (the program's main window), which stays disabled
// while the dialog is up, and returns the dialog's end code, or 0 when it
// could not be shown.
#pragma once
#include <windows.h>

#include "config/VersionInfoFile.h"
#include "include/OutputTypeEntry.h"
#include "include/VarnoConfig.h"

// The window that the settings dialogs belong to: the root owner of this
// thread's active window, else the first visible, enabled top-level window
// of the thread; NULL when the thread shows none.
HWND SettingsDialogOwner();

int RunAboutDialog(HWND owner, IVarnoConfigEx* config, const CVersionInfoFile& versionInfo);
// Gets a copy of the output type whose settings it edits.
int RunOutputSettingsDialog(HWND owner, IVarnoConfigEx* config, const OutputTypeEntry& outputType);
int RunMp3SettingsDialog(HWND owner, IVarnoConfigEx* config);
int RunOptionsDialog(HWND owner, IVarnoConfigEx* config);
