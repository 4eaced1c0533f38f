// A look-at tool (never shipped, not a test): the program started in this
// process as the end-to-end test starts it, the files of the command line
// dropped on one page, and, when asked, "Convert" clicked a moment after
// the window is up; then the program runs until its window is closed, so
// that a screenshot can be taken from outside.
//   main_window_look <page 0|1|2> [convert] [type=<row>] <file>...
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <string>
#include <vector>

#include "tests/app/ProgramInProcess.h"

namespace {

const char* const kTabs[] = {"ShowVideoConverter", "ShowMusicConverter", "ShowStillCast"};
CSkinAppDialog* g_page = NULL;

void CALLBACK PressConvert(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(NULL, id);
  if (CSkinPushButton* convert = FindButton(*g_page, "Convert")) Click(*convert);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    fprintf(stderr, "main_window_look <page 0|1|2> [convert] [type=<row>] <file>...\n");
    return 2;
  }
  const int pageIndex = atoi(argv[1]);
  bool convert = false;
  int typeRow = -1;
  std::vector<std::string> files;
  for (int i = 2; i < argc; ++i) {
    if (strcmp(argv[i], "convert") == 0) {
      convert = true;
    } else if (strncmp(argv[i], "type=", 5) == 0) {
      typeRow = atoi(argv[i] + 5);
    } else {
      char full[MAX_PATH] = {0};
      GetFullPathNameA(argv[i], MAX_PATH, full, NULL);
      files.push_back(full);
    }
  }
  if (pageIndex < 0 || pageIndex > 2) return 2;

  vrctest::TempDir output;
  ProgramInProcess program;
  if (!program.Start()) {
    fprintf(stderr, "the program did not start:\n%s\n", program.Log().c_str());
    return 1;
  }
  CMainDialog* main = program.Main();
  if (CSkinPushButton* tab = main ? FindButton(*main, kTabs[pageIndex]) : NULL) Click(*tab);
  g_page = program.Page(pageIndex);
  if (!g_page) return 1;
  if (!files.empty()) DropFiles(*g_page, files);
  ProgramInProcess::AnswerBrowseWith(output.Path());
  if (CSkinPushButton* browse = FindButton(*g_page, "Browse")) Click(*browse);
  if (typeRow >= 0)
    if (CSkinDropDown* types = FindDropDown(*g_page, "OutputFormat")) ChooseRow(*types, typeRow);
  if (convert) SetTimer(NULL, 0, 1500, PressConvert);
  printf("main window up; output folder %s\n", output.Path().c_str());
  fflush(stdout);
  program.Run();
  program.Stop();
  return 0;
}
