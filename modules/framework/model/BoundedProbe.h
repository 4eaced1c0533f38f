// The media probe of a user's file, run so that a detector that never comes
// back cannot take the program with it (base/BoundedCall.h).
#pragma once
#include <windows.h>
#include <dshow.h>

#include <string>

#include "modules/framework/model/TaskList.h"

// Runs probe on the file within boundMs; false when it did not answer in
// time (the outputs are then left as they were). True: *result is the
// probe's code and the outputs are filled as the probe filled them.
bool ProbeMediaWithin(PFN_MediaProbe probe, DWORD boundMs, const char* path,
                      VIDEOINFOHEADER* video, WAVEFORMATEX* audio, std::string* mediaTime,
                      int* result);
