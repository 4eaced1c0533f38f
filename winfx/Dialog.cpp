#include "winfx/Dialog.h"

#include "base/Borders.h"

CDialog::~CDialog() {
  if (m_hWnd && IsWindow(m_hWnd)) ::DestroyWindow(m_hWnd);
}

INT_PTR CDialog::DoModal(HWND owner) {
  m_bModal = TRUE;
  return DialogBoxParamA(m_hTemplateInstance, MAKEINTRESOURCEA(m_nTemplateId), owner,
                         StaticDialogProc, reinterpret_cast<LPARAM>(this));
}

BOOL CDialog::CreateModeless(HWND owner) {
  m_bModal = FALSE;
  return CreateDialogParamA(m_hTemplateInstance, MAKEINTRESOURCEA(m_nTemplateId), owner,
                            StaticDialogProc, reinterpret_cast<LPARAM>(this)) != NULL;
}

BOOL CDialog::OnCommand(int, int itemId, LPARAM) {
  switch (itemId) {
    case IDOK:
      OnOK();
      return TRUE;
    case IDCANCEL:
      OnCancel();
      return TRUE;
    default:
      return FALSE;
  }
}

BOOL CDialog::OnNotify(UINT, NMHDR*, LRESULT*) { return FALSE; }

BOOL CDialog::OnTimer(WPARAM, LPARAM) { return FALSE; }

void CDialog::OnOK() {
  if (m_bModal) EndDialog(IDOK);
}

void CDialog::OnCancel() {
  if (m_bModal) EndDialog(IDCANCEL);
}

INT_PTR CDialog::OnMessage(UINT, WPARAM, LPARAM) { return FALSE; }

INT_PTR CDialog::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      return OnCommand(HIWORD(wParam), LOWORD(wParam), lParam);
    case WM_NOTIFY: {
      LRESULT result = 0;
      if (!lParam ||
          !OnNotify(static_cast<UINT>(wParam), reinterpret_cast<NMHDR*>(lParam), &result))
        return FALSE;
      SetWindowLongPtrA(m_hWnd, DWLP_MSGRESULT, result);
      return TRUE;
    }
    case WM_TIMER:
      return OnTimer(wParam, lParam);
    default:
      return OnMessage(message, wParam, lParam);
  }
}

INT_PTR CALLBACK CDialog::StaticDialogProc(HWND hWnd, UINT message, WPARAM wParam,
                                           LPARAM lParam) {
  // A message whose handler threw counts as not handled (a dialog whose
  // WM_INITDIALOG threw is left without a focus set).
  return CallAtBorder("Dialog procedure", static_cast<INT_PTR>(FALSE),
                      [&] { return DialogProc(hWnd, message, wParam, lParam); });
}

INT_PTR CDialog::DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
  CDialog* dialog = NULL;
  if (message == WM_INITDIALOG) {
    dialog = reinterpret_cast<CDialog*>(lParam);
    if (!dialog) return FALSE;
    dialog->Attach(hWnd);
    return dialog->OnInit();
  }
  dialog = static_cast<CDialog*>(FromHandle(hWnd));
  if (!dialog) return FALSE;

  LRESULT reflected = 0;
  if (ReflectToChild(message, wParam, lParam, &reflected)) {
    // A dialog procedure answers the colour messages with the brush itself;
    // the others through the message result.
    if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC)
      return static_cast<INT_PTR>(reflected);
    SetWindowLongPtrA(hWnd, DWLP_MSGRESULT, reflected);
    return TRUE;
  }
  INT_PTR handled = dialog->Dispatch(message, wParam, lParam);
  if (message == WM_NCDESTROY) dialog->OnFinalMessage(hWnd);
  return handled;
}
