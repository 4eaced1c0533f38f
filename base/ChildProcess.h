// A child program whose standard output and error come back through one
// pipe, read here without blocking. The child runs in a job of this
// process's own that kills what is in it when the job's handle closes, and
// whatever the child starts lands in that job too: ending the child ends
// them all, so nothing it started outlives it.
#pragma once
#include <windows.h>

#include <string>

#include "base/Handles.h"

class CChildProcess {
 public:
  CChildProcess() = default;
  CChildProcess(const CChildProcess&) = delete;
  CChildProcess& operator=(const CChildProcess&) = delete;

  // Makes the pipe of the child's output (its read end is not inherited)
  // and the child's input, a pipe that has no writer once the child runs.
  bool CreatePipes();
  // Starts the program with the command line (as the child reads it back)
  // with its output and errors on the pipe, in the working folder `folder`
  // (NULL: this process's current folder). On failure GetLastError tells
  // why.
  bool Start(const char* program, const std::string& commandLine, const char* folder);
  // Once the child runs: closes this process's copies of its ends, the
  // output's write end first (true when that closed: only then is the end
  // of the output seen when the child's last writer ends) and then both
  // ends of its input, which the child then finds empty.
  bool CloseChildEnds();

  // The bytes waiting in the pipe; false once it is closed and empty.
  bool Peek(DWORD* available);
  // Up to `size` bytes of the output; false at its end.
  bool Read(char* buffer, DWORD size, DWORD* read);
  // Closes this end of the pipe: a child that still writes gets an error.
  void CloseOutput() { m_output.Close(); }

  // For waiting on the child's end.
  HANDLE Process() const { return m_process; }
  bool HasEnded() const;
  // The exit code; STILL_ACTIVE while it runs; false without a child.
  bool GetExitCode(DWORD* code) const;
  // Whether the child was put in the job (where jobs do not nest, it may
  // not be: then only the child itself can be ended).
  bool InJob() const { return m_inJob; }
  // Ends the child and everything in its job with `exitCode`, then waits
  // for the child's end for up to `waitMs` (ending is asynchronous).
  void Terminate(UINT exitCode, DWORD waitMs);

 private:
  CHandle m_job;  // closed last: its end kills what is still in it
  CHandle m_output;
  CHandle m_childOutput;  // the child's write end, until CloseChildEnds
  CHandle m_childInput;
  CHandle m_input;  // the input's write end, never written
  CHandle m_process;
  CHandle m_thread;
  bool m_inJob = false;
};
