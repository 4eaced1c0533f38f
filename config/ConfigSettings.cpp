// The settings face of the configuration object: named integer and string
// keys, the names answered without storing them, and the INI access.
#include <windows.h>
#include <stdio.h>
#include <string.h>

#include "base/Paths.h"
#include "base/ProfileFile.h"
#include "base/Strings.h"
#include "config/ConfigModule.h"
#include "config/FormatProfile.h"
#include "config/SettingsTable.h"
#include "config/dialogs/ConfigDialogs.h"
#include "winfx/Seams.h"

namespace {

const char kDecoderRoot[] = "Software\\GNU\\ffdshow_audio\\default";

bool Is(const char* name, const char* special) { return _stricmp(name, special) == 0; }

}  // namespace

int CConfigModule::GetInt(const char* name, int bDefault, int) {
  if (!name) return 0;
  if (Is(name, "GetVideoSize")) {
    // Here the second argument is an output type id, not a flag.
    TextList texts;
    ValueList sizes;
    ReadProfileList(m_strProfile.c_str(), "VIDEOSIZE", &texts, &sizes, bDefault);
    SettingIntEntry* videoSize = FindIntSetting("VideoSize");
    for (size_t i = 0; i < sizes.size(); ++i)
      if (sizes[i] == videoSize->value) return static_cast<int>(i);
    // No row matches: fall back to the first size (an empty list has none).
    if (!sizes.empty()) videoSize->value = sizes.front();
    return -1;
  }
  const SettingIntEntry* row = FindIntSetting(name);
  if (!row) return 0;
  return bDefault ? row->defaultValue : row->value;
}

void CConfigModule::SetInt(const char* name, int value, int bDefault) {
  if (!name) return;
  if (Is(name, "EnableVCDChannel")) {
    WriteProfileInt("isVolume", value, 0, "", kDecoderRoot);
    return;
  }
  if (Is(name, "VCDChannel")) {
    // 0 plays the left channel, 1 the right one, 2 both.
    WriteProfileInt("volumeL", value == 1 ? 0 : 100, 0, "", kDecoderRoot);
    WriteProfileInt("volumeR", value != 0 ? 100 : 0, 0, "", kDecoderRoot);
  } else if (Is(name, "VRCExitWindowsEx")) {
    // The session's settings are saved before the machine goes down; once
    // the power-off is under way ExitInstance may never run.
    if (m_bSettingsLoaded) LoadSaveSettings(0, 0);
    VrcPowerOff();
    return;
  }
  SettingIntEntry* row = FindIntSetting(name);
  if (!row) return;
  (bDefault ? row->defaultValue : row->value) = value;
}

int CConfigModule::GetString(const char* name, char* buf, int size, int bDefault) {
  if (!name || !buf || size <= 0) return 0;
  if (Is(name, "SkinPath") || Is(name, "VideoLogoBmpPath") || Is(name, "AboutBmpFileName"))
    return GetSkinName(name, buf, size) ? 1 : 0;
  if (Is(name, "ConfigFilePath")) {
    // A cut path would name another file: a buffer too small gets nothing.
    if (m_strProfile.size() >= static_cast<size_t>(size)) {
      buf[0] = 0;
      return 0;
    }
    CopyBounded(buf, size, m_strProfile.c_str());
    return 1;
  }
  for (int i = 0; i < OEM_VALUE_COUNT; ++i) {
    if (Is(name, OemValueName(i))) {
      CopyBounded(buf, size, bDefault ? OemDefaultValue(i) : m_szOem[i]);
      return 1;
    }
  }
  if (Is(name, "GetPSPMP4Directory")) return FindPlayerFolder(buf, size) ? 1 : 0;
  const SettingStringEntry* row = FindStringSetting(name);
  if (!row) return 0;
  CopyBounded(buf, size, bDefault ? row->defaultValue : row->value);
  return 1;
}

void CConfigModule::SetString(const char* name, const char* value, int bDefault) {
  SettingStringEntry* row = FindStringSetting(name);
  if (!row) return;
  CopyBounded(bDefault ? row->defaultValue : row->value, SETTING_TEXT_SIZE, value);
}

