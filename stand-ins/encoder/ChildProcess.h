// ffmpeg.exe as a child process: its standard output and error come back
// through one pipe, and it lives in a job object that is closed with this
// process, so it never outlives the encoder (terminated or not).
#pragma once
#include <windows.h>

#include <functional>
#include <string>

namespace encoder {

class ChildProcess {
 public:
  ChildProcess() = default;
  ~ChildProcess();
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  // Starts the program with the command line (which begins with the program
  // name). On failure *error says why. *warning is set when the child could
  // not be tied to this process's lifetime.
  bool Start(const std::string& program, const std::string& commandLine, std::string* error,
             std::string* warning);

  // Hands every line of the child's output (without its end) to onLine until
  // the child has ended and its output is read, or onLine returns false.
  // Lines end at "\n" or "\r".
  bool ReadLines(const std::function<bool(const std::string&)>& onLine);

  // Waits for the end of the child and returns its exit code.
  DWORD Wait();

  // Ends the child at once and waits (briefly) until it has ended.
  void Kill();

 private:
  HANDLE m_job = NULL;
  HANDLE m_process = NULL;
  HANDLE m_output = NULL;  // read end of the child's output pipe
};

}  // namespace encoder
