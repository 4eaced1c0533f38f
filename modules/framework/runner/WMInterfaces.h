// The Windows Media Format interfaces that the cross compiler's headers
// lack: the video properties of a stream (quality, key-frame spacing) and
// the stream's language, in the platform's table order.
#pragma once
#include <windows.h>
#include <wmsdkidl.h>

struct IWMVideoMediaProps : public IWMMediaProps {
  virtual HRESULT STDMETHODCALLTYPE GetMaxKeyFrameSpacing(LONGLONG* spacing) = 0;
  virtual HRESULT STDMETHODCALLTYPE SetMaxKeyFrameSpacing(LONGLONG spacing) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetQuality(DWORD* quality) = 0;
  virtual HRESULT STDMETHODCALLTYPE SetQuality(DWORD quality) = 0;
};

struct IWMStreamConfig2Table : public IWMStreamConfig {
  virtual HRESULT STDMETHODCALLTYPE GetTransportType(int* type) = 0;
  virtual HRESULT STDMETHODCALLTYPE SetTransportType(int type) = 0;
  virtual HRESULT STDMETHODCALLTYPE AddDataUnitExtension(GUID, WORD, BYTE*, DWORD) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetDataUnitExtensionCount(WORD*) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetDataUnitExtension(WORD, GUID*, WORD*, BYTE*, DWORD*) = 0;
  virtual HRESULT STDMETHODCALLTYPE RemoveAllDataUnitExtensions() = 0;
};

struct IWMStreamConfig3Table : public IWMStreamConfig2Table {
  virtual HRESULT STDMETHODCALLTYPE GetLanguage(WCHAR* language, WORD* length) = 0;
  virtual HRESULT STDMETHODCALLTYPE SetLanguage(WCHAR* language) = 0;
};

const IID kIID_IWMVideoMediaProps = {0x96406bcf, 0x2b2b, 0x11d3, {0xb3, 0x6b, 0x00, 0xc0, 0x4f, 0x61, 0x08, 0xff}};
const IID kIID_IWMStreamConfig3 = {0xcb164104, 0x3aa9, 0x45a7, {0x9a, 0xc9, 0x4d, 0xae, 0xe1, 0x31, 0xd6, 0xe1}};
