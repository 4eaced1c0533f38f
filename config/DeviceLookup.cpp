// The configuration store's device lookup: the shared lookup of
// base/CodecLookup.h, with the enumerator failures shown to the user.
#include <windows.h>

#include "base/CodecLookup.h"
#include "config/FormatProfile.h"
#include "winfx/Seams.h"

BOOL CreateFilterByIndex(const GUID& category, int index, IBaseFilter** out) {
  if (!out) return FALSE;
  switch (BindDeviceFilter(category, index, out)) {
    case kDeviceFound:
      return TRUE;
    case kNoSystemEnumerator:
      VrcMessageBox(NULL, "Failed to create system enumerator", "", MB_OK);
      return FALSE;
    case kNoClassEnumerator:
      VrcMessageBox(NULL, "Failed to create class enumerator", "", MB_OK);
      return FALSE;
    default:
      return FALSE;
  }
}
