// An engine library of the tests' own. Its format rows come from a script
// beside the library ("<library file>.rows": [Input]/[Output] Names=AVI,ASF,
// and [Factory] Null=1 for a factory that makes nothing); every creation,
// release and unload is appended to the journal that VRC_ENGINE_JOURNAL
// names, with the library's own file name.
#include <windows.h>
#include <stdio.h>
#include <string.h>

#include <string>
#include <vector>

#include "include/VarnoEngine.h"

namespace {

HINSTANCE g_instance;

std::string OwnPath() {
  char path[MAX_PATH] = "";
  GetModuleFileNameA(g_instance, path, MAX_PATH);
  return path;
}

std::string OwnName() {
  std::string path = OwnPath();
  size_t slash = path.rfind('\\');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

void Journal(const char* what) {
  char file[MAX_PATH] = "";
  if (!GetEnvironmentVariableA("VRC_ENGINE_JOURNAL", file, MAX_PATH)) return;
  FILE* out = fopen(file, "a");
  if (!out) return;
  fprintf(out, "%s %s\n", what, OwnName().c_str());
  fclose(out);
}

std::vector<FORMATROW> ReadRows(const char* section) {
  char names[1024] = "";
  GetPrivateProfileStringA(section, "Names", "", names, sizeof(names), (OwnPath() + ".rows").c_str());
  std::vector<FORMATROW> rows;
  for (char* item = strtok(names, ","); item; item = strtok(NULL, ",")) {
    FORMATROW row = {};
    lstrcpynA(row.szName, item, sizeof(row.szName));
    rows.push_back(row);
  }
  return rows;
}

class CFixtureEngine final : public IConvertEngine {
 public:
  CFixtureEngine() : m_input(ReadRows("Input")), m_output(ReadRows("Output")) {
    Journal("create");
  }
  void STDMETHODCALLTYPE Release() override {
    Journal("release");
    delete this;
  }
  int STDMETHODCALLTYPE Reserved1() override { return 1; }
  void STDMETHODCALLTYPE Reset() override {}
  int STDMETHODCALLTYPE GetInputFormats(FORMATROW** rows) override { return Hand(m_input, rows); }
  int STDMETHODCALLTYPE GetOutputFormats(FORMATROW** rows) override {
    return Hand(m_output, rows);
  }
  int STDMETHODCALLTYPE LoadConfigFile(const char*) override { return 1; }
  int STDMETHODCALLTYPE Convert(const char*, const char*, IConvertProgress*) override { return 0; }
  int STDMETHODCALLTYPE Reserved7(int, int) override { return 1; }
  HRESULT STDMETHODCALLTYPE GetSnapshot(HGLOBAL*) override { return E_FAIL; }

 private:
  static int Hand(std::vector<FORMATROW>& table, FORMATROW** rows) {
    if (rows) *rows = table.empty() ? NULL : &table[0];
    return (int)table.size();
  }
  std::vector<FORMATROW> m_input, m_output;
};

}  // namespace

extern "C" IConvertEngine* WINAPI CreateVarnoConverter() {
  if (GetPrivateProfileIntA("Factory", "Null", 0, (OwnPath() + ".rows").c_str())) return NULL;
  return new CFixtureEngine();
}

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, void*) {
  if (reason == DLL_PROCESS_ATTACH) g_instance = instance;
  if (reason == DLL_PROCESS_DETACH) Journal("unload");
  return TRUE;
}
