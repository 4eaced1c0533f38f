// Asks a window from another thread, as the system does, whether it answers:
// every 100 ms a WM_NULL that must come back within the answer limit. Counts
// the asks and those that were not answered in time. Keep the limit well
// under the wait being watched (a blocking wait then always shows) and well
// over what a loaded machine stalls for.
#pragma once
#include <windows.h>

#include "base/Handles.h"

class AnswerWatch {
 public:
  explicit AnswerWatch(HWND window, DWORD answerLimitMs = 1000)
      : m_window(window), m_answerLimitMs(answerLimitMs) {
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
      if (!SendMessageTimeoutA(watch.m_window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG,
                              watch.m_answerLimitMs, &result))
        ++watch.unanswered;
    }
    return 0;
  }
  HWND m_window;
  DWORD m_answerLimitMs;
  CHandle m_stop, m_thread;
};
