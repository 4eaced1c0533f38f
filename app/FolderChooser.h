// Choosing a folder for the Browse command: the system's folder browser in
// the program, a recorder in tests.
#pragma once
#include <windows.h>

#include <string>

typedef bool (*PFN_ChooseFolder)(HWND owner, const char* title, UINT flags,
                                 const char* initialFolder, std::string* folder);

bool ChooseFolder(HWND owner, const char* title, UINT flags, const char* initialFolder,
                  std::string* folder);
void SetChooseFolderSeam(PFN_ChooseFolder fn);
