// The installed codecs and devices that the format profile's names refer to:
// Windows Media codecs and their audio formats through the Windows Media
// runtime, DirectShow devices of a category by friendly name or position.
// Nothing here shows a box: a failure reaches the caller as a result, and
// the caller decides whether the user sees it.
#pragma once
#include <windows.h>

struct IBaseFilter;

// The position of an installed Windows Media codec of that media type
// (MEDIATYPE_Audio / MEDIATYPE_Video) whose name is exactly `name`
// (case-sensitive); -1 when none is or anything fails.
int FindWmCodecIndex(const char* name, const GUID& mediaType);
typedef int (*PFN_FindWmCodecIndex)(const char* name, const GUID& mediaType);
// Tests replace the codec lookup; NULL puts the real one back.
void SetFindWmCodecIndexSeam(PFN_FindWmCodecIndex fn);

// The format of a Windows Media audio codec with that channel count and
// sample rate; of several, the first at most 65024 bit/s, else the last;
// -1 when none matches or anything fails.
int FindWmAudioFormat(int codecIndex, const GUID& majorType, int channels, int sampleRate);

// How a walk over the devices of a DirectShow category ended.
enum DeviceLookupResult {
  kDeviceFound,
  kDeviceAbsent,        // no such device, an empty category or a failed binding
  kNoSystemEnumerator,  // the system device enumerator could not be created
  kNoClassEnumerator,   // the category's enumerator could not be created
};

// The position of the first device whose friendly name equals `name`
// without regard to case, counting every device of the category.
DeviceLookupResult FindDeviceByFriendlyName(const char* name, const GUID& category, int* position);
// The index-th device of a category (0 = first) bound as a filter into *out.
DeviceLookupResult BindDeviceFilter(const GUID& category, int index, IBaseFilter** out);
