// Asks a window from another thread, as the system does, whether it answers:
// every 100 ms a WM_NULL that must come back within a second. Counts the
// asks and those that were not answered in time.
#pragma once
#include <windows.h>

#include "base/Handles.h"

class AnswerWatch {
 public:
  explicit AnswerWatch(HWND window) : m_window(window) {
    m_stop.Reset(CreateEventA(NULL, TRUE, FALSE, NULL));
    m_thread.Reset(CreateThread(NULL, 0, &AnswerWatch::Watch, this, 0, NULL));
  }
  ~AnswerWatch() { Stop(); }
  void Stop() {
    SetEvent(m_stop);
    if (m_thread.IsValid()) WaitForSingleObject(m_thread, INFINITE);
    m_thread.Reset();
  }
  LONG asks = 0, unanswered = 0;

 private:
  static DWORD WINAPI Watch(void* self) {
    AnswerWatch& watch = *static_cast<AnswerWatch*>(self);
    while (WaitForSingleObject(watch.m_stop, 100) == WAIT_TIMEOUT) {
      DWORD_PTR result = 0;
      ++watch.asks;
      if (!SendMessageTimeoutA(watch.m_window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 1000, &result))
        ++watch.unanswered;
    }
    return 0;
  }
  HWND m_window;
  CHandle m_stop, m_thread;
};
