#include "base/MessagePump.h"

#include "base/ComPtr.h"

void PumpMessages() {
  MSG msg;
  while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

void FreeMediaType(AM_MEDIA_TYPE& type) {
  if (type.cbFormat != 0) {
    CoTaskMemFree(type.pbFormat);
    type.cbFormat = 0;
    type.pbFormat = NULL;
  }
  CComPtr<IUnknown> unknown(type.pUnk);  // given back on leaving
  type.pUnk = NULL;
}
