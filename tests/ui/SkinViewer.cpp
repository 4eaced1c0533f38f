// Shows one window section of a skin with its pages, for screenshots; never
// shipped. skin_viewer <path of skin.ini> <section> [<page shown, from 0>]
#include <windows.h>

#include <stdlib.h>

#include "tests/ui/SkinWindowSet.h"
#include "winfx/Wnd.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  if (__argc < 3) {
    MessageBoxA(NULL, "skin_viewer <skin.ini> <section> [page]", "skin_viewer", MB_OK);
    return 2;
  }
  CSkinWindowSet set;
  if (!set.Open(__argv[1], __argv[2], __argc > 3 ? atoi(__argv[3]) : 0)) return 1;
  SetWindowTextA(*set.Window(), __argv[2]);
  MSG msg;
  while (IsWindow(*set.Window()) && GetMessageA(&msg, NULL, 0, 0) > 0) {
    if (CWnd::WalkPreTranslateMessage(&msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return 0;
}
