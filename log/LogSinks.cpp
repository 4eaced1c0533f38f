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
    // Start the file again empty. Reopened for appending, so that any other
    // writer on the same file also goes on at the new end, never over lines.
    fclose(m_pStream);
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
