// Small helpers the tests share: folders, files and child processes.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace vrctest {

// The folder of the test program itself, with a trailing backslash.
std::string TestFolder();
// The program folder of the build (the installation layout), with a trailing
// backslash.
std::string ProgramFolder();

// Points TMP and TEMP at a temporary folder of this process's own, so that
// what a test finds there was made by this process: tests running at the
// same time, and the photo module's clean-up of leftover thumbnails, work in
// the shared one.
void UsePrivateTempFolder();
// The names of the conversion runner's temporary files ("QTF*.tmp") in the
// temporary folder, which is this process's own from the first call on.
std::vector<std::string> RunnerTempFiles();

// A fresh, empty folder that is removed with everything in it at the end.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::string& Path() const { return m_path; }  // trailing backslash
  std::string File(const std::string& name) const { return m_path + name; }

 private:
  std::string m_path;
};

void RemoveTree(const std::string& path);
bool WriteFile(const std::string& path, const std::string& content);
// The whole file; empty when it cannot be read.
std::string ReadFile(const std::string& path);
bool FileExists(const std::string& path);
bool CopyInto(const std::string& source, const std::string& folder);
// Copies a folder with everything in it into `target` (made when missing);
// both with or without their trailing backslash.
bool CopyTree(const std::string& source, const std::string& target);
// The names of the files and folders in a folder (with or without its
// trailing backslash), without "." and "..".
std::vector<std::string> FilesIn(const std::string& folder);
// Splits text at "\n" (a "\r" before it is dropped).
std::vector<std::string> Lines(const std::string& text);

// Runs a command line and waits for it; returns the exit code, or -1 when it
// could not start, -2 when it did not end within timeoutMs (it is killed).
// The calling thread's messages are pumped meanwhile.
int RunProcess(const std::string& commandLine, const std::string& folder, DWORD timeoutMs);

// The values of a report's "key=value" lines of that key, in order.
std::vector<std::string> ReportValues(const std::string& report, const std::string& key);
// The first value of that key as a number; -1 when there is none.
double ReportNumber(const std::string& report, const std::string& key);
// The key's first value as text; empty when it has none.
std::string ReportText(const std::string& report, const std::string& key);

// What ffmpeg (the given ffmpeg.exe) says of a media file, as "key=value"
// lines: container, brand, duration, video, videoCodec, videoTag, width,
// height, audio, audioCodec, rate, channels, audioKbps. Made by
// media_facts.exe of the test binaries' folder, which reads it with the
// stand-ins' own parser; "" when it could not tell.
std::string MediaFactsOf(const std::string& ffmpeg, const std::string& media);

}  // namespace vrctest
