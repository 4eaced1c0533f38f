// The log client that each deliverable carries: it loads chronicle.dll on
// first use, makes the deliverable's own ILog object and serialises its lines
// with the deliverable's own mutex.
#pragma once
#include <windows.h>
#include "include/VarnoLog.h"

BOOL LogInitialize(HINSTANCE module);
ILog* LoadLogInterface();
BOOL LogPrint(unsigned level, const char* format, ...);
ILog* GetLogInterface();
void LogRelease();
void FreeLogInterface();

// The mutex creation of LogInitialize, replaceable so that a test can make it
// fail; NULL puts CreateMutexA back.
typedef HANDLE(WINAPI* PFN_LogCreateMutex)(LPSECURITY_ATTRIBUTES attributes, BOOL owned,
                                           const char* name);
void LogSetCreateMutexSeam(PFN_LogCreateMutex fn);