bool CConfigModule::GetSkinName(const char* name, char* buf, int size) {
  int index = GetInt("CurrentSkinIndex", 0, 1);
  if (index == -1) {
    index = m_skins.GetDefaultSkinIndex();
    SetInt("CurrentSkinIndex", index, 0);
  }
  SkinInfoRecord skin;
  if (!m_skins.GetSkinInfo(index, &skin)) {
    CopyBounded(buf, size, "");
    return true;
  }
  if (Is(name, "SkinPath"))
    CopyBounded(buf, size, skin.folder);
  else if (Is(name, "VideoLogoBmpPath"))
    CopyBounded(buf, size, skin.logoBmpPath);
  else
    CopyBounded(buf, size, skin.aboutBmpPath);
  return true;
}

// The portable player's video folder on the first removable drive that has
// it.
bool CConfigModule::FindPlayerFolder(char* buf, int size) {
  char relative[SETTING_TEXT_SIZE] = {0};
  GetString("PSPMP4Directory", relative, sizeof(relative), 0);
  char drives[1024] = {0};
  DWORD length = GetLogicalDriveStringsA(sizeof(drives) - 1, drives);
  if (length == 0 || length >= sizeof(drives)) return false;
  for (const char* root = drives; *root; root += strlen(root) + 1) {
    if (GetDriveTypeA(root) != DRIVE_REMOVABLE) continue;
    std::string folder = std::string(root) + relative;
    if (PathIsFolder(folder)) {
      CopyBounded(buf, size, folder.c_str());
      return true;
    }
  }
  return false;
}

int CConfigModule::ShowDialog(int id, int) {
  // Owned by the main window, which stays disabled meanwhile: an unowned
  // dialog would leave the window free to shut the program down under it.
  const HWND owner = SettingsDialogOwner();
  switch (id) {
    case CONFIG_DLG_ABOUT:
      RunAboutDialog(owner, this, m_versionInfo);
      return 0;
    case CONFIG_DLG_OUTPUT_SETTING: {
      OutputTypeEntry entry;
      if (!GetOutputType(GetInt("VideoLastOutputTypeIndex", 0, 1), &entry)) return 0;
      return RunOutputSettingsDialog(owner, this, entry);
    }
    case CONFIG_DLG_MP3_SETTING:
      return RunMp3SettingsDialog(owner, this);
    case CONFIG_DLG_OPTIONS: {
      ILanguageTranslater* translator = GetTranslator();
      LCID before = 0, after = 0;
      if (translator) translator->GetLanguage(&before, 0);
      int result = RunOptionsDialog(owner, this);
      if (translator) translator->GetLanguage(&after, 0);
      return (result == IDOK && before != after) ? 100 : result;
    }
    default:
      return 0;
  }
}

int CConfigModule::Save() {
  if (!m_bSettingsLoaded) return 0;
  LoadSaveSettings(0, 0);
  return 1;
}

std::string CConfigModule::IniFile(int bVersionFile) const {
  return bVersionFile ? m_strVersionFile : m_strProfile;
}

int CConfigModule::GetIniInt(const char* section, const char* key, int, int, const char* file) {
  return ProfileInt(*SharedProfileFile(file ? file : m_strProfile), section, key, 0);
}

void CConfigModule::SetIniInt(const char* section, const char* key, unsigned value, int,
                              int bVersionFile) {
  char text[16];
  snprintf(text, sizeof(text), "%lu", static_cast<unsigned long>(value));
  WritePrivateProfileStringA(section, key, text, IniFile(bVersionFile).c_str());
}

int CConfigModule::GetIniString(const char* section, const char* key, char* buf, int size, int,
                                int bVersionFile) {
  if (!buf || size <= 0) return 0;
  const std::string value = ProfileString(*SharedProfileFile(IniFile(bVersionFile)), section, key,
                                          "", static_cast<size_t>(size));
  memcpy(buf, value.c_str(), value.size() + 1);  // at most size - 1 characters and the NUL
  return 1;
}

int CConfigModule::SetIniString(const char* section, const char* key, const char* value, int,
                                int bVersionFile) {
  return WritePrivateProfileStringA(section, key, value, IniFile(bVersionFile).c_str());
}
