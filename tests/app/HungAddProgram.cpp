// The child of the hung-add test (not a test itself): the program started in
// this process, two files that the platform's detector never answers for
// dropped on the music page between good ones, with another thread asking
// the main window all the while whether it answers. What it saw goes to the
// report file as "key=value" lines, then the program is closed; "ended" is
// added once all of it is gone. How the process ends is the parent's to see.
//   hung_add_program <report file>
#include <windows.h>
#include <commctrl.h>
#include <stdio.h>

#include <string>
#include <vector>

#include "base/BoundedCall.h"
#include "include/VarnoViewNames.h"
#include "tests/app/ProgramInProcess.h"
#include "tests/support/AnswerWatch.h"

namespace {

std::string OneLine(std::string text) {
  for (char& c : text)
    if (c == '\n' || c == '\r') c = '|';
  return text;
}

std::string Media(const char* name) {
  char full[MAX_PATH] = {0};
  GetFullPathNameA((std::string("..\\testmedia\\") + name).c_str(), MAX_PATH, full, NULL);
  return full;
}

// Starts the program, adds and watches, writes the report and closes the
// program; 0 when all of it ran.
int AddAndClose(const char* reportFile) {
  std::string report;
  ProgramInProcess program;
  if (!program.Start()) {
    fprintf(stderr, "the program did not start:\n%s\n", program.Log().c_str());
    return 3;
  }
  if (CSkinPushButton* tab = FindButton(*program.Main(), "ShowMusicConverter")) Click(*tab);
  CSkinAppDialog* page = program.Page(1);
  HWND list = page ? FindView(*page, kMusicTaskListViewName) : NULL;
  if (!list) return 4;
  ProgramInProcess::ForgetBoxes();
  {
    // A third of the probe's bound: an add that waits without pumping fails
    // its asks; a loaded machine's stall does not.
    AnswerWatch watch(program.Main()->m_hWnd, kProbeBoundMs / 3);
    const DWORD start = GetTickCount();
    DropFiles(*page, {Media("tone.wav"), Media("hang-ulaw.wav"), Media("tone.mp3"),
                      Media("hang-3ch24.wav"), Media("tone.wma")});
    report += "addMs=" + std::to_string(GetTickCount() - start) + "\n";
    PumpFor(1000);  // and a while after the add
    watch.Stop();
    report += "asks=" + std::to_string(watch.asks) + "\n";
    report += "unanswered=" + std::to_string(watch.unanswered) + "\n";
  }
  report += "boundMs=" + std::to_string(kProbeBoundMs) + "\n";
  for (const std::string& box : ProgramInProcess::AnsweredBoxes())
    report += "box=" + OneLine(box) + "\n";
  for (int row = 0; row < ListView_GetItemCount(list); ++row) {
    char name[MAX_PATH] = {0};
    ListView_GetItemText(list, row, 0, name, sizeof(name));
    report += std::string("row=") + name + "\n";
  }
  if (!vrctest::WriteFile(reportFile, report + "closing\n")) return 5;
  program.Stop();
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return 2;
  const int code = AddAndClose(argv[1]);
  // The program is gone now, its libraries freed.
  if (code == 0) vrctest::WriteFile(argv[1], vrctest::ReadFile(argv[1]) + "ended\n");
  return code;
}
