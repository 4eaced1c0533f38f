// Benchmark, not a test: the time per task of adding 1,000 files (many with
// the same source name, so that naming works hard) and of applying the
// current output type to all of them.
#include <stdio.h>

#include "tests/support/ModelFixture.h"

namespace {
double Now() {
  LARGE_INTEGER counter, frequency;
  QueryPerformanceCounter(&counter);
  QueryPerformanceFrequency(&frequency);
  return (double)counter.QuadPart / frequency.QuadPart;
}
}  // namespace

int main() {
  const int kTasks = 1000;
  const char* const kNames[] = {"clip.avi", "clip.mpg", "holiday.avi", "talk.wmv"};
  ModelFixture fixture;
  fixture.AddEngine("MuxCast.dll", "AVI,", "AVI,");
  if (!fixture.Init()) {
    fprintf(stderr, "no engine\n");
    return 1;
  }
  fixture.UseOutputType(1);
  fixture.config.Set("AudioFormatData", 7);
  std::vector<std::string> sources;
  for (const char* name : kNames) sources.push_back(fixture.Source(name));

  double start = Now();
  for (int i = 0; i < kTasks; ++i) {
    // Every file name occurs 250 times: the counters run up to _249.
    if (!fixture.list.AddFile(sources[i % sources.size()].c_str())) {
      fprintf(stderr, "task %d refused\n", i);
      return 1;
    }
  }
  double added = Now();
  fixture.config.iniReads = 0;
  fixture.UseOutputType(2);
  fixture.list.ApplyOutputType();
  double applied = Now();
  printf("tasks: %d\n", fixture.list.GetCount());
  printf("add:   %.1f us per task\n", (added - start) * 1e6 / kTasks);
  printf("apply: %.1f us per task (%d profile reads for the whole call)\n",
         (applied - added) * 1e6 / kTasks, fixture.config.iniReads);
  printf("last name: %s\n", fixture.list.GetTask(kTasks - 1)->outputPath.c_str());
  return 0;
}
