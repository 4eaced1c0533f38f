// The platform lookups of the format profile readers: installed Windows
// Media codecs and DirectShow devices by position.
#include <windows.h>
#include <dshow.h>
#include <wmsdkidl.h>

#include <string.h>

#include "base/ComPtr.h"
#include "config/FormatProfile.h"
#include "winfx/Seams.h"

namespace {

typedef HRESULT(WINAPI* PFN_WMCreateProfileManager)(IWMProfileManager**);

// The profile manager of the Windows Media runtime, looked up at run time so
// that the library loads where the runtime is missing.
HRESULT CreateProfileManager(IWMProfileManager** out) {
  static PFN_WMCreateProfileManager create = nullptr;
  if (!create) {
    HMODULE runtime = LoadLibraryA("wmvcore.dll");
    if (runtime)
      create = reinterpret_cast<PFN_WMCreateProfileManager>(
          GetProcAddress(runtime, "WMCreateProfileManager"));
    if (!create) return E_NOTIMPL;
  }
  return create(out);
}

}  // namespace

int FindWmCodecIndex(const char* name, const GUID& mediaType) {
  if (!name) return -1;
  CComPtr<IWMProfileManager> manager;
  if (FAILED(CreateProfileManager(&manager)) || !manager) return -1;
  CComPtr<IWMCodecInfo> codecs;
  if (FAILED(manager->QueryInterface(__uuidof(IWMCodecInfo), codecs.Out())) ||
      !codecs)
    return -1;
  DWORD count = 0;
  if (FAILED(codecs->GetCodecInfoCount(mediaType, &count))) return -1;
  CComPtr<IWMCodecInfo2> names;
  if (FAILED(manager->QueryInterface(__uuidof(IWMCodecInfo2), names.Out())) ||
      !names)
    return -1;
  for (DWORD i = 0; i < count; ++i) {
    WCHAR wide[260] = {0};
    DWORD length = 260;
    if (FAILED(names->GetCodecName(mediaType, i, wide, &length))) continue;
    char text[520] = {0};
    WideCharToMultiByte(CP_ACP, 0, wide, -1, text, sizeof(text) - 1, NULL, NULL);
    if (strcmp(text, name) == 0) return static_cast<int>(i);
  }
  return -1;
}

BOOL CreateFilterByIndex(const GUID& category, int index, IBaseFilter** out) {
  if (!out) return FALSE;
  *out = nullptr;
  CComPtr<ICreateDevEnum> devices;
  if (FAILED(CoCreateInstance(CLSID_SystemDeviceEnum, NULL, CLSCTX_INPROC_SERVER,
                              IID_ICreateDevEnum, devices.Out()))) {
    VrcMessageBox(NULL, "Failed to create system enumerator", "", MB_OK);
    return FALSE;
  }
  CComPtr<IEnumMoniker> monikers;
  HRESULT hr = devices->CreateClassEnumerator(category, &monikers, 0);
  if (FAILED(hr)) {
    VrcMessageBox(NULL, "Failed to create class enumerator", "", MB_OK);
    return FALSE;
  }
  if (hr != S_OK || !monikers) return FALSE;  // an empty category
  monikers->Reset();
  for (int position = 0; index >= 0; ++position) {
    CComPtr<IMoniker> moniker;
    if (monikers->Next(1, &moniker, NULL) != S_OK) return FALSE;
    if (position < index) continue;
    return SUCCEEDED(moniker->BindToObject(NULL, NULL, IID_IBaseFilter,
                                           reinterpret_cast<void**>(out))) &&
           *out;
  }
  return FALSE;
}
