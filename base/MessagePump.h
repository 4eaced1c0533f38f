// Small helpers that the module libraries share: the message pump of long
// loops on the user-interface thread, and the release of a DirectShow media
// type.
#pragma once
#include <windows.h>
#include <strmif.h>

// Empties the thread's message queue and returns; never waits. A WM_QUIT
// stops the pump and is posted again with its exit code, so that the outer
// message loop still sees it (a quit during a batch must end the program).
void PumpMessages();

// Frees the format block and releases the IUnknown of a media type; a second
// call changes nothing.
void FreeMediaType(AM_MEDIA_TYPE& type);
