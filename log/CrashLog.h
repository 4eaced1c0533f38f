// Collection of the system crash logger's report for a module at start-up.
#pragma once
#include <windows.h>

// Builds the crash logger's log path into buffer (cut to size); TRUE when the
// file exists.
BOOL GetCrashLogPath(char* buffer, int size);

// Whether the file's text (its ANSI conversion for a UTF-16 file) contains
// text, within its first maxBytes bytes (-1: the whole file).
BOOL FileContains(const char* path, const char* text, int maxBytes, BOOL caseSensitive);

// When the crash log mentions modulePath: copies it beside the module under a
// dated name (with a counter when that name is taken), deletes it once the
// copy exists, and mails the copy when enableSendMail is set.
void CollectCrashLog(const char* modulePath, int enableSendMail, const char* mailAddress);
