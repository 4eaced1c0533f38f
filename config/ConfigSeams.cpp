#include "config/ConfigSeams.h"

#include <windows.h>
#include <shlobj.h>

#include "base/Paths.h"
#include "config/DirectXVersion.h"

namespace {

std::string RealProgramFolder() { return ModuleFolder(); }

std::string RealDocumentsFolder() {
  char path[MAX_PATH] = {0};
  if (!SHGetSpecialFolderPathA(NULL, path, CSIDL_PERSONAL, FALSE)) return std::string();
  return path;
}

int RealDirectXMajorVersion() { return ProbeDirectXVersion().major; }

PFN_ConfigFolder g_programFolder = RealProgramFolder;
PFN_ConfigFolder g_documentsFolder = RealDocumentsFolder;
PFN_ConfigDirectXVersion g_directXVersion = RealDirectXMajorVersion;

}  // namespace

std::string ConfigProgramFolder() { return g_programFolder(); }
std::string ConfigDocumentsFolder() { return g_documentsFolder(); }
int ConfigDirectXMajorVersion() { return g_directXVersion(); }

void ConfigSetProgramFolderSeam(PFN_ConfigFolder fn) {
  g_programFolder = fn ? fn : RealProgramFolder;
}
void ConfigSetDocumentsFolderSeam(PFN_ConfigFolder fn) {
  g_documentsFolder = fn ? fn : RealDocumentsFolder;
}
void ConfigSetDirectXVersionSeam(PFN_ConfigDirectXVersion fn) {
  g_directXVersion = fn ? fn : RealDirectXMajorVersion;
}
