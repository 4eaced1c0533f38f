// The cursor that skinned buttons and trackbars show: loaded by each skinned
// window from its skin, and shared process-wide so that the last skin loaded
// wins. Pages are destroyed and made again on every reload while other
// windows go on showing the cursor, so it is shared by count: a cursor file
// is destroyed only when no window and no process-wide slot holds it.
#pragma once
#include <windows.h>

#include <memory>
#include <string>

#include "winfx/GdiHandles.h"

class CSkinCursor {
 public:
  // The cursor file; empty or unloadable: the system hand cursor, or the
  // system arrow when there is no hand.
  explicit CSkinCursor(const std::string& file);
  HCURSOR Get() const { return m_hCursor; }
  bool FromFile() const { return m_owned.IsValid(); }

 private:
  CCursorHandle m_owned;  // only a cursor loaded from a file
  HCURSOR m_hCursor;
};

typedef std::shared_ptr<const CSkinCursor> SkinCursorRef;

void SetCurrentSkinCursor(const SkinCursorRef& cursor);
// The cursor of the last skin loaded; NULL before any.
HCURSOR CurrentSkinCursor();
