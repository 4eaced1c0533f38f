// The DirectShow objects of one recompression, the graph's run and its wait,
// and the snapshot of the current frame.
#pragma once
#include <windows.h>
#include <control.h>
#include <strmif.h>

#include "base/ComPtr.h"
#include "engines/mux/ConverterBase.h"

class CGraphConverter : public CConverterBase {
 public:
  void STDMETHODCALLTYPE Reset() override;
  HRESULT STDMETHODCALLTYPE GetSnapshot(HGLOBAL* dib) override;
  virtual HRESULT BuildGraph(const char* output, const char* input) { return 0; }
  virtual HRESULT RunGraph(IConvertProgress* progress) { return 0; }
  virtual int WaitForCompletion(IGraphBuilder* graph, IConvertProgress* progress);

 protected:
  // Declared in the order in which Reset gives them back: the graph's own
  // interfaces before the filters, the graph last.
  CComPtr<IGraphBuilder> m_graph;
  CComPtr<ICaptureGraphBuilder> m_builder;
  CComPtr<IBaseFilter> m_mux;
  CComPtr<IBaseFilter> m_writer;
  CComPtr<IFileSinkFilter> m_fileSink;
  CComPtr<IBaseFilter> m_videoCompressor;
  CComPtr<IBaseFilter> m_audioCompressor;
  CComPtr<IBaseFilter> m_videoGrabber;
  CComPtr<IBaseFilter> m_audioGrabber;
  CComPtr<IMediaControl> m_control;
  CComPtr<IMediaSeeking> m_seeking;
  CComPtr<IMediaEvent> m_events;
  CComPtr<IMediaFilter> m_mediaFilter;
  CComPtr<IConfigInterleaving> m_interleaving;
  CComPtr<IConfigAviMux> m_aviMux;
  static const int kDecoderCount = 7;
  CComPtr<IBaseFilter> m_decoders[kDecoderCount];
};
