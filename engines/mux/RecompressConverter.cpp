#include "engines/mux/RecompressConverter.h"

#include <stdio.h>
#include <qedit.h>
#include <uuids.h>

#include <string>

#include "base/LogClient.h"
#include "base/Paths.h"
#include "base/Strings.h"
#include "engines/mux/DirectShowHelpers.h"
#include "winfx/AppMessageBox.h"
#include "winfx/Seams.h"

// The sample grabber's class is in the import library but not in the
// cross compiler's header.
EXTERN_C const CLSID CLSID_SampleGrabber;

namespace {

FORMATROW g_inputRows[9] = {
    {"AVI", 32, 32}, {"AVI", 32, 4},  {"AVI", 4, 16}, {"ASF", 32, 32}, {"ASF", 32, 4},
    {"ASF", 16, 32}, {"ASF", 16, 4}, {"MOV", 8, 16}, {"MOV", 8, 4},
};
FORMATROW g_outputRows[7] = {
    {"AVI", 4, 16}, {"AVI", 8, 16}, {"AVI", 8, 4}, {"AVI", 16, 32},
    {"AVI", 32, 32}, {"AVI", 32, 4}, {"AVI", 16, 4},
};

const char kCaption[] = "MuxCast";
const REFERENCE_TIME kInterleaveTime = 5000000;  // half a second in 100-ns units

// Owned by the program's main window, which the engine is not handed: a box
// owned by none leaves that window free behind it.
void Box(const char* text) { VrcMessageBox(ThreadMainWindow(), text, kCaption, MB_OK); }

// The graph takes paths of MAX_PATH characters at most: a longer one is
// refused, since cut it would name another file.
bool Wide(const char* path, std::wstring* wide) {
  wchar_t buffer[MAX_PATH] = L"";
  if (!WidenPath(path, buffer, MAX_PATH)) {
    LogPrint(LOG_ERROR, "Path too long for the graph: %s\n", path);
    return false;
  }
  *wide = buffer;
  return true;
}

// The decoders added ahead of rendering, each only where it can be made.
struct DecoderRow {
  CLSID clsid;
  const GUID* dmoCategory;  // NULL: a plain filter
  const wchar_t* name;
};
const GUID kDmoAudioDecoder = {0x57f2db8b, 0xe6bb, 0x4513, {0x9d, 0x43, 0xdc, 0xd2, 0xa6, 0x59, 0x31, 0x25}};
const GUID kDmoVideoDecoder = {0x4a69b442, 0x28be, 0x4991, {0x96, 0x9c, 0xb5, 0x00, 0xad, 0xf5, 0xd8, 0xa8}};
const DecoderRow kDecoders[7] = {
    {{0x6AC7C19E, 0x8CA0, 0x4E3D, {0x9A, 0x9F, 0x28, 0x81, 0xDE, 0x29, 0xE0, 0xAC}}, NULL,
     L"AAC Decoder"},
    {{0x336475D0, 0x942A, 0x11CE, {0xA8, 0x70, 0x00, 0xAA, 0x00, 0x2F, 0xEA, 0xB5}}, NULL,
     L"MPEG1 Stream Splitter"},
    {{0x4A2286E0, 0x7BEF, 0x11CE, {0x9B, 0xD9, 0x00, 0x00, 0xE2, 0x02, 0x59, 0x9C}}, NULL,
     L"MPEG Audio Decoder"},
    {{0xFEB50740, 0x7BEF, 0x11CE, {0x9B, 0xD9, 0x00, 0x00, 0xE2, 0x02, 0x59, 0x9C}}, NULL,
     L"MPEG Video Decoder"},
    {{0x2EEB4ADF, 0x4578, 0x4D10, {0xBC, 0xA7, 0xBB, 0x95, 0x5F, 0x56, 0x32, 0x0A}},
     &kDmoAudioDecoder, L"WM Audio DMO Decoder"},
    {{0xCBA9E78B, 0x49A3, 0x49EA, {0x93, 0xD4, 0x6B, 0xCB, 0xA8, 0xC4, 0xDE, 0x07}},
     &kDmoVideoDecoder, L"WM MPEG43 DMO Decoder"},
    {{0x2A11BAE2, 0xFE6E, 0x4249, {0x86, 0x4B, 0x9E, 0x9E, 0xD6, 0xE8, 0xDB, 0xC2}},
     &kDmoVideoDecoder, L"WM MPEG4S DMO Decoder"},
};

bool InputMissing(const char* input) {
  DWORD attributes = GetFileAttributesA(input);
  return attributes == INVALID_FILE_ATTRIBUTES || attributes == FILE_ATTRIBUTE_DIRECTORY;
}

}  // namespace

