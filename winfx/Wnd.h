// Windows over HWNDs: one CWnd object per window, found through a permanent
// HWND-to-object map. A window is either created by the framework (the static
// window procedure attaches the object at WM_NCCREATE) or an existing control
// subclassed onto an object. Notifications that a child sends to its parent
// (WM_NOTIFY, WM_DRAWITEM, WM_COMMAND from a control, WM_CTLCOLOR*, and
// WM_HSCROLL / WM_VSCROLL from a trackbar or scroll-bar control) are first
// offered to the child's own object, found by the child's handle - never by
// control id, since skinned children all carry id 0.
#pragma once
#include <windows.h>

class CWnd {
 public:
  CWnd();
  // Destroys a window that is still attached.
  virtual ~CWnd();
  CWnd(const CWnd&) = delete;
  CWnd& operator=(const CWnd&) = delete;

  // className NULL gives the framework's default child class of the module
  // that links this code; a system class is subclassed onto this object while
  // it is being created, so either way the object sees WM_NCCREATE and
  // WM_CREATE. FALSE when the window could not be made.
  BOOL Create(const char* className, const char* title, DWORD style, const RECT& rect,
              HWND parent, UINT id, DWORD exStyle = 0);
  // Attaches an existing window and routes its messages through WindowProc;
  // the window's own procedure remains the default handling.
  BOOL Subclass(HWND hWnd);
  // Gives the window its own procedure back and detaches it.
  HWND Unsubclass();
  virtual BOOL DestroyWindow();

  // A message before it is dispatched: TRUE when this window consumed it.
  virtual BOOL PreTranslateMessage(MSG*) { return FALSE; }
  // Offers the message to the object of its target window, then to those of
  // the target's parents in turn, until one consumes it.
  static BOOL WalkPreTranslateMessage(MSG* msg);

  operator HWND() const { return m_hWnd; }
  // The object of a window of this module's map; NULL for any other window.
  static CWnd* FromHandle(HWND hWnd);

  LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
    return ::SendMessageA(m_hWnd, message, wParam, lParam);
  }

  HWND m_hWnd;

 protected:
  // Every message of the window. The default handling offers a child's
  // notification to the child first, then calls DefWindowProc; an override
  // that handles WM_NOTIFY itself calls it to keep the reflection.
  virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  // The window's own procedure (a subclassed control's) or the system's.
  LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  // A notification that this window sent to its parent, offered back to it.
  // TRUE with *result set ends the parent's handling.
  virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
  // Called before a subclassed window's messages come here.
  virtual void PreSubclassWindow() {}
  // After the last message (WM_NCDESTROY), with the object detached.
  virtual void PostNcDestroy() {}

 private:
  static LRESULT CALLBACK StaticWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK CreationHook(int code, WPARAM wParam, LPARAM lParam);
  static BOOL RegisterDefaultClass();
  static BOOL ReflectToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
  void Attach(HWND hWnd);
  void Detach();
  // WM_NCDESTROY: detaches, ends the message loop with the main window.
  void OnFinalMessage(HWND hWnd);

  WNDPROC m_pfnSuper;  // the subclassed window's own procedure, or NULL

  friend class CDialog;
};

// The instance handle of the module (program or library) that links this code:
// the owner of its window classes, menus and dialog templates.
HINSTANCE WinFxModuleInstance();
