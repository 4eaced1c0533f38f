// An engine object of the tests' own, in process: it records every call,
// accepts or refuses the configuration as told, and on Convert writes a few
// bytes to the output before it answers `convertResult`, so that a test sees
// whether the caller deleted the output.
#pragma once
#include <stdio.h>

#include <string>
#include <vector>

#include "include/VarnoEngine.h"

class CRecordingEngine : public IConvertEngine {
 public:
  std::vector<std::string> calls;
  int acceptConfig = 1;
  int convertResult = 1;
  std::string configFileText;  // the content of the file named by the text, when there is one

  void STDMETHODCALLTYPE Release() override { calls.push_back("Release"); }
  int STDMETHODCALLTYPE Reserved1() override { return 1; }
  void STDMETHODCALLTYPE Reset() override { calls.push_back("Reset"); }
  int STDMETHODCALLTYPE GetInputFormats(FORMATROW** rows) override {
    if (rows) *rows = NULL;
    return 0;
  }
  int STDMETHODCALLTYPE GetOutputFormats(FORMATROW** rows) override {
    if (rows) *rows = NULL;
    return 0;
  }
  int STDMETHODCALLTYPE LoadConfigFile(const char* config) override {
    calls.push_back(std::string("LoadConfigFile:") + config);
    FILE* file = fopen(config, "rb");
    if (file) {
      char buffer[256];
      size_t read = fread(buffer, 1, sizeof(buffer), file);
      configFileText.assign(buffer, read);
      fclose(file);
    }
    return acceptConfig;
  }
  int STDMETHODCALLTYPE Convert(const char* output, const char* input,
                                IConvertProgress*) override {
    calls.push_back(std::string("Convert:") + input);
    FILE* out = fopen(output, "wb");
    if (out) {
      fputs("partial", out);
      fclose(out);
    }
    return convertResult;
  }
  int STDMETHODCALLTYPE Reserved7(int, int) override { return 1; }
  HRESULT STDMETHODCALLTYPE GetSnapshot(HGLOBAL*) override { return E_FAIL; }
};
