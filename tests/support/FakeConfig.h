// The tests' configuration store. It answers as the real one does: names
// without regard to case, a current and a default value per name, texts cut
// to the caller's buffer and terminated, nothing written into a buffer of no
// size. Any name can be set (the real store knows a fixed list). It records
// the dialogs asked for, the saves, the reads of the format profile and the
// output types of "GetVideoSize".
#pragma once
#include <windows.h>
#include <string.h>

#include <map>
#include <string>
#include <vector>

#include "include/VarnoConfig.h"
#include "include/VarnoGuids.h"
#include "include/VarnoTranslator.h"

struct NoCaseLess {
  bool operator()(const std::string& a, const std::string& b) const {
    return _stricmp(a.c_str(), b.c_str()) < 0;
  }
};

class CFakeConfig : public IVarnoConfigEx {
 public:
  typedef std::map<std::string, int, NoCaseLess> IntTable;
  typedef std::map<std::string, std::string, NoCaseLess> TextTable;

  IntTable ints, defaultInts;
  TextTable strings, defaultStrings;
  // Rows of the format profile by "section/key", ahead of the profile file
  // ("ConfigFilePath"). The version file is not faked: it reads as empty
  // and takes no writes.
  IntTable ini;
  TextTable iniTexts;

  // Handed out for IID_ILanguageTranslater as the real store hands out its
  // own: without a count. NULL: no translator.
  ILanguageTranslater* translator = NULL;

  std::vector<int> dialogs;  // ShowDialog ids
  int dialogResult = 0;
  int saves = 0;
  int iniReads = 0;
  std::vector<int> videoSizeQueries;  // output type ids of "GetVideoSize"

  // The store the model tests start from: the engine and codec names, no
  // audio, video or photo choice made (-1), at most 640 wide, keeping the
  // source's ratio.
  void SeedModelSettings() {
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

  void Set(const std::string& name, int value) { ints[name] = value; }
  void SetText(const std::string& name, const std::string& value) { strings[name] = value; }
  int Int(const std::string& name) const {
    IntTable::const_iterator found = ints.find(name);
    return found == ints.end() ? 0 : found->second;
  }
  std::string Text(const std::string& name) const {
    TextTable::const_iterator found = strings.find(name);
    return found == strings.end() ? std::string() : found->second;
  }
  void SetProfile(const std::string& path) { SetText("ConfigFilePath", path); }

  HRESULT STDMETHODCALLTYPE QueryInterface(const IID* iid, void** out) override {
    if (!out) return E_POINTER;
    *out = NULL;
    if (!translator || !iid || !IsEqualGUID(*iid, IID_ILanguageTranslater)) return E_NOINTERFACE;
    *out = translator;
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }

  int STDMETHODCALLTYPE GetInt(const char* name, int bDefault, int) override {
    if (!name) return 0;
    if (_stricmp(name, "GetVideoSize") == 0) {
      // Here the second argument is an output type id; no size row matches.
      videoSizeQueries.push_back(bDefault);
      return -1;
    }
    const IntTable& table = bDefault ? defaultInts : ints;
    IntTable::const_iterator found = table.find(name);
    return found == table.end() ? 0 : found->second;
  }
  void STDMETHODCALLTYPE SetInt(const char* name, int value, int bDefault) override {
    if (name) (bDefault ? defaultInts : ints)[name] = value;
  }
  int STDMETHODCALLTYPE GetString(const char* name, char* buf, int size, int bDefault) override {
    if (!name || !buf || size <= 0) return 0;
    const TextTable& table = bDefault ? defaultStrings : strings;
    TextTable::const_iterator found = table.find(name);
    if (found == table.end()) return 0;
    lstrcpynA(buf, found->second.c_str(), size);
    return 1;
  }
  void STDMETHODCALLTYPE SetString(const char* name, const char* value, int bDefault) override {
    if (name) (bDefault ? defaultStrings : strings)[name] = value ? value : "";
  }
  int STDMETHODCALLTYPE ShowDialog(int id, int) override {
    dialogs.push_back(id);
    return dialogResult;
  }
  int STDMETHODCALLTYPE Save() override {
    ++saves;
    return 1;
  }

  int STDMETHODCALLTYPE GetIniInt(const char* section, const char* key, int, int,
                                  const char* file) override {
    ++iniReads;
    if (file) return (int)GetPrivateProfileIntA(section, key, 0, file);
    IntTable::const_iterator row = ini.find(Row(section, key));
    if (row != ini.end()) return row->second;
    std::string profile = Text("ConfigFilePath");
    return profile.empty() ? 0 : (int)GetPrivateProfileIntA(section, key, 0, profile.c_str());
  }
  void STDMETHODCALLTYPE SetIniInt(const char* section, const char* key, unsigned value, int,
                                   int bVersionFile) override {
    if (!bVersionFile) ini[Row(section, key)] = (int)value;
  }
  int STDMETHODCALLTYPE GetIniString(const char* section, const char* key, char* buf, int size,
                                     int, int bVersionFile) override {
    ++iniReads;
    if (!buf || size <= 0) return 0;
    buf[0] = '\0';
    if (bVersionFile) return 1;
    TextTable::const_iterator row = iniTexts.find(Row(section, key));
    std::string profile = Text("ConfigFilePath");
    if (row != iniTexts.end())
      lstrcpynA(buf, row->second.c_str(), size);
    else if (!profile.empty())
      GetPrivateProfileStringA(section, key, "", buf, (DWORD)size, profile.c_str());
    return 1;
  }
  int STDMETHODCALLTYPE SetIniString(const char* section, const char* key, const char* value, int,
                                     int bVersionFile) override {
    if (bVersionFile) return 0;
    iniTexts[Row(section, key)] = value ? value : "";
    return 1;
  }

 private:
  static std::string Row(const char* section, const char* key) {
    return std::string(section ? section : "") + "/" + (key ? key : "");
  }
};
