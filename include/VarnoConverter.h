// The interfaces of a conversion module towards the program: the task list
// and conversion control, preview playback, the views by name, and the
// small interfaces of the views and of the module's own components.
#pragma once
#include <windows.h>
#include "include/VarnoGuids.h"

enum { kAddFileNoAnswer = -1 };

struct IConverter {
  virtual HRESULT STDMETHODCALLTYPE QueryInterface(const IID* iid, void** out) = 0;
  virtual ULONG STDMETHODCALLTYPE AddRef() = 0;
  virtual ULONG STDMETHODCALLTYPE Release() = 0;
  // Runs the whole batch on the calling thread; pumps messages meanwhile.
  virtual int STDMETHODCALLTYPE Convert() = 0;
  virtual int STDMETHODCALLTYPE StopConvert(int force) = 0;
  // 1 added; 0 not a file of the module's kinds, or no media in it;
  // kAddFileNoAnswer when the platform's probe of it did not answer in time.
  virtual int STDMETHODCALLTYPE AddFile(const char* path) = 0;
  virtual int STDMETHODCALLTYPE DeleteFiles() = 0;
  virtual int STDMETHODCALLTYPE GetItemCount() = 0;
  virtual int STDMETHODCALLTYPE GetSelectedCount() = 0;
  virtual int STDMETHODCALLTYPE UpdateOutputNames() = 0;
  virtual int STDMETHODCALLTYPE ApplyOutputSettings() = 0;
};

struct IPlayer {
  virtual HRESULT STDMETHODCALLTYPE QueryInterface(const IID* iid, void** out) = 0;
  virtual ULONG STDMETHODCALLTYPE AddRef() = 0;
  virtual ULONG STDMETHODCALLTYPE Release() = 0;
  virtual HRESULT STDMETHODCALLTYPE Play() = 0;
  virtual HRESULT STDMETHODCALLTYPE Stop() = 0;
  virtual HRESULT STDMETHODCALLTYPE HandleGraphEvent() = 0;
  virtual BOOL STDMETHODCALLTYPE IsPlaying() = 0;
  virtual BOOL STDMETHODCALLTYPE GetPosition() = 0;
  virtual BOOL STDMETHODCALLTYPE Seek(int percent) = 0;
};

// Every view and skinned window that a view factory hands out (no IID).
struct IConverterView {
  virtual int STDMETHODCALLTYPE OnParentEvent(int code, INT_PTR p1, INT_PTR p2, INT_PTR p3) = 0;
  virtual void STDMETHODCALLTYPE UpdateUI(int, const char* names) = 0;
  virtual HWND STDMETHODCALLTYPE GetViewWnd() = 0;
  // A bounded copy as strncpy makes it: no terminator when the name fills
  // the buffer. E_POINTER for a NULL buffer.
  virtual HRESULT STDMETHODCALLTYPE GetViewName(char* buffer, int length) = 0;
};

struct IViewFactory {
  virtual HRESULT STDMETHODCALLTYPE QueryInterface(const IID* iid, void** out) = 0;
  virtual ULONG STDMETHODCALLTYPE AddRef() = 0;
  virtual ULONG STDMETHODCALLTYPE Release() = 0;
  // skinData: the view's skin data string from the hosting window.
  virtual HRESULT STDMETHODCALLTYPE CreateView(const char* viewName, HWND hParent,
                                               const RECT* rect, const char* skinData,
                                               IConverterView** out) = 0;
  virtual HRESULT STDMETHODCALLTYPE DestroyView(IConverterView* view) = 0;
  virtual HRESULT STDMETHODCALLTYPE UpdateViews(int, const char* names) = 0;
};

// How a module's own views and runners report to it (no IID; never handed
// out by QueryInterface). The module completes the parameters and fires the
// event as a module event.
struct IModuleNotify {
  virtual BOOL STDMETHODCALLTYPE Notify(int code, INT_PTR p1, INT_PTR p2, INT_PTR p3) = 0;
};
