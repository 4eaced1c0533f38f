#include "winfx/Wnd.h"

#include <map>

#include "base/Borders.h"
#include "base/Handles.h"
#include "winfx/WinApp.h"

extern "C" IMAGE_DOS_HEADER __ImageBase;

namespace {

const char kDefaultClass[] = "WinFxWnd";

// The permanent map: every attached window of this module, by handle.
std::map<HWND, CWnd*>& WindowMap() {
  static std::map<HWND, CWnd*> map;
  return map;
}

// The object being created on this thread, attached at its first message
// (WM_NCCREATE comes after WM_GETMINMAXINFO for some windows).
CWnd* g_pCreating = NULL;

// The object that a system-class window is subclassed onto by the creation
// hook, and the hook while it is set.
CWnd* g_pSubclassing = NULL;
HHOOK g_hCreationHook = NULL;

struct HookTraits {
  static HHOOK None() { return NULL; }
  static bool IsValid(HHOOK h) { return h != NULL; }
  static bool Free(HHOOK h) { return UnhookWindowsHookEx(h) != FALSE; }
};
typedef CHolder<HHOOK, HookTraits> CHookHandle;

}  // namespace

BOOL CWnd::RegisterDefaultClass() {
  WNDCLASSA existing;
  if (GetClassInfoA(WinFxModuleInstance(), kDefaultClass, &existing)) return TRUE;
  WNDCLASSA wc = {};
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = StaticWndProc;
  wc.hInstance = WinFxModuleInstance();
  wc.hCursor = LoadCursor(NULL, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  wc.lpszClassName = kDefaultClass;
  return RegisterClassA(&wc) != 0;
}

HINSTANCE WinFxModuleInstance() { return reinterpret_cast<HINSTANCE>(&__ImageBase); }

CWnd::CWnd() : m_hWnd(NULL), m_pfnSuper(NULL) {}

CWnd::~CWnd() {
  if (m_hWnd && IsWindow(m_hWnd)) DestroyWindow();
  if (m_hWnd) Detach();
}

CWnd* CWnd::FromHandle(HWND hWnd) {
  if (!hWnd) return NULL;
  std::map<HWND, CWnd*>::iterator it = WindowMap().find(hWnd);
  return it == WindowMap().end() ? NULL : it->second;
}

void CWnd::Attach(HWND hWnd) {
  m_hWnd = hWnd;
  WindowMap()[hWnd] = this;
}

void CWnd::Detach() {
  if (m_pfnSuper) {
    SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
    m_pfnSuper = NULL;
  }
  WindowMap().erase(m_hWnd);
  m_hWnd = NULL;
}

BOOL CWnd::Create(const char* className, const char* title, DWORD style, const RECT& rect,
                  HWND parent, UINT id, DWORD exStyle) {
  if (m_hWnd) return FALSE;
  if (!className) {
    if (!RegisterDefaultClass()) return FALSE;
    // The framework's own class: the object is attached during creation, so
    // it sees WM_NCCREATE and WM_CREATE.
    CWnd* previous = g_pCreating;
    g_pCreating = this;
    HWND hWnd = CreateWindowExA(exStyle, kDefaultClass, title ? title : "", style, rect.left,
                                rect.top, rect.right - rect.left, rect.bottom - rect.top, parent,
                                reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)),
                                WinFxModuleInstance(), NULL);
    g_pCreating = previous;
    if (!hWnd) {
      if (m_hWnd) Detach();
      return FALSE;
    }
    return TRUE;
  }
  // A system control class: subclassed onto this object by a creation hook
  // as soon as the window exists, before its WM_NCCREATE.
  CWnd* previous = g_pSubclassing;
  HHOOK previousHook = g_hCreationHook;
  g_pSubclassing = this;
  CHookHandle hook(SetWindowsHookExA(WH_CBT, CreationHook, NULL, GetCurrentThreadId()));
  g_hCreationHook = hook;
  HWND hWnd = CreateWindowExA(exStyle, className, title ? title : "", style, rect.left, rect.top,
                              rect.right - rect.left, rect.bottom - rect.top, parent,
                              reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)),
                              WinFxModuleInstance(), NULL);
  hook.Free();
  g_hCreationHook = previousHook;
  g_pSubclassing = previous;
  if (!hWnd) {
    if (m_hWnd) Detach();
    return FALSE;
  }
  // Without the hook (refused by the system) the window is subclassed now.
  if (!m_hWnd && !Subclass(hWnd)) {
    ::DestroyWindow(hWnd);
    return FALSE;
  }
  return m_hWnd == hWnd;
}

