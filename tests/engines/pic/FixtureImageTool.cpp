// An image tool of the tests' own with the real tool's command line: it
// waits VRC_TOOL_WAIT_MS milliseconds, then copies file A to file B, or
// writes nothing when VRC_TOOL_FAIL is set. Each run appends its
// parameters to the file that VRC_TOOL_JOURNAL names.
#include <windows.h>
#include <stdio.h>
#include <stdlib.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR parameters, int) {
  char value[MAX_PATH] = "";
  if (GetEnvironmentVariableA("VRC_TOOL_JOURNAL", value, MAX_PATH)) {
    FILE* journal = fopen(value, "a");
    if (journal) {
      fprintf(journal, "%s\n", parameters);
      fclose(journal);
    }
  }
  if (GetEnvironmentVariableA("VRC_TOOL_WAIT_MS", value, MAX_PATH)) Sleep(atoi(value));
  if (GetEnvironmentVariableA("VRC_TOOL_FAIL", value, MAX_PATH)) return 1;
  // The two paths are the quoted arguments 4 and 5: -j -o -24 "A" "B" ...
  if (__argc < 6) return 1;
  return CopyFileA(__argv[4], __argv[5], FALSE) ? 0 : 1;
}
