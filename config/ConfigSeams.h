// Machine facts that the configuration start-up reads: the program folder,
// the user's documents folder and the installed DirectX version. Tests
// replace them so that they can lay out an installation of their own and
// never depend on the machine; NULL puts the real one back.
#pragma once
#include <string>

// The folder of the running program's own file, with a trailing backslash.
std::string ConfigProgramFolder();
// The user's documents folder (no trailing backslash); "" when unknown.
std::string ConfigDocumentsFolder();
// The major version of the installed DirectX; 0 when unknown.
int ConfigDirectXMajorVersion();

typedef std::string (*PFN_ConfigFolder)();
typedef int (*PFN_ConfigDirectXVersion)();

void ConfigSetProgramFolderSeam(PFN_ConfigFolder fn);
void ConfigSetDocumentsFolderSeam(PFN_ConfigFolder fn);
void ConfigSetDirectXVersionSeam(PFN_ConfigDirectXVersion fn);
