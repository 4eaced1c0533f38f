// CConfigModule: the one configuration object. Its IModule face starts and
// stops it; its IVarnoConfigEx face answers settings by name, the format
// profile and the version file; it owns the language translator.
#pragma once
#include <windows.h>

#include <string>

#include "base/ModuleBase.h"
#include "config/SkinCatalog.h"
#include "config/TranslatorLibrary.h"
#include "config/VersionInfoFile.h"
#include "include/VarnoConfig.h"

// The installation's OEM values, in [OEM] ConfigCtrlInfo1..8 order.
enum OemValueIndex {
  OEM_CODEC_FILE_NAME,
  OEM_COMPANY_NAME,
  OEM_APP_NAME,
  OEM_VERSION_FILE_NAME,
  OEM_REG_KEY_NAME,
  OEM_ICONVERTER_NAME,
  OEM_MEDIA_PROFILE_NAME,
  OEM_USER_ID,
  OEM_VALUE_COUNT
};

class CConfigModule : public CModuleBase, public IVarnoConfigEx {
 public:
  CConfigModule();
  ~CConfigModule() override;

  // IModule (and the first three slots of IVarnoConfigEx).
  HRESULT STDMETHODCALLTYPE QueryInterface(const IID* iid, void** out) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;
  HRESULT STDMETHODCALLTYPE InitInstance() override;
  HRESULT STDMETHODCALLTYPE ExitInstance() override;

  // Single values in the registry under the root in force (root "" = the
  // OEM root; a non-empty subkey is appended), or in the version file when
  // bIni is nonzero.
  virtual std::string ReadProfileString(const char* name, int bIni, const char* subkey,
                                        const char* root);
  virtual int ReadProfileInt(const char* name, int bIni, const char* subkey, const char* root);
  virtual void WriteProfileString(const char* name, const char* value, int bIni,
                                  const char* subkey, const char* root);
  virtual void WriteProfileInt(const char* name, int value, int bIni, const char* subkey,
                               const char* root);
  virtual int ReadProfileBinary(const char* name, void* buffer, DWORD* size, const char* subkey,
                                const char* root);
  virtual void WriteProfileBinary(const char* name, const void* buffer, DWORD size,
                                  const char* subkey, const char* root);
  // Whole-table load (from the registry, or the defaults) or save.
  virtual void LoadSaveSettings(int bLoad, int bDefaults);

  // IVarnoConfigEx.
  int STDMETHODCALLTYPE GetInt(const char* name, int bDefault, int reserved) override;
  void STDMETHODCALLTYPE SetInt(const char* name, int value, int bDefault) override;
  int STDMETHODCALLTYPE GetString(const char* name, char* buf, int size, int bDefault) override;
  void STDMETHODCALLTYPE SetString(const char* name, const char* value, int bDefault) override;
  int STDMETHODCALLTYPE ShowDialog(int id, int reserved) override;
  int STDMETHODCALLTYPE Save() override;
  int STDMETHODCALLTYPE GetIniInt(const char* section, const char* key, int reserved1,
                                  int reserved2, const char* file) override;
  void STDMETHODCALLTYPE SetIniInt(const char* section, const char* key, unsigned value,
                                   int reserved, int bVersionFile) override;
  int STDMETHODCALLTYPE GetIniString(const char* section, const char* key, char* buf, int size,
                                     int reserved, int bVersionFile) override;
  int STDMETHODCALLTYPE SetIniString(const char* section, const char* key, const char* value,
                                     int reserved, int bVersionFile) override;

  // A message box of the application: text and caption translated in
  // "MessageBoxes", "APPNAME" replaced; 0 when nothing was shown.
  int ShowAppMessageBox(HWND owner, const char* text, const char* caption, UINT style);

  ILanguageTranslater* GetTranslator() const { return m_translator.GetTranslator(); }
  const CVersionInfoFile& GetVersionInfo() const { return m_versionInfo; }
  const CSkinCatalog& GetSkinCatalog() const { return m_skins; }

 private:
  // Start-up steps.
  bool InitLanguage();
  bool CheckDirectX();
  bool LoadConfigFiles();
  void ReadOemValues();
  void FirstRunSetup();
  void ApplyRuntimeDefaults();
  void ChooseHelpFile(LCID language);

  std::string RegistryPath(const char* subkey, const char* root) const;
  IVarnoConfigEx* ConfigFace() { return this; }
  bool GetSkinName(const char* name, char* buf, int size);
  bool FindPlayerFolder(char* buf, int size);
  std::string IniFile(int bVersionFile) const;

  std::string m_strProgramFolder;
  std::string m_strVersionFile;
  std::string m_strConfigIni;
  std::string m_strProfile;
  CVersionInfoFile m_versionInfo;
  CSkinCatalog m_skins;
  CTranslatorLibrary m_translator;
  char m_szOem[OEM_VALUE_COUNT][260];
  // Set once the stored settings were read: only then may a save write the
  // tables back, or built-in defaults would overwrite the user's values.
  bool m_bSettingsLoaded = false;
};

// The built-in OEM values and their setting names.
const char* OemDefaultValue(int index);
const char* OemValueName(int index);
