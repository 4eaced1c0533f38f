#include "modules/framework/player/DirectShowPlayer.h"

#include <qedit.h>
#include <stdarg.h>
#include <stdio.h>
#include <string.h>

#include "base/BoundedCall.h"
#include "base/ComPtr.h"
#include "base/Strings.h"
#include "include/VarnoPlayerMessages.h"

namespace {
HRESULT CreatePlatformGraph(IGraphBuilder** out) {
  return CoCreateInstance(CLSID_FilterGraph, NULL, CLSCTX_INPROC_SERVER, IID_IGraphBuilder,
                          reinterpret_cast<void**>(out));
}
CDirectShowPlayer::PFN_CreateGraph g_createGraph = CreatePlatformGraph;
}  // namespace

void CDirectShowPlayer::SetGraphFactory(PFN_CreateGraph create) {
  g_createGraph = create ? create : CreatePlatformGraph;
}

CDirectShowPlayer::CDirectShowPlayer() : m_hOwner(NULL), m_llDuration(0), m_nState(kStopped) {}

CDirectShowPlayer::~CDirectShowPlayer() { ReleaseGraph(); }

void CDirectShowPlayer::DebugPrint(const char* format, ...) {
  char buffer[1024];
  va_list args;
  va_start(args, format);
  vsnprintf(buffer, sizeof(buffer), format, args);
  va_end(args);
  buffer[sizeof(buffer) - 1] = '\0';
  OutputDebugStringA(buffer);
}

HRESULT CDirectShowPlayer::CreateGraph() {
  HRESULT hr = g_createGraph(&m_pGB);
  if (FAILED(hr)) return hr;
  if (FAILED(hr = m_pGB->QueryInterface(IID_IMediaControl, m_pMC.Out())))
    return hr;
  if (FAILED(hr = m_pGB->QueryInterface(IID_IMediaSeeking, m_pMS.Out())))
    return hr;
  if (FAILED(hr = m_pGB->QueryInterface(IID_IMediaEventEx, m_pME.Out())))
    return hr;
  if (FAILED(hr = m_pGB->QueryInterface(IID_IBasicAudio, m_pBA.Out())))
    return hr;
  return m_pGB->QueryInterface(IID_IVideoWindow, m_pVW.Out());
}

BOOL CDirectShowPlayer::Init() {
  HRESULT hr = CreateGraph();
  if (FAILED(hr)) {
    ReleaseGraph();
    DebugPrint("Failed to initialize DirectShow!  hr=0x%x\r\n", static_cast<unsigned>(hr));
    return FALSE;
  }
  return TRUE;
}

void CDirectShowPlayer::DetachFromOwner() {
  KillPositionTimer();
  if (m_pME) m_pME->SetNotifyWindow(0, 0, 0);
  if (m_pVW) {
    long style = 0;
    m_pVW->get_WindowStyle(&style);
    m_pVW->put_WindowStyle((style & ~WS_CHILD) | WS_CAPTION | WS_THICKFRAME);
    m_pVW->put_Visible(OAFALSE);
    m_pVW->put_Owner(0);
  }
}

void CDirectShowPlayer::ReleaseGraph() {
  DetachFromOwner();
  m_pME.Release();
  StopGraph();
  m_pMC.Release();
  m_pMS.Release();
  m_pGB.Release();
  m_pBA.Release();
  m_pVW.Release();
}

// Only on a window: a timer without one is a thread timer with an id of the
// system's choosing, which KillTimer(NULL, PLAYER_TIMER_ID) never matches.
void CDirectShowPlayer::StartPositionTimer() {
  if (m_hOwner && IsWindow(m_hOwner)) SetTimer(m_hOwner, PLAYER_TIMER_ID, 1000, NULL);
}

void CDirectShowPlayer::KillPositionTimer() {
  if (m_hOwner && IsWindow(m_hOwner)) KillTimer(m_hOwner, PLAYER_TIMER_ID);
}

HRESULT CDirectShowPlayer::ResetGraph() {
  ReleaseGraph();
  return CreateGraph();
}

BOOL CDirectShowPlayer::IsWindowsMediaFile(const char* path) {
  if (!path) return FALSE;
  char lower[MAX_PATH];
  lstrcpynA(lower, path, sizeof(lower));
  CharLowerA(lower);
  return strstr(lower, ".asf") || strstr(lower, ".wma") || strstr(lower, ".wmv");
}

HRESULT CDirectShowPlayer::CreateFilter(REFCLSID clsid, IBaseFilter** out) {
  HRESULT hr = CoCreateInstance(clsid, NULL, CLSCTX_INPROC_SERVER, IID_IBaseFilter,
                                reinterpret_cast<void**>(out));
  if (FAILED(hr)) {
    DebugPrint("CreateFilter: Failed to create filter!  hr=0x%x\n", static_cast<unsigned>(hr));
    *out = NULL;
  }
  return hr;
}

