// Not a test: the time from starting FrameWright.exe in the program folder
// (the whole installation, a wineserver already running) to its main window
// shown and drawn, over several starts; each start ends through the
// window's close box, as a user ends it.
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
};

// One start and close; false (with a word why) when the window never came.
bool StartOnce(const std::string& folder, StartFigures* figures) {
  std::string command = "\"" + folder + "FrameWright.exe\"";
  STARTUPINFOA startup = {sizeof(startup)};
  PROCESS_INFORMATION started = {};
  const double start = Now();
  if (!CreateProcessA(NULL, &command[0], NULL, NULL, FALSE, 0, NULL, folder.c_str(), &startup,
                      &started)) {
    printf("bench_start: FrameWright.exe did not start (error %lu)\n", GetLastError());
    return false;
  }
  CHandle process(started.hProcess), thread(started.hThread);
  HWND window = NULL;
  figures->shown = 0;
  for (;;) {
    if (WaitForSingleObject(process, kPollMs) == WAIT_OBJECT_0) {
      DWORD code = 0;
      GetExitCodeProcess(process, &code);
      printf("bench_start: FrameWright.exe ended with exit code %lu before its window came\n",
             code);
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

}  // namespace

int main(int argc, char** argv) {
  // bench_start [starts [program folder with its trailing backslash]]
  const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 7;
  const std::string folder = argc > 2 ? argv[2] : vrctest::ProgramFolder();
  if (FindRunningMainWindow()) {
    printf("bench_start: FrameWright.exe runs already; close it first\n");
    return 1;
  }
  std::vector<double> shown, drawn, closed;
  for (int run = 0; run < runs; ++run) {
    StartFigures figures = {};
    if (!StartOnce(folder, &figures)) return 1;
    printf("bench_start: start %d: shown %.0f ms, drawn %.0f ms, closed in %.0f ms\n", run + 1,
           figures.shown, figures.drawn, figures.closed);
    shown.push_back(figures.shown);
    drawn.push_back(figures.drawn);
    closed.push_back(figures.closed);
  }
  printf("bench_start: %s, %d starts\n", folder.c_str(), runs);
  PrintSpread("start to main window shown and drawn:", drawn, " (target under 500 ms)");
  PrintSpread("start to main window visible:", shown, "");
  PrintSpread("close box to program ended:", closed, "");
  return 0;
}
