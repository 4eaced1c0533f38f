// Waiting on the user-interface thread: the thread's messages are served
// during the wait, so a timer (the stop request, a repaint) is not held up.
#include <gtest/gtest.h>

#include "base/Handles.h"
#include "base/PumpingWait.h"

namespace {

HANDLE g_event = NULL;
void CALLBACK SetTheEvent(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(NULL, id);
  SetEvent(g_event);
}

TEST(WaitPumping, MessagesAreServedWhileItWaits) {
  CHandle event(CreateEventA(NULL, TRUE, FALSE, NULL));
  g_event = event;
  // Only the timer, dispatched from inside the wait, can end it.
  SetTimer(NULL, 0, 50, SetTheEvent);
  EXPECT_TRUE(WaitPumping(event, 30000));
}

TEST(WaitPumping, ATimeOutIsReported) {
  CHandle event(CreateEventA(NULL, TRUE, FALSE, NULL));
  EXPECT_FALSE(WaitPumping(event, 100));
  SetEvent(event);
  EXPECT_TRUE(WaitPumping(event, 0));
}

}  // namespace