int STDMETHODCALLTYPE CRecompressConverter::GetInputFormats(FORMATROW** rows) {
  if (rows) *rows = g_inputRows;
  return 9;
}

int STDMETHODCALLTYPE CRecompressConverter::GetOutputFormats(FORMATROW** rows) {
  if (rows) *rows = g_outputRows;
  return 7;
}

int STDMETHODCALLTYPE CRecompressConverter::LoadConfigFile(const char* config) {
  ParseCodecIndexConfig(config, &m_indices);
  return 1;
}

int STDMETHODCALLTYPE CRecompressConverter::Convert(const char* output, const char* input,
                                                    IConvertProgress* progress) {
  if (!output || !input) return 0;
  m_cannotSetUp = false;
  HRESULT hr = BuildGraph(output, input);
  if (FAILED(hr)) {
    LogPrint(LOG_ERROR, "Failed to build graph for %s! hr=0x%x\n", input, (unsigned)hr);
    return m_cannotSetUp ? ENGINE_CANNOT_SET_UP : 0;
  }
  hr = RunGraph(progress);
  if (FAILED(hr)) {
    LogPrint(LOG_ERROR, "Failed to run graph for %s! hr=0x%x\n", input, (unsigned)hr);
    return 0;
  }
  return 1;
}

HRESULT CRecompressConverter::BuildGraph(const char* output, const char* input) {
  return BuildCompressionGraph(output, input);
}

HRESULT CRecompressConverter::BuildCompressionGraph(const char* output, const char* input) {
  if (InputMissing(input)) {
    Box("The specified input file does not exist.\r\n\r\nPlease provide a valid media filename.");
    return E_FAIL;
  }
  std::wstring outputPath, inputPath;
  if (!Wide(output, &outputPath) || !Wide(input, &inputPath)) return E_INVALIDARG;
  HRESULT hr = CreateFilterGraph(&m_graph);
  if (FAILED(hr)) {
    m_cannotSetUp = true;  // no file of the batch will do better
    Box("Could not create a graph");
    LogPrint(LOG_WARNING, "Could not create a graph for %s! hr=0x%x\n", input, (unsigned)hr);
    return hr;
  }
  hr = CoCreateInstance(CLSID_CaptureGraphBuilder, NULL, CLSCTX_INPROC_SERVER,
                        IID_ICaptureGraphBuilder, m_builder.Out());
  if (SUCCEEDED(hr)) hr = m_builder->SetFiltergraph(m_graph);
  if (FAILED(hr)) {
    m_cannotSetUp = true;
    Box("Could not setup capture graph");
    LogPrint(LOG_WARNING, "Could not create a graph for %s! hr=0x%x\n", input, (unsigned)hr);
    return hr;
  }
  hr = m_builder->SetOutputFileName(&MEDIASUBTYPE_Avi, outputPath.c_str(), &m_mux, &m_fileSink);
  if (SUCCEEDED(hr) && m_fileSink) hr = m_fileSink->QueryInterface(IID_IBaseFilter, m_writer.Out());
  if (FAILED(hr) || !m_mux) {
    if (SUCCEEDED(hr)) hr = E_FAIL;
    m_cannotSetUp = true;
    Box("Cannot set up MUX and File Writer");
    LogPrint(LOG_WARNING, "Cannot set up MUX and File Writer for %s! hr=0x%x\n", output,
             (unsigned)hr);
    return hr;
  }
  for (int i = 0; i < kDecoderCount; ++i) {
    const DecoderRow& row = kDecoders[i];
    HRESULT made = row.dmoCategory
                       ? CreateDMOWrapperFilter(*row.dmoCategory, row.clsid, &m_decoders[i])
                       : CreateFilter(row.clsid, &m_decoders[i]);
    if (SUCCEEDED(made) && m_decoders[i]) m_graph->AddFilter(m_decoders[i], row.name);
  }
  hr = m_graph->RenderFile(inputPath.c_str(), NULL);
  if (FAILED(hr)) {
    Box("Could not load source filter for file");
    LogPrint(LOG_WARNING, "Failed to render source file:%s! hr=0x%x\n", input, (unsigned)hr);
    return E_FAIL;
  }
  CComPtr<IPin> audioInput(GetInputPinByMajorType(m_mux, MEDIATYPE_Audio));
  CComPtr<IPin> videoInput(GetInputPinByMajorType(m_mux, MEDIATYPE_Video));

  // A stream that the source lacks gets no compressor: trying the chosen
  // compressor on the other stream's input instead would cut that stream
  // off from the multiplexer.
  if (audioInput) {
    hr = InsertWithRetry(false, audioInput, videoInput);
    if (FAILED(hr)) return hr;
  }
  if (videoInput) {
    hr = InsertWithRetry(true, videoInput, audioInput);
    if (FAILED(hr)) return hr;
  }
  m_graph->QueryInterface(IID_IMediaControl, m_control.Out());
  m_graph->QueryInterface(IID_IMediaSeeking, m_seeking.Out());
  m_graph->QueryInterface(IID_IMediaEvent, m_events.Out());
  m_graph->QueryInterface(IID_IMediaFilter, m_mediaFilter.Out());
  m_mux->QueryInterface(IID_IConfigInterleaving, m_interleaving.Out());
  m_mux->QueryInterface(IID_IConfigAviMux, m_aviMux.Out());
  hr = m_interleaving ? m_interleaving->put_Mode(INTERLEAVE_NONE) : E_NOINTERFACE;
  if (FAILED(hr)) {
    Box("Could not set interleaving mode");
    LogPrint(LOG_WARNING, "Could not set interleaving mode! hr=0x%x\n", (unsigned)hr);
    return E_FAIL;
  }
  REFERENCE_TIME interleave = kInterleaveTime, preroll = kInterleaveTime;
  hr = m_interleaving->put_Interleaving(&interleave, &preroll);
  if (FAILED(hr)) {
    Box("Could not put interleave time");
    LogPrint(LOG_WARNING, "Could not put interleave time! hr=0x%x\n", (unsigned)hr);
    return E_FAIL;
  }
  if (m_aviMux) {
    m_aviMux->SetMasterStream(0);
    m_aviMux->SetOutputCompatibilityIndex(TRUE);
  }
  return S_OK;
}

