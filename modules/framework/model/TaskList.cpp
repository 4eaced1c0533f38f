#include "modules/framework/model/TaskList.h"

#include <string.h>

#include "base/LogClient.h"
#include "base/Paths.h"
#include "modules/framework/model/CodecLibrary.h"
#include "modules/framework/model/ConverterManager.h"
#include "base/BoundedCall.h"
#include "modules/framework/model/BoundedProbe.h"
#include "modules/framework/model/MediaInfoCtrl.h"
#include "modules/framework/model/OutputType.h"

namespace {
const DWORD kFourccY41P = MAKEFOURCC('Y', '4', '1', 'P');
const DWORD kFourccYV12 = MAKEFOURCC('Y', 'V', '1', '2');

void SetVideoDefaults(CTaskRecord* task) {
  task->videoCodecIndex = -1;
  task->videoBufferWindow = 3000;
  task->videoQuality = task->defaultVideoQuality = 100;
  task->keyFrameSpacing = task->defaultKeyFrameSpacing = 8;
  task->videoVbrEnabled = task->videoVbrMode = 0;
  task->videoVbrQuality = 100;
  task->peakVideoBitRate = 200000;
  task->peakBufferWindow = 3000;
}

void SetAudioDefaults(CTaskRecord* task) {
  task->audioBitRate = 0;
  task->audioQuality = 0;
  task->audioBufferWindow = 3000;
  task->audioCodec = -1;
  task->audioFormatIndex = task->audioMode = task->audioParam = 0;
}

int ClampVideoBitRate(DWORD rate) {
  if (rate <= 800000) return 800000;
  if (rate > 4000000) return 4000000;
  return (int)rate;
}

int FrameRateOf(REFERENCE_TIME frameDuration) {
  int rate = frameDuration > 0 ? (int)(10000000 / frameDuration) : 30;
  return (rate <= 0 || rate > 30) ? 30 : rate;
}
}  // namespace

CTaskList::CTaskList()
    : m_pConfig(NULL),
      m_pManager(NULL),
      m_pfnProbe(&CMediaInfoCtrl::GetMediaInfo),
      m_probeBoundMs(kProbeBoundMs),
      m_probeUnanswered(false) {
  m_cache.depth = 0;
  m_cache.namesChecked = false;
}

CTaskList::~CTaskList() {
  for (size_t i = 0; i < m_tasks.size(); ++i) delete m_tasks[i];
  m_tasks.clear();
}

void CTaskList::SetMediaProbe(PFN_MediaProbe probe) {
  m_pfnProbe = probe ? probe : &CMediaInfoCtrl::GetMediaInfo;
}

CTaskList::CallScope::CallScope(CTaskList* list) : m_pList(list) {
  CallCache& cache = m_pList->m_cache;
  if (cache.depth++ > 0) return;
  cache.preparedType = -1;
  cache.codecPositions.clear();
  cache.namingRead[0] = cache.namingRead[1] = false;
  cache.listed = false;
  cache.listedFolder.clear();
  cache.folderFiles.clear();
  cache.namesChecked = false;
}

CTaskList::CallScope::~CallScope() { --m_pList->m_cache.depth; }

CTaskRecord* CTaskList::AddFile(const char* path) {
  m_probeUnanswered = false;
  if (!path) return NULL;
  // Paths travel in 260-character buffers further on (engines, encoder
  // command lines); a longer one would be cut into another file's name.
  if (strlen(path) >= MAX_PATH) {
    LogPrint(LOG_ERROR, "Source path is too long and was not added: %s\n", path);
    return NULL;
  }
  if (!IsSupportedFile(path)) return NULL;
  CallScope scope(this);
  CTaskRecord* task = new CTaskRecord();
  if (!ProbeFile(task, path)) {
    delete task;
    return NULL;
  }
  m_tasks.push_back(task);
  ReloadOutputSettings(task);
  std::string name = MakeOutputName(task->sourcePath.c_str(), task->outputType, GetCount() - 1);
  if (!name.empty()) task->outputPath = name;
  return task;
}

CTaskRecord* CTaskList::GetTask(int index) const {
  if (index < 0 || index >= GetCount()) return NULL;
  return m_tasks[index];
}

