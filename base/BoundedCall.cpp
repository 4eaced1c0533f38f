#include "base/BoundedCall.h"

#include "base/Handles.h"
#include "base/LogClient.h"
#include "base/PumpingWait.h"

namespace {

// What the waiting side and the worker share; the last of the two to let go
// deletes it (and the job with it).
struct BoundedCallState {
  std::unique_ptr<CBoundedJob> job;
  CHandle done;
  LONG holders = 2;
};

void LetGo(BoundedCallState* state) {
  if (InterlockedDecrement(&state->holders) == 0) delete state;
}

DWORD WINAPI BoundedCallThread(void* parameter) {
  BoundedCallState* state = static_cast<BoundedCallState*>(parameter);
  // The thread holds the library of this code for as long as it runs: an
  // abandoned call that ends after its library was freed must not return
  // into unloaded code.
  HMODULE self = NULL;
  GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS,
                     reinterpret_cast<LPCSTR>(&BoundedCallThread), &self);
  {
    CComInit com(CComInit::kComWorker);
    state->job->Run();
  }
  SetEvent(state->done);
  LetGo(state);
  if (self) FreeLibraryAndExitThread(self, 0);
  return 0;
}

}  // namespace

bool RunBounded(std::unique_ptr<CBoundedJob>* job, DWORD boundMs) {
  if (!job || !*job) return false;
  BoundedCallState* state = new BoundedCallState;
  state->done.Reset(CreateEventA(NULL, TRUE, FALSE, NULL));
  if (!state->done.IsValid()) {
    delete state;
    return false;
  }
  state->job = std::move(*job);
  CHandle thread(CreateThread(NULL, 0, &BoundedCallThread, state, 0, NULL));
  if (!thread.IsValid()) {
    delete state;
    return false;
  }
  bool ended = WaitPumping(state->done, boundMs);
  if (ended) {
    // The worker is past its last use of the job: only its LetGo is left.
    *job = std::move(state->job);
  } else {
    LogPrint(LOG_ERROR, "A call into the platform did not answer within %lu ms; it is left to "
             "itself.\n", static_cast<unsigned long>(boundMs));
  }
  LetGo(state);
  return ended;
}
