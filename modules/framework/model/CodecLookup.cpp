// Compressors and Windows Media codecs by name, Windows Media audio formats
// by channels and sample rate.
#include <stdio.h>
#include <string.h>

#include <wmsdkidl.h>

#include "base/LogClient.h"
#include "modules/framework/model/MediaInfoCtrl.h"
#include "modules/framework/model/TaskRecord.h"

namespace {

std::string Narrow(const wchar_t* text) {
  if (!text) return std::string();
  int length = WideCharToMultiByte(CP_ACP, 0, text, -1, NULL, 0, NULL, NULL);
  if (length <= 0) return std::string();
  std::string narrow(length, '\0');
  WideCharToMultiByte(CP_ACP, 0, text, -1, &narrow[0], length, NULL, NULL);
  narrow.resize(length - 1);
  return narrow;
}

std::string FriendlyName(IMoniker* moniker) {
  std::string name;
  IPropertyBag* bag = NULL;
  if (SUCCEEDED(moniker->BindToStorage(NULL, NULL, IID_IPropertyBag, (void**)&bag)) && bag) {
    VARIANT value;
    VariantInit(&value);
    if (SUCCEEDED(bag->Read(L"FriendlyName", &value, NULL)) && value.vt == VT_BSTR)
      name = Narrow(value.bstrVal);
    VariantClear(&value);
    bag->Release();
  }
  return name;
}

typedef HRESULT(WINAPI* PFN_WMCreateProfileManager)(IWMProfileManager** out);

// The Windows Media codec information of a new profile manager; NULL when
// the runtime is missing.
IWMCodecInfo2* OpenCodecInfo() {
  static PFN_WMCreateProfileManager create = NULL;
  if (!create) {
    HMODULE runtime = LoadLibraryA("wmvcore.dll");
    if (runtime)
      create = (PFN_WMCreateProfileManager)GetProcAddress(runtime, "WMCreateProfileManager");
  }
  if (!create) return NULL;
  IWMProfileManager* manager = NULL;
  if (FAILED(create(&manager)) || !manager) return NULL;
  IWMCodecInfo2* info = NULL;
  if (FAILED(manager->QueryInterface(__uuidof(IWMCodecInfo2), (void**)&info))) info = NULL;
  manager->Release();
  return info;
}

std::string CodecName(IWMCodecInfo2* info, const GUID& majorType, DWORD index) {
  DWORD length = 0;
  if (FAILED(info->GetCodecName(majorType, index, NULL, &length)) || length == 0)
    return std::string();
  std::wstring name(length + 1, L'\0');
  if (FAILED(info->GetCodecName(majorType, index, &name[0], &length))) return std::string();
  return Narrow(name.c_str());
}

// The wave format of one codec format: channels, rate and bytes per second.
bool FormatWave(IWMCodecInfo2* info, const GUID& majorType, DWORD codec, DWORD format,
                WAVEFORMATEX* wave) {
  IWMStreamConfig* config = NULL;
  if (FAILED(info->GetCodecFormat(majorType, codec, format, &config)) || !config) return false;
  bool ok = false;
  IWMMediaProps* props = NULL;
  if (SUCCEEDED(config->QueryInterface(__uuidof(IWMMediaProps), (void**)&props)) && props) {
    DWORD size = 0;
    if (SUCCEEDED(props->GetMediaType(NULL, &size)) && size >= sizeof(WM_MEDIA_TYPE)) {
      std::string block(size, '\0');
      WM_MEDIA_TYPE* type = (WM_MEDIA_TYPE*)&block[0];
      if (SUCCEEDED(props->GetMediaType(type, &size)) &&
          type->formattype == FORMAT_WaveFormatEx && type->pbFormat &&
          type->cbFormat >= sizeof(WAVEFORMATEX) - sizeof(WORD)) {
        memcpy(wave, type->pbFormat, sizeof(WAVEFORMATEX) - sizeof(WORD));
        ok = true;
      }
    }
    props->Release();
  }
  config->Release();
  return ok;
}

}  // namespace

int FindDeviceIndexByFriendlyName(const char* name, const GUID* category) {
  if (!name || !category) return -1;
  ICreateDevEnum* devices = NULL;
  if (FAILED(CoCreateInstance(CLSID_SystemDeviceEnum, NULL, CLSCTX_INPROC_SERVER,
                              IID_ICreateDevEnum, (void**)&devices)) ||
      !devices) {
    // The model shows no box: a platform failure that the user cannot act on.
    LogPrint(LOG_ERROR, "Failed to create system enumerator\n");
    return -1;
  }
  IEnumMoniker* monikers = NULL;
  HRESULT hr = devices->CreateClassEnumerator(*category, &monikers, 0);
  devices->Release();
  if (FAILED(hr)) {
    LogPrint(LOG_ERROR, "Failed to create class enumerator\n");
    return -1;
  }
  if (hr != S_OK || !monikers) return -1;  // an empty category
  int found = -1;
  IMoniker* moniker = NULL;
  for (int position = 0; found < 0 && monikers->Next(1, &moniker, NULL) == S_OK; ++position) {
    if (_stricmp(FriendlyName(moniker).c_str(), name) == 0) found = position;
    moniker->Release();
  }
  monikers->Release();
  return found;
}

int FindWMCodecIndex(const char* name, const GUID* majorType) {
  if (!name || !majorType) return -1;
  IWMCodecInfo2* info = OpenCodecInfo();
  if (!info) return -1;
  int found = -1;
  DWORD count = 0;
  if (SUCCEEDED(info->GetCodecInfoCount(*majorType, &count))) {
    for (DWORD i = 0; i < count && found < 0; ++i) {
      if (CodecName(info, *majorType, i) == name) found = (int)i;
    }
  }
  info->Release();
  return found;
}

int FindWMAudioFormat(CTaskRecord* task, int codecIndex, const GUID* majorType) {
  if (!task || !majorType || codecIndex < 0) return -1;
  IWMCodecInfo2* info = OpenCodecInfo();
  if (!info) return -1;
  int channels = task->channels;
  int rate = task->sampleRate > task->sourceSampleRate ? task->sampleRate : task->sourceSampleRate;
  int found = -1;
  DWORD count = 0;
  if (SUCCEEDED(info->GetCodecFormatCount(*majorType, (DWORD)codecIndex, &count))) {
    for (DWORD i = 0; i < count; ++i) {
      if (*majorType == WMMEDIATYPE_Video) break;
      WAVEFORMATEX wave;
      memset(&wave, 0, sizeof(wave));
      if (!FormatWave(info, *majorType, (DWORD)codecIndex, i, &wave)) continue;
      if (wave.nChannels != channels || (int)wave.nSamplesPerSec != rate) continue;
      found = (int)i;
      if (wave.nAvgBytesPerSec * 8 <= 65024) break;
    }
  }
  info->Release();
  return found;
}
