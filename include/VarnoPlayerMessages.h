// What the preview player sends to the window that shows its video: the
// player posts them, the playback view turns them into module events.
#pragma once
#include <windows.h>

enum {
  WM_PLAYER_GRAPH_EVENT = WM_APP + 1,  // the graph has events to fetch
  WM_PLAYER_ENDED = WM_APP + 2,        // playback reached its end or failed
  PLAYER_TIMER_ID = 100,               // the once-a-second position timer
};
