// Collection of the system crash logger's report for a module at start-up.
#pragma once
#include <windows.h>

// Builds the crash logger's log path into buffer (cut to size); TRUE when the
// file exists.
BOOL GetCrashLogPath(char* buffer, int size);

// Looks for a crash log that mentions modulePath and collects it beside the
// module. Mail reports are sent when enableSendMail is set.
void CollectCrashLog(const char* modulePath, int enableSendMail, const char* mailAddress);
