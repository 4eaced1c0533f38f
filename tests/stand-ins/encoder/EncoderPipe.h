// Starts an encoder program as the conversion runner does (standard input an
// unused pipe, standard output and error one pipe, no console) and reads its
// output chunk by chunk.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace enctest {

class EncoderPipe {
 public:
  EncoderPipe() = default;
  ~EncoderPipe();  // terminates the program if it still runs
  EncoderPipe(const EncoderPipe&) = delete;
  EncoderPipe& operator=(const EncoderPipe&) = delete;

  // The command line is passed as it is (the runner's begins with a blank);
  // folder empty: this process's current directory.
  bool Start(const std::string& program, const std::string& commandLine,
             const std::string& folder = "");
  // One read of at most 4096 bytes, as the runner reads; false at the end.
  bool ReadChunk(std::string* chunk);
  // Reads every chunk until the program closes its output.
  std::vector<std::string> ReadAll();
  void CloseOutput();
  void Terminate();
  // The exit code, or -2 when the program has not ended within the time.
  int Wait(DWORD milliseconds);
  DWORD ProcessId() const { return m_processId; }

 private:
  HANDLE m_process = NULL;
  HANDLE m_output = NULL;
  DWORD m_processId = 0;
};

// The runner's reading of a chunk: the first "Pos:", then the first "s" at or
// after the 4 characters behind it; the text between is the position. Also
// checks that the text between is a plain number.
bool RunnerPosition(const std::string& chunk, double* seconds);

// The positions of the chunks that hold one, in order.
std::vector<double> RunnerPositions(const std::vector<std::string>& chunks);

std::string Join(const std::vector<std::string>& chunks);

// The process ids of the running children of a process with that file name.
std::vector<DWORD> ChildProcesses(DWORD parentId, const char* fileName);

}  // namespace enctest
