// The log interface of chronicle.dll and the shared log levels. A line is
// written when its level is not above the configured level.
#pragma once
#include <windows.h>

enum {
  LOG_ALWAYS = 0,
  LOG_ERROR = 1,
  LOG_WARNING = 2,
  LOG_INFO = 3,
  LOG_TRACE = 4,
};

struct ILog {
  virtual HRESULT STDMETHODCALLTYPE Initialize(HINSTANCE module) = 0;
  virtual void STDMETHODCALLTYPE Release() = 0;
  virtual void STDMETHODCALLTYPE Log(unsigned level, const char* text) = 0;
  virtual HRESULT STDMETHODCALLTYPE LogHex(unsigned level, const BYTE* data, unsigned length) = 0;
  virtual HRESULT STDMETHODCALLTYPE Unused1(int, int) = 0;  // answers E_NOTIMPL
  virtual HRESULT STDMETHODCALLTYPE Unused2(int, int) = 0;  // answers E_NOTIMPL
  virtual HRESULT STDMETHODCALLTYPE SetLevel(int level) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetLevel(int* level) = 0;
  virtual ~ILog() {}
  virtual BOOL STDMETHODCALLTYPE GetCrashLogPath(char* buffer, int size) = 0;
  virtual BOOL STDMETHODCALLTYPE LoadSettings(const char* settingsPath) = 0;
  virtual void STDMETHODCALLTYPE ResetSettings() = 0;
};

typedef HRESULT (WINAPI* PFN_CreateLogInterface)(ILog** out);
