#include "base/CodecLookup.h"

#include <dshow.h>
#include <wmsdkidl.h>

#include <string.h>

#include <string>

#include "base/ComPtr.h"
#include "base/RuntimeFunctions.h"
#include "base/Strings.h"

namespace {

PFN_FindWmCodecIndex g_findWmCodecIndexSeam = NULL;
PFN_ListDevices g_listDevicesSeam = NULL;
PFN_ListWmCodecNames g_listWmCodecNamesSeam = NULL;

// The codec information of a new Windows Media profile manager into a
// holder's out parameter; fails where the runtime is missing.
HRESULT OpenCodecInfo(IWMCodecInfo2** info) {
  PFN_WMCreateProfileManager create = RuntimeWMCreateProfileManager();
  if (!create) return E_NOTIMPL;
  CComPtr<IWMProfileManager> manager;
  HRESULT hr = create(&manager);
  if (FAILED(hr)) return hr;
  if (!manager) return E_FAIL;
  hr = manager->QueryInterface(__uuidof(IWMCodecInfo2), reinterpret_cast<void**>(info));
  if (FAILED(hr)) return hr;
  return *info ? S_OK : E_FAIL;
}

// The codec's name, its length asked first; false when it cannot be read.
bool ReadCodecName(IWMCodecInfo2* info, const GUID& majorType, DWORD index, std::string* name) {
  DWORD length = 0;
  if (FAILED(info->GetCodecName(majorType, index, NULL, &length)) || length == 0) return false;
  std::wstring wide(length + 1, L'\0');
  if (FAILED(info->GetCodecName(majorType, index, &wide[0], &length))) return false;
  *name = Narrow(wide.c_str());
  return true;
}

// The wave format of one codec format: channels, rate and bytes per second.
bool FormatWave(IWMCodecInfo2* info, const GUID& majorType, DWORD codec, DWORD format,
                WAVEFORMATEX* wave) {
  CComPtr<IWMStreamConfig> config;
  if (FAILED(info->GetCodecFormat(majorType, codec, format, &config)) || !config) return false;
  CComPtr<IWMMediaProps> props;
  if (FAILED(config->QueryInterface(__uuidof(IWMMediaProps), props.Out())) || !props)
    return false;
  DWORD size = 0;
  if (FAILED(props->GetMediaType(NULL, &size)) || size < sizeof(WM_MEDIA_TYPE)) return false;
  std::string block(size, '\0');
  WM_MEDIA_TYPE* type = reinterpret_cast<WM_MEDIA_TYPE*>(&block[0]);
  if (FAILED(props->GetMediaType(type, &size)) || type->formattype != FORMAT_WaveFormatEx ||
      !type->pbFormat || type->cbFormat < sizeof(WAVEFORMATEX) - sizeof(WORD))
    return false;
  // The extra-size field is not needed and may be absent.
  memcpy(wave, type->pbFormat, sizeof(WAVEFORMATEX) - sizeof(WORD));
  return true;
}

// The devices of a category into a holder's out parameter; kDeviceAbsent for
// an empty category.
DeviceLookupResult OpenCategory(const GUID& category, IEnumMoniker** monikers) {
  CComPtr<ICreateDevEnum> devices;
  if (FAILED(CoCreateInstance(CLSID_SystemDeviceEnum, NULL, CLSCTX_INPROC_SERVER,
                              IID_ICreateDevEnum, devices.Out())) ||
      !devices)
    return kNoSystemEnumerator;
  HRESULT hr = devices->CreateClassEnumerator(category, monikers, 0);
  if (FAILED(hr)) return kNoClassEnumerator;
  // S_FALSE: the category has no device.
  return hr == S_OK && *monikers ? kDeviceFound : kDeviceAbsent;
}

// The moniker's friendly name; false when its bag or name cannot be read.
bool ReadFriendlyName(IMoniker* moniker, std::string* name) {
  CComPtr<IPropertyBag> bag;
  if (FAILED(moniker->BindToStorage(NULL, NULL, IID_IPropertyBag, bag.Out())) || !bag)
    return false;
  VARIANT value;
  VariantInit(&value);
  bool read = SUCCEEDED(bag->Read(L"FriendlyName", &value, NULL)) && value.vt == VT_BSTR;
  if (read) *name = Narrow(value.bstrVal);
  VariantClear(&value);
  return read;
}

std::string FriendlyName(IMoniker* moniker) {
  std::string name;
  ReadFriendlyName(moniker, &name);
  return name;
}

// The codec's format description, its length asked first.
bool ReadFormatDescription(IWMCodecInfo3* info, const GUID& majorType, DWORD codec,
                           DWORD format, std::string* text) {
  DWORD length = 0;
  CComPtr<IWMStreamConfig> config;
  if (FAILED(info->GetCodecFormatDesc(majorType, codec, format, &config, NULL, &length)) ||
      length == 0)
    return false;
  std::wstring wide(length + 1, L'\0');
  CComPtr<IWMStreamConfig> again;
  if (FAILED(info->GetCodecFormatDesc(majorType, codec, format, &again, &wide[0], &length)))
    return false;
  *text = Narrow(wide.c_str());
  return true;
}

}  // namespace

