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
