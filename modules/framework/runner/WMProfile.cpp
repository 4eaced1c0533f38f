// Builds the platform's Windows Media profile from the task's plan and saves
// it. Every failing call is logged with its own text and ends the build;
// nothing is written then.
#include "modules/framework/runner/WMProfile.h"

#include <strmif.h>
#include <amvideo.h>
#include <uuids.h>

#include <string>
#include <vector>

// The Windows Media and language GUIDs are defined here, once.
#include <initguid.h>
#include <mlang.h>
#include <wmsdkidl.h>

#include "base/ComPtr.h"
#include "base/Handles.h"
#include "base/LogClient.h"
#include "base/RuntimeFunctions.h"
#include "modules/framework/model/MediaInfoCtrl.h"
#include "modules/framework/runner/WMInterfaces.h"
#include "modules/framework/runner/WMProfilePlan.h"

namespace {

// The multi-language service; its GUIDs are in no import library here.
const CLSID kCLSID_CMultiLanguage = {0x275c23e2, 0x3747, 0x11d0, {0x9f, 0xea, 0x00, 0xaa, 0x00, 0x3f, 0x86, 0x46}};
const IID kIID_IMultiLanguage = {0x275c23e1, 0x3747, 0x11d0, {0x9f, 0xea, 0x00, 0xaa, 0x00, 0x3f, 0x86, 0x46}};

const HRESULT kNoVbrSetting = (HRESULT)0xC00D0BCD;  // the codec knows no VBR switch

class CPlatformCodecs : public IWMCodecFinder {
 public:
  int FindCodec(const char* name, bool video) override {
    return FindWMCodecIndex(name, video ? &MEDIATYPE_Video : &MEDIATYPE_Audio);
  }
  int FindAudioFormat(CTaskRecord* task, int codecIndex) override {
    return FindWMAudioFormat(task, codecIndex, &MEDIATYPE_Audio);
  }
};

std::wstring Wide(const char* text) {
  int length = MultiByteToWideChar(CP_ACP, 0, text, -1, NULL, 0);
  std::wstring wide(length > 0 ? length : 1, L'\0');
  MultiByteToWideChar(CP_ACP, 0, text, -1, &wide[0], length);
  wide.resize(wcslen(wide.c_str()));
  return wide;
}

HRESULT SetDword(IWMPropertyVault* vault, const wchar_t* name, DWORD value) {
  return vault->SetProperty(name, WMT_TYPE_DWORD, (BYTE*)&value, sizeof(value));
}

HRESULT SetBool(IWMPropertyVault* vault, const wchar_t* name, BOOL value) {
  return vault->SetProperty(name, WMT_TYPE_BOOL, (BYTE*)&value, sizeof(value));
}

HRESULT SetEnumeration(IWMCodecInfo3* codecs, REFGUID kind, int codec, BOOL vbr, DWORD passes) {
  HRESULT hr = codecs->SetCodecEnumerationSetting(kind, codec, L"_VBRENABLED", WMT_TYPE_BOOL,
                                                  (const BYTE*)&vbr, sizeof(vbr));
  if (!vbr && hr == kNoVbrSetting) return S_OK;
  if (SUCCEEDED(hr) && vbr)
    hr = codecs->SetCodecEnumerationSetting(kind, codec, L"_PASSESUSED", WMT_TYPE_DWORD,
                                            (const BYTE*)&passes, sizeof(passes));
  return hr;
}

HRESULT SetLanguage(IWMStreamConfig* stream, LCID locale) {
  CComPtr<IMultiLanguage> languages;
  HRESULT hr = CoCreateInstance(kCLSID_CMultiLanguage, NULL, CLSCTX_INPROC_SERVER,
                                kIID_IMultiLanguage, languages.Out());
  if (FAILED(hr)) return hr;
  BSTR tag = NULL;
  hr = languages->GetRfc1766FromLcid(locale, &tag);
  if (FAILED(hr)) return hr;
  CComPtr<IWMStreamConfig3Table> config;
  hr = stream->QueryInterface(kIID_IWMStreamConfig3, config.Out());
  if (SUCCEEDED(hr)) hr = config->SetLanguage(tag);
  SysFreeString(tag);
  return hr;
}

// The media type of a stream configuration, in a buffer of its own.
HRESULT ReadMediaType(IWMStreamConfig* config, std::vector<BYTE>* buffer) {
  CComPtr<IWMMediaProps> props;
  HRESULT hr = config->QueryInterface(IID_IWMMediaProps, props.Out());
  DWORD size = 0;
  if (SUCCEEDED(hr)) hr = props->GetMediaType(NULL, &size);
  if (FAILED(hr)) return hr;
  buffer->assign(size, 0);
  return props->GetMediaType((WM_MEDIA_TYPE*)buffer->data(), &size);
}

HRESULT WriteMediaType(IWMStreamConfig* stream, WM_MEDIA_TYPE* type) {
  CComPtr<IWMMediaProps> props;
  HRESULT hr = stream->QueryInterface(IID_IWMMediaProps, props.Out());
  return SUCCEEDED(hr) ? props->SetMediaType(type) : hr;
}

HRESULT CreateAudioStream(IWMStreamConfig** out, IWMCodecInfo3* codecs, IWMProfile* profile,
                          const WMAudioPlan& plan, LCID locale) {
  CComPtr<IWMStreamConfig> stream;
  HRESULT hr = profile->CreateNewStream(WMMEDIATYPE_Audio, &stream);
  if (SUCCEEDED(hr)) hr = SetEnumeration(codecs, WMMEDIATYPE_Audio, plan.codecIndex, plan.vbr, plan.passes);
  CComPtr<IWMStreamConfig> format;
  if (SUCCEEDED(hr))
    hr = codecs->GetCodecFormat(WMMEDIATYPE_Audio, plan.codecIndex, plan.formatIndex, &format);
  std::vector<BYTE> type;
  if (SUCCEEDED(hr)) hr = ReadMediaType(format, &type);
  DWORD bitRate = 0;
  if (SUCCEEDED(hr)) hr = format->GetBitrate(&bitRate);
  if (SUCCEEDED(hr)) hr = stream->SetBitrate(bitRate);
  if (SUCCEEDED(hr)) hr = stream->SetBufferWindow(plan.bufferWindow);
  if (SUCCEEDED(hr)) hr = WriteMediaType(stream, (WM_MEDIA_TYPE*)type.data());
  CComPtr<IWMPropertyVault> vault;
  if (SUCCEEDED(hr)) hr = stream->QueryInterface(IID_IWMPropertyVault, vault.Out());
  if (SUCCEEDED(hr)) hr = SetBool(vault, L"_VBRENABLED", plan.vbr);
  if (SUCCEEDED(hr)) hr = SetLanguage(stream, locale);
  if (SUCCEEDED(hr)) *out = stream.Detach();
  return hr;
}

HRESULT CreateUncompressedAudioStream(IWMStreamConfig** out, IWMProfile* profile,
                                      const WMAudioPlan& plan, LCID locale) {
  CComPtr<IWMStreamConfig> stream;
  HRESULT hr = profile->CreateNewStream(WMMEDIATYPE_Audio, &stream);
  if (SUCCEEDED(hr)) hr = stream->SetBitrate(plan.bitRate);
  if (SUCCEEDED(hr)) hr = stream->SetBufferWindow(0);
  WAVEFORMATEX pcm = plan.pcm;
  WM_MEDIA_TYPE type = {};
  type.majortype = WMMEDIATYPE_Audio;
  type.subtype = WMMEDIASUBTYPE_PCM;
  type.bFixedSizeSamples = TRUE;
  type.lSampleSize = pcm.nBlockAlign;
  type.formattype = FORMAT_WaveFormatEx;
  type.cbFormat = sizeof(pcm);
  type.pbFormat = (BYTE*)&pcm;
  if (SUCCEEDED(hr)) hr = WriteMediaType(stream, &type);
  CComPtr<IWMPropertyVault> vault;
  if (SUCCEEDED(hr)) hr = stream->QueryInterface(IID_IWMPropertyVault, vault.Out());
  if (SUCCEEDED(hr)) hr = SetBool(vault, L"_VBRENABLED", FALSE);
  if (SUCCEEDED(hr)) hr = SetLanguage(stream, locale);
  if (SUCCEEDED(hr)) *out = stream.Detach();
  return hr;
}

HRESULT CreateVideoStream(IWMStreamConfig** out, IWMCodecInfo3* codecs, IWMProfile* profile,
                          const WMVideoPlan& plan, LCID locale) {
  CComPtr<IWMStreamConfig> stream;
  HRESULT hr = profile->CreateNewStream(WMMEDIATYPE_Video, &stream);
  if (SUCCEEDED(hr)) hr = stream->SetBitrate(plan.bitRate);
  if (SUCCEEDED(hr)) hr = stream->SetBufferWindow(plan.bufferWindow);
  if (SUCCEEDED(hr)) hr = SetEnumeration(codecs, WMMEDIATYPE_Video, plan.codecIndex, plan.vbr, plan.passes);
  CComPtr<IWMStreamConfig> format;
  if (SUCCEEDED(hr)) hr = codecs->GetCodecFormat(WMMEDIATYPE_Video, plan.codecIndex, 0, &format);
  std::vector<BYTE> buffer;
  if (SUCCEEDED(hr)) hr = ReadMediaType(format, &buffer);
  WM_MEDIA_TYPE* type = (WM_MEDIA_TYPE*)buffer.data();
  if (SUCCEEDED(hr) && (!type->pbFormat || type->cbFormat < sizeof(VIDEOINFOHEADER))) hr = E_FAIL;
  if (SUCCEEDED(hr)) {
    VIDEOINFOHEADER* header = (VIDEOINFOHEADER*)type->pbFormat;
    header->rcSource.right = header->rcTarget.right = plan.width;
    header->rcSource.bottom = header->rcTarget.bottom = plan.height;
    header->bmiHeader.biWidth = plan.width;
    header->bmiHeader.biHeight = plan.height;
    header->dwBitRate = plan.bitRate;
    if (plan.timePerFrame) header->AvgTimePerFrame = plan.timePerFrame;
    hr = WriteMediaType(stream, type);
  }
  CComPtr<IWMVideoMediaProps> video;
  if (SUCCEEDED(hr)) hr = stream->QueryInterface(kIID_IWMVideoMediaProps, video.Out());
  if (SUCCEEDED(hr)) hr = video->SetQuality(plan.quality);
  if (SUCCEEDED(hr)) hr = video->SetMaxKeyFrameSpacing(plan.keyFrameSpacing);
  CComPtr<IWMPropertyVault> vault;
  if (SUCCEEDED(hr)) hr = stream->QueryInterface(IID_IWMPropertyVault, vault.Out());
  if (SUCCEEDED(hr)) hr = SetBool(vault, L"_VBRENABLED", plan.vbr);
  if (SUCCEEDED(hr) && plan.vbrMode == 1) hr = SetDword(vault, L"_VBRQUALITY", plan.vbrQuality);
  if (SUCCEEDED(hr) && plan.vbrMode == 2) {
    hr = SetDword(vault, L"_RMAX", plan.peakBitRate);
    if (SUCCEEDED(hr) && plan.peakBuffer) hr = SetDword(vault, L"_BMAX", plan.peakBuffer);
  }
  if (SUCCEEDED(hr)) hr = SetLanguage(stream, locale);
  if (SUCCEEDED(hr)) *out = stream.Detach();
  return hr;
}

HRESULT AddNamedStream(IWMProfile* profile, IWMStreamConfig* stream, WORD number, const char* name,
                       const char* numberFail, const char* nameFail) {
  HRESULT hr = stream->SetStreamNumber(number);
  if (FAILED(hr)) {
    LogPrint(LOG_TRACE, numberFail, number);
    return hr;
  }
  std::wstring wide = Wide(name);
  hr = stream->SetStreamName(&wide[0]);
  if (FAILED(hr)) {
    LogPrint(LOG_TRACE, nameFail);
    return hr;
  }
  return profile->AddStream(stream);
}

HRESULT BuildWMProfile(IWMProfile** out, const CTaskRecord* task) {
  if (!task) {
    LogPrint(LOG_TRACE, "pItem is NULL!\n");
    return E_FAIL;
  }
  WMProfilePlan plan;
  CPlatformCodecs platform;
  HRESULT hr = PlanWMProfile(*task, platform, &plan);
  if (FAILED(hr)) {
    LogPrint(LOG_TRACE, "CreateVideoStream fail!\n");
    return hr;
  }
  PFN_WMCreateProfileManager create = RuntimeWMCreateProfileManager();
  CComPtr<IWMProfileManager> manager;
  hr = create ? create(&manager) : E_NOTIMPL;
  if (FAILED(hr)) {
    LogPrint(LOG_TRACE, "WMCreateProfileManager Fail!\n");
    return hr;
  }
  CComPtr<IWMProfile> profile;
  hr = manager->CreateEmptyProfile(WMT_VER_9_0, &profile);
  if (FAILED(hr)) {
    LogPrint(LOG_TRACE, "CreateEmptyProfile Fail!\n");
    return hr;
  }
  CComPtr<IWMCodecInfo3> codecs;
  hr = manager->QueryInterface(IID_IWMCodecInfo3, codecs.Out());
  if (FAILED(hr)) {
    LogPrint(LOG_TRACE, "EnsureIWMCodecInfo3 Fail!\n");
    return hr;
  }
  LCID locale = GetSystemDefaultLCID();
  if (plan.hasAudio) {
    CComPtr<IWMStreamConfig> audio;
    hr = plan.audio.uncompressed
             ? CreateUncompressedAudioStream(&audio, profile, plan.audio, locale)
             : CreateAudioStream(&audio, codecs, profile, plan.audio, locale);
    if (FAILED(hr)) {
      LogPrint(LOG_TRACE, "CreateAudioStream Fail!\n");
      return hr;
    }
    hr = AddNamedStream(profile, audio, plan.audioNumber, kWMAudioStreamName,
                        "SetStreamNumber Fail!%d\n", "SetStreamName fail!\n");
    if (FAILED(hr)) return hr;
  }
  if (plan.hasVideo) {
    CComPtr<IWMStreamConfig> video;
    hr = CreateVideoStream(&video, codecs, profile, plan.video, locale);
    if (FAILED(hr)) {
      LogPrint(LOG_TRACE, "CreateVideoStream fail!\n");
      return hr;
    }
    hr = AddNamedStream(profile, video, plan.videoNumber, kWMVideoStreamName,
                        "CreateVideoStream fail!\n", "Video SetStreamName fail!\n");
    if (FAILED(hr)) return hr;
  }
  std::wstring name = Wide(kWMProfileName);
  hr = profile->SetName(&name[0]);
  if (FAILED(hr)) {
    LogPrint(LOG_TRACE, "profile name SetName fail!\n");
    return hr;
  }
  *out = profile.Detach();
  return hr;
}

}  // namespace

