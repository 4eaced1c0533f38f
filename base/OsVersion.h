// The classification of the running Windows version: the help launcher and
// the skinned popup list (layered windows only where the system has them)
// both ask it.
#pragma once
#include <windows.h>

// 1 Win32s, 2 Windows 95, 3 Windows 98, 4 Windows Me, 5 other NT versions,
// 6 NT 4, 7 Windows 2000, 8 Windows XP; 0 when the version cannot be read.
int GetOSVersionType();
// The same classification for a given version record.
int ClassifyOSVersion(const OSVERSIONINFOA& version);
