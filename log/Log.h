// CLog: the log object behind ILog. It reads "<module file>.cfg" [LogSetting],
// opens the configured outputs and writes each message whose level passes.
#pragma once
#include <windows.h>
#include <vector>

#include "include/VarnoLog.h"
#include "log/LogSinks.h"

class CLog : public ILog {
 public:
  CLog();
  ~CLog() override;

  HRESULT STDMETHODCALLTYPE Initialize(HINSTANCE module) override;
  void STDMETHODCALLTYPE Release() override;
  void STDMETHODCALLTYPE Log(unsigned level, const char* text) override;
  HRESULT STDMETHODCALLTYPE LogHex(unsigned level, const BYTE* data, unsigned length) override;
  HRESULT STDMETHODCALLTYPE Unused1(int, int) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Unused2(int, int) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE SetLevel(int level) override;
  HRESULT STDMETHODCALLTYPE GetLevel(int* level) override;
  BOOL STDMETHODCALLTYPE GetCrashLogPath(char* buffer, int size) override;
  BOOL STDMETHODCALLTYPE LoadSettings(const char* settingsPath) override;
  void STDMETHODCALLTYPE ResetSettings() override;

 private:
  void DeleteSinks();
  void CollectCrashLog(const char* modulePath);

  std::vector<ILogSink*> m_sinks;
  int m_nMaxLogSize;
  int m_nEnableTimeStamp;
  int m_nMask;
  char m_szFile[MAX_PATH];
  int m_nLevel;
  char m_szMailAddress[32];
  int m_nEnableSendMail;
};