HRESULT WriteProfileAsPRX(const char* path, const void* data, DWORD bytes) {
  CHandle file(CreateFileA(path, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL));
  if (!file.IsValid()) return HRESULT_FROM_WIN32(GetLastError());
  DWORD written = 0;
  if (!WriteFile(file, data, bytes, &written, NULL) || written != bytes)
    return HRESULT_FROM_WIN32(GetLastError() ? GetLastError() : ERROR_WRITE_FAULT);
  return S_OK;
}

BOOL SaveWMProfile(const CTaskRecord& task, const char* path) {
  PFN_WMCreateProfileManager create = RuntimeWMCreateProfileManager();
  CComPtr<IWMProfileManager> manager;
  if (!create || FAILED(create(&manager))) {
    LogPrint(LOG_TRACE, "WMCreateProfileManager Fail!\n");
    return FALSE;
  }
  CComPtr<IWMProfile> profile;
  if (FAILED(BuildWMProfile(&profile, &task))) {
    LogPrint(LOG_TRACE, "CreateProfile Fail!\n");
    return FALSE;
  }
  DWORD length = 0;
  if (FAILED(manager->SaveProfile(profile, NULL, &length))) {
    LogPrint(LOG_TRACE, "get dwProfileDataLength Fail!\n");
    return FALSE;
  }
  std::vector<WCHAR> text;
  try {
    text.assign(length + 1, 0);
  } catch (...) {
    LogPrint(LOG_TRACE, "wszProfileData out of memory!\n");
    return FALSE;
  }
  if (FAILED(manager->SaveProfile(profile, text.data(), &length))) {
    LogPrint(LOG_TRACE, "SaveProfile fail!\n");
    return FALSE;
  }
  if (FAILED(WriteProfileAsPRX(path, text.data(), length * 2))) {
    LogPrint(LOG_TRACE, "WriteProfileAsPRX fail!\n");
    return FALSE;
  }
  return TRUE;
}