LRESULT CALLBACK CWnd::CreationHook(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_CREATEWND && g_pSubclassing && !g_pSubclassing->m_hWnd) {
    CWnd* wnd = g_pSubclassing;
    g_pSubclassing = NULL;  // only the first window: the control itself
    CallAtBorder("Window creation hook", FALSE,
                 [&] { return wnd->Subclass(reinterpret_cast<HWND>(wParam)); });
  }
  return CallNextHookEx(g_hCreationHook, code, wParam, lParam);
}

BOOL CWnd::WalkPreTranslateMessage(MSG* msg) {
  if (!msg) return FALSE;
  for (HWND hWnd = msg->hwnd; hWnd; hWnd = GetParent(hWnd)) {
    CWnd* wnd = FromHandle(hWnd);
    if (wnd && wnd->PreTranslateMessage(msg)) return TRUE;
  }
  return FALSE;
}

BOOL CWnd::Subclass(HWND hWnd) {
  if (m_hWnd || !hWnd || !IsWindow(hWnd) || FromHandle(hWnd)) return FALSE;
  Attach(hWnd);
  PreSubclassWindow();
  m_pfnSuper = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(StaticWndProc)));
  return TRUE;
}

HWND CWnd::Unsubclass() {
  HWND hWnd = m_hWnd;
  if (hWnd) Detach();
  return hWnd;
}

BOOL CWnd::DestroyWindow() {
  if (!m_hWnd) return FALSE;
  return ::DestroyWindow(m_hWnd);
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (ReflectToChild(message, wParam, lParam, &result)) return result;
  return DefWindowProc(message, wParam, lParam);
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (m_pfnSuper) return CallWindowProcA(m_pfnSuper, m_hWnd, message, wParam, lParam);
  return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::OnChildNotify(UINT, WPARAM, LPARAM, LRESULT*) { return FALSE; }

BOOL CWnd::ReflectToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  HWND child = NULL;
  if (message == WM_NOTIFY && lParam)
    child = reinterpret_cast<NMHDR*>(lParam)->hwndFrom;
  else if (message == WM_DRAWITEM && lParam)
    child = reinterpret_cast<DRAWITEMSTRUCT*>(lParam)->hwndItem;
  else if (message == WM_COMMAND)
    child = reinterpret_cast<HWND>(lParam);  // NULL for menus and accelerators
  else if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC)
    child = reinterpret_cast<HWND>(lParam);
  else if (message == WM_HSCROLL || message == WM_VSCROLL)
    child = reinterpret_cast<HWND>(lParam);  // NULL for the window's own scroll bars
  CWnd* target = FromHandle(child);
  return target && target->OnChildNotify(message, wParam, lParam, result);
}

LRESULT CALLBACK CWnd::StaticWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
  CWnd* wnd = FromHandle(hWnd);
  if (!wnd && g_pCreating && !g_pCreating->m_hWnd) {
    wnd = g_pCreating;
    wnd->Attach(hWnd);
  }
  if (!wnd) return ::DefWindowProcA(hWnd, message, wParam, lParam);

  // A message whose handler threw is answered 0, as an unhandled one.
  LRESULT result = CallAtBorder("Window procedure", static_cast<LRESULT>(0),
                                [&] { return wnd->WindowProc(message, wParam, lParam); });

  if (message == WM_NCDESTROY)
    CallAtBorder("Window procedure", 0, [&] {
      wnd->OnFinalMessage(hWnd);
      return 0;
    });
  return result;
}

void CWnd::OnFinalMessage(HWND hWnd) {
  // The object stays, the window is gone; the program's message loop ends
  // with its main window.
  if (m_hWnd == hWnd) Detach();
  CWinFxApp* app = WinFxGetApp();
  if (app && app->GetMainWnd() == hWnd) PostQuitMessage(0);
  PostNcDestroy();
}
