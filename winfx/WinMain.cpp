// The program's entry: hands control to the one application object.
#include <stdlib.h>

#include "winfx/WinApp.h"

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR, int) {
  CWinFxApp* app = WinFxGetApp();
  if (!app) return 1;
  return app->Main(hInstance, __argc, __argv);
}
