// Not a test: the time from starting FrameWright.exe in the program folder
// (the whole installation, a wineserver already running) to its main window
// shown and drawn, over several starts; each start ends through the
// window's close box, as a user ends it. In turn with each start, the floor
// program (a bare dialog of the same caption and size, beside this
// benchmark) is started and closed the same way: the ratio of the two
// medians is what the program costs over the platform's own start of a
// windowed program, a figure that holds from machine to machine and under
// load, where the times themselves do not.
#include <windows.h>

#include <stdio.h>
#include <stdlib.h>

#include <algorithm>
#include <string>
#include <vector>

#include "base/Handles.h"
#include "tests/support/TestSupport.h"
#include "ui/MainDialog.h"

namespace {

const DWORD kGiveUpMs = 60000;
const DWORD kPollMs = 2;

double Now() {
  LARGE_INTEGER count, frequency;
  QueryPerformanceCounter(&count);
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(count.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Shown and drawn: the main window of that process is visible, nothing of
// it waits to be painted, and the program sits idle in its message loop
// (paint messages come only when nothing else is queued).
bool IsShownAndDrawn(HWND window, DWORD processId, HANDLE process) {
  if (!window || !IsWindowVisible(window)) return false;
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != processId) return false;
  if (GetUpdateRect(window, NULL, FALSE)) return false;
  return WaitForInputIdle(process, 0) == 0;
}

struct StartFigures {
  double shown;    // CreateProcess to the window visible
  double drawn;    // CreateProcess to the window visible, painted and idle
  double closed;   // SC_CLOSE to the process ended
  RECT window;     // where the main window stood
};

// One start and close of the command in that folder; false (with a word
// why) when the window never came.
bool StartOnce(std::string command, const std::string& folder, StartFigures* figures) {
  STARTUPINFOA startup = {sizeof(startup)};
  PROCESS_INFORMATION started = {};
  const double start = Now();
  if (!CreateProcessA(NULL, &command[0], NULL, NULL, FALSE, 0, NULL, folder.c_str(), &startup,
                      &started)) {
    printf("bench_start: %s did not start (error %lu)\n", command.c_str(), GetLastError());
    return false;
  }
  CHandle process(started.hProcess), thread(started.hThread);
  HWND window = NULL;
  figures->shown = 0;
  for (;;) {
    if (WaitForSingleObject(process, kPollMs) == WAIT_OBJECT_0) {
      DWORD code = 0;
      GetExitCodeProcess(process, &code);
      printf("bench_start: %s ended with exit code %lu before its window came\n",
             command.c_str(), code);
      return false;
    }
    if (Now() - start > kGiveUpMs) {
      printf("bench_start: no main window after %lu ms\n", kGiveUpMs);
      TerminateProcess(process, 1);
      return false;
    }
    if (!window) window = FindRunningMainWindow();
    if (window && figures->shown == 0 && IsWindowVisible(window)) figures->shown = Now() - start;
    if (IsShownAndDrawn(window, started.dwProcessId, process)) break;
  }
  figures->drawn = Now() - start;
  GetWindowRect(window, &figures->window);

  const double closing = Now();
  PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
  if (WaitForSingleObject(process, kGiveUpMs) != WAIT_OBJECT_0) {
    printf("bench_start: the close box did not end the program\n");
    TerminateProcess(process, 1);
    return false;
  }
  figures->closed = Now() - closing;
  return true;
}

struct Spread {
  double median, least, most;
};

Spread SpreadOf(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const size_t n = values.size();
  const double median = n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
  return {median, values.front(), values.back()};
}

void PrintSpread(const char* what, const std::vector<double>& values, const char* target) {
  const Spread s = SpreadOf(values);
  printf("bench_start: %s median %.0f ms, min %.0f, max %.0f%s\n", what, s.median, s.least,
         s.most, target);
}

// The floor program, in this benchmark's own folder.
std::string FloorProgram() {
  char path[MAX_PATH] = {0};
  GetModuleFileNameA(NULL, path, MAX_PATH);
  std::string folder = path;
  folder.erase(folder.find_last_of('\\') + 1);
  return folder + "floor_program.exe";
}

}  // namespace

int main(int argc, char** argv) {
  // bench_start [starts [program folder with its trailing backslash]]
  const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 7;
  const std::string folder = argc > 2 ? argv[2] : vrctest::ProgramFolder();
  if (FindRunningMainWindow()) {
    printf("bench_start: FrameWright.exe runs already; close it first\n");
    return 1;
  }
  const std::string floor = FloorProgram();
  const std::string floorFolder = floor.substr(0, floor.find_last_of('\\') + 1);
  std::vector<double> shown, drawn, closed, floorDrawn;
  for (int run = 0; run < runs; ++run) {
    StartFigures figures = {};
    if (!StartOnce("\"" + folder + "FrameWright.exe\"", folder, &figures)) return 1;
    printf("bench_start: start %d: shown %.0f ms, drawn %.0f ms, closed in %.0f ms\n", run + 1,
           figures.shown, figures.drawn, figures.closed);
    shown.push_back(figures.shown);
    drawn.push_back(figures.drawn);
    closed.push_back(figures.closed);
    // The floor's window as large as the main window just was.
    const RECT& w = figures.window;
    char size[32];
    snprintf(size, sizeof(size), " %ld %ld", w.right - w.left, w.bottom - w.top);
    StartFigures floorFigures = {};
    if (!StartOnce("\"" + floor + "\"" + size, floorFolder, &floorFigures)) return 1;
    printf("bench_start: floor %d: drawn %.0f ms\n", run + 1, floorFigures.drawn);
    floorDrawn.push_back(floorFigures.drawn);
  }
  printf("bench_start: %s, %d starts\n", folder.c_str(), runs);
  PrintSpread("start to main window shown and drawn:", drawn, "");
  PrintSpread("start to main window visible:", shown, "");
  PrintSpread("close box to program ended:", closed, "");
  PrintSpread("floor program, start to window shown and drawn:", floorDrawn, "");
  const double program = SpreadOf(drawn).median, platform = SpreadOf(floorDrawn).median;
  printf("bench_start: program / floor: %.2f (goal at most 2.0)\n",
         platform > 0 ? program / platform : 0.0);
  return 0;
}
