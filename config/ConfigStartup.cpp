// Start-up and shut-down of the configuration object: the installation
// checks, the OEM values, the stored settings, the first run and the help
// file choice.
#include <windows.h>
#include <stdio.h>
#include <string.h>

#include "base/LogClient.h"
#include "base/Paths.h"
#include "base/Strings.h"
#include "config/ConfigModule.h"
#include "config/ConfigSeams.h"
#include "config/FormatProfile.h"
#include "config/OemValue.h"
#include "winfx/AppMessageBox.h"
#include "winfx/Seams.h"

namespace {

const char kSections[] =
    "PopupMenus;ToolTips;MessageBoxes;MiscStrings;ConverterList;"
    ";AboutDialogBox;ReelCraftDlg;OutputSettingDlg;MP3OutputSettingDlg;OptionsDlg";
const char kDirectXNotice[] =
    "This version of APPNAME requires DirectX 8.0 or higher.\nYou are using a DirectX below "
    "version 8.0.\nPlease upgrade it before running APPNAME.\nAre you sure upgrade?";
const char kDirectXDownloadPage[] = "https://www.microsoft.com/download/details.aspx?id=35";
enum { kShownTextLimit = 1023 };

// The module that holds this code (the library, or a test program).
HINSTANCE ThisModule() {
  HMODULE module = NULL;
  GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                         GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                     reinterpret_cast<const char*>(&ThisModule), &module);
  return module;
}

// -1 when the file cannot be read.
LONGLONG FileSize(const std::string& path) {
  ULONGLONG size = 0;
  return GetFileSizeOf(path, &size) ? static_cast<LONGLONG>(size) : -1;
}

// Whether a [HelpFiles] value ("file,lcid,lcid,...") names `language`.
bool HelpEntryMatches(const std::string& entry, LCID language, std::string* file) {
  size_t comma = entry.find(',');
  if (comma == std::string::npos || comma == 0) return false;
  *file = entry.substr(0, comma);
  for (size_t from = comma + 1; from < entry.size();) {
    size_t next = entry.find(',', from);
    std::string id = entry.substr(from, next == std::string::npos ? std::string::npos : next - from);
    if (!id.empty() && strtoul(id.c_str(), NULL, 10) == language) return true;
    if (next == std::string::npos) break;
    from = next + 1;
  }
  return false;
}

bool IsAbsolutePath(const std::string& path) {
  return (path.size() > 1 && path[1] == ':') || (!path.empty() && (path[0] == '\\' || path[0] == '/'));
}

}  // namespace

HRESULT CConfigModule::InitInstance() {
  LogInitialize(ThisModule());
  m_strProgramFolder = ConfigProgramFolder();
  if (!InitLanguage() || !CheckDirectX() || !LoadConfigFiles()) return E_FAIL;
  FirstRunSetup();
  return S_OK;
}

HRESULT CConfigModule::ExitInstance() {
  // A start-up that failed before the settings were read has nothing of the
  // user's to save: writing the tables now would put the built-in defaults
  // over the stored values.
  if (m_bSettingsLoaded) LoadSaveSettings(0, 0);
  LogRelease();
  return S_OK;
}

bool CConfigModule::InitLanguage() {
  const std::string library = m_strProgramFolder + "vrcl.dll";
  if (!PathIsFile(library)) {
    LogPrint(LOG_ERROR, "Language library %s is missing!\n", library.c_str());
    return false;
  }
  HRESULT hr = m_translator.Load(library.c_str());
  if (FAILED(hr) || !GetTranslator()) {
    LogPrint(LOG_ERROR, "Load language library %s failed! hr=0x%x\n", library.c_str(),
             static_cast<unsigned>(hr));
    return false;
  }
  SetCurrentDirectoryA(m_strProgramFolder.c_str());
  ILanguageTranslater* translator = GetTranslator();
  if (FAILED(hr = translator->Initialize(m_translator.GetHandle())) ||
      FAILED(hr = translator->LoadSections(kSections)) || FAILED(hr = translator->LoadLanguage())) {
    LogPrint(LOG_ERROR, "Language translator start failed! hr=0x%x\n", static_cast<unsigned>(hr));
    return false;
  }
  return true;
}

bool CConfigModule::CheckDirectX() {
  int major = ConfigDirectXMajorVersion();
  if (major >= 8) return true;
  LogPrint(LOG_ERROR, "DirectX %d is below 8.0!\n", major);
  if (ShowAppMessageBox(NULL, kDirectXNotice, "Notice", MB_YESNO | MB_ICONINFORMATION) == IDYES)
    VrcShellExecute(NULL, "open", kDirectXDownloadPage, NULL, NULL, SW_SHOWNORMAL);
  return false;
}

