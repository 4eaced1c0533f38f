// Not a test: the figures of the skin engine on the program's default skin
// (the main window with its three pages): one whole load, one full repaint,
// the first switch to each page after a load (where work put off until a
// page is first shown would show), and a button fade's frame count and
// period under the real timer.
#include <windows.h>

#include <stdio.h>

#include <vector>

#include "tests/support/TestSupport.h"
#include "tests/ui/SkinWindowSet.h"

namespace {

double Now() {
  LARGE_INTEGER count, frequency;
  QueryPerformanceCounter(&count);
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(count.QuadPart) / static_cast<double>(frequency.QuadPart);
}

void Pump() {
  MSG msg;
  while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

}  // namespace

int main(int argc, char** argv) {
  std::string ini = argc > 1 ? argv[1] : vrctest::ProgramFolder() + "Skins\\Default\\skin.ini";
  std::string section = argc > 2 ? argv[2] : "REELCRAFTDLG";
  CSkinIniReader reader(ini);
  std::vector<std::string> keys;
  if (!reader.ReadKeys(section.c_str(), keys)) {
    printf("bench_skin: %s has no [%s] section; nothing to measure\n", ini.c_str(),
           section.c_str());
    return 0;
  }
  const int kRuns = 10;
  CSkinWindowSet set;
  double loadTotal = 0, closeTotal = 0;
  for (int run = 0; run < kRuns; ++run) {
    // Taking the previous windows down is measured apart: under Wine without
    // a window manager, destroying a managed top-level window waits about
    // 2 s for a withdrawn state that never comes.
    double closing = Now();
    set.Close();
    Pump();
    if (run > 0) closeTotal += Now() - closing;
    double start = Now();
    if (!set.Open(ini, section, 0)) {
      printf("bench_skin: the window could not be made\n");
      return 1;
    }
    Pump();
    loadTotal += Now() - start;
  }
  size_t problems = set.Window()->SkinProblems().size();
  for (const auto& page : set.Pages()) problems += page->SkinProblems().size();

  // The first switch to each page, the shown one last: the page shown, the
  // others hidden, and everything painted.
  std::vector<double> firstSwitch(set.Pages().size(), 0.0);
  for (size_t k = 1; k <= set.Pages().size(); ++k) {
    const size_t shown = k % set.Pages().size();
    double start = Now();
    for (size_t page = 0; page < set.Pages().size(); ++page)
      ShowWindow(*set.Pages()[page], page == shown ? SW_SHOW : SW_HIDE);
    UpdateWindow(*set.Window());
    RedrawWindow(*set.Window(), NULL, NULL, RDW_UPDATENOW | RDW_ALLCHILDREN);
    Pump();
    GdiFlush();
    firstSwitch[shown] = Now() - start;
  }

  double paintTotal = 0;
  for (int run = 0; run < kRuns; ++run) {
    double start = Now();
    RedrawWindow(*set.Window(), NULL, NULL,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    GdiFlush();
    paintTotal += Now() - start;
  }

  // A fade on the first button of the window, under the real 30 ms timer.
  int frames = 0;
  double fadeMs = 0;
  if (!set.Window()->Buttons().empty()) {
    CSkinPushButton& button = *set.Window()->Buttons()[0];
    button.SetFade(1);
    SetForegroundWindow(*set.Window());
    SendMessageA(button, WM_MOUSEMOVE, 0, MAKELPARAM(1, 1));
    double start = Now();
    while (button.IsFading() && Now() - start < 2000) {
      MsgWaitForMultipleObjects(0, NULL, FALSE, 5, QS_ALLINPUT);
      Pump();
    }
    fadeMs = Now() - start;
    frames = static_cast<int>(button.FadeSteps().size());
  }
  printf("bench_skin: %s [%s] with %u pages, %u lines passed over\n", ini.c_str(),
         section.c_str(), static_cast<unsigned>(set.Pages().size()),
         static_cast<unsigned>(problems));
  printf("bench_skin: load %.1f ms (goal at most 100 ms), repaint %.2f ms (goal at most 8 ms)\n",
         loadTotal / kRuns, paintTotal / kRuns);
  for (size_t page = 0; page < firstSwitch.size(); ++page)
    printf("bench_skin: first switch to page %u: %.1f ms (goal under 100 ms)\n",
           static_cast<unsigned>(page), firstSwitch[page]);
  printf("bench_skin: closing the windows %.1f ms\n", closeTotal / (kRuns - 1));
  printf("bench_skin: fade %d frames in %.0f ms, %.1f ms a frame (target 5 frames at 30 ms)\n",
         frames, fadeMs, frames ? fadeMs / (frames + 1) : 0.0);
  set.Close();
  return 0;
}
