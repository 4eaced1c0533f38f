// The generic skinned child window with IConverterView: the playback window
// of a module derives from it. It turns the player's messages into module
// events: WM_APP + 1 (graph events), WM_APP + 2 (playback ended) and the
// position timer.
#pragma once
#include "base/Uncounted.h"
#include "include/VarnoConverter.h"
#include "include/VarnoPlayerMessages.h"
#include "winfx/Wnd.h"

class CSkinWnd : public CWnd, public IConverterView {
 public:
  enum { kControlId = 4112 };

  CSkinWnd();

  // Created hidden (WS_CHILD only) in the framework's default class; the
  // skin data is not used.
  virtual BOOL Create(const RECT* rect, HWND parent, const char* skinData);
  void SetNotify(IModuleNotify* notify) { m_pNotify = notify; }
  const RECT& GetMargins() const { return m_margins; }

  int STDMETHODCALLTYPE OnParentEvent(int code, INT_PTR p1, INT_PTR p2, INT_PTR p3) override;
  void STDMETHODCALLTYPE UpdateUI(int, const char* names) override;
  HWND STDMETHODCALLTYPE GetViewWnd() override;
  HRESULT STDMETHODCALLTYPE GetViewName(char* buffer, int length) override;

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

  CUncounted<IModuleNotify> m_pNotify;  // the module that owns the view
  RECT m_margins;
};
