// A call into the platform that may never come back (a media parser that
// hangs on an odd file): it runs on a thread of its own, in its own COM
// apartment, while the user-interface thread waits for it a bounded time
// with its messages dispatched. A call that does not answer in time is
// abandoned: its thread keeps the job, and the library that holds this code,
// until it ends, if ever; it does not keep the process from ending.
#pragma once
#include <windows.h>

#include <memory>

// The work of one bounded call; its fields carry the inputs in and the
// results out. Deleted by whichever side holds it last.
class CBoundedJob {
 public:
  virtual ~CBoundedJob() {}
  // On the worker thread, with COM started there.
  virtual void Run() = 0;
};

// How long a file's probe may take before it counts as not answering. A probe
// takes well under a second, a few seconds on a loaded machine.
const DWORD kProbeBoundMs = 15000;

// Runs job->Run() on a new thread and waits at most boundMs, pumping the
// calling thread's messages. True when it ended in time: the job is handed
// back through `job`. False when it did not (or no thread could start): `job`
// is then empty and the job belongs to the thread.
bool RunBounded(std::unique_ptr<CBoundedJob>* job, DWORD boundMs);
