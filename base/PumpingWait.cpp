#include "base/PumpingWait.h"

#include "base/MessagePump.h"

bool WaitPumping(HANDLE handle, DWORD timeoutMs) {
  DWORD start = GetTickCount();
  for (;;) {
    DWORD left = INFINITE;
    if (timeoutMs != INFINITE) {
      DWORD spent = GetTickCount() - start;
      if (spent >= timeoutMs) return WaitForSingleObject(handle, 0) == WAIT_OBJECT_0;
      left = timeoutMs - spent;
    }
    DWORD woke = MsgWaitForMultipleObjects(1, &handle, FALSE, left, QS_ALLINPUT);
    if (woke == WAIT_OBJECT_0) return true;
    if (woke == WAIT_FAILED) return false;
    PumpMessages();
  }
}
