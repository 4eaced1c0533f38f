// The preview player: a DirectShow filter graph for one file, its video
// shown inside the owner (playback) window, graph events posted to the owner
// as WM_APP + 1, the end of playback sent as WM_APP + 2, and a one-second
// position timer (id 100) on the owner while playing.
#pragma once
#include <windows.h>
#include <dshow.h>

#include <string>

#include "base/ComPtr.h"
#include "base/Handles.h"

class CDirectShowPlayer {
 public:
  enum { kStopped = 0, kRunning = 2 };

  // Makes the filter graph; replaceable so that tests can hand in a fake.
  typedef HRESULT (*PFN_CreateGraph)(IGraphBuilder** out);
  static void SetGraphFactory(PFN_CreateGraph create);  // NULL: the platform's

  CDirectShowPlayer();   // initialises COM for the thread
  ~CDirectShowPlayer();  // releases the graph, uninitialises COM

  void SetOwner(HWND owner) { m_hOwner = owner; }
  HWND GetOwner() const { return m_hOwner; }

  BOOL Init();
  // Stops and releases the graph and lets go of the owner window: no timer,
  // no event window, the video window no longer its child. Also what the
  // owner's destruction needs first.
  void Cleanup() { ReleaseGraph(); }
  BOOL PlayFile(const char* path);
  // Stops playback (the module's stop): hides the video, kills the timer.
  // When the graph refuses to stop it is released: FALSE, but stopped.
  BOOL CloseGraph();
  // Takes every pending graph event; the end of the stream and an error abort
  // send WM_APP + 2 to the owner. S_OK once the queue is empty.
  HRESULT HandleGraphEvents();
  BOOL IsPlaying() const { return m_nState == kRunning; }
  // Position in percent of the duration, 0..100 (0 without a duration).
  int GetPosition();
  // "hh:mm:ss" of the current position; empty on failure.
  std::string GetPositionText();
  BOOL Seek(int percent);
  // Forgets the duration and reads it anew from the graph.
  BOOL RefreshDuration();

  LONGLONG GetDuration() const { return m_llDuration; }
  static BOOL IsWindowsMediaFile(const char* path);

 private:
  HRESULT CreateGraph();
  void ReleaseGraph();
  HRESULT ResetGraph();
  HRESULT RenderMediaFile(const char* path);
  HRESULT RenderWindowsMediaFile(const wchar_t* path);
  HRESULT CreateFilter(REFCLSID clsid, IBaseFilter** out);
  HRESULT RenderOutputPins(IGraphBuilder* graph, IBaseFilter* filter);
  HRESULT RunGraph();
  HRESULT StopGraph();
  void StartPositionTimer();
  void KillPositionTimer();
  // Takes the graph's video window and events away from the owner.
  void DetachFromOwner();
  // False when the detector did not answer for the file within its bound.
  bool ReadDurationFromFile(const char* path);
  static void DebugPrint(const char* format, ...);

  // First, so that COM ends after the graph's interfaces are released.
  CComInit m_com;
  HWND m_hOwner;
  LONGLONG m_llDuration;  // 100-ns units; 0 = none yet
  int m_nState;
  CComPtr<IGraphBuilder> m_pGB;
  CComPtr<IMediaSeeking> m_pMS;
  CComPtr<IMediaControl> m_pMC;
  CComPtr<IMediaEventEx> m_pME;
  CComPtr<IBasicAudio> m_pBA;
  CComPtr<IVideoWindow> m_pVW;
};
