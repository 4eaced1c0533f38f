// A fake filter graph for the preview player: rendering always works, Run
// and Stop answer what the test sets, and the video window records its owner,
// visibility and style. Events and seeking are the fakes of FakeGraphEvents.h.
// Lives on the test's stack: no counting; the player gets it through
// CDirectShowPlayer::SetGraphFactory(CFakeFilterGraph::Create) while it is
// Current().
#pragma once
#include <windows.h>
#include <control.h>
#include <strmif.h>

#include "tests/support/FakeGraphEvents.h"

class CFakeFilterGraph : public IGraphBuilder,
                         public CWithoutDispatch<IMediaControl>,
                         public CWithoutDispatch<IBasicAudio>,
                         public CWithoutDispatch<IVideoWindow> {
 public:
  HRESULT runResult = S_OK;
  HRESULT stopResult = S_OK;
  int runs = 0;
  int stops = 0;
  int created = 0;  // graphs made through the factory
  OAHWND videoOwner = 0;
  long videoVisible = OAFALSE;
  long videoStyle = WS_OVERLAPPEDWINDOW;
  CFakeMediaEvent events;
  CFakeMediaSeeking seeking;

  // The factory hands out this one graph while a test runs.
  static CFakeFilterGraph*& Current() {
    static CFakeFilterGraph* current = NULL;
    return current;
  }
  static HRESULT Create(IGraphBuilder** out) {
    if (!Current()) return E_FAIL;
    ++Current()->created;
    *out = static_cast<IGraphBuilder*>(Current());
    return S_OK;
  }

  // IUnknown (shared by every interface here)
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    *out = NULL;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IGraphBuilder) ||
        IsEqualIID(iid, IID_IFilterGraph))
      *out = static_cast<IGraphBuilder*>(this);
    else if (IsEqualIID(iid, IID_IMediaControl))
      *out = static_cast<IMediaControl*>(this);
    else if (IsEqualIID(iid, IID_IBasicAudio))
      *out = static_cast<IBasicAudio*>(this);
    else if (IsEqualIID(iid, IID_IVideoWindow))
      *out = static_cast<IVideoWindow*>(this);
    else if (IsEqualIID(iid, IID_IMediaEventEx) || IsEqualIID(iid, IID_IMediaEvent))
      *out = static_cast<IMediaEventEx*>(&events);
    else if (IsEqualIID(iid, IID_IMediaSeeking))
      *out = static_cast<IMediaSeeking*>(&seeking);
    return *out ? S_OK : E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }

  // IFilterGraph, IGraphBuilder
  HRESULT STDMETHODCALLTYPE AddFilter(IBaseFilter*, LPCWSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE RemoveFilter(IBaseFilter*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE EnumFilters(IEnumFilters**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE FindFilterByName(LPCWSTR, IBaseFilter**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE ConnectDirect(IPin*, IPin*, const AM_MEDIA_TYPE*) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE Reconnect(IPin*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Disconnect(IPin*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE SetDefaultSyncSource() override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Connect(IPin*, IPin*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Render(IPin*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE RenderFile(LPCWSTR, LPCWSTR) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE AddSourceFilter(LPCWSTR, LPCWSTR, IBaseFilter**) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE SetLogFile(DWORD_PTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Abort() override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE ShouldOperationContinue() override { return S_OK; }

  // IMediaControl
  HRESULT STDMETHODCALLTYPE Run() override {
    ++runs;
    return runResult;
  }
  HRESULT STDMETHODCALLTYPE Pause() override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Stop() override {
    ++stops;
    return stopResult;
  }
  HRESULT STDMETHODCALLTYPE GetState(LONG, OAFilterState*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE RenderFile(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE AddSourceFilter(BSTR, IDispatch**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_FilterCollection(IDispatch**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_RegFilterCollection(IDispatch**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE StopWhenReady() override { return E_NOTIMPL; }

  // IBasicAudio
  HRESULT STDMETHODCALLTYPE put_Volume(long) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE get_Volume(long*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_Balance(long) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE get_Balance(long*) override { return E_NOTIMPL; }

  // IVideoWindow
  HRESULT STDMETHODCALLTYPE put_Caption(BSTR) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE get_Caption(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_WindowStyle(long style) override {
    videoStyle = style;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_WindowStyle(long* style) override {
    *style = videoStyle;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE put_WindowStyleEx(long) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE get_WindowStyleEx(long*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_AutoShow(long) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE get_AutoShow(long*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_WindowState(long) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE get_WindowState(long*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_BackgroundPalette(long) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE get_BackgroundPalette(long*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_Visible(long visible) override {
    videoVisible = visible;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_Visible(long* visible) override {
    *visible = videoVisible;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE put_Left(long) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE get_Left(long*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_Width(long) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE get_Width(long*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_Top(long) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE get_Top(long*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_Height(long) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE get_Height(long*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_Owner(OAHWND owner) override {
    videoOwner = owner;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_Owner(OAHWND* owner) override {
    *owner = videoOwner;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE put_MessageDrain(OAHWND) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE get_MessageDrain(OAHWND*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_BorderColor(long*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_BorderColor(long) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE get_FullScreenMode(long*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_FullScreenMode(long) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE SetWindowForeground(long) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE NotifyOwnerMessage(OAHWND, long, LONG_PTR, LONG_PTR) override {
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE SetWindowPosition(long, long, long, long) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE GetWindowPosition(long*, long*, long*, long*) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE GetMinIdealImageSize(long*, long*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetMaxIdealImageSize(long*, long*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetRestorePosition(long*, long*, long*, long*) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE HideCursor(long) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE IsCursorHidden(long*) override { return E_NOTIMPL; }
};
