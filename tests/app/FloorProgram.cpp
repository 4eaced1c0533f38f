// Not a test and never shipped: the floor of the start-up benchmark. A
// minimal dialog program with the main window's caption and class, of the
// size given on its command line, that only shows itself and waits in its
// message loop until its close box ends it. What it costs to start is what
// the platform needs to start a windowed program.
//   floor_program [width height]
#include <windows.h>

#include <stdlib.h>

#include "tests/app/FloorProgram.h"

namespace {

struct FloorSize {
  int width, height;
};

INT_PTR CALLBACK FloorProc(HWND window, UINT message, WPARAM, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG: {
      const FloorSize* size = reinterpret_cast<const FloorSize*>(lParam);
      if (size->width > 0 && size->height > 0)
        SetWindowPos(window, NULL, 0, 0, size->width, size->height,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
      return TRUE;
    }
    case WM_CLOSE:
      EndDialog(window, 0);
      return TRUE;
    default:
      return FALSE;
  }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  FloorSize size = {0, 0};
  if (__argc > 2) {
    size.width = atoi(__argv[1]);
    size.height = atoi(__argv[2]);
  }
  DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_FLOOR_WINDOW), NULL, FloorProc,
                  reinterpret_cast<LPARAM>(&size));
  return 0;
}
