// The bounded copy that every view's GetViewName makes: as strncpy, so a
// name that fills the buffer has no terminator. E_POINTER for no buffer.
#pragma once
#include <windows.h>
#include <string.h>

inline HRESULT CopyViewName(const char* name, char* buffer, int length) {
  if (!buffer) return E_POINTER;
  if (length > 0) strncpy(buffer, name, static_cast<size_t>(length));
  return S_OK;
}