void CConfigModule::ReadOemValues() {
  for (int i = 0; i < OEM_VALUE_COUNT; ++i) {
    char key[32], stored[1025] = {0};
    snprintf(key, sizeof(key), "ConfigCtrlInfo%d", i + 1);
    GetPrivateProfileStringA("OEM", key, "", stored, 1024, m_strConfigIni.c_str());
    if (stored[0]) DecodeOemValue(stored, m_szOem[i], sizeof(m_szOem[i]));
  }
}

bool CConfigModule::LoadConfigFiles() {
  m_strConfigIni = m_strProgramFolder + "Configs\\Config.ini";
  if (!PathIsFile(m_strConfigIni)) {
    LogPrint(LOG_ERROR, "%s is missing!\n", m_strConfigIni.c_str());
    return false;
  }
  ReadOemValues();
  // Read with room to spare, so that a value too long for the profile's path
  // is seen whole and refused rather than cut to a different file's name.
  char profile[2 * kProfilePathRoom] = {0};
  DWORD length = GetPrivateProfileStringA("OEM", "ConfigFilePath", "", profile, sizeof(profile),
                                          m_strConfigIni.c_str());
  m_strProfile = profile;
  if (!m_strProfile.empty() && !IsAbsolutePath(m_strProfile))
    m_strProfile = m_strProgramFolder + m_strProfile;
  if (length >= sizeof(profile) - 1 || m_strProfile.size() >= kProfilePathRoom) {
    LogPrint(LOG_ERROR, "Format profile path '%s' is too long!\n", profile);
    m_strProfile.clear();
    return false;
  }
  if (m_strProfile.empty() || !PathIsFile(m_strProfile)) {
    LogPrint(LOG_ERROR, "Format profile '%s' is missing!\n", profile);
    return false;
  }
  m_strVersionFile = m_strProgramFolder + m_szOem[OEM_VERSION_FILE_NAME];
  if (!PathIsFile(m_strVersionFile)) {
    LogPrint(LOG_ERROR, "Version file %s is missing!\n", m_strVersionFile.c_str());
    return false;
  }
  m_versionInfo.SetPath(m_strVersionFile);
  if (!m_skins.ScanSkins(m_strProgramFolder + "Skins")) {
    LogPrint(LOG_ERROR, "No valid skin in %sSkins!\n", m_strProgramFolder.c_str());
    return false;
  }
  return true;
}

void CConfigModule::FirstRunSetup() {
  ApplyRuntimeDefaults();
  LoadSaveSettings(1, 0);
  m_bSettingsLoaded = true;
  LCID language = 0;
  if (FAILED(GetTranslator()->GetLanguage(&language, 0))) language = 0;
  if (GetInt("NotFirstTimeRun", 0, 1) == 0) {
    LoadSaveSettings(1, 1);
    LoadProfileDefaults(this);
    SetInt("NotFirstTimeRun", 1, 0);
    SetInt("UILanguageLCID", static_cast<int>(language), 0);
    LoadSaveSettings(0, 0);
  }
  LoadOutputTypes(this);
  ChooseHelpFile(language);
}

void CConfigModule::ChooseHelpFile(LCID language) {
  const std::string helps = m_strProgramFolder + "Helps\\";
  const std::string list = helps + "Helps.ini";
  std::string chosen = helps + "English.chm";
  for (int n = 1;; ++n) {
    char key[16], entry[4097] = {0};
    snprintf(key, sizeof(key), "%d", n);
    GetPrivateProfileStringA("HelpFiles", key, "", entry, 4096, list.c_str());
    if (!entry[0]) break;
    std::string file;
    if (HelpEntryMatches(entry, language, &file) && PathIsFile(helps + file)) {
      chosen = helps + file;
      break;
    }
  }
  const std::string inUse = m_strProgramFolder + "Help.chm";
  if (!PathIsFile(chosen) || FileSize(chosen) == FileSize(inUse)) return;
  DeleteFileA(inUse.c_str());
  if (!CopyFileA(chosen.c_str(), inUse.c_str(), FALSE))
    LogPrint(LOG_ERROR, "Copy help file %s failed!\n", chosen.c_str());
}

int CConfigModule::ShowAppMessageBox(HWND owner, const char* text, const char* caption,
                                     UINT style) {
  const AppBoxRules kConfigBoxes = {kShownTextLimit, true};
  return ShowAppBox(owner, GetTranslator(), this, text, caption, style, kConfigBoxes);
}
