#include "ui/SkinCursor.h"

namespace {
SkinCursorRef& CurrentSlot() {
  static SkinCursorRef slot;
  return slot;
}
}  // namespace

CSkinCursor::CSkinCursor(const std::string& file) : m_hCursor(NULL) {
  if (!file.empty()) m_owned.Reset(LoadCursorFromFileA(file.c_str()));
  m_hCursor = m_owned.Get();
  if (!m_hCursor) m_hCursor = LoadCursor(NULL, IDC_HAND);
  if (!m_hCursor) m_hCursor = LoadCursor(NULL, IDC_ARROW);
}

void SetCurrentSkinCursor(const SkinCursorRef& cursor) { CurrentSlot() = cursor; }

HCURSOR CurrentSkinCursor() { return CurrentSlot() ? CurrentSlot()->Get() : NULL; }
