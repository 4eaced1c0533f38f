// A scroll-bar library that skins nothing: windows keep the system's own
// scroll bars, and no WM_NOTIFY is ever claimed as handled.
#include "stand-ins/skinscrollbar/SkinScrollBar.h"

BOOL WINAPI SkinSB_InitializeApp(void) { return TRUE; }
BOOL WINAPI SkinSB_UninitializeApp(void) { return TRUE; }
BOOL WINAPI SkinSB_LoadSkin(const char*, const char*) { return TRUE; }
BOOL WINAPI SkinSB_InitializeScrollBar(HWND) { return TRUE; }
BOOL WINAPI SkinSB_UnInitializeScrollBar(HWND) { return TRUE; }
LRESULT WINAPI SkinSB_ParentWndProc(HWND, UINT, WPARAM, LPARAM) { return 0; }

BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) { return TRUE; }
