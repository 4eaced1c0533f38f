// Asks a window from another thread, as the system does, whether it answers:
// every 100 ms a WM_NULL that must come back within the answer limit. Counts
// the asks and those that were not answered in time, and keeps the longest
// silence: from the start of an ask that was not answered to the end of the
// next one that was (or to the stop). A wait that does not pump shows as a
// silence as long as the wait; a loaded machine's stall as a short one.
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
  DWORD longestSilenceMs = 0;

 private:
  static DWORD WINAPI Watch(void* self) {
    AnswerWatch& watch = *static_cast<AnswerWatch*>(self);
    bool silent = false;
    DWORD silentSince = 0;
    while (WaitForSingleObject(watch.m_stop, 100) == WAIT_TIMEOUT) {
      DWORD_PTR result = 0;
      ++watch.asks;
      const DWORD asked = GetTickCount();
      const bool answered = SendMessageTimeoutA(watch.m_window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG,
                                                watch.m_answerLimitMs, &result) != 0;
      if (!answered) {
        ++watch.unanswered;
        if (!silent) silentSince = asked;
        silent = true;
      } else if (silent) {
        watch.Silence(GetTickCount() - silentSince);
        silent = false;
      }
    }
    if (silent) watch.Silence(GetTickCount() - silentSince);
    return 0;
  }
  void Silence(DWORD ms) {
    if (ms > longestSilenceMs) longestSilenceMs = ms;
  }
  HWND m_window;
  DWORD m_answerLimitMs;
  CHandle m_stop, m_thread;
};
