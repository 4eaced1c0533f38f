// An engine library that loads and offers nothing: enough for the converter
// manager to count one engine, so the module's start-up can succeed.
#include "include/VarnoEngine.h"

namespace {

class CIdleEngine : public IConvertEngine {
 public:
  void STDMETHODCALLTYPE Release() override { delete this; }
  int STDMETHODCALLTYPE Reserved1() override { return 0; }
  void STDMETHODCALLTYPE Reset() override {}
  int STDMETHODCALLTYPE GetInputFormats(FORMATROW** rows) override {
    *rows = nullptr;
    return 0;
  }
  int STDMETHODCALLTYPE GetOutputFormats(FORMATROW** rows) override {
    *rows = nullptr;
    return 0;
  }
  int STDMETHODCALLTYPE LoadConfigFile(const char*) override { return 0; }
  int STDMETHODCALLTYPE Convert(const char*, const char*, IConvertProgress*) override { return 0; }
  int STDMETHODCALLTYPE Reserved7(int, int) override { return 0; }
  HRESULT STDMETHODCALLTYPE GetSnapshot(HGLOBAL*) override { return E_NOTIMPL; }
  virtual ~CIdleEngine() {}
};

}  // namespace

extern "C" IConvertEngine* WINAPI CreateVarnoConverter() { return new CIdleEngine(); }

BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) { return TRUE; }
