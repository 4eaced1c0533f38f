// The tests' command executive as the skinned windows see it: it records
// every command with its argument and a copy of its param, and answers the
// enabled state and the value of each control from tables (names without
// regard to case; an unknown name is enabled and has the value -1, as the
// executive answers). Hot keys answer hotKeyResult.
#pragma once
#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include "include/VarnoSkinCommand.h"
#include "tests/support/FakeConfig.h"

class CRecordingSkinCommand : public ISkinCommand {
 public:
  struct Call {
    std::string name;
    int argument;
    bool hasParam;
    SkinCommandParam param;
  };
  std::vector<Call> calls;
  std::map<std::string, int, NoCaseLess> enabled;
  std::map<std::string, INT_PTR, NoCaseLess> values;
  std::vector<int> hotKeys;
  HRESULT commandResult = S_OK;
  HRESULT hotKeyResult = E_FAIL;

  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const Call& call : calls) names.push_back(call.name);
    return names;
  }

  HRESULT STDMETHODCALLTYPE QueryInterface(const IID*, void** out) override {
    if (out) *out = NULL;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  int STDMETHODCALLTYPE IsControlEnabled(const char* name) override {
    auto found = enabled.find(name ? name : "");
    return found == enabled.end() ? 1 : found->second;
  }
  INT_PTR STDMETHODCALLTYPE GetControlValue(const char* name) override {
    auto found = values.find(name ? name : "");
    return found == values.end() ? -1 : found->second;
  }
  HRESULT STDMETHODCALLTYPE ExecuteSkinCommand(const char* name, int argument,
                                               SkinCommandParam* param) override {
    Call call = {name ? name : "", argument, param != NULL, {}};
    if (param) call.param = *param;
    calls.push_back(call);
    return commandResult;
  }
  HRESULT STDMETHODCALLTYPE ExecuteHotKeyCommand(int virtualKey, int, int, int) override {
    hotKeys.push_back(virtualKey);
    return hotKeyResult;
  }
};
