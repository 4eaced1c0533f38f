#include "engines/mux/GraphConverter.h"

#include <stdio.h>
#include <string.h>
#include <amvideo.h>
#include <qedit.h>
#include <uuids.h>

#include "base/Handles.h"
#include "base/MessagePump.h"
#include "engines/mux/GraphWait.h"
#include "engines/mux/SnapshotPixels.h"

void STDMETHODCALLTYPE CGraphConverter::Reset() {
  m_aviMux.Release();
  m_interleaving.Release();
  m_mediaFilter.Release();
  m_events.Release();
  m_seeking.Release();
  m_control.Release();
  for (CComPtr<IBaseFilter>& decoder : m_decoders) decoder.Release();
  m_audioGrabber.Release();
  m_videoGrabber.Release();
  m_audioCompressor.Release();
  m_videoCompressor.Release();
  m_fileSink.Release();
  m_writer.Release();
  m_mux.Release();
  m_builder.Release();
  m_graph.Release();
}

int CGraphConverter::WaitForCompletion(IGraphBuilder* graph, IConvertProgress* progress) {
  if (!graph) return -1;
  CComPtr<IMediaEvent> events;
  if (FAILED(graph->QueryInterface(IID_IMediaEvent, events.Out()))) {
    printf("QI failed for IMediaEvent interface!\n");
    return 0;
  }
  if (!m_seeking) graph->QueryInterface(IID_IMediaSeeking, m_seeking.Out());
  return WaitForGraphEvents(events, m_seeking, progress);
}

namespace {
bool SnapshotFormatOf(const GUID& subtype, SnapshotFormat* format) {
  if (subtype == MEDIASUBTYPE_RGB24) *format = kSnapshotRGB24;
  else if (subtype == MEDIASUBTYPE_RGB32 || subtype == MEDIASUBTYPE_ARGB32) *format = kSnapshotRGB32;
  else if (subtype == MEDIASUBTYPE_RGB565) *format = kSnapshotRGB565;
  else if (subtype == MEDIASUBTYPE_RGB555) *format = kSnapshotRGB555;
  else return false;
  return true;
}

// The media type that the grabber holds, given back on leaving.
struct CGrabberType {
  AM_MEDIA_TYPE type = {};
  ~CGrabberType() { FreeMediaType(type); }
};
}  // namespace

HRESULT STDMETHODCALLTYPE CGraphConverter::GetSnapshot(HGLOBAL* dib) {
  if (!dib || !m_videoGrabber) return E_FAIL;
  CComPtr<ISampleGrabber> grabber;
  if (FAILED(m_videoGrabber->QueryInterface(IID_ISampleGrabber, grabber.Out()))) return E_FAIL;
  grabber->SetBufferSamples(TRUE);
  CGrabberType connected;
  if (FAILED(grabber->GetConnectedMediaType(&connected.type))) return E_FAIL;
  SnapshotFormat format;
  if (!SnapshotFormatOf(connected.type.subtype, &format) ||
      connected.type.formattype != FORMAT_VideoInfo ||
      connected.type.cbFormat < sizeof(VIDEOINFOHEADER) || !connected.type.pbFormat)
    return E_FAIL;
  const BITMAPINFOHEADER& header = ((VIDEOINFOHEADER*)connected.type.pbFormat)->bmiHeader;
  int width = header.biWidth, height = header.biHeight < 0 ? -header.biHeight : header.biHeight;
  if (width <= 0 || height <= 0) return E_FAIL;
  long size = 0;
  if (FAILED(grabber->GetCurrentBuffer(&size, NULL)) || size <= 0) return E_FAIL;
  CGlobalMemory buffer(GlobalAlloc(GMEM_FIXED, size));
  if (!buffer.IsValid() || FAILED(grabber->GetCurrentBuffer(&size, (long*)buffer.Get())))
    return E_FAIL;
  size_t pixels = (size_t)width * (size_t)height;
  CGlobalMemory memory(GlobalAlloc(GMEM_MOVEABLE, pixels * 3 + 54));
  if (!memory.IsValid()) return E_FAIL;
  BYTE* out = (BYTE*)GlobalLock(memory);
  if (!out) return E_FAIL;
  WriteSnapshotHeader(width, height, out);
  bool converted = ConvertSnapshotPixels(format, (const BYTE*)buffer.Get(), (size_t)size, pixels,
                                         out + 54);
  GlobalUnlock(memory);
  if (!converted) return E_FAIL;
  *dib = memory.Detach();
  return S_OK;
}