int CTaskList::DeleteTasks(int index, int count) {
  if (index < 0 || index >= GetCount() || count <= 0) return GetCount();
  if (count > GetCount() - index) count = GetCount() - index;
  for (int i = index; i < index + count; ++i) {
    if (!m_tasks[i]->tempPath.empty()) DeleteFileA(m_tasks[i]->tempPath.c_str());
    delete m_tasks[i];
  }
  m_tasks.erase(m_tasks.begin() + index, m_tasks.begin() + index + count);
  return GetCount();
}

const char* CTaskList::SupportedPatterns() const {
  return "*.RM;*.RMVB;*.AVI;*.WMV;*.ASF;*.MPG;*.MPEG;*.MPE;*.M1V;*.MPV2;*.MP4;*.DAT;*.MOV;*.VOB";
}

BOOL CTaskList::IsSupportedFile(const char* path) {
  if (!FileExists(path)) return FALSE;
  const char* ext = GetFileExt(path);
  if (!ext || !ext[0] || !ext[1]) return FALSE;  // none, or a bare trailing dot
  std::string pattern = std::string("*") + ext;
  CharUpperBuffA(&pattern[0], (DWORD)pattern.size());
  return strstr(SupportedPatterns(), pattern.c_str()) != NULL;
}

BOOL CTaskList::ProbeFile(CTaskRecord* task, const char* path) {
  if (!task || !path) return FALSE;
  if (task->outputType != kOutputTypeMp3) task->outputType = 0;
  task->sourcePath = path;
  task->outputPath = path;
  task->stateText = "Unconvert";
  const char* dot = strrchr(path, '.');
  if (dot) task->outputPath = std::string(path, dot - path) + "X.avi";

  VIDEOINFOHEADER video;
  WAVEFORMATEX audio;
  memset(&video, 0, sizeof(video));
  memset(&audio, 0, sizeof(audio));
  int result = kMediaFailed;
  if (!ProbeMediaWithin(m_pfnProbe, m_probeBoundMs, path, &video, &audio, &task->mediaTime,
                        &result)) {
    LogPrint(LOG_ERROR, "The media probe did not answer for %s, not added!\n", path);
    m_probeUnanswered = true;
    return FALSE;
  }
  LogPrint(LOG_WARNING, "CMediaInfoCtrl::GetMediaInfo=%d!\n", result);
  if (result == kMediaFailed) return FALSE;
  ApplyProbeResult(task, result, video, audio);
  FillFromCodecLibrary(task, result);
  if (!task->hasVideo && !task->hasAudio) return FALSE;
  task->reserved1 = 0;
  task->audioCodecId = task->videoCodecId = -1;
  task->keepSourceAudio = 0;
  return TRUE;
}

void CTaskList::ApplyProbeResult(CTaskRecord* task, int, const VIDEOINFOHEADER& video,
                                 const WAVEFORMATEX& audio) {
  if (video.bmiHeader.biCompression == kFourccY41P) task->colourFormat = 1;
  if (video.bmiHeader.biCompression == kFourccYV12) task->colourFormat = 2;
  task->sampleRate = task->sourceSampleRate = (int)audio.nSamplesPerSec;
  task->bitsPerSample = task->sourceBitsPerSample =
      audio.wBitsPerSample ? (short)audio.wBitsPerSample : 24;
  task->channels = task->sourceChannels = (short)audio.nChannels;
  task->sourceAudioKbps = (int)((DWORD)(audio.nAvgBytesPerSec * 8u) / 1000u);
  task->videoBitRate = task->sourceVideoBitRate = ClampVideoBitRate(video.dwBitRate);
  task->frameRate = task->sourceFrameRate = FrameRateOf(video.AvgTimePerFrame);
  task->width = task->sourceWidth = video.bmiHeader.biWidth;
  task->height = task->sourceHeight = video.bmiHeader.biHeight;
  SetVideoDefaults(task);
  SetAudioDefaults(task);
  task->hasVideo = task->hasAudio = 1;
}

