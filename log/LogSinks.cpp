#include "log/LogSinks.h"

#include <string.h>

CFileLogSink::CFileLogSink(const char* path, int capBytes)
    : m_pStream(NULL), m_nCap(capBytes < 1024 ? 1024 : capBytes) {
  lstrcpynA(m_szPath, path ? path : "", MAX_PATH);
  m_pStream = fopen(m_szPath, "a");
}

CFileLogSink::~CFileLogSink() {
  if (m_pStream) fclose(m_pStream);
}

void CFileLogSink::Write(const char* text) {
  if (!m_pStream) return;
  // Several log objects (one per deliverable) may append to one file through
  // streams of their own, so the size is the file's, not this stream's offset.
  if (fseek(m_pStream, 0, SEEK_END) != 0) return;
  long position = ftell(m_pStream);
  if (position < 0) return;
  if (position > m_nCap) {
    // Keep the full file as the one ".old" copy (the lines before a crash
    // matter most), then start the file again empty. Copied, not moved: the
    // other writers keep the file open, and a move would leave them writing
    // into the copy. Reopened for appending, so that any other writer on the
    // same file also goes on at the new end, never over lines.
    fclose(m_pStream);
    m_pStream = NULL;
    char oldPath[MAX_PATH + 4];
    lstrcpyA(oldPath, m_szPath);  // m_szPath holds less than MAX_PATH characters
    lstrcatA(oldPath, ".old");
    if (!CopyFileA(m_szPath, oldPath, FALSE))
      OutputDebugStringA("log: the full log file could not be kept as .old\n");
    m_pStream = fopen(m_szPath, "w");
    if (m_pStream) {
      fclose(m_pStream);
      m_pStream = fopen(m_szPath, "a");
    }
    if (!m_pStream) return;
  }
  fputs(text, m_pStream);
  // A log explains a crash: each line reaches the file at once.
  fflush(m_pStream);
}

CConsoleLogSink::CConsoleLogSink() : m_hConsole(INVALID_HANDLE_VALUE) {
  if (!AllocConsole()) return;
  m_hConsole = GetStdHandle(STD_OUTPUT_HANDLE);
  DWORD mode = 0;
  GetConsoleMode(m_hConsole, &mode);
  SetConsoleMode(m_hConsole, mode | 0x8);
}

CConsoleLogSink::~CConsoleLogSink() {
  if (m_hConsole != INVALID_HANDLE_VALUE) FreeConsole();
}

void CConsoleLogSink::Write(const char* text) {
  if (m_hConsole == INVALID_HANDLE_VALUE) return;
  DWORD written = 0;
  WriteConsoleA(m_hConsole, text, lstrlenA(text), &written, NULL);
}
