// Waiting on the user-interface thread for a handle (a child's end, an
// event) while the thread's messages are dispatched, so the window neither
// freezes nor misses a stop request during the wait.
#pragma once
#include <windows.h>

// Waits until `handle` is signalled or `timeoutMs` (INFINITE: no limit) has
// passed, pumping messages meanwhile; true when it was signalled.
bool WaitPumping(HANDLE handle, DWORD timeoutMs);
