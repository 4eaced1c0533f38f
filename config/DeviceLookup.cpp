// The configuration store's device lookup: the shared lookup of
// base/CodecLookup.h, with the enumerator failures shown to the user.
#include <windows.h>

#include "base/CodecLookup.h"
#include "config/FormatProfile.h"
#include "winfx/Seams.h"

BOOL ReportEnumeratorFailure(HWND owner, DeviceLookupResult result) {
  switch (result) {
    case kNoSystemEnumerator:
      VrcMessageBox(owner, "Failed to create system enumerator", "", MB_OK);
      return TRUE;
    case kNoClassEnumerator:
      VrcMessageBox(owner, "Failed to create class enumerator", "", MB_OK);
      return TRUE;
    default:
      return FALSE;
  }
}

BOOL CreateFilterByIndex(const GUID& category, int index, IBaseFilter** out) {
  if (!out) return FALSE;
  DeviceLookupResult result = BindDeviceFilter(category, index, out);
  ReportEnumeratorFailure(NULL, result);
  return result == kDeviceFound;
}