void CTaskList::FillFromCodecLibrary(CTaskRecord* task, int result) {
  if (!m_pManager) return;
  CCodecLibrary* codec = m_pManager->GetCodecLibrary();
  if (result == kMediaVideoOnly || result == kMediaNoStream) {
    VarnoAudioInfo info = {0, 0, 0};
    if (codec && codec->GetAudioInfo(task->sourcePath.c_str(), &info) == 0) {
      task->sampleRate = task->sourceSampleRate = info.sampleRate;
      task->bitsPerSample = task->sourceBitsPerSample = 16;
      task->channels = task->sourceChannels = (short)info.channels;
      task->sourceAudioKbps = info.bitRate / 1000;
      SetAudioDefaults(task);
      task->hasAudio = 1;
    } else {
      task->hasAudio = 0;
    }
  }
  if (task->outputType != kOutputTypeMp3 &&
      (result == kMediaAudioOnly || result == kMediaNoStream)) {
    VarnoVideoInfo info = {0, 0, 0, 0};
    if (codec && codec->GetVideoInfo(task->sourcePath.c_str(), &info) == 0) {
      // The detector found no video, so its header rate is zero here: the
      // library's own rate is the one to keep.
      int rate = info.bitRate <= 200000 ? 200000 : info.bitRate;
      if (rate > 4000000) rate = 4000000;
      task->videoBitRate = task->sourceVideoBitRate = rate;
      task->frameRate = task->sourceFrameRate = info.frameRate;
      task->width = task->sourceWidth = info.width;
      task->height = task->sourceHeight = info.height;
      SetVideoDefaults(task);
      task->videoVbrQuality = 1000;
      task->hasVideo = 1;
    } else {
      task->hasVideo = 0;
    }
  }
}

int CTaskList::CurrentOutputTypeIndex() { return Setting("CurrentLastOutputTypeIndex"); }

BOOL CTaskList::RefuseMissingOutputType(CTaskRecord* task) {
  const char* reason = MissingOutputTypeReason();
  if (!task || !reason) return FALSE;
  LogPrint(LOG_ERROR, "%s: %s\n", reason, task->sourcePath.c_str());
  task->outputType = kOutputTypeNone;
  task->stateText = reason;
  return FALSE;
}

int CTaskList::OutputTypeIndexOfId(int id) {
  OutputTypeEntry entry;
  for (int index = 0; m_pManager && m_pManager->GetOutputType(index, &entry); ++index)
    if (entry.id == id) return index;
  return -1;
}

BOOL CTaskList::ApplyOutputType() {
  if (!m_pConfig || !m_pManager) return FALSE;
  CallScope scope(this);
  OutputTypeEntry entry;
  if (!m_pManager->GetOutputType(CurrentOutputTypeIndex(), &entry)) return FALSE;
  m_pConfig->SetInt("CurrentLastOutputTypeData", entry.id, 0);
  if (entry.id == kOutputTypeMp3) {
    // The music page's "User defined" row is marked -1 by the music module;
    // the catalogue's MP3 entry, which every music task converts to, must
    // not write over that mark (the MP3 dialog is usable only with it).
    if (Setting("MusicLastOutputTypeData") != kUserDefinedMp3Data)
      m_pConfig->SetInt("MusicLastOutputTypeData", kOutputTypeMp3, 0);
  }
  else if (entry.id == kOutputTypeStillImage)
    m_pConfig->SetInt("PhotoLastOutputTypeData", kOutputTypeStillImage, 0);
  else
    m_pConfig->SetInt("VideoLastOutputTypeData", entry.id, 0);
  RenameTasks(true);
  return TRUE;
}

int CTaskList::UpdateOutputNames() {
  CallScope scope(this);
  RenameTasks(false);
  return 1;
}

void CTaskList::RenameTasks(bool reloadSettings) {
  // The count is read again before every step: a handler that runs inside
  // may change the list.
  for (int i = 0; i < GetCount(); ++i) {
    CTaskRecord* task = m_tasks[i];
    if (reloadSettings) ReloadOutputSettings(task);
    std::string name = MakeOutputName(task->sourcePath.c_str(), task->outputType, i);
    if (!name.empty()) task->outputPath = name;
  }
}

BOOL CTaskList::IsMpeg4FamilyType() {
  if (!m_pConfig || !m_pManager) return FALSE;
  OutputTypeEntry entry;
  if (!m_pManager->GetOutputType(CurrentOutputTypeIndex(), &entry)) return FALSE;
  return entry.id == 1 || (entry.id >= 4 && entry.id <= 7);
}
