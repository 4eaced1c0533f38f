// MuxCast's engine: re-encodes a media file into an AVI file through a
// DirectShow graph, with the video and audio compressors that the user chose
// by their position in the system's compressor lists.
#pragma once
#include "engines/mux/CodecIndexConfig.h"
#include "engines/mux/GraphConverter.h"

class CRecompressConverter : public CGraphConverter {
 public:
  CRecompressConverter() : m_indices{-1, -1} {}
  ~CRecompressConverter() override { Reset(); }

  void STDMETHODCALLTYPE Release() override { delete this; }
  int STDMETHODCALLTYPE Reserved1() override { return 1; }
  int STDMETHODCALLTYPE GetInputFormats(FORMATROW** rows) override;
  int STDMETHODCALLTYPE GetOutputFormats(FORMATROW** rows) override;
  int STDMETHODCALLTYPE LoadConfigFile(const char* config) override;
  int STDMETHODCALLTYPE Convert(const char* output, const char* input,
                                IConvertProgress* progress) override;
  int STDMETHODCALLTYPE Reserved7(int, int) override { return 1; }
  HRESULT BuildGraph(const char* output, const char* input) override;
  HRESULT RunGraph(IConvertProgress* progress) override;

  virtual HRESULT InsertVideoCompressor(IPin* muxInput);
  virtual HRESULT InsertAudioCompressor(IPin* muxInput);
  virtual HRESULT BuildCompressionGraph(const char* output, const char* input);
  virtual void GetCompressor(int index, IBaseFilter** out, const GUID* category);

  const CodecIndices& Indices() const { return m_indices; }

 private:
  HRESULT InsertCompressor(IPin* muxInput, bool video);
  // The chosen compressor on the stream's own input, and once more on the
  // other stream's input when that fails.
  HRESULT InsertWithRetry(bool video, IPin* ownInput, IPin* otherInput);

  CodecIndices m_indices;
  // Set by a build that failed before the source was touched (no graph, no
  // capture graph builder, no multiplexer): no other file would do better.
  bool m_cannotSetUp = false;
};