int FindWmCodecIndex(const char* name, const GUID& mediaType) {
  if (g_findWmCodecIndexSeam) return g_findWmCodecIndexSeam(name, mediaType);
  if (!name) return -1;
  CComPtr<IWMCodecInfo2> info;
  if (FAILED(OpenCodecInfo(&info))) return -1;
  DWORD count = 0;
  if (FAILED(info->GetCodecInfoCount(mediaType, &count))) return -1;
  for (DWORD i = 0; i < count; ++i) {
    std::string codec;
    if (ReadCodecName(info, mediaType, i, &codec) && codec == name) return static_cast<int>(i);
  }
  return -1;
}

void SetFindWmCodecIndexSeam(PFN_FindWmCodecIndex fn) { g_findWmCodecIndexSeam = fn; }

int FindWmAudioFormat(int codecIndex, const GUID& majorType, int channels, int sampleRate) {
  if (codecIndex < 0) return -1;
  CComPtr<IWMCodecInfo2> info;
  if (FAILED(OpenCodecInfo(&info))) return -1;
  int found = -1;
  DWORD count = 0;
  if (FAILED(info->GetCodecFormatCount(majorType, static_cast<DWORD>(codecIndex), &count)))
    return -1;
  for (DWORD i = 0; i < count; ++i) {
    if (majorType == WMMEDIATYPE_Video) break;
    WAVEFORMATEX wave;
    memset(&wave, 0, sizeof(wave));
    if (!FormatWave(info, majorType, static_cast<DWORD>(codecIndex), i, &wave)) continue;
    if (wave.nChannels != channels || static_cast<int>(wave.nSamplesPerSec) != sampleRate)
      continue;
    found = static_cast<int>(i);
    if (wave.nAvgBytesPerSec * 8 <= 65024) break;  // the first one within 65024 bit/s
  }
  return found;
}

DeviceLookupResult FindDeviceByFriendlyName(const char* name, const GUID& category,
                                            int* position) {
  if (!name || !position) return kDeviceAbsent;
  *position = -1;
  CComPtr<IEnumMoniker> monikers;
  DeviceLookupResult result = OpenCategory(category, &monikers);
  if (result != kDeviceFound) return result;
  for (int at = 0;; ++at) {
    CComPtr<IMoniker> moniker;
    if (monikers->Next(1, &moniker, NULL) != S_OK) return kDeviceAbsent;
    if (_stricmp(FriendlyName(moniker).c_str(), name) == 0) {
      *position = at;
      return kDeviceFound;
    }
  }
}

DeviceLookupResult BindDeviceFilter(const GUID& category, int index, IBaseFilter** out) {
  if (!out) return kDeviceAbsent;
  *out = NULL;
  CComPtr<IEnumMoniker> monikers;
  DeviceLookupResult result = OpenCategory(category, &monikers);
  if (result != kDeviceFound) return result;
  monikers->Reset();
  for (int at = 0; index >= 0; ++at) {
    CComPtr<IMoniker> moniker;
    if (monikers->Next(1, &moniker, NULL) != S_OK) return kDeviceAbsent;
    if (at < index) continue;
    return SUCCEEDED(moniker->BindToObject(NULL, NULL, IID_IBaseFilter,
                                           reinterpret_cast<void**>(out))) &&
                   *out
               ? kDeviceFound
               : kDeviceAbsent;
  }
  return kDeviceAbsent;
}

