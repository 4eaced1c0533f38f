// The configuration interface of the one configuration object (OptionVault).
// Settings are addressed by key name (compared without regard to case);
// texts cross in caller buffers with an explicit size.
#pragma once
#include <windows.h>

// ShowDialog ids.
enum {
  CONFIG_DLG_ABOUT = 7,
  CONFIG_DLG_OUTPUT_SETTING = 100,
  CONFIG_DLG_MP3_SETTING = 101,
  CONFIG_DLG_OPTIONS = 102,
};

struct IVarnoConfigEx {
  virtual HRESULT STDMETHODCALLTYPE QueryInterface(const IID* iid, void** out) = 0;
  virtual ULONG STDMETHODCALLTYPE AddRef() = 0;
  virtual ULONG STDMETHODCALLTYPE Release() = 0;
  // bDefault 0 addresses the current value, nonzero the default value.
  virtual int STDMETHODCALLTYPE GetInt(const char* name, int bDefault, int reserved) = 0;
  virtual void STDMETHODCALLTYPE SetInt(const char* name, int value, int bDefault) = 0;
  // 1 when found; the text is cut to size - 1 characters and terminated.
  virtual int STDMETHODCALLTYPE GetString(const char* name, char* buf, int size, int bDefault) = 0;
  virtual void STDMETHODCALLTYPE SetString(const char* name, const char* value, int bDefault) = 0;
  virtual int STDMETHODCALLTYPE ShowDialog(int id, int reserved) = 0;
  virtual int STDMETHODCALLTYPE Save() = 0;
  // On the format profile, or on `file` when it is given.
  virtual int STDMETHODCALLTYPE GetIniInt(const char* section, const char* key, int reserved1,
                                          int reserved2, const char* file) = 0;
  // On the version file when bVersionFile is nonzero, else the format profile.
  virtual void STDMETHODCALLTYPE SetIniInt(const char* section, const char* key, unsigned value,
                                           int reserved, int bVersionFile) = 0;
  virtual int STDMETHODCALLTYPE GetIniString(const char* section, const char* key, char* buf,
                                             int size, int reserved, int bVersionFile) = 0;
  virtual int STDMETHODCALLTYPE SetIniString(const char* section, const char* key,
                                             const char* value, int reserved, int bVersionFile) = 0;
};
