#include "winfx/WinApp.h"

#include "base/Borders.h"
#include "winfx/Wnd.h"

namespace {
CWinFxApp* g_pApp = NULL;
}

CWinFxApp* WinFxGetApp() { return g_pApp; }

CWinFxApp::CWinFxApp()
    : m_hInstance(NULL), m_hMainWnd(NULL), m_nExitCode(0), m_argc(0), m_argv(NULL) {
  g_pApp = this;
}

CWinFxApp::~CWinFxApp() {
  if (g_pApp == this) g_pApp = NULL;
}

BOOL CWinFxApp::PreTranslateMessage(MSG* msg) {
  if (CWnd::WalkPreTranslateMessage(msg)) return TRUE;
  // A dialog as main window gets its keyboard navigation.
  if (m_hMainWnd && IsWindow(m_hMainWnd) && msg->message >= WM_KEYFIRST &&
      msg->message <= WM_KEYLAST && (msg->hwnd == m_hMainWnd || IsChild(m_hMainWnd, msg->hwnd)))
    return IsDialogMessageA(m_hMainWnd, msg);
  return FALSE;
}

int CWinFxApp::Run() {
  MSG msg;
  for (;;) {
    if (m_hMainWnd && !IsWindow(m_hMainWnd)) break;
    BOOL got = GetMessageA(&msg, NULL, 0, 0);
    if (got == 0) {
      m_nExitCode = static_cast<int>(msg.wParam);
      break;
    }
    if (got == -1) break;
    if (!PreTranslateMessage(&msg)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
  }
  return m_nExitCode;
}

int CWinFxApp::Main(HINSTANCE hInstance, int argc, char** argv) {
  m_hInstance = hInstance;
  m_argc = argc;
  m_argv = argv;
  // A start-up that throws ends quietly, through the same ExitInstance as
  // one that fails.
  if (CallAtBorder("Start-up", FALSE, [&] { return InitInstance(); }))
    CallAtBorder("Message loop", 0, [&] { return Run(); });
  return CallAtBorder("Shut-down", m_nExitCode, [&] { return ExitInstance(); });
}
