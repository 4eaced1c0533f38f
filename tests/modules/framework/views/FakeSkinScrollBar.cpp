// A scroll-bar library for the task-list teardown test, under the real
// library's file name in the test's own folder. It records each call on a
// window as a line "<call> list=<alive> header=<alive>" in the file named by
// the environment variable VRC_SKINSB_LOG: whether the window and its list
// header were still windows when the call came.
#include <windows.h>
#include <commctrl.h>

#include <stdio.h>

namespace {
void Record(const char* call, HWND window) {
  char path[MAX_PATH] = {0};
  if (!GetEnvironmentVariableA("VRC_SKINSB_LOG", path, MAX_PATH)) return;
  HWND header = IsWindow(window) ? reinterpret_cast<HWND>(SendMessageA(window, LVM_GETHEADER, 0, 0))
                                 : NULL;
  FILE* file = fopen(path, "a");
  if (!file) return;
  fprintf(file, "%s list=%d header=%d\n", call, IsWindow(window) ? 1 : 0,
          header && IsWindow(header) ? 1 : 0);
  fclose(file);
}
}  // namespace

extern "C" {
BOOL WINAPI SkinSB_InitializeApp(void) { return TRUE; }
BOOL WINAPI SkinSB_UninitializeApp(void) { return TRUE; }
BOOL WINAPI SkinSB_LoadSkin(const char*, const char*) { return TRUE; }
BOOL WINAPI SkinSB_InitializeScrollBar(HWND hWnd) {
  Record("InitializeScrollBar", hWnd);
  return TRUE;
}
BOOL WINAPI SkinSB_UnInitializeScrollBar(HWND hWnd) {
  Record("UnInitializeScrollBar", hWnd);
  return TRUE;
}
LRESULT WINAPI SkinSB_ParentWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcA(hWnd, message, wParam, lParam);
}
}
