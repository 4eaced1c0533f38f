#include "stand-ins/encoder/ChildProcess.h"

#include <vector>

namespace encoder {

namespace {

void CloseIfOpen(HANDLE* handle) {
  if (*handle) CloseHandle(*handle);
  *handle = NULL;
}

std::string SystemMessage(DWORD code) {
  char text[512] = {0};
  FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, NULL, code, 0, text,
                 sizeof(text), NULL);
  std::string message = text;
  while (!message.empty() && (message.back() == '\n' || message.back() == '\r'))
    message.pop_back();
  return message + " (error " + std::to_string(code) + ")";
}

// A job whose processes are killed when its last handle closes.
HANDLE CreateKillOnCloseJob() {
  HANDLE job = CreateJobObjectA(NULL, NULL);
  if (!job) return NULL;
  JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits = {};
  limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
  if (!SetInformationJobObject(job, JobObjectExtendedLimitInformation, &limits, sizeof(limits))) {
    CloseHandle(job);
    return NULL;
  }
  return job;
}

}  // namespace

ChildProcess::~ChildProcess() {
  CloseIfOpen(&m_output);
  CloseIfOpen(&m_process);
  CloseIfOpen(&m_job);  // kills the child if it still runs
}

bool ChildProcess::Start(const std::string& program, const std::string& commandLine,
                         std::string* error, std::string* warning) {
  SECURITY_ATTRIBUTES inheritable = {sizeof(inheritable), NULL, TRUE};
  HANDLE writeEnd = NULL;
  if (!CreatePipe(&m_output, &writeEnd, &inheritable, 0)) {
    *error = "cannot create a pipe: " + SystemMessage(GetLastError());
    return false;
  }
  SetHandleInformation(m_output, HANDLE_FLAG_INHERIT, 0);
  HANDLE nothing = CreateFileA("NUL", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                               &inheritable, OPEN_EXISTING, 0, NULL);
  // The child gets only its own three handles, not this process's pipe to
  // whoever started the encoder.
  const DWORD standard[] = {STD_INPUT_HANDLE, STD_OUTPUT_HANDLE, STD_ERROR_HANDLE};
  for (DWORD which : standard) SetHandleInformation(GetStdHandle(which), HANDLE_FLAG_INHERIT, 0);

  STARTUPINFOA startup = {sizeof(startup)};
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = nothing == INVALID_HANDLE_VALUE ? NULL : nothing;
  startup.hStdOutput = writeEnd;
  startup.hStdError = writeEnd;
  PROCESS_INFORMATION process = {};
  std::vector<char> line(commandLine.begin(), commandLine.end());
  line.push_back(0);
  // No console at all: a hidden console would have a console host process
  // of its own, which inherits the pipe and can hold it open after the
  // child has ended (so the end of the output would never be seen).
  BOOL started = CreateProcessA(program.c_str(), line.data(), NULL, NULL, TRUE,
                                CREATE_SUSPENDED | DETACHED_PROCESS, NULL, NULL, &startup,
                                &process);
  DWORD startError = GetLastError();
  CloseHandle(writeEnd);  // the child holds the only write end now
  if (nothing != INVALID_HANDLE_VALUE) CloseHandle(nothing);
  if (!started) {
    *error = "cannot start " + program + ": " + SystemMessage(startError);
    return false;
  }
  m_process = process.hProcess;
  m_job = CreateKillOnCloseJob();
  if (!m_job || !AssignProcessToJobObject(m_job, m_process)) {
    *warning = "ffmpeg could not be tied to the encoder's lifetime: " +
               SystemMessage(GetLastError());
    CloseIfOpen(&m_job);
  }
  ResumeThread(process.hThread);
  CloseHandle(process.hThread);
  return true;
}

bool ChildProcess::ReadLines(const std::function<bool(const std::string&)>& onLine) {
  std::string line;
  auto take = [&](const char* data, DWORD size) {
    for (DWORD i = 0; i < size; ++i) {
      char c = data[i];
      if (c != '\n' && c != '\r') {
        line += c;
      } else if (!line.empty()) {
        if (!onLine(line)) return false;
        line.clear();
      }
    }
    return true;
  };
  // The pipe's end is not always seen when the child ends (under Wine a
  // process that inherited the write end may keep it open), so the child's
  // end counts too: then only what is already in the pipe is read.
  bool ended = false;
  for (;;) {
    DWORD waiting = 0;
    if (!PeekNamedPipe(m_output, NULL, 0, NULL, &waiting, NULL)) break;  // all writers gone
    if (waiting == 0) {
      if (ended) break;
      ended = WaitForSingleObject(m_process, 50) == WAIT_OBJECT_0;
      continue;
    }
    char buffer[4096];
    DWORD read = 0;
    if (!ReadFile(m_output, buffer, waiting < sizeof(buffer) ? waiting : sizeof(buffer), &read,
                  NULL) || read == 0)
      break;
    if (!take(buffer, read)) return false;
  }
  return line.empty() || onLine(line);
}

DWORD ChildProcess::Wait() {
  DWORD code = 1;
  WaitForSingleObject(m_process, INFINITE);
  GetExitCodeProcess(m_process, &code);
  return code;
}

void ChildProcess::Kill() {
  if (m_job) TerminateJobObject(m_job, 1);
  TerminateProcess(m_process, 1);
  // Termination is asynchronous; the child's files are closed once it ends.
  WaitForSingleObject(m_process, 5000);
}

}  // namespace encoder
