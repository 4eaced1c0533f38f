// The runner's cost next to the encoder's: a batch of generated clips is
// converted to MP3 through IConverter::Convert, and the same encoder command
// lines are then run directly, one after the other. Prints the ratio of the
// wall times and the processor time of this process (the runner's own, as
// the encoder runs in processes of its own) while the batch runs.
#include <stdio.h>

#include "tests/support/ModuleHarness.h"
#include "winfx/Seams.h"

namespace {

int WINAPI AnswerOk(HWND, const char*, const char*, UINT) { return IDOK; }

double ProcessorSeconds() {
  FILETIME created, exited, kernel, user;
  GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
  ULARGE_INTEGER k, u;
  k.LowPart = kernel.dwLowDateTime;
  k.HighPart = kernel.dwHighDateTime;
  u.LowPart = user.dwLowDateTime;
  u.HighPart = user.dwHighDateTime;
  return static_cast<double>(k.QuadPart + u.QuadPart) / 1e7;
}

double Now() {
  LARGE_INTEGER frequency, counter;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&counter);
  return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

bool RunEncoder(const std::string& program, const std::string& commandLine) {
  STARTUPINFOA startup = {sizeof(startup)};
  PROCESS_INFORMATION process = {};
  std::vector<char> command(commandLine.begin(), commandLine.end());
  command.push_back(0);
  if (!CreateProcessA(program.c_str(), command.data(), NULL, NULL, FALSE, DETACHED_PROCESS, NULL,
                      NULL, &startup, &process))
    return false;
  WaitForSingleObject(process.hProcess, INFINITE);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  int clips = argc > 1 ? atoi(argv[1]) : 6;
  VrcSetMessageBoxSeam(AnswerOk);
  ModuleHarness harness;
  if (!harness.Start()) {
    printf("the video module did not start\n");
    return 1;
  }
  for (int i = 0; i < clips; ++i) harness.module->AddFile(Media(i % 2 ? "clip.avi" : "clip.mp4").c_str());
  harness.UseOutputType(9);
  std::vector<std::string> commands;
  for (int i = 0; i < clips; ++i) {
    CTaskRecord* task = harness.Task(i);
    commands.push_back(" \"" + task->sourcePath + "\" -o \"" + task->outputPath + ".direct.mp3" +
                       "\" -of mp3 -srate 44100 -oac mp3lame -lameopts cbr:br=128:aq=5:mode=3 "
                       "-ovc frameno -ofps 25");
  }

  // One encoder run first, so that neither measurement pays for the first
  // start of the encoder and ffmpeg; the direct runs go before and after the
  // batch and their mean is the reference.
  std::string encoder = harness.install.File("encoder.exe");
  RunEncoder(encoder, commands[0]);
  auto direct = [&] {
    double at = Now();
    for (const std::string& command : commands) RunEncoder(encoder, command);
    return Now() - at;
  };
  double directBefore = direct();
  double cpuBefore = ProcessorSeconds();
  double start = Now();
  harness.module->Convert();
  double runnerWall = Now() - start;
  double runnerCpu = ProcessorSeconds() - cpuBefore;
  double directWall = (directBefore + direct()) / 2;

  int succeeded = 0;
  for (int i = 0; i < clips; ++i) succeeded += harness.Task(i)->stateText == "Convert Successful";
  printf("clips %d, converted %d\n", clips, succeeded);
  printf("through the runner %.2f s, encoder alone %.2f s, ratio %.3f\n", runnerWall, directWall,
         runnerWall / directWall);
  printf("the runner's processor time during the batch %.3f s (%.1f%% of its wall time)\n", runnerCpu,
         100.0 * runnerCpu / runnerWall);
  harness.Stop();
  VrcSetMessageBoxSeam(NULL);
  return 0;
}
