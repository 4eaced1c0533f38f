// The help launcher and the classification of the running Windows version.
#pragma once
#include <windows.h>

// Shows a topic of "Help.chm" beside the program, or opens a web address.
// FALSE when the help file is missing.
BOOL OpenHelpTopic(HWND owner, const char* topic);

// 1 Win32s, 2 Windows 95, 3 Windows 98, 4 Windows Me, 5 other NT versions,
// 6 NT 4, 7 Windows 2000, 8 Windows XP; 0 when the version cannot be read.
int GetOSVersionType();
// The same classification for a given version record.
int ClassifyOSVersion(const OSVERSIONINFOA& version);