HRESULT CRecompressConverter::InsertWithRetry(bool video, IPin* ownInput, IPin* otherInput) {
  struct Texts {
    const char* failed;
    const char* failedAgain;
    const char* box;
  };
  static const Texts kAudio = {"Failed to insert audio compressor! hr=0x%x\n",
                               "Failed to insert audio compressor again! hr=0x%x\n",
                               "Could not insert audio compressor"};
  static const Texts kVideo = {"Failed to Insert Video Compressor! hr=0x%x\n",
                               "Failed to Insert Video Compressor again! hr=0x%x\n",
                               "Could not insert video compressor"};
  const Texts& texts = video ? kVideo : kAudio;
  HRESULT hr = video ? InsertVideoCompressor(ownInput) : InsertAudioCompressor(ownInput);
  if (SUCCEEDED(hr)) return hr;
  LogPrint(LOG_WARNING, texts.failed, (unsigned)hr);
  hr = video ? InsertVideoCompressor(otherInput) : InsertAudioCompressor(otherInput);
  if (FAILED(hr)) {
    Box(texts.box);
    LogPrint(LOG_WARNING, texts.failedAgain, (unsigned)hr);
  }
  return hr;
}

HRESULT CRecompressConverter::InsertVideoCompressor(IPin* muxInput) {
  return InsertCompressor(muxInput, true);
}

HRESULT CRecompressConverter::InsertAudioCompressor(IPin* muxInput) {
  return InsertCompressor(muxInput, false);
}

