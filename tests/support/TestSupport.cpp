#include "tests/support/TestSupport.h"

#include "base/Handles.h"

#include <shlwapi.h>
#include <stdlib.h>

#include <fstream>
#include <sstream>

#include "base/Handles.h"

namespace vrctest {

std::string TestFolder() {
  char path[MAX_PATH] = {0};
  GetModuleFileNameA(NULL, path, MAX_PATH);
  PathRemoveFileSpecA(path);
  PathAddBackslashA(path);
  return path;
}

std::string ProgramFolder() {
  char full[MAX_PATH] = {0};
  std::string relative = TestFolder() + "..\\bin\\";
  GetFullPathNameA(relative.c_str(), MAX_PATH, full, NULL);
  return full;
}

TempDir::TempDir() {
  char base[MAX_PATH] = {0};
  GetTempPathA(MAX_PATH, base);
  static LONG counter = 0;
  for (;;) {
    char name[MAX_PATH];
    wsprintfA(name, "%svrctest-%lu-%ld\\", base, GetCurrentProcessId(),
              InterlockedIncrement(&counter));
    if (CreateDirectoryA(name, NULL)) {
      m_path = name;
      return;
    }
  }
}

TempDir::~TempDir() { RemoveTree(m_path); }

std::vector<std::string> FilesIn(const std::string& path) {
  std::string folder = path;
  if (!folder.empty() && folder.back() == '\\') folder.pop_back();
  std::vector<std::string> names;
  WIN32_FIND_DATAA data;
  CFindHandle find(FindFirstFileA((folder + "\\*").c_str(), &data));
  if (!find.IsValid()) return names;
  do {
    std::string name = data.cFileName;
    if (name != "." && name != "..") names.push_back(name);
  } while (FindNextFileA(find, &data));
  return names;
}

void RemoveTree(const std::string& path) {
  std::string folder = path;
  if (!folder.empty() && folder.back() == '\\') folder.pop_back();
  WIN32_FIND_DATAA data;
  HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &data);
  if (find != INVALID_HANDLE_VALUE) {
    do {
      std::string name = data.cFileName;
      if (name == "." || name == "..") continue;
      std::string child = folder + "\\" + name;
      if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveTree(child);
      } else {
        SetFileAttributesA(child.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(child.c_str());
      }
    } while (FindNextFileA(find, &data));
    FindClose(find);
  }
  RemoveDirectoryA(folder.c_str());
}

bool WriteFile(const std::string& path, const std::string& content) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << content;
  return static_cast<bool>(out);
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

bool FileExists(const std::string& path) { return PathFileExistsA(path.c_str()) != FALSE; }

bool CopyInto(const std::string& source, const std::string& folder) {
  std::string target = folder + PathFindFileNameA(source.c_str());
  return CopyFileA(source.c_str(), target.c_str(), FALSE) != FALSE;
}

bool CopyTree(const std::string& source, const std::string& target) {
  std::string from = source, to = target;
  if (!from.empty() && from.back() == '\\') from.pop_back();
  if (!to.empty() && to.back() == '\\') to.pop_back();
  if (!CreateDirectoryA(to.c_str(), NULL) && GetLastError() != ERROR_ALREADY_EXISTS) return false;
  for (const std::string& name : FilesIn(from)) {
    const std::string child = from + "\\" + name, copy = to + "\\" + name;
    const DWORD attributes = GetFileAttributesA(child.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
      if (!CopyTree(child, copy)) return false;
    } else if (!CopyFileA(child.c_str(), copy.c_str(), FALSE)) {
      return false;
    }
  }
  return true;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::string line;
  for (char c : text) {
    if (c == '\n') {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      lines.push_back(line);
      line.clear();
    } else {
      line += c;
    }
  }
  if (!line.empty()) lines.push_back(line);
  return lines;
}

int RunProcess(const std::string& commandLine, const std::string& folder, DWORD timeoutMs) {
  STARTUPINFOA startup = {sizeof(startup)};
  PROCESS_INFORMATION process = {};
  std::vector<char> command(commandLine.begin(), commandLine.end());
  command.push_back(0);
  if (!CreateProcessA(NULL, command.data(), NULL, NULL, FALSE, 0, NULL,
                      folder.empty() ? NULL : folder.c_str(), &startup, &process))
    return -1;
  // Messages are pumped while waiting: the child may send some to windows
  // of this thread (and wait for the answer).
  int result = -2;
  DWORD start = GetTickCount();
  for (;;) {
    DWORD elapsed = GetTickCount() - start;
    if (elapsed >= timeoutMs) break;
    DWORD wait = MsgWaitForMultipleObjects(1, &process.hProcess, FALSE, timeoutMs - elapsed,
                                           QS_ALLINPUT);
    if (wait == WAIT_OBJECT_0) {
      DWORD code = 0;
      GetExitCodeProcess(process.hProcess, &code);
      result = static_cast<int>(code);
      break;
    }
    if (wait != WAIT_OBJECT_0 + 1) break;
    MSG msg;
    while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
  }
  if (result == -2) TerminateProcess(process.hProcess, 1);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return result;
}

void UsePrivateTempFolder() {
  // Made in the shared folder on the first call and removed when the
  // process ends; from then on the process and its children use it.
  static TempDir own;
  static const bool pointed = SetEnvironmentVariableA("TMP", own.Path().c_str()) &&
                              SetEnvironmentVariableA("TEMP", own.Path().c_str());
  (void)pointed;
}

std::vector<std::string> RunnerTempFiles() {
  UsePrivateTempFolder();
  char folder[MAX_PATH] = "";
  GetTempPathA(MAX_PATH, folder);
  std::vector<std::string> names;
  WIN32_FIND_DATAA found;
  CFindHandle search(FindFirstFileA((std::string(folder) + "QTF*.tmp").c_str(), &found));
  if (!search.IsValid()) return names;
  do names.push_back(found.cFileName);
  while (FindNextFileA(search, &found));
  return names;
}

std::vector<std::string> ReportValues(const std::string& report, const std::string& key) {
  std::vector<std::string> values;
  for (const std::string& line : Lines(report))
    if (line.compare(0, key.size() + 1, key + "=") == 0) values.push_back(line.substr(key.size() + 1));
  return values;
}

double ReportNumber(const std::string& report, const std::string& key) {
  std::vector<std::string> values = ReportValues(report, key);
  return values.empty() ? -1 : atof(values[0].c_str());
}

std::string ReportText(const std::string& report, const std::string& key) {
  std::vector<std::string> values = ReportValues(report, key);
  return values.empty() ? "" : values[0];
}

std::string MediaFactsOf(const std::string& ffmpeg, const std::string& media) {
  char tool[MAX_PATH] = {0};
  GetFullPathNameA((TestFolder() + "..\\testbin\\media_facts.exe").c_str(), MAX_PATH, tool, NULL);
  TempDir dir;
  const std::string report = dir.File("facts.txt");
  const int code = RunProcess("\"" + std::string(tool) + "\" \"" + ffmpeg + "\" \"" + media +
                                  "\" \"" + report + "\"",
                              dir.Path(), 60000);
  return code == 0 ? ReadFile(report) : "";
}

}  // namespace vrctest
