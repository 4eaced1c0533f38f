// Module events: the one way in which the conversion modules report to the
// program. Each module fires IModuleEvents::OnModuleEvent on every sink that
// is advised on its connection point for IID_IModuleEvents.
#pragma once
#include <windows.h>
#include "include/VarnoGuids.h"

// The event codes and what their parameters carry (3 and 5..10 are free).
// Parameters are pointer-sized: some carry text pointers owned by the sender
// and valid only during the call (INT_PTR is int in the 32-bit build).
enum ModuleEventCode {
  MEV_CONVERT_PROGRESS = 0,  // p1 percent
  MEV_CONVERT_DONE = 1,      // 1, 1, 1
  MEV_POWER_OFF = 2,         // p1 1 = act, p2 1 = switch the computer off
  MEV_PROGRESS_INFO = 4,     // p1 overall percent, p2 information text, p3 estimated-time text
  MEV_PLAY = 11,             // double click in the task list
  MEV_MEDIA_INFO = 12,       // p2 file-size text, p3 video-size text
  MEV_LIST_KEY = 13,         // p1 virtual key
  MEV_GRAPH_EVENT = 14,      // the player's graph has events
  MEV_PLAY_STARTING = 15,
  MEV_PLAY_PROGRESS = 16,    // p1 position percent, p2 time text "hh:mm:ss"
  MEV_STOP = 17,             // playback ended
  MEV_ADD_FILES = 18,        // 0, 0, 0
  MEV_DELETE_FILES = 19,
  MEV_SELECT_ALL = 20,
  MEV_QUERY_ENABLED = 21,    // p1 control name, p2 pointer to an int result, p3 0
  MEV_MUSIC_INFO = 22,       // p1 1, p2 MP3 settings text, p3 0
  MEV_BROWSE = 23,           // 1, 1, 1
};

struct IModuleEvents {
  virtual HRESULT STDMETHODCALLTYPE QueryInterface(const IID* iid, void** out) = 0;
  virtual ULONG STDMETHODCALLTYPE AddRef() = 0;
  virtual ULONG STDMETHODCALLTYPE Release() = 0;
  // The result is not used by the senders.
  virtual HRESULT STDMETHODCALLTYPE OnModuleEvent(const GUID* moduleId, int code, INT_PTR p1,
                                                  INT_PTR p2, INT_PTR p3) = 0;
};