HRESULT CDirectShowPlayer::RenderOutputPins(IGraphBuilder* graph, IBaseFilter* filter) {
  CComPtr<IEnumPins> pins;
  HRESULT hr = filter->EnumPins(&pins);
  if (FAILED(hr)) return hr;
  for (;;) {
    CComPtr<IPin> pin;
    hr = pins->Next(1, &pin, NULL);
    if (hr != S_OK) break;
    CComPtr<IPin> connected;
    hr = pin->ConnectedTo(&connected);
    if (hr == VFW_E_NOT_CONNECTED) {
      PIN_DIRECTION direction = PINDIR_INPUT;
      hr = pin->QueryDirection(&direction);
      if (SUCCEEDED(hr) && direction == PINDIR_OUTPUT) hr = graph->Render(pin);
    }
    if (FAILED(hr)) break;
  }
  return hr;
}

HRESULT CDirectShowPlayer::RenderWindowsMediaFile(const wchar_t* path) {
  CComPtr<IBaseFilter> reader;
  HRESULT hr = CreateFilter(CLSID_WMAsfReader, &reader);
  if (FAILED(hr)) {
    DebugPrint("Failed to create WMAsfReader filter!  hr=0x%x\n", static_cast<unsigned>(hr));
    return hr;
  }
  hr = m_pGB->AddFilter(reader, L"ASF Reader");
  if (FAILED(hr)) {
    DebugPrint("Failed to add ASF reader filter to graph!  hr=0x%x\n", static_cast<unsigned>(hr));
    return hr;
  }
  CComPtr<IFileSourceFilter> source;
  hr = reader->QueryInterface(IID_IFileSourceFilter, source.Out());
  if (FAILED(hr)) {
    DebugPrint("FAILED(0x%x) pReader->QueryInterface(IID_IFileSourceFilter, (void **) &pFS)\n",
               static_cast<unsigned>(hr));
  } else {
    hr = source->Load(path, NULL);
    if (FAILED(hr)) DebugPrint("FAILED(0x%x) pFS->Load(wFile, NULL)\n", static_cast<unsigned>(hr));
    source.Release();
  }
  if (SUCCEEDED(hr)) {
    hr = RenderOutputPins(m_pGB, reader);
    if (FAILED(hr))
      DebugPrint("FAILED(0x%x) RenderOutputPins(m_pGB, pReader)\n", static_cast<unsigned>(hr));
  }
  if (FAILED(hr)) m_pGB->RemoveFilter(reader);
  return hr;
}

HRESULT CDirectShowPlayer::RenderMediaFile(const char* path) {
  if (!m_pGB || !m_pME) return E_NOINTERFACE;
  std::wstring wide = Widen(path);
  HRESULT hr;
  if (IsWindowsMediaFile(path)) {
    hr = RenderWindowsMediaFile(wide.c_str());
    if (FAILED(hr)) hr = m_pGB->RenderFile(wide.c_str(), NULL);
    if (FAILED(hr)) {
      DebugPrint("*** Failed(%08lx) to Render WM File(%s)!\r\n", static_cast<unsigned long>(hr),
                 path);
      return hr;
    }
  } else {
    hr = m_pGB->RenderFile(wide.c_str(), NULL);
    if (FAILED(hr)) {
      DebugPrint("*** Failed(%08lx) in RenderFile(%s)!\r\n", static_cast<unsigned long>(hr), path);
      return hr;
    }
  }
  if (m_pVW) {
    RECT client = {};
    GetClientRect(m_hOwner, &client);
    long style = 0;
    m_pVW->get_WindowStyle(&style);
    m_pVW->put_WindowStyle((style & ~(WS_CAPTION | WS_THICKFRAME)) | WS_CHILD);
    m_pVW->put_Owner(reinterpret_cast<OAHWND>(m_hOwner));
    m_pVW->SetWindowPosition(0, 0, client.right - client.left, client.bottom - client.top);
    m_pVW->put_Visible(OATRUE);
    m_pVW->put_AutoShow(OATRUE);
  }
  hr = m_pME->SetNotifyWindow(reinterpret_cast<OAHWND>(m_hOwner), WM_PLAYER_GRAPH_EVENT, 0);
  StartPositionTimer();
  return hr;
}

namespace {

// The file's length through the media detector, on a thread of its own: a
// detector that hangs on the file must not take the window with it.
class CLengthJob : public CBoundedJob {
 public:
  explicit CLengthJob(const char* path) : m_path(Widen(path)) {}
  void Run() override {
    CComPtr<IMediaDet> detector;
    if (FAILED(CoCreateInstance(CLSID_MediaDet, NULL, CLSCTX_INPROC_SERVER, IID_IMediaDet,
                                detector.Out())))
      return;
    BSTR name = SysAllocString(m_path.c_str());
    if (name && SUCCEEDED(detector->put_Filename(name))) detector->get_StreamLength(&seconds);
    SysFreeString(name);
  }

