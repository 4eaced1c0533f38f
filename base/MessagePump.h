// Small helpers that the module libraries share: the message pump of long
// loops on the user-interface thread, and the release of a DirectShow media
// type.
#pragma once
#include <windows.h>
#include <strmif.h>

// Empties the thread's message queue and returns; never waits. WM_QUIT is
// dispatched like any other message and not re-posted.
void PumpMessages();

// Frees the format block and releases the IUnknown of a media type; a second
// call changes nothing.
void FreeMediaType(AM_MEDIA_TYPE& type);
