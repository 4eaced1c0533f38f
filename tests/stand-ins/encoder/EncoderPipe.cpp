#include "tests/stand-ins/encoder/EncoderPipe.h"

#include <tlhelp32.h>

#include <cstdlib>

namespace enctest {

EncoderPipe::~EncoderPipe() {
  if (m_process) {
    Terminate();
    CloseHandle(m_process);
  }
  CloseOutput();
}

bool EncoderPipe::Start(const std::string& program, const std::string& commandLine,
                        const std::string& folder) {
  SECURITY_ATTRIBUTES inheritable = {sizeof(inheritable), NULL, TRUE};
  HANDLE inputRead = NULL, inputWrite = NULL, outputWrite = NULL;
  if (!CreatePipe(&inputRead, &inputWrite, &inheritable, 0)) return false;
  if (!CreatePipe(&m_output, &outputWrite, &inheritable, 0)) {
    CloseHandle(inputRead);
    CloseHandle(inputWrite);
    return false;
  }
  // This side's ends stay here, so closing them is seen by the program.
  SetHandleInformation(m_output, HANDLE_FLAG_INHERIT, 0);
  SetHandleInformation(inputWrite, HANDLE_FLAG_INHERIT, 0);
  STARTUPINFOA startup = {sizeof(startup)};
  startup.dwFlags = STARTF_USESTDHANDLES | STARTF_FORCEOFFFEEDBACK;
  startup.hStdInput = inputRead;
  startup.hStdOutput = outputWrite;
  startup.hStdError = outputWrite;
  PROCESS_INFORMATION process = {};
  std::vector<char> line(commandLine.begin(), commandLine.end());
  line.push_back(0);
  BOOL started = CreateProcessA(program.c_str(), line.data(), NULL, NULL, TRUE, DETACHED_PROCESS,
                                NULL, folder.empty() ? NULL : folder.c_str(), &startup, &process);
  CloseHandle(outputWrite);
  CloseHandle(inputRead);
  CloseHandle(inputWrite);
  if (!started) return false;
  CloseHandle(process.hThread);
  m_process = process.hProcess;
  m_processId = process.dwProcessId;
  return true;
}

bool EncoderPipe::ReadChunk(std::string* chunk) {
  char buffer[4096];
  DWORD read = 0;
  if (!m_output || !ReadFile(m_output, buffer, sizeof(buffer), &read, NULL) || read == 0)
    return false;
  chunk->assign(buffer, read);
  return true;
}

std::vector<std::string> EncoderPipe::ReadAll() {
  std::vector<std::string> chunks;
  std::string chunk;
  while (ReadChunk(&chunk)) chunks.push_back(chunk);
  return chunks;
}

void EncoderPipe::CloseOutput() {
  if (m_output) CloseHandle(m_output);
  m_output = NULL;
}

void EncoderPipe::Terminate() {
  TerminateProcess(m_process, 1);
  WaitForSingleObject(m_process, 10000);
}

int EncoderPipe::Wait(DWORD milliseconds) {
  if (WaitForSingleObject(m_process, milliseconds) != WAIT_OBJECT_0) return -2;
  DWORD code = 0;
  GetExitCodeProcess(m_process, &code);
  return static_cast<int>(code);
}

bool RunnerPosition(const std::string& chunk, double* seconds) {
  size_t pos = chunk.find("Pos:");
  if (pos == std::string::npos) return false;
  size_t s = chunk.find('s', pos + 4);
  if (s == std::string::npos) return false;
  std::string number = chunk.substr(pos + 4, s - pos - 4);
  char* end = nullptr;
  *seconds = std::strtod(number.c_str(), &end);
  return end != number.c_str() && *end == '\0';
}

std::vector<double> RunnerPositions(const std::vector<std::string>& chunks) {
  std::vector<double> positions;
  for (const std::string& chunk : chunks) {
    double seconds = 0;
    if (RunnerPosition(chunk, &seconds)) positions.push_back(seconds);
  }
  return positions;
}

std::string Join(const std::vector<std::string>& chunks) {
  std::string text;
  for (const std::string& chunk : chunks) text += chunk;
  return text;
}

std::vector<DWORD> ChildProcesses(DWORD parentId, const char* fileName) {
  std::vector<DWORD> children;
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return children;
  PROCESSENTRY32 entry = {sizeof(entry)};
  for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry))
    if (entry.th32ParentProcessID == parentId && lstrcmpiA(entry.szExeFile, fileName) == 0)
      children.push_back(entry.th32ProcessID);
  CloseHandle(snapshot);
  return children;
}

}  // namespace enctest
