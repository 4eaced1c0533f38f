#include "config/ConfigSeams.h"

#include <windows.h>
#include <shlobj.h>

#include "config/DirectXVersion.h"

namespace {

std::string RealProgramFolder() {
  char path[MAX_PATH] = {0};
  DWORD length = GetModuleFileNameA(NULL, path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return std::string();
  std::string folder(path, length);
  size_t slash = folder.find_last_of("\\/");
  folder.erase(slash == std::string::npos ? 0 : slash + 1);
  return folder;
}

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