  double seconds = 0;

 private:
  std::wstring m_path;
};

}  // namespace

bool CDirectShowPlayer::ReadDurationFromFile(const char* path) {
  std::unique_ptr<CBoundedJob> job(new CLengthJob(path));
  if (!RunBounded(&job, kProbeBoundMs)) return false;
  m_llDuration = static_cast<LONGLONG>(static_cast<CLengthJob&>(*job).seconds) * 10000000LL;
  return true;
}

BOOL CDirectShowPlayer::PlayFile(const char* path) {
  if (!path) return FALSE;
  ResetGraph();
  // The duration is this file's: none until it is read below. It is read
  // first: a file that the platform's detector does not answer for would
  // hang the graph's rendering the same way, and is not played.
  m_llDuration = 0;
  if (!ReadDurationFromFile(path)) {
    DebugPrint("*** The media detector did not answer for %s!\r\n", path);
    return FALSE;
  }
  if (FAILED(RenderMediaFile(path))) {
    DetachFromOwner();
    return FALSE;
  }
  if (FAILED(RunGraph())) {
    // A graph that does not run sends no progress and no events.
    DetachFromOwner();
    return FALSE;
  }
  return TRUE;
}

HRESULT CDirectShowPlayer::RunGraph() {
  if (!m_pMC) return E_NOINTERFACE;
  HRESULT hr = m_pMC->Run();
  if (FAILED(hr)) {
    DebugPrint("\r\n*** Failed(%08lx) in Run()!\r\n", static_cast<unsigned long>(hr));
    return hr;
  }
  m_nState = kRunning;
  return hr;
}

HRESULT CDirectShowPlayer::StopGraph() {
  if (!m_pMC) return E_NOINTERFACE;
  if (m_nState == kStopped) return S_OK;
  HRESULT hr = m_pMC->Stop();
  // Stopped either way: the caller releases a graph that refused to stop, and
  // a state left "playing" would keep Play disabled for good.
  m_nState = kStopped;
  if (FAILED(hr))
    DebugPrint("\r\n*** Failed(%08lx) in Stop()!\r\n", static_cast<unsigned long>(hr));
  return hr;
}

BOOL CDirectShowPlayer::CloseGraph() {
  if (m_pVW) {
    m_pVW->put_Visible(OAFALSE);
    m_pVW->put_AutoShow(OAFALSE);
  }
  KillPositionTimer();
  if (FAILED(StopGraph())) {
    ReleaseGraph();
    return FALSE;
  }
  return TRUE;
}

HRESULT CDirectShowPlayer::HandleGraphEvents() {
  if (!m_pME) return 0;
  // Kept for the loop: the owner may stop and release the graph while it
  // handles the end of playback.
  m_pME->AddRef();
  CComPtr<IMediaEventEx> events(m_pME.Get());
  HRESULT hr = S_OK;
  long code = 0;
  LONG_PTR param1 = 0, param2 = 0;
  while ((hr = events->GetEvent(&code, &param1, &param2, 0)) == S_OK) {
    // Playback is over when the stream completed and also when the graph
    // aborted with an error: the owner stops the player in both cases.
    if (code == EC_COMPLETE || code == EC_ERRORABORT)
      ::SendMessageA(m_hOwner, WM_PLAYER_ENDED, 0, 0);
    hr = events->FreeEventParams(code, param1, param2);
    if (FAILED(hr)) return hr;
  }
  // E_ABORT: no event left, the normal end of the loop.
  return hr == E_ABORT ? S_OK : hr;
}

int CDirectShowPlayer::GetPosition() {
  LONGLONG position = 0;
  if (!m_pMS || m_llDuration == 0 || FAILED(m_pMS->GetCurrentPosition(&position))) return 0;
  return static_cast<int>(position * 100 / m_llDuration);
}

std::string CDirectShowPlayer::GetPositionText() {
  LONGLONG position = 0;
  if (!m_pMS || FAILED(m_pMS->GetCurrentPosition(&position))) return std::string();
  int seconds = static_cast<int>(position / 10000000LL);
  char text[32];
  snprintf(text, sizeof(text), "%.2d:%.2d:%.2d", seconds / 3600, (seconds / 60) % 60,
           seconds % 60);
  return text;
}

BOOL CDirectShowPlayer::Seek(int percent) {
  if (!m_pMC || !m_pMS) return FALSE;
  LONGLONG position = m_llDuration * percent / 100;
  return SUCCEEDED(m_pMS->SetPositions(&position, AM_SEEKING_AbsolutePositioning, NULL,
                                       AM_SEEKING_NoPositioning));
}

BOOL CDirectShowPlayer::RefreshDuration() {
  m_llDuration = 0;
  if (!m_pMS) return FALSE;
  return SUCCEEDED(m_pMS->GetDuration(&m_llDuration));
}
