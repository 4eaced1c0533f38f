// Benchmark (prints figures, asserts nothing): files dropped on the video
// page of the program started in this process, through the drop path (a
// real drop handle, the page's WM_DROPFILES, the executive's "DropFiles",
// the module's probe and its task list), and how long the window keeps
// another thread waiting meanwhile (WM_NULL sent with a time-out, over and
// over, from a second thread).
//   bench_drop_files [count]     (1000 by default)
#include <stdio.h>
#include <stdlib.h>

#include <atomic>
#include <string>
#include <vector>

#include "base/Handles.h"
#include "tests/app/ProgramInProcess.h"
#include "winfx/Controls.h"

namespace {

double Now() {
  LARGE_INTEGER frequency, counter;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&counter);
  return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

struct Responsiveness {
  HWND window = NULL;
  std::atomic<bool> stop{false};
  double longestWait = 0;
  int answers = 0;
};

DWORD WINAPI Ask(void* param) {
  Responsiveness& r = *static_cast<Responsiveness*>(param);
  while (!r.stop) {
    const double start = Now();
    DWORD_PTR result = 0;
    SendMessageTimeoutA(r.window, WM_NULL, 0, 0, SMTO_NORMAL, 60000, &result);
    const double waited = Now() - start;
    if (waited > r.longestWait) r.longestWait = waited;
    ++r.answers;
    Sleep(5);
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const int count = argc > 1 ? atoi(argv[1]) : 1000;
  vrctest::UsePrivateTempFolder();
  // Small files that the video page accepts: one short clip with picture
  // and sound made by the program folder's ffmpeg, copied under as many
  // names. (A clip without sound would have the page ask the codec library
  // for its sound, which the stand-in answers by starting ffmpeg.exe: a
  // second a file under Wine, the stand-in's cost and not the page's.)
  vrctest::TempDir media;
  const std::string clip = media.File("clip.avi");
  const std::string make = "\"" + vrctest::ProgramFolder() +
                           "ffmpeg.exe\" -nostdin -loglevel error -y -f lavfi -i "
                           "testsrc=size=64x48:rate=10:duration=1 -f lavfi -i "
                           "sine=frequency=440:sample_rate=22050:duration=1 -c:v mpeg4 "
                           "-c:a pcm_s16le \"" + clip + "\"";
  if (vrctest::RunProcess(make, "", 60000) != 0) {
    printf("could not make the clip with ffmpeg.exe\n");
    return 1;
  }
  std::vector<std::string> files;
  for (int i = 0; i < count; ++i) {
    char name[32];
    snprintf(name, sizeof(name), "clip%04d.avi", i);
    files.push_back(media.File(name));
    CopyFileA(clip.c_str(), files.back().c_str(), FALSE);
  }

  ProgramInProcess program;
  if (!program.Start()) {
    printf("the program did not start:\n%s\n", program.Log().c_str());
    return 1;
  }
  CMainDialog* main = program.Main();
  CSkinPushButton* tab = main ? FindButton(*main, "ShowVideoConverter") : NULL;
  if (tab) Click(*tab);
  CSkinAppDialog* page = program.Page(0);
  HWND list = page ? FindView(*page, "VideoConverterTaskListView") : NULL;
  if (!list) {
    printf("no video page\n");
    return 1;
  }
  PumpFor(500);

  Responsiveness asked;
  asked.window = *main;
  CHandle thread(CreateThread(NULL, 0, Ask, &asked, 0, NULL));
  PumpFor(200);
  asked.longestWait = 0;
  asked.answers = 0;
  const double start = Now();
  DropFiles(*page, files);
  const double took = Now() - start;
  asked.stop = true;
  PumpFor(200);
  WaitForSingleObject(thread, 60000);

  const int listed = CListView(list).GetItemCount();
  printf("dropped %d files on the video page: %.0f ms, %.2f ms a file, %d listed\n", count, took,
         took / count, listed);
  printf("window answers while adding: %d, longest wait %.0f ms\n", asked.answers,
         asked.longestWait);
  program.Stop();
  return listed == count ? 0 : 1;
}
