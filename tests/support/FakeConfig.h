// A configuration object of the tests' own: integer and string settings by
// name (any case), the format profile read through the profile functions,
// and counters of what the model asked for.
#pragma once
#include <windows.h>
#include <string.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "include/VarnoConfig.h"

class FakeConfig : public IVarnoConfigEx {
 public:
  FakeConfig() {
    SetText("OEMIConverterName", "CreateVarnoConverter");
    SetText("OEMVarnoCodecFileName", "VarnoCodec.dll");
    Set("AudioFormatData", -1);
    Set("VideoSize", -1);
    Set("MaxWidth", 640);
    Set("KeepSourceRatio", 1);
    for (const char* key : {"VideoQuality", "VideoKeyFrame", "VideoFPS", "VideoBitrate",
                            "PhotoResolutionData"})
      Set(key, -1);
  }

  void Set(const std::string& name, int value) { m_ints[Key(name)] = value; }
  void SetText(const std::string& name, const std::string& value) { m_texts[Key(name)] = value; }
  int Int(const std::string& name) const {
    auto found = m_ints.find(Key(name));
    return found == m_ints.end() ? 0 : found->second;
  }
  std::string Text(const std::string& name) const {
    auto found = m_texts.find(Key(name));
    return found == m_texts.end() ? std::string() : found->second;
  }
  void SetProfile(const std::string& path) { SetText("ConfigFilePath", path); }

  int iniReads = 0;
  std::vector<int> videoSizeQueries;  // output type ids of "GetVideoSize"

  HRESULT STDMETHODCALLTYPE QueryInterface(const IID*, void** out) override {
    if (out) *out = NULL;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  int STDMETHODCALLTYPE GetInt(const char* name, int bDefault, int) override {
    if (_stricmp(name, "GetVideoSize") == 0) {
      videoSizeQueries.push_back(bDefault);
      return -1;
    }
    return Int(name);
  }
  void STDMETHODCALLTYPE SetInt(const char* name, int value, int) override { Set(name, value); }
  int STDMETHODCALLTYPE GetString(const char* name, char* buf, int size, int) override {
    auto found = m_texts.find(Key(name));
    if (!buf || size <= 0 || found == m_texts.end()) return 0;
    lstrcpynA(buf, found->second.c_str(), size);
    return 1;
  }
  void STDMETHODCALLTYPE SetString(const char* name, const char* value, int) override {
    SetText(name, value ? value : "");
  }
  int STDMETHODCALLTYPE ShowDialog(int, int) override { return 0; }
  int STDMETHODCALLTYPE Save() override { return 1; }
  int STDMETHODCALLTYPE GetIniInt(const char* section, const char* key, int, int,
                                  const char* file) override {
    ++iniReads;
    return (int)GetPrivateProfileIntA(section, key, 0, file ? file : Text("ConfigFilePath").c_str());
  }
  void STDMETHODCALLTYPE SetIniInt(const char*, const char*, unsigned, int, int) override {}
  int STDMETHODCALLTYPE GetIniString(const char* section, const char* key, char* buf, int size,
                                     int, int) override {
    ++iniReads;
    if (!buf || size <= 0) return 0;
    return (int)GetPrivateProfileStringA(section, key, "", buf, (DWORD)size,
                                         Text("ConfigFilePath").c_str());
  }
  int STDMETHODCALLTYPE SetIniString(const char*, const char*, const char*, int, int) override {
    return 0;
  }

 private:
  static std::string Key(std::string name) {
    std::transform(name.begin(), name.end(), name.begin(), ::tolower);
    return name;
  }
  std::map<std::string, int> m_ints;
  std::map<std::string, std::string> m_texts;
};
