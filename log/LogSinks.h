// The outputs of a log object: a file with a size cap (the full file is kept
// as one "<file>.old" copy), the debugger, a console.
#pragma once
#include <windows.h>
#include <stdio.h>

struct ILogSink {
  virtual ~ILogSink() {}
  virtual void Write(const char* text) = 0;
};

class CFileLogSink : public ILogSink {
 public:
  CFileLogSink(const char* path, int capBytes);
  ~CFileLogSink() override;
  void Write(const char* text) override;

 private:
  FILE* m_pStream;
  long m_nCap;
  char m_szPath[MAX_PATH];
};

class CDebugLogSink : public ILogSink {
 public:
  void Write(const char* text) override { OutputDebugStringA(text); }
};

class CConsoleLogSink : public ILogSink {
 public:
  CConsoleLogSink();
  ~CConsoleLogSink() override;
  void Write(const char* text) override;

 private:
  HANDLE m_hConsole;
};
