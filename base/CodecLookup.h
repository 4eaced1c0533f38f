// The installed codecs and devices that the format profile's names refer to:
// Windows Media codecs and their audio formats through the Windows Media
// runtime, DirectShow devices of a category by friendly name or position.
// Nothing here shows a box: a failure reaches the caller as a result, and
// the caller decides whether the user sees it.
#pragma once
#include <windows.h>
#include <mmreg.h>

#include <string>
#include <vector>

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

// One device of a category at its position in the walk. A device whose
// property bag or friendly name cannot be read keeps its position (every
// device counts, so a position always names the device BindDeviceFilter
// binds) and comes without a name.
struct DeviceEntry {
  int position;
  bool named;
  std::string name;
};
// Every device of a category in the system's order; kDeviceAbsent (and an
// empty list) for a category without devices.
DeviceLookupResult ListDevices(const GUID& category, std::vector<DeviceEntry>* devices);
typedef DeviceLookupResult (*PFN_ListDevices)(const GUID& category,
                                              std::vector<DeviceEntry>* devices);
// Tests give the walk a fixture list of devices; NULL puts the real one back.
void SetListDevicesSeam(PFN_ListDevices fn);

// The names of the installed Windows Media codecs of a media type, by codec
// index ("" where a name cannot be read); FALSE, with an empty list, when
// the runtime cannot be asked.
BOOL ListWmCodecNames(const GUID& mediaType, std::vector<std::string>* names);
typedef BOOL (*PFN_ListWmCodecNames)(const GUID& mediaType, std::vector<std::string>* names);
// Tests give the codec list a fixture; NULL puts the real one back.
void SetListWmCodecNamesSeam(PFN_ListWmCodecNames fn);
// The format descriptions of one codec under an enumeration setting:
// constant bit rate (vbr FALSE, passes 1) or variable bit rate with one or
// two passes. Positions are the codec's format numbers ("" where a
// description cannot be read); FALSE when the codec cannot be asked.
BOOL ListWmCodecFormats(int codecIndex, const GUID& mediaType, BOOL vbr, DWORD passes,
                        std::vector<std::string>* descriptions);
// The wave format (rate, bits, channels) of one codec format, listed under
// the same enumeration setting as ListWmCodecFormats; FALSE when it cannot
// be read.
BOOL ReadWmCodecFormatWave(int codecIndex, const GUID& mediaType, BOOL vbr, DWORD passes,
                           DWORD format, WAVEFORMATEX* wave);
