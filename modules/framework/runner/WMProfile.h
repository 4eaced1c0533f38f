// The Windows Media profile of a task, built through the platform's profile
// manager from the plan of WMProfilePlan.h and saved as a ".prx" file.
#pragma once
#include <windows.h>

#include "modules/framework/model/TaskRecord.h"

// Builds and saves; each failure is logged and gives FALSE.
BOOL SaveWMProfile(const CTaskRecord& task, const char* path);
// Writes exactly `bytes` bytes of `data` (the profile's UTF-16 text, no
// byte-order mark) to `path`, replacing it; the system error as an HRESULT
// on failure.
HRESULT WriteProfileAsPRX(const char* path, const void* data, DWORD bytes);
