// The root of MuxCast's engine classes: the engine operations with their
// default bodies, so that a derived converter overrides only what it does.
#pragma once
#include "include/VarnoEngine.h"

class CConverterBase : public IConvertEngine {
 public:
  void STDMETHODCALLTYPE Release() override {}
  int STDMETHODCALLTYPE Reserved1() override { return 1; }
  void STDMETHODCALLTYPE Reset() override {}
  int STDMETHODCALLTYPE GetInputFormats(FORMATROW**) override { return 1; }
  int STDMETHODCALLTYPE GetOutputFormats(FORMATROW**) override { return 1; }
  int STDMETHODCALLTYPE LoadConfigFile(const char*) override { return 1; }
  int STDMETHODCALLTYPE Convert(const char*, const char*, IConvertProgress*) override { return 1; }
  int STDMETHODCALLTYPE Reserved7(int, int) override { return 1; }
  HRESULT STDMETHODCALLTYPE GetSnapshot(HGLOBAL* dib) override = 0;
  virtual ~CConverterBase() {}
};