HRESULT CRecompressConverter::InsertCompressor(IPin* muxInput, bool video) {
  if (!muxInput || (!video && !m_graph)) return E_POINTER;
  int index = video ? m_indices.video : m_indices.audio;
  if (index == -1) return S_FALSE;  // the stream stays as rendering connected it
  CComPtr<IBaseFilter>& compressor = video ? m_videoCompressor : m_audioCompressor;
  CComPtr<IBaseFilter>& grabber = video ? m_videoGrabber : m_audioGrabber;
  compressor.Release();
  GetCompressor(index, &compressor,
                video ? &CLSID_VideoCompressorCategory : &CLSID_AudioCompressorCategory);
  if (!compressor) return E_FAIL;
  HRESULT hr = m_graph->AddFilter(compressor, video ? L"Video Compressor" : L"Audio Compressor");
  if (FAILED(hr)) return hr;
  grabber.Release();
  if (FAILED(CreateFilter(CLSID_SampleGrabber, &grabber)) || !grabber) return E_FAIL;
  CComPtr<ISampleGrabber> grabberConfig;
  if (FAILED(grabber->QueryInterface(IID_ISampleGrabber, grabberConfig.Out()))) return E_FAIL;
  AM_MEDIA_TYPE type = {};
  type.majortype = video ? MEDIATYPE_Video : MEDIATYPE_Audio;
  type.subtype = video ? MEDIASUBTYPE_RGB32 : MEDIASUBTYPE_PCM;
  type.bFixedSizeSamples = TRUE;
  type.lSampleSize = 1;
  grabberConfig->SetMediaType(&type);
  hr = m_graph->AddFilter(grabber, video ? L"Video Grabber" : L"Audio Grabber");
  if (FAILED(hr)) return hr;
  CComPtr<IPin> upstream;
  if (FAILED(muxInput->ConnectedTo(&upstream)) || !upstream) return E_POINTER;
  CComPtr<IPin> grabberIn, grabberOut, compressorIn, compressorOut;
  if (FAILED(hr = GetPin(grabber, PINDIR_INPUT, 0, &grabberIn))) return hr;
  if (FAILED(hr = GetPin(grabber, PINDIR_OUTPUT, 0, &grabberOut))) return hr;
  if (FAILED(hr = GetPin(compressor, PINDIR_INPUT, 0, &compressorIn))) return hr;
  if (FAILED(hr = GetPin(compressor, PINDIR_OUTPUT, 0, &compressorOut))) return hr;
  m_graph->Disconnect(upstream);
  m_graph->Disconnect(muxInput);
  if (FAILED(hr = m_graph->Connect(upstream, grabberIn))) return hr;
  hr = video ? m_graph->Connect(grabberOut, compressorIn) : grabberOut->Connect(compressorIn, NULL);
  if (FAILED(hr)) return hr;
  hr = compressorOut->Connect(muxInput, NULL);
  return FAILED(hr) ? hr : S_OK;
}

void CRecompressConverter::GetCompressor(int index, IBaseFilter** out, const GUID* category) {
  if (!out) {
    Box("GetCompressor received invalid pointer");
    return;
  }
  *out = NULL;
  CComPtr<ICreateDevEnum> devices;
  if (FAILED(CoCreateInstance(CLSID_SystemDeviceEnum, NULL, CLSCTX_INPROC_SERVER, IID_ICreateDevEnum,
                              devices.Out()))) {
    Box("Failed to create system enumerator");
    return;
  }
  CComPtr<IEnumMoniker> monikers;
  if (devices->CreateClassEnumerator(*category, &monikers, 0) != S_OK || !monikers) {
    Box("Failed to create class enumerator");
    return;
  }
  monikers->Reset();
  for (int position = 0;; ++position) {
    CComPtr<IMoniker> moniker;
    if (monikers->Next(1, &moniker, NULL) != S_OK) return;  // fewer devices than index + 1
    if (position != index) continue;
    if (FAILED(moniker->BindToObject(NULL, NULL, IID_IBaseFilter, (void**)out))) {
      *out = NULL;
      Box("Failed to bind to object");
    }
    return;
  }
}

HRESULT CRecompressConverter::RunGraph(IConvertProgress* progress) {
  if (!m_control || !m_graph) return E_POINTER;
  HRESULT hr = m_control->Run();
  if (FAILED(hr)) {
    char text[128];
    wsprintfA(text, "Could not run compression graph! hr=0x%x\n", (unsigned)hr);
    Box(text);
    return E_FAIL;
  }
  int r = WaitForCompletion(m_graph, progress);
  hr = m_control->Stop();
  if (FAILED(hr)) printf("Failed to stop filter graph!  hr=0x%x\n", (unsigned)hr);
  return r == 1 ? S_OK : E_FAIL;
}