DeviceLookupResult ListDevices(const GUID& category, std::vector<DeviceEntry>* devices) {
  if (!devices) return kDeviceAbsent;
  if (g_listDevicesSeam) return g_listDevicesSeam(category, devices);
  devices->clear();
  CComPtr<IEnumMoniker> monikers;
  DeviceLookupResult result = OpenCategory(category, &monikers);
  if (result != kDeviceFound) return result;
  monikers->Reset();
  for (int at = 0;; ++at) {
    CComPtr<IMoniker> moniker;
    if (monikers->Next(1, &moniker, NULL) != S_OK) break;
    DeviceEntry entry = {at, false, std::string()};
    entry.named = ReadFriendlyName(moniker, &entry.name);
    devices->push_back(entry);
  }
  return devices->empty() ? kDeviceAbsent : kDeviceFound;
}

void SetListDevicesSeam(PFN_ListDevices fn) { g_listDevicesSeam = fn; }

BOOL ListWmCodecNames(const GUID& mediaType, std::vector<std::string>* names) {
  if (!names) return FALSE;
  if (g_listWmCodecNamesSeam) return g_listWmCodecNamesSeam(mediaType, names);
  names->clear();
  CComPtr<IWMCodecInfo2> info;
  if (FAILED(OpenCodecInfo(&info))) return FALSE;
  DWORD count = 0;
  if (FAILED(info->GetCodecInfoCount(mediaType, &count))) return FALSE;
  for (DWORD i = 0; i < count; ++i) {
    std::string name;
    ReadCodecName(info, mediaType, i, &name);
    names->push_back(name);
  }
  return TRUE;
}

void SetListWmCodecNamesSeam(PFN_ListWmCodecNames fn) { g_listWmCodecNamesSeam = fn; }

namespace {

// The codec's enumeration setting: constant or variable bit rate, passes.
bool SetEnumeration(IWMCodecInfo3* info, const GUID& mediaType, DWORD codec, BOOL vbr,
                    DWORD passes) {
  BOOL vbrValue = vbr;
  return SUCCEEDED(info->SetCodecEnumerationSetting(mediaType, codec, g_wszVBREnabled,
                                                    WMT_TYPE_BOOL,
                                                    reinterpret_cast<BYTE*>(&vbrValue),
                                                    sizeof(vbrValue))) &&
         SUCCEEDED(info->SetCodecEnumerationSetting(mediaType, codec, g_wszNumPasses,
                                                    WMT_TYPE_DWORD,
                                                    reinterpret_cast<BYTE*>(&passes),
                                                    sizeof(passes)));
}

// The codec information with its enumeration settings.
bool OpenCodecInfo3(IWMCodecInfo3** info) {
  CComPtr<IWMCodecInfo2> info2;
  if (FAILED(OpenCodecInfo(&info2))) return false;
  return SUCCEEDED(info2->QueryInterface(__uuidof(IWMCodecInfo3), reinterpret_cast<void**>(info))) &&
         *info;
}

}  // namespace

BOOL ListWmCodecFormats(int codecIndex, const GUID& mediaType, BOOL vbr, DWORD passes,
                        std::vector<std::string>* descriptions) {
  if (!descriptions) return FALSE;
  descriptions->clear();
  if (codecIndex < 0) return FALSE;
  CComPtr<IWMCodecInfo3> info;
  if (!OpenCodecInfo3(&info)) return FALSE;
  const DWORD codec = static_cast<DWORD>(codecIndex);
  if (!SetEnumeration(info, mediaType, codec, vbr, passes)) return FALSE;
  DWORD count = 0;
  if (FAILED(info->GetCodecFormatCount(mediaType, codec, &count))) return FALSE;
  for (DWORD i = 0; i < count; ++i) {
    std::string text;
    ReadFormatDescription(info, mediaType, codec, i, &text);
    descriptions->push_back(text);
  }
  return TRUE;
}

BOOL ReadWmCodecFormatWave(int codecIndex, const GUID& mediaType, BOOL vbr, DWORD passes,
                           DWORD format, WAVEFORMATEX* wave) {
  if (!wave || codecIndex < 0) return FALSE;
  memset(wave, 0, sizeof(*wave));
  CComPtr<IWMCodecInfo3> info;
  if (!OpenCodecInfo3(&info)) return FALSE;
  const DWORD codec = static_cast<DWORD>(codecIndex);
  if (!SetEnumeration(info, mediaType, codec, vbr, passes)) return FALSE;
  return FormatWave(info, mediaType, codec, format, wave) ? TRUE : FALSE;
}
