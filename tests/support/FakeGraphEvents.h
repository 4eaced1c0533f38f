// Fakes of a running graph's event and seeking interfaces: the completion
// codes come from a script, one a poll (0 for a poll that timed out); queued
// events are taken one by one without waiting; the notify window is
// recorded; the position moves by a fixed step at each poll. Both live on
// the stack: no counting.
#pragma once
#include <windows.h>
#include <control.h>
#include <strmif.h>

#include <vector>

// The automation half of a graph interface, which no caller here uses.
template <class Interface>
class CWithoutDispatch : public Interface {
 public:
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                   UINT*) override {
    return E_NOTIMPL;
  }
};

class CFakeMediaEvent : public CWithoutDispatch<IMediaEventEx> {
 public:
  std::vector<long> script;  // the code of each WaitForCompletion call
  std::vector<long> queued;  // the codes that GetEvent hands out, in order
  bool noEventHandle = false;
  size_t polls = 0;
  size_t eventsTaken = 0;
  OAHWND notifyWindow = 0;
  long notifyMessage = 0;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void** out) override {
    *out = NULL;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  HRESULT STDMETHODCALLTYPE GetEventHandle(OAEVENT* handle) override {
    if (noEventHandle) return E_FAIL;
    *handle = 1;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetEvent(long* code, LONG_PTR* p1, LONG_PTR* p2, long) override {
    if (eventsTaken >= queued.size()) return E_ABORT;  // none left: the time-out passed
    *code = queued[eventsTaken++];
    *p1 = *p2 = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE WaitForCompletion(long, long* code) override {
    *code = polls < script.size() ? script[polls] : 0;
    ++polls;
    return *code ? S_OK : E_ABORT;  // E_ABORT: the time-out passed
  }
  HRESULT STDMETHODCALLTYPE CancelDefaultHandling(long) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE RestoreDefaultHandling(long) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE FreeEventParams(long, LONG_PTR, LONG_PTR) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE SetNotifyWindow(OAHWND window, long message, LONG_PTR) override {
    notifyWindow = window;
    notifyMessage = message;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE SetNotifyFlags(long) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE GetNotifyFlags(long* flags) override {
    *flags = 0;
    return S_OK;
  }
};

class CFakeMediaSeeking : public IMediaSeeking {
 public:
  LONGLONG duration = 0;
  LONGLONG step = 0;  // added to the position at each GetCurrentPosition
  LONGLONG position = 0;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void** out) override {
    *out = NULL;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  HRESULT STDMETHODCALLTYPE GetCapabilities(DWORD*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE CheckCapabilities(DWORD*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE IsFormatSupported(const GUID*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE QueryPreferredFormat(GUID*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetTimeFormat(GUID*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE IsUsingTimeFormat(const GUID*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE SetTimeFormat(const GUID*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetDuration(LONGLONG* out) override {
    *out = duration;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetStopPosition(LONGLONG*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetCurrentPosition(LONGLONG* out) override {
    position += step;
    *out = position;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE ConvertTimeFormat(LONGLONG*, const GUID*, LONGLONG, const GUID*) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE SetPositions(LONGLONG*, DWORD, LONGLONG*, DWORD) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE GetPositions(LONGLONG*, LONGLONG*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetAvailable(LONGLONG*, LONGLONG*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE SetRate(double) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetRate(double*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetPreroll(LONGLONG*) override { return E_NOTIMPL; }
};
