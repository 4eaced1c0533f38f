// Dialogs from .rc templates of a given module. The dialog procedure stores
// the object at WM_INITDIALOG; from then on the dialog is in the window map
// like any CWnd, so its controls' notifications are reflected to them.
#pragma once
#include "winfx/Wnd.h"

class CDialog : public CWnd {
 public:
  CDialog(HINSTANCE instance, UINT templateId) : m_hTemplateInstance(instance), m_nTemplateId(templateId) {}

  // Modal: runs until EndDialog; the EndDialog code, or -1 when the template
  // could not be loaded.
  INT_PTR DoModal(HWND owner);
  // Modeless: FALSE when the template could not be loaded.
  BOOL CreateModeless(HWND owner);
  void EndDialog(INT_PTR code) { ::EndDialog(m_hWnd, code); }

 protected:
  // TRUE lets the system set the focus.
  virtual BOOL OnInitDialog() { return TRUE; }
  // Every message after WM_INITDIALOG; the dialog-procedure answer (FALSE:
  // not handled). IDOK and IDCANCEL end a modal dialog by default.
  virtual INT_PTR DialogProc(UINT message, WPARAM wParam, LPARAM lParam);

  HINSTANCE m_hTemplateInstance;
  UINT m_nTemplateId;

 private:
  static INT_PTR CALLBACK StaticDialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
  BOOL m_bModal = FALSE;
};
