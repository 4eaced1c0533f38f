#include "base/ChildProcess.h"

#include <vector>

namespace {

// A job whose processes are killed when its last handle closes; NULL when
// none can be made.
HANDLE CreateKillOnCloseJob() {
  CHandle job(CreateJobObjectA(NULL, NULL));
  if (!job.IsValid()) return NULL;
  JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits = {};
  limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
  if (!SetInformationJobObject(job, JobObjectExtendedLimitInformation, &limits, sizeof(limits)))
    return NULL;
  return job.Detach();
}

}  // namespace

bool CChildProcess::CreatePipes() {
  SECURITY_ATTRIBUTES inherit = {sizeof(inherit), NULL, TRUE};
  if (!CreatePipe(m_childInput.Out(), m_input.Out(), &inherit, 0)) return false;
  if (!CreatePipe(m_output.Out(), m_childOutput.Out(), &inherit, 0)) return false;
  // Only the child's ends are inherited.
  SetHandleInformation(m_input, HANDLE_FLAG_INHERIT, 0);
  SetHandleInformation(m_output, HANDLE_FLAG_INHERIT, 0);
  return true;
}

bool CChildProcess::Start(const char* program, const std::string& commandLine,
                          const char* folder) {
  STARTUPINFOA startup = {};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESTDHANDLES | STARTF_FORCEOFFFEEDBACK;
  startup.hStdInput = m_childInput;
  startup.hStdOutput = m_childOutput;
  startup.hStdError = m_childOutput;
  std::vector<char> line(commandLine.begin(), commandLine.end());
  line.push_back(0);
  m_job.Reset(CreateKillOnCloseJob());
  PROCESS_INFORMATION process = {};
  // Suspended until it is in the job: a child it started before would
  // escape the job, and a stop that came between would leave it behind.
  if (!CreateProcessA(program, line.data(), NULL, NULL, TRUE, CREATE_SUSPENDED | DETACHED_PROCESS,
                      NULL, folder, &startup, &process)) {
    DWORD error = GetLastError();
    m_job.Close();
    SetLastError(error);
    return false;
  }
  m_process.Reset(process.hProcess);
  m_thread.Reset(process.hThread);
  m_inJob = m_job.IsValid() && AssignProcessToJobObject(m_job, m_process);
  if (!m_inJob) m_job.Close();
  ResumeThread(m_thread);
  return true;
}

bool CChildProcess::CloseChildEnds() {
  bool closed = m_childOutput.Close();
  m_childInput.Close();
  m_input.Close();
  return closed;
}

bool CChildProcess::Peek(DWORD* available) {
  *available = 0;
  return PeekNamedPipe(m_output, NULL, 0, NULL, available, NULL) != FALSE;
}

bool CChildProcess::Read(char* buffer, DWORD size, DWORD* read) {
  *read = 0;
  return ReadFile(m_output, buffer, size, read, NULL) && *read > 0;
}

bool CChildProcess::HasEnded() const {
  return m_process.IsValid() && WaitForSingleObject(m_process, 0) == WAIT_OBJECT_0;
}

bool CChildProcess::GetExitCode(DWORD* code) const {
  return m_process.IsValid() && GetExitCodeProcess(m_process, code);
}

void CChildProcess::Terminate(UINT exitCode, DWORD waitMs) {
  if (!m_process.IsValid()) return;
  if (!m_inJob || !TerminateJobObject(m_job, exitCode)) TerminateProcess(m_process, exitCode);
  WaitForSingleObject(m_process, waitMs);
}
