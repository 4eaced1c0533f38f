// Plain helpers of the recompression graph: creating the graph, filters and
// DMO wrappers, and finding pins.
#pragma once
#include <windows.h>
#include <strmif.h>

HRESULT CreateFilterGraph(IGraphBuilder** out);
HRESULT CreateFilter(REFCLSID clsid, IBaseFilter** out);
HRESULT CreateDMOWrapperFilter(REFGUID category, REFCLSID dmo, IBaseFilter** out);
// The n-th pin (from 0) of that direction; E_FAIL when there is none.
HRESULT GetPin(IBaseFilter* filter, PIN_DIRECTION direction, int n, IPin** out);
// The first connected input pin whose upstream pin offers a media type of
// that major type; NULL when none. The caller releases the pin.
IPin* GetInputPinByMajorType(IBaseFilter* filter, REFGUID majorType);
