// The wait of a running recompression graph: polls the graph's events every
// 100 ms, pumps messages between the polls and reports the position as a
// percent of the duration.
#pragma once
#include <windows.h>
#include <control.h>
#include <evcode.h>
#include <strmif.h>

#include "include/VarnoEngine.h"

// A graph that reports no duration is measured against 20 seconds.
const LONGLONG kUnknownGraphDuration = 200000000;  // 100-ns units
// What the wait returns when the caller asked to stop.
const int kWaitStopped = 2;
// What it returns when the graph neither ended nor moved for
// kStalledPolls polls in a row: a graph that sends no ending event must not
// hold the caller for ever.
const int kWaitStalled = -2;
const int kStalledPolls = 600;  // a minute of 100-ms polls

// The percent that one poll reports: 100 once an event came, else the
// position's share of the duration, cut toward zero and capped at 100.
int GraphProgressPercent(long eventCode, LONGLONG position, LONGLONG duration);

// Runs the wait loop: the ending event code (EC_COMPLETE, EC_USERABORT,
// EC_ERRORABORT or EC_PREPROCESS_COMPLETE), kWaitStopped when the progress
// callback asked to stop, kWaitStalled for a graph whose position stood
// still too long, 0 when the graph gives no event handle. `seeking` may be
// NULL (the position then never moves).
int WaitForGraphEvents(IMediaEvent* events, IMediaSeeking* seeking, IConvertProgress* progress);
