#include "modules/framework/views/SkinWnd.h"

#include "include/VarnoModuleEvents.h"
#include "include/VarnoViewNames.h"
#include "modules/framework/views/ViewHelpers.h"

CSkinWnd::CSkinWnd() : m_pNotify(NULL) { SetRectEmpty(&m_margins); }

BOOL CSkinWnd::Create(const RECT* rect, HWND parent, const char*) {
  if (!rect) return FALSE;
  m_margins = MarginsToParent(*rect, parent);
  return CWnd::Create(NULL, NULL, WS_CHILD, *rect, parent, kControlId);
}

LRESULT CSkinWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PLAYER_GRAPH_EVENT:
      if (m_pNotify) m_pNotify->Notify(MEV_GRAPH_EVENT, 0, 0, 0);
      break;
    case WM_PLAYER_ENDED:
      if (m_pNotify) m_pNotify->Notify(MEV_STOP, 0, 0, 0);
      KillTimer(m_hWnd, PLAYER_TIMER_ID);
      break;
    case WM_TIMER:
      if (wParam == PLAYER_TIMER_ID && m_pNotify) m_pNotify->Notify(MEV_PLAY_PROGRESS, 0, 0, 0);
      break;
  }
  return CWnd::WindowProc(message, wParam, lParam);
}

int CSkinWnd::OnParentEvent(int, INT_PTR, INT_PTR, INT_PTR) { return 0; }

void CSkinWnd::UpdateUI(int, const char*) {}

HWND CSkinWnd::GetViewWnd() { return m_hWnd; }

HRESULT CSkinWnd::GetViewName(char* buffer, int length) {
  return CopyViewName(kPlaybackWndViewName, buffer, length);
}
