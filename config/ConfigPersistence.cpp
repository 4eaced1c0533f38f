// Settings in the per-user registry: one value per key name under the root
// in force, REG_SZ for texts and REG_DWORD for integers. Failures are
// silent: a read that fails gives "" or 0.
#include <windows.h>
#include <stdio.h>

#include "base/Paths.h"
#include "base/Strings.h"
#include "config/ConfigModule.h"
#include "config/ConfigSeams.h"
#include "config/SettingsTable.h"

namespace {

enum { kRegistryTextRoom = 1024 };

// An open registry key, closed when it goes.
class CRegKey {
 public:
  ~CRegKey() {
    if (m_hKey) RegCloseKey(m_hKey);
  }
  bool Open(HKEY parent, const std::string& path) {
    return RegOpenKeyExA(parent, path.c_str(), 0, KEY_ALL_ACCESS, &m_hKey) == ERROR_SUCCESS;
  }
  bool OpenOrCreate(HKEY parent, const std::string& path) {
    return Open(parent, path) || RegCreateKeyExA(parent, path.c_str(), 0, NULL, 0, KEY_ALL_ACCESS,
                                                 NULL, &m_hKey, NULL) == ERROR_SUCCESS;
  }
  HKEY Get() const { return m_hKey; }

 private:
  HKEY m_hKey = NULL;
};

std::string SubstituteFolder(const std::string& documents, const char* child) {
  std::string folder = JoinPath(documents, child);
  return PathIsFolder(folder) ? folder : documents;
}

}  // namespace

std::string CConfigModule::RegistryPath(const char* subkey, const char* root) const {
  std::string path = (root && *root) ? root : m_szOem[OEM_REG_KEY_NAME];
  if (subkey && *subkey) path = JoinPath(path, subkey);
  return path;
}

std::string CConfigModule::ReadProfileString(const char* name, int bIni, const char* subkey,
                                             const char* root) {
  char text[kRegistryTextRoom + 1] = {0};
  if (bIni) {
    GetPrivateProfileStringA(RegistryPath(subkey, root).c_str(), name, "", text, kRegistryTextRoom,
                             m_strVersionFile.c_str());
    return text;
  }
  CRegKey key;
  if (!key.Open(HKEY_CURRENT_USER, RegistryPath(subkey, root))) return std::string();
  DWORD type = 0, size = kRegistryTextRoom;
  if (RegQueryValueExA(key.Get(), name, NULL, &type, reinterpret_cast<BYTE*>(text), &size) !=
          ERROR_SUCCESS ||
      (type != REG_SZ && type != REG_EXPAND_SZ))
    return std::string();
  text[kRegistryTextRoom] = '\0';
  return text;
}

int CConfigModule::ReadProfileInt(const char* name, int bIni, const char* subkey,
                                  const char* root) {
  if (bIni)
    return static_cast<int>(GetPrivateProfileIntA(RegistryPath(subkey, root).c_str(), name, 0,
                                                  m_strVersionFile.c_str()));
  CRegKey key;
  if (!key.Open(HKEY_CURRENT_USER, RegistryPath(subkey, root))) return 0;
  DWORD value = 0, type = 0, size = sizeof(value);
  if (RegQueryValueExA(key.Get(), name, NULL, &type, reinterpret_cast<BYTE*>(&value), &size) !=
          ERROR_SUCCESS ||
      type != REG_DWORD)
    return 0;
  return static_cast<int>(value);
}

void CConfigModule::WriteProfileString(const char* name, const char* value, int bIni,
                                       const char* subkey, const char* root) {
  if (bIni) {
    WritePrivateProfileStringA(RegistryPath(subkey, root).c_str(), name, value,
                               m_strVersionFile.c_str());
    return;
  }
  CRegKey key;
  if (!key.OpenOrCreate(HKEY_CURRENT_USER, RegistryPath(subkey, root))) return;
  char text[kRegistryTextRoom];
  CopyBounded(text, sizeof(text), value);  // 1023 characters at most
  RegSetValueExA(key.Get(), name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                 static_cast<DWORD>(strlen(text) + 1));
}

void CConfigModule::WriteProfileInt(const char* name, int value, int bIni, const char* subkey,
                                    const char* root) {
  if (bIni) {
    char text[16];
    snprintf(text, sizeof(text), "%lu", static_cast<unsigned long>(static_cast<DWORD>(value)));
    WriteProfileString(name, text, 1, subkey, root);
    return;
  }
  CRegKey key;
  if (!key.OpenOrCreate(HKEY_CURRENT_USER, RegistryPath(subkey, root))) return;
  DWORD data = static_cast<DWORD>(value);
  RegSetValueExA(key.Get(), name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data), sizeof(data));
}

int CConfigModule::ReadProfileBinary(const char* name, void* buffer, DWORD* size,
                                     const char* subkey, const char* root) {
  CRegKey key;
  if (!key.Open(HKEY_CURRENT_USER, RegistryPath(subkey, root))) return 0;
  RegQueryValueExA(key.Get(), name, NULL, NULL, static_cast<BYTE*>(buffer), size);
  return 1;
}

void CConfigModule::WriteProfileBinary(const char* name, const void* buffer, DWORD size,
                                       const char* subkey, const char* root) {
  CRegKey key;
  if (!key.OpenOrCreate(HKEY_CURRENT_USER, RegistryPath(subkey, root))) return;
  RegSetValueExA(key.Get(), name, 0, REG_BINARY, static_cast<const BYTE*>(buffer), size);
}

void CConfigModule::LoadSaveSettings(int bLoad, int bDefaults) {
  for (int i = 0; i < StringSettingCount(); ++i) {
    SettingStringEntry* row = StringSettingAt(i);
    if (!bLoad)
      WriteProfileString(row->name, row->value, 0, "", "");
    else if (bDefaults)
      CopyBounded(row->value, SETTING_TEXT_SIZE, row->defaultValue);
    else
      CopyBounded(row->value, SETTING_TEXT_SIZE, ReadProfileString(row->name, 0, "", "").c_str());
  }
  for (int i = 0; i < IntSettingCount(); ++i) {
    SettingIntEntry* row = IntSettingAt(i);
    if (!bLoad)
      WriteProfileInt(row->name, row->value, 0, "", "");
    else if (bDefaults)
      row->value = row->defaultValue;
    else
      row->value = ReadProfileInt(row->name, 0, "", "");
  }
}

// Defaults that depend on the machine, worked out before the settings load.
void CConfigModule::ApplyRuntimeDefaults() {
  const std::string documents = ConfigDocumentsFolder();
  SetString("VideoSavePath", SubstituteFolder(documents, "My Videos").c_str(), 1);
  SetString("MusicSavePath", SubstituteFolder(documents, "My Music").c_str(), 1);
  SetString("PhotoSavePath", SubstituteFolder(documents, "My Pictures").c_str(), 1);
  SetString("CurrentSkinDirectory", (m_strProgramFolder + "Skins\\Default").c_str(), 1);
  SetString("InstallDirectory", m_strProgramFolder.c_str(), 1);
  HKEY key = NULL;
  if (RegOpenKeyExA(HKEY_CLASSES_ROOT, "Software\\RealNetworks\\Preferences\\DT_Codecs", 0,
                    KEY_READ, &key) == ERROR_SUCCESS) {
    char path[kRegistryTextRoom + 1] = {0};
    LONG size = kRegistryTextRoom;
    if (RegQueryValueA(key, NULL, path, &size) == ERROR_SUCCESS) {
      path[kRegistryTextRoom] = '\0';
      SetString("RealCodecPath", path, 1);
    }
    RegCloseKey(key);
  }
}
