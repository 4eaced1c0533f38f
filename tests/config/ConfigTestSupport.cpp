#include "tests/config/ConfigTestSupport.h"

#include <shlwapi.h>
#include <stdio.h>

#include "config/ConfigSeams.h"
#include "config/OemValue.h"
#include "config/SettingsTable.h"
#include "winfx/Seams.h"

namespace configtest {

namespace {

std::string g_programFolder;
std::string g_documentsFolder;

std::string TestProgramFolder() { return g_programFolder; }
std::string TestDocumentsFolder() { return g_documentsFolder; }
int TestDirectX() { return 9; }

int WINAPI RecordBox(HWND, const char* text, const char* caption, UINT style) {
  Seams().boxes.push_back({text ? text : "", caption ? caption : "", style});
  return Seams().boxAnswer;
}

HINSTANCE WINAPI RecordShell(HWND, const char*, const char* file, const char*, const char*, int) {
  Seams().shellFiles.push_back(file ? file : "");
  return reinterpret_cast<HINSTANCE>(static_cast<INT_PTR>(42));
}

std::string g_probeRoot;

BOOL WINAPI RecordPowerOff() {
  SeamLog& log = Seams();
  ++log.powerOffs;
  if (!log.powerOffProbe.empty()) {
    DWORD value = 0, size = sizeof(value);
    if (SHGetValueA(HKEY_CURRENT_USER, g_probeRoot.c_str(), log.powerOffProbe.c_str(), NULL,
                    &value, &size) == ERROR_SUCCESS)
      log.probeSeen = value;
  }
  return TRUE;
}

void Copy(const std::string& from, const std::string& to) {
  CopyFileA(from.c_str(), to.c_str(), FALSE);
}

}  // namespace

SeamLog& Seams() {
  static SeamLog log;
  return log;
}

std::string OemLine(int number, const std::string& plain) {
  char stored[OEM_VALUE_DIGITS + 1];
  EncodeOemValue(plain.c_str(), stored, sizeof(stored));
  char line[600];
  snprintf(line, sizeof(line), "ConfigCtrlInfo%d=%s\r\n", number, stored);
  return line;
}

Installation::Installation() {
  Seams() = SeamLog();
  ResetSettingTables();
  char unique[128];
  snprintf(unique, sizeof(unique), "Software\\VarnoReelCraftTests\\%lu-%lu",
           GetCurrentProcessId(), GetTickCount());
  m_root = unique;
  g_probeRoot = m_root;
  const std::string bin = vrctest::ProgramFolder();
  const std::string& to = m_dir.Path();
  for (const char* folder : {"Configs", "Skins", "Skins\\Default", "Helps", "Documents",
                             "Documents\\My Music"})
    CreateDirectoryA((to + folder).c_str(), NULL);
  for (const char* file : {"vrcl.dll", "vrcl-English.txt", "vrcl-Deutsch.txt",
                           "VarnoReelCraft.dll", "Configs\\Formats.ini", "Helps\\Helps.ini",
                           "Skins\\Default\\skin.ini", "Skins\\Default\\Logo.bmp",
                           "Skins\\Default\\Preview.bmp", "Skins\\Default\\About.bmp"})
    Copy(bin + file, to + file);
  // Help files of distinct sizes, so that a copy shows which one was chosen.
  vrctest::WriteFile(to + "Helps\\English.chm", "english help");
  vrctest::WriteFile(to + "Helps\\German.chm", "german help, longer");
  WriteConfigIni("Configs\\Formats.ini");
  g_programFolder = to;
  g_documentsFolder = to + "Documents";
  ConfigSetProgramFolderSeam(TestProgramFolder);
  ConfigSetDocumentsFolderSeam(TestDocumentsFolder);
  ConfigSetDirectXVersionSeam(TestDirectX);
  VrcSetMessageBoxSeam(RecordBox);
  VrcSetShellExecuteSeam(RecordShell);
  VrcSetPowerOffSeam(RecordPowerOff);
}

Installation::~Installation() {
  SHDeleteKeyA(HKEY_CURRENT_USER, m_root.c_str());
  ConfigSetProgramFolderSeam(NULL);
  ConfigSetDocumentsFolderSeam(NULL);
  ConfigSetDirectXVersionSeam(NULL);
  // Leave the temporary folder before it is removed.
  SetCurrentDirectoryA(vrctest::TestFolder().c_str());
  // The message box and shell seams stay recorders: a test never opens
  // either for real, not even while it is torn down.
}

void Installation::WriteConfigIni(const std::string& profilePath, const std::string& extraLines) {
  vrctest::WriteFile(File("Configs\\Config.ini"), "[OEM]\r\nConfigFilePath=" + profilePath +
                                                      "\r\n" + OemLine(5, m_root) + extraLines);
}

bool Installation::RootExists() const {
  HKEY key = NULL;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, m_root.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
    return false;
  RegCloseKey(key);
  return true;
}

bool Installation::ReadDword(const char* name, DWORD* value) const {
  DWORD size = sizeof(*value), type = 0;
  return SHGetValueA(HKEY_CURRENT_USER, m_root.c_str(), name, &type, value, &size) ==
             ERROR_SUCCESS &&
         type == REG_DWORD;
}

std::string Installation::ReadText(const char* name) const {
  char text[2048] = {0};
  DWORD size = sizeof(text) - 1, type = 0;
  if (SHGetValueA(HKEY_CURRENT_USER, m_root.c_str(), name, &type, text, &size) != ERROR_SUCCESS)
    return std::string();
  return text;
}

void Installation::WriteDword(const char* name, DWORD value) const {
  SHSetValueA(HKEY_CURRENT_USER, m_root.c_str(), name, REG_DWORD, &value, sizeof(value));
}

}  // namespace configtest
