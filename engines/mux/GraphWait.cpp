#include "engines/mux/GraphWait.h"

#include <stdio.h>

#include "base/MessagePump.h"

namespace {
const long kPollMs = 100;
const long kPreprocessComplete = 0x56;  // EC_PREPROCESS_COMPLETE

bool EndsWait(long code) {
  return code == EC_COMPLETE || code == EC_USERABORT || code == EC_ERRORABORT ||
         code == kPreprocessComplete;
}
}  // namespace

int GraphProgressPercent(long eventCode, LONGLONG position, LONGLONG duration) {
  if (eventCode != 0) return 100;
  if (duration <= 0) duration = kUnknownGraphDuration;
  double share = (double)position * 100.0 / (double)duration;
  if (share > 100.0) return 100;
  return (int)share;
}

int WaitForGraphEvents(IMediaEvent* events, IMediaSeeking* seeking, IConvertProgress* progress) {
  printf("Waiting for completion...\n  This could take several minutes, depending on file size "
         "and selected profile.\n");
  OAEVENT handle = 0;
  if (FAILED(events->GetEventHandle(&handle))) {
    printf("Unexpected failure (GetEventHandle failed)...\n");
    return 0;
  }
  LONGLONG lastPosition = -1;
  int stillPolls = 0;
  for (;;) {
    long code = 0;
    if (FAILED(events->WaitForCompletion(kPollMs, &code))) code = 0;  // timed out
    PumpMessages();
    LONGLONG duration = 0, position = 0;
    if (seeking) {
      if (FAILED(seeking->GetDuration(&duration))) duration = 0;
      if (FAILED(seeking->GetCurrentPosition(&position))) position = 0;
    }
    int percent = GraphProgressPercent(code, position, duration);
    if (progress) {
      int abort = 0;
      progress->Progress(PROGRESS_PERCENT, percent, &abort);
      if (abort) return kWaitStopped;
    }
    if (EndsWait(code)) return (int)code;
    stillPolls = position == lastPosition ? stillPolls + 1 : 0;
    lastPosition = position;
    if (stillPolls >= kStalledPolls) {
      printf("The graph has not moved for %d polls!\n", stillPolls);
      return kWaitStalled;
    }
  }
}
