#include "modules/framework/views/PlaybackModule.h"

#include "include/VarnoModuleEvents.h"

CPlaybackModule::CPlaybackModule(CTaskList& taskList, bool announcePlayStart)
    : CConversionModule(taskList), m_bAnnouncePlayStart(announcePlayStart) {}

CPlaybackModule::~CPlaybackModule() {
  FreePlaybackView();
  m_pPlayer.reset();
}

BOOL CPlaybackModule::QueryPlaybackInterface(const IID* iid, void** out, HRESULT* hr) {
  if (IsEqualIID(*iid, IID_IPlayer)) {
    *out = static_cast<IPlayer*>(this);
    *hr = S_OK;
    return TRUE;
  }
  return QueryCommonInterface(iid, out, hr);
}

void CPlaybackModule::StartPlayer() {
  if (m_pPlayer) return;
  m_pPlayer.reset(new CDirectShowPlayer());
  m_pPlayer->Init();
}

void CPlaybackModule::EndPlayer() {
  if (!m_pPlayer) return;
  if (m_pPlayer->IsPlaying()) m_pPlayer->CloseGraph();
  m_pPlayer->Cleanup();
  m_pPlayer.reset();
}

HRESULT CPlaybackModule::CreatePlaybackView(std::unique_ptr<CSkinWnd> view, HWND hParent,
                                            const RECT* rect, IConverterView** out) {
  if (!out) return E_POINTER;
  if (m_pPlaybackView) return E_FAIL;  // one playback window per module
  m_pPlaybackView = std::move(view);
  if (!m_pPlaybackView->Create(rect, hParent, NULL)) {
    FreePlaybackView();
    return E_FAIL;
  }
  m_pPlaybackView->SetNotify(static_cast<IModuleNotify*>(this));
  if (m_pPlayer) m_pPlayer->SetOwner(m_pPlaybackView->m_hWnd);
  *out = static_cast<IConverterView*>(m_pPlaybackView.get());
  return S_OK;
}

void CPlaybackModule::FreePlaybackView() {
  if (!m_pPlaybackView) return;
  if (m_pPlayer && m_pPlayer->GetOwner() == m_pPlaybackView->m_hWnd) {
    // The graph must not outlive its window: stopped and released, its video
    // window no longer a child and its events no longer sent here.
    m_pPlayer->Cleanup();
    m_pPlayer->SetOwner(NULL);
  }
  m_pPlaybackView->DestroyWindow();
  m_pPlaybackView.reset();
}

HRESULT CPlaybackModule::DestroyView(IConverterView* view) {
  if (!view) return E_POINTER;
  if (m_pPlaybackView && view == static_cast<IConverterView*>(m_pPlaybackView.get())) {
    HRESULT hr = CConverterModuleBase::DestroyView(view);
    FreePlaybackView();
    return hr;
  }
  return CConversionModule::DestroyView(view);
}

HRESULT CPlaybackModule::Play() {
  if (!m_pPlayer || !TaskListView()) return E_FAIL;
  int row = FirstSelectedRow();
  if (row < 0) return E_FAIL;
  CTaskRecord* task = m_taskList.GetTask(row);
  if (!task || !m_pPlayer->PlayFile(task->sourcePath.c_str())) return E_FAIL;
  if (m_bAnnouncePlayStart) Notify(MEV_PLAY_STARTING, 0, 0, 0);
  if (m_pPlaybackView) ShowWindow(m_pPlaybackView->m_hWnd, SW_SHOW);
  return S_OK;
}

HRESULT CPlaybackModule::Stop() {
  if (!m_pPlayer) return E_FAIL;
  // A graph that refused to stop is released and playback is over all the
  // same: the window goes out of sight in both cases.
  BOOL stopped = m_pPlayer->CloseGraph();
  if (m_pPlaybackView) ShowWindow(m_pPlaybackView->m_hWnd, SW_HIDE);
  return stopped ? S_OK : E_FAIL;
}

HRESULT CPlaybackModule::HandleGraphEvent() {
  return m_pPlayer ? m_pPlayer->HandleGraphEvents() : E_FAIL;
}

BOOL CPlaybackModule::IsPlaying() { return m_pPlayer ? m_pPlayer->IsPlaying() : FALSE; }

BOOL CPlaybackModule::GetPosition() { return m_pPlayer ? m_pPlayer->RefreshDuration() : FALSE; }

BOOL CPlaybackModule::Seek(int percent) {
  if (!m_pPlayer || percent < 0 || percent > 100) return FALSE;
  return m_pPlayer->Seek(percent);
}

void CPlaybackModule::CompletePlayProgress(INT_PTR* p1, INT_PTR* p2) {
  *p1 = m_pPlayer ? m_pPlayer->GetPosition() : 0;
  m_positionText = m_pPlayer ? m_pPlayer->GetPositionText() : std::string();
  *p2 = reinterpret_cast<INT_PTR>(m_positionText.c_str());
}
