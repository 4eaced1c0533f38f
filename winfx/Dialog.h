// Dialogs from .rc templates of a given module: the program's or a library's
// own, so each library shows the dialogs of its own resource script. The
// dialog procedure stores the object at WM_INITDIALOG; from then on the
// dialog is in the window map like any CWnd, so its controls' notifications
// are reflected to them first, and what is left goes to the handlers below.
#pragma once
#include "winfx/Wnd.h"

class CDialog : public CWnd {
 public:
  CDialog(HINSTANCE instance, UINT templateId) : m_hTemplateInstance(instance), m_nTemplateId(templateId) {}
  // Destroys a dialog that is still open while its messages can still reach
  // this class's handlers: under ~CWnd they would be called through a table
  // that has no such entries.
  ~CDialog() override;

  // Modal: runs until EndDialog; the EndDialog code, or -1 when the template
  // could not be loaded.
  INT_PTR DoModal(HWND owner);
  // Modeless: FALSE when the template could not be loaded.
  BOOL CreateModeless(HWND owner);
  void EndDialog(INT_PTR code) { ::EndDialog(m_hWnd, code); }
  BOOL IsModal() const { return m_bModal; }

 protected:
  // WM_INITDIALOG. TRUE lets the system set the focus.
  virtual BOOL OnInit() { return TRUE; }
  // WM_COMMAND that no child took: TRUE when handled. By default IDOK and
  // IDCANCEL go to OnOK and OnCancel, whatever the notification code.
  virtual BOOL OnCommand(int code, int itemId, LPARAM lParam);
  // WM_NOTIFY that no child took: TRUE with *result set when handled.
  virtual BOOL OnNotify(UINT controlId, NMHDR* header, LRESULT* result);
  // WM_TIMER: TRUE when handled.
  virtual BOOL OnTimer(WPARAM timerId, LPARAM callback);
  // End a modal dialog with IDOK and IDCANCEL; a modeless one stays.
  virtual void OnOK();
  virtual void OnCancel();
  // Every other message; the dialog-procedure answer (FALSE: not handled).
  virtual INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam);

  HINSTANCE m_hTemplateInstance;
  UINT m_nTemplateId;

 private:
  static INT_PTR CALLBACK StaticDialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
  // The procedure itself, inside the border of StaticDialogProc.
  static INT_PTR DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
  INT_PTR Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
  BOOL m_bModal = FALSE;
};
