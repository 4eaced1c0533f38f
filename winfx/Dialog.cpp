#include "winfx/Dialog.h"

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

INT_PTR CDialog::DialogProc(UINT message, WPARAM wParam, LPARAM) {
  if (message == WM_COMMAND && m_bModal &&
      (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
    EndDialog(LOWORD(wParam));
    return TRUE;
  }
  return FALSE;
}

INT_PTR CALLBACK CDialog::StaticDialogProc(HWND hWnd, UINT message, WPARAM wParam,
                                           LPARAM lParam) {
  CDialog* dialog = NULL;
  if (message == WM_INITDIALOG) {
    dialog = reinterpret_cast<CDialog*>(lParam);
    if (!dialog) return FALSE;
    dialog->Attach(hWnd);
    return dialog->OnInitDialog();
  }
  dialog = static_cast<CDialog*>(FromHandle(hWnd));
  if (!dialog) return FALSE;

  LRESULT reflected = 0;
  if (ReflectToChild(message, wParam, lParam, &reflected)) {
    SetWindowLongPtrA(hWnd, DWLP_MSGRESULT, reflected);
    return TRUE;
  }
  INT_PTR handled = dialog->DialogProc(message, wParam, lParam);
  if (message == WM_NCDESTROY) dialog->OnFinalMessage(hWnd);
  return handled;
}
