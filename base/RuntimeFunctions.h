// The functions of system libraries that may be missing on a machine, each
// looked up by name (or ordinal) once, here and nowhere else. A library that
// holds one stays loaded for the life of the process; NULL when the library
// or the function is missing.
#pragma once
#include <windows.h>
#include <ocidl.h>

struct IWMProfileManager;

// OLEPRO32 ordinal 251: the picture loader of OLE pictures.
typedef HRESULT(WINAPI* PFN_OleLoadPicture)(IStream* stream, LONG size, BOOL runMode,
                                            REFIID iid, void** out);
PFN_OleLoadPicture RuntimeOleLoadPicture();

// wmvcore.dll: the profile manager of the Windows Media runtime.
typedef HRESULT(WINAPI* PFN_WMCreateProfileManager)(IWMProfileManager** out);
PFN_WMCreateProfileManager RuntimeWMCreateProfileManager();

// hhctrl.ocx: the help viewer.
typedef HWND(WINAPI* PFN_HtmlHelpA)(HWND caller, const char* file, UINT command, DWORD_PTR data);
PFN_HtmlHelpA RuntimeHtmlHelpA();

// UxTheme.dll: switches visual styles off for one window.
typedef HRESULT(WINAPI* PFN_SetWindowTheme)(HWND window, const wchar_t* appName,
                                            const wchar_t* idList);
PFN_SetWindowTheme RuntimeSetWindowTheme();

// user32.dll: the transparency of a layered window (not on every system).
typedef BOOL(WINAPI* PFN_SetLayeredWindowAttributes)(HWND window, COLORREF key, BYTE alpha,
                                                      DWORD flags);
PFN_SetLayeredWindowAttributes RuntimeSetLayeredWindowAttributes();
