// Small helpers that every hosted view shares: the views of the conversion
// modules and the skinned pages of the main window.
#pragma once
#include <windows.h>
#include <string.h>

#include <algorithm>

// The bounded copy that every view's GetViewName makes: as strncpy, so a
// name that fills the buffer has no terminator. E_POINTER for no buffer.
inline HRESULT CopyViewName(const char* name, char* buffer, int length) {
  if (!buffer) return E_POINTER;
  // The copy is meant to be cut without a terminator when it fills the buffer.
  if (length > 0) memcpy(buffer, name, std::min(strlen(name) + 1, static_cast<size_t>(length)));
  return S_OK;
}

// The distances of a view's rectangle to its parent window's edges (left,
// top, right, bottom), kept so the view can follow a resized parent.
inline RECT MarginsToParent(const RECT& rect, HWND parent) {
  RECT parentRect = {};
  GetWindowRect(parent, &parentRect);
  RECT margins = {rect.left, rect.top, (parentRect.right - parentRect.left) - rect.right,
                  (parentRect.bottom - parentRect.top) - rect.bottom};
  return margins;
}
