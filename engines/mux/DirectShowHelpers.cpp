#include "engines/mux/DirectShowHelpers.h"

#include <stdio.h>
#include <uuids.h>

// The DMO headers define their GUIDs in place; this file is their home.
#include <initguid.h>
#include <dmodshow.h>

#include "base/ComPtr.h"
#include "base/MessagePump.h"

HRESULT CreateFilterGraph(IGraphBuilder** out) {
  if (!out) return E_POINTER;
  HRESULT hr = CoCreateInstance(CLSID_FilterGraph, NULL, CLSCTX_INPROC_SERVER, IID_IGraphBuilder,
                                (void**)out);
  if (FAILED(hr)) {
    printf("CreateFilterGraph: Failed to create graph!  hr=0x%x\n", (unsigned)hr);
    *out = NULL;
  }
  return hr;
}

HRESULT CreateFilter(REFCLSID clsid, IBaseFilter** out) {
  if (!out) return E_POINTER;
  HRESULT hr = CoCreateInstance(clsid, NULL, CLSCTX_INPROC_SERVER, IID_IBaseFilter, (void**)out);
  if (FAILED(hr)) {
    printf("CreateFilter: Failed to create filter!  hr=0x%x\n", (unsigned)hr);
    *out = NULL;
  }
  return hr;
}

HRESULT CreateDMOWrapperFilter(REFGUID category, REFCLSID dmo, IBaseFilter** out) {
  if (!out) return E_POINTER;
  *out = NULL;
  CComPtr<IBaseFilter> filter;
  HRESULT hr = CoCreateInstance(CLSID_DMOWrapperFilter, NULL, CLSCTX_INPROC_SERVER, IID_IBaseFilter,
                                filter.Out());
  if (FAILED(hr)) return hr;
  CComPtr<IDMOWrapperFilter> wrapper;
  hr = filter->QueryInterface(IID_IDMOWrapperFilter, wrapper.Out());
  if (FAILED(hr)) return hr;
  hr = wrapper->Init(dmo, category);
  if (FAILED(hr)) return hr;
  *out = filter.Detach();
  return S_OK;
}

HRESULT GetPin(IBaseFilter* filter, PIN_DIRECTION direction, int n, IPin** out) {
  if (!filter || !out) return E_POINTER;
  *out = NULL;
  CComPtr<IEnumPins> pins;
  HRESULT hr = filter->EnumPins(&pins);
  if (FAILED(hr)) return hr;
  for (;;) {
    CComPtr<IPin> pin;
    if (pins->Next(1, &pin, NULL) != S_OK) return E_FAIL;
    PIN_DIRECTION its;
    if (FAILED(pin->QueryDirection(&its)) || its != direction) continue;
    if (n-- == 0) {
      *out = pin.Detach();
      return S_OK;
    }
  }
}

namespace {
bool OffersMajorType(IPin* pin, REFGUID majorType) {
  CComPtr<IEnumMediaTypes> types;
  if (FAILED(pin->EnumMediaTypes(&types))) return false;
  AM_MEDIA_TYPE* type = NULL;
  while (types->Next(1, &type, NULL) == S_OK) {
    bool match = type->majortype == majorType;
    FreeMediaType(*type);
    CoTaskMemFree(type);
    if (match) return true;
  }
  return false;
}
}  // namespace

IPin* GetInputPinByMajorType(IBaseFilter* filter, REFGUID majorType) {
  for (int n = 0;; ++n) {
    CComPtr<IPin> pin;
    if (FAILED(GetPin(filter, PINDIR_INPUT, n, &pin))) return NULL;
    CComPtr<IPin> upstream;
    if (FAILED(pin->ConnectedTo(&upstream)) || !upstream) continue;  // not connected
    if (OffersMajorType(upstream, majorType)) return pin.Detach();
  }
}
