// The help launcher; the classification of the running Windows version lives
// in the base (the skinned popup list asks it too).
#pragma once
#include <windows.h>

#include "base/OsVersion.h"

// Shows a topic of "Help.chm" beside the program, or opens a web address.
// FALSE when the help file is missing.
BOOL OpenHelpTopic(HWND owner, const char* topic);
