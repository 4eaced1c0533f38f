// The scroll-bar skinning library as the program and the modules call it.
#pragma once
#include <windows.h>

#ifdef __cplusplus
extern "C" {
#endif
BOOL WINAPI SkinSB_InitializeApp(void);
BOOL WINAPI SkinSB_UninitializeApp(void);
BOOL WINAPI SkinSB_LoadSkin(const char* skinFile, const char* section);
BOOL WINAPI SkinSB_InitializeScrollBar(HWND hWnd);
BOOL WINAPI SkinSB_UnInitializeScrollBar(HWND hWnd);
LRESULT WINAPI SkinSB_ParentWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
#ifdef __cplusplus
}
#endif
