// An image tool of the tests' own with the real tool's command line: it
// waits VRC_TOOL_WAIT_MS milliseconds, then copies file A to file B, or
// writes nothing when VRC_TOOL_FAIL is set. VRC_TOOL_WRITE=half writes only
// the first half of A, VRC_TOOL_WRITE=noise bytes that are no image;
// VRC_TOOL_EXIT is the exit code after a write (0 when not set). Each run
// appends its parameters to the file that VRC_TOOL_JOURNAL names.
#include <windows.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <string>

namespace {

std::string Variable(const char* name) {
  char value[MAX_PATH] = "";
  return GetEnvironmentVariableA(name, value, MAX_PATH) ? value : "";
}

bool WriteBytes(const char* path, const std::string& bytes) {
  FILE* file = fopen(path, "wb");
  if (!file) return false;
  bool written = fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  return fclose(file) == 0 && written;
}

std::string ReadBytes(const char* path) {
  std::string bytes;
  FILE* file = fopen(path, "rb");
  if (!file) return bytes;
  char chunk[4096];
  size_t got;
  while ((got = fread(chunk, 1, sizeof(chunk), file)) > 0) bytes.append(chunk, got);
  fclose(file);
  return bytes;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR parameters, int) {
  std::string journal = Variable("VRC_TOOL_JOURNAL");
  if (!journal.empty()) {
    FILE* file = fopen(journal.c_str(), "a");
    if (file) {
      fprintf(file, "%s\n", parameters);
      fclose(file);
    }
  }
  std::string wait = Variable("VRC_TOOL_WAIT_MS");
  if (!wait.empty()) Sleep(atoi(wait.c_str()));
  if (!Variable("VRC_TOOL_FAIL").empty()) return 1;
  // The two paths are the quoted arguments 4 and 5: -j -o -24 "A" "B" ...
  if (__argc < 6) return 1;
  std::string write = Variable("VRC_TOOL_WRITE");
  std::string bytes = ReadBytes(__argv[4]);
  if (write == "half") bytes.resize(bytes.size() / 2);
  if (write == "noise") bytes = std::string(bytes.size(), 'x');
  if (!WriteBytes(__argv[5], bytes)) return 1;
  return atoi(Variable("VRC_TOOL_EXIT").c_str());
}
