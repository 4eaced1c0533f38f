// The bounded copy that every view's GetViewName makes: as strncpy, so a
// name that fills the buffer has no terminator. E_POINTER for no buffer.
#pragma once
#include <windows.h>
#include <string.h>

#include <algorithm>

inline HRESULT CopyViewName(const char* name, char* buffer, int length) {
  if (!buffer) return E_POINTER;
  // The copy is meant to be cut without a terminator when it fills the buffer.
  if (length > 0) memcpy(buffer, name, std::min(strlen(name) + 1, static_cast<size_t>(length)));
  return S_OK;
}
