#include "log/Log.h"

#include <shlwapi.h>
#include <stdio.h>
#include <new>
#include <string.h>

#include "log/CrashLog.h"

namespace {
const char kSection[] = "LogSetting";
const char kDefaultMailAddress[] = "support@varnomedia.com";
}  // namespace

CLog::CLog() { ResetSettings(); }

CLog::~CLog() { DeleteSinks(); }

void CLog::DeleteSinks() {
  for (ILogSink* sink : m_sinks) delete sink;
  m_sinks.clear();
}

void CLog::ResetSettings() {
  m_nMask = 0;
  m_szFile[0] = 0;
  m_nMaxLogSize = 0;
  m_nLevel = 0;
  m_szMailAddress[0] = 0;
  m_nEnableSendMail = 0;
  m_nEnableTimeStamp = 0;
  DeleteSinks();
}

BOOL CLog::LoadSettings(const char* settingsPath) {
  ResetSettings();
  if (!settingsPath || !PathFileExistsA(settingsPath)) return FALSE;
  m_nMask = GetPrivateProfileIntA(kSection, "Mask", 0, settingsPath);
  GetPrivateProfileStringA(kSection, "File", "", m_szFile, MAX_PATH, settingsPath);
  m_nMaxLogSize = GetPrivateProfileIntA(kSection, "MaxLogSize", 512, settingsPath);
  m_nLevel = GetPrivateProfileIntA(kSection, "Level", 0, settingsPath);
  GetPrivateProfileStringA(kSection, "MailAddress", "", m_szMailAddress, sizeof(m_szMailAddress),
                           settingsPath);
  m_nEnableSendMail = GetPrivateProfileIntA(kSection, "EnableSendMail", 0, settingsPath);
  m_nEnableTimeStamp = GetPrivateProfileIntA(kSection, "EnableTimeStamp", 1, settingsPath);

  // A file without a real folder ("log.txt", "\log.txt", "C:log.txt") goes
  // beside the settings file.
  char folder[MAX_PATH];
  lstrcpynA(folder, m_szFile, MAX_PATH);
  PathRemoveFileSpecA(folder);
  if (lstrlenA(folder) < 3) {
    char path[MAX_PATH];
    lstrcpynA(path, settingsPath, MAX_PATH);
    PathRemoveFileSpecA(path);
    char name[MAX_PATH];
    lstrcpynA(name, PathFindFileNameA(m_szFile), MAX_PATH);
    if (PathAppendA(path, name)) lstrcpynA(m_szFile, path, MAX_PATH);
  }
  if (!m_szMailAddress[0]) lstrcpynA(m_szMailAddress, kDefaultMailAddress, sizeof(m_szMailAddress));
  return TRUE;
}

HRESULT CLog::Initialize(HINSTANCE module) {
  char modulePath[MAX_PATH] = {0};
  GetModuleFileNameA(module, modulePath, MAX_PATH);
  char settingsPath[MAX_PATH + 8];
  snprintf(settingsPath, sizeof(settingsPath), "%s.cfg", modulePath);
  if (!LoadSettings(settingsPath)) return E_FAIL;

  CollectCrashLog(modulePath);

  if (m_nMask & 1) {
    long long cap = static_cast<long long>(m_nMaxLogSize) * 1024;
    if (cap > 0x7FFFFFFF) cap = 0x7FFFFFFF;
    m_sinks.push_back(new CFileLogSink(m_szFile, static_cast<int>(cap)));
  }
  if (m_nMask & 2) m_sinks.push_back(new CDebugLogSink());
  if (m_nMask & 4) m_sinks.push_back(new CConsoleLogSink());
  return m_sinks.empty() ? S_FALSE : S_OK;
}

void CLog::Release() { delete this; }

void CLog::Log(unsigned level, const char* text) {
  if (static_cast<unsigned>(m_nLevel) < level || !text) return;
  if (!m_nEnableTimeStamp) {
    for (ILogSink* sink : m_sinks) sink->Write(text);
    return;
  }
  size_t length = strlen(text);
  char* stamped = new (std::nothrow) char[length + 16];
  if (!stamped) {
    for (ILogSink* sink : m_sinks) sink->Write(text);
    return;
  }
  int prefix = snprintf(stamped, 16, "%08d:\n", static_cast<int>(GetTickCount()));
  memcpy(stamped + prefix, text, length + 1);
  for (ILogSink* sink : m_sinks) sink->Write(stamped);
  delete[] stamped;
}

HRESULT CLog::LogHex(unsigned level, const BYTE* data, unsigned length) {
  if (static_cast<unsigned>(m_nLevel) < level) return E_NOTIMPL;
  if (!data || length == 0) return E_INVALIDARG;
  // Each byte takes 3 characters, each group of 8 a space, each line of 16 a
  // line break: 53 per full line, with room for the last, partial one.
  size_t size = static_cast<size_t>(length / 16) * 53 + 63;
  char* buffer = new (std::nothrow) char[size];
  if (!buffer) return E_OUTOFMEMORY;
  size_t used = 0;
  for (unsigned i = 0; i < length; ++i) {
    if (i > 0 && i % 16 == 0) buffer[used++] = '\n';
    if (i % 8 == 0) buffer[used++] = ' ';
    used += snprintf(buffer + used, size - used, "%02X ", data[i]);
  }
  buffer[used++] = '\n';
  buffer[used] = 0;
  Log(level, buffer);
  delete[] buffer;
  return S_OK;
}

HRESULT CLog::SetLevel(int level) {
  m_nLevel = level;
  return S_OK;
}

HRESULT CLog::GetLevel(int* level) {
  if (!level) return E_INVALIDARG;
  *level = m_nLevel;
  return S_OK;
}

BOOL CLog::GetCrashLogPath(char* buffer, int size) { return ::GetCrashLogPath(buffer, size); }

void CLog::CollectCrashLog(const char* modulePath) {
  ::CollectCrashLog(modulePath, m_nEnableSendMail, m_szMailAddress);
}

extern "C" HRESULT WINAPI CreateLogInterface(ILog** out) {
  if (!out) return E_INVALIDARG;
  *out = new (std::nothrow) CLog();
  return *out ? S_OK : E_OUTOFMEMORY;
}
