#include "modules/framework/runner/ConvertRunner.h"

#include <stdio.h>
#include <string.h>

#include "base/LogClient.h"
#include "base/MessagePump.h"
#include "base/Paths.h"
#include "include/VarnoModuleEvents.h"
#include "modules/framework/model/MediaInfoCtrl.h"
#include "modules/framework/model/TaskList.h"
#include "modules/framework/runner/OutputChecks.h"
#include "modules/framework/runner/RunnerTexts.h"
#include "winfx/AppMessageBox.h"

namespace {

// The product name ("OEMAppName") already carries its version: the boxes
// show it once, as every other title does.
const char kBoxCaption[] = "APPNAME";

bool SameExtension(const std::string& a, const char* b) { return lstrcmpiA(a.c_str(), b) == 0; }

// The size of a file in KiB as "%.1f", "0" when it cannot be read.
std::string SizeInKiB(const std::string& path) {
  ULONGLONG size = 0;
  if (!GetFileSizeOf(path, &size)) return "0";
  char text[64];
  snprintf(text, sizeof(text), "%.1f", static_cast<double>(size) / 1024.0);
  return text;
}

ULONGLONG FileSize(const std::string& path) {
  ULONGLONG size = 0;
  GetFileSizeOf(path, &size);
  return size;
}

}  // namespace

CConvertRunner::CConvertRunner()
    : m_pTaskList(NULL),
      m_pManager(NULL),
      m_pRows(NULL),
      m_pNotify(NULL),
      m_pConfig(NULL),
      m_pTranslator(NULL),
      m_pCurrentEngine(NULL),
      m_nDoneCount(0),
      m_nTaskTotal(0),
      m_sourceExtension(".AVI"),
      m_nAbort(0),
      m_nPowerOff(0),
      m_nRunning(0),
      m_dwStartTick(0),
      m_dwUsedTime(0),
      m_nEstimatedSeconds(0),
      m_nOverallPercent(0),
      m_nRetry(0),
      m_bWroteSegments(false),
      m_bAviCannotSetUp(false) {}

CConvertRunner::~CConvertRunner() {}

std::string CConvertRunner::Translate(const char* text, const char* section) {
  char buffer[260];
  lstrcpynA(buffer, text, sizeof(buffer));
  if (m_pTranslator) m_pTranslator->TranslateString(buffer, section);
  buffer[sizeof(buffer) - 1] = 0;
  return buffer;
}

std::string CConvertRunner::ConfigString(const char* name) {
  char buffer[260] = {0};
  if (m_pConfig) m_pConfig->GetString(name, buffer, sizeof(buffer), 0);
  buffer[sizeof(buffer) - 1] = 0;
  return buffer;
}

int CConvertRunner::ShowBox(const char* text, const char* caption, UINT type, HWND owner) {
  const AppBoxRules kRunnerBoxes = {0, false};
  return ShowAppBox(owner, m_pTranslator, m_pConfig, text, caption, type, kRunnerBoxes);
}

int CConvertRunner::ShowBox(const char* text, const char* caption, UINT type) {
  // Owned by the main window, not by the list in it: a box owned by a child
  // leaves the main window free to be used behind it.
  HWND rows = m_pRows ? m_pRows->GetWindow() : NULL;
  return ShowBox(text, caption, type, rows ? GetAncestor(rows, GA_ROOT) : NULL);
}

void CConvertRunner::Fire(int code, INT_PTR p1, INT_PTR p2, INT_PTR p3) {
  if (m_pNotify) m_pNotify->Notify(code, p1, p2, p3);
}

int CConvertRunner::ConfirmAbort(int powerOff) {
  if (!m_nRunning) return 0;
  if (ShowBox("Are you sure that conversion abort?", kBoxCaption, MB_YESNO | MB_ICONQUESTION) !=
      IDYES)
    return 0;
  m_nAbort = 1;
  m_nPowerOff = powerOff;
  return 1;
}

int CConvertRunner::Progress(int kind, int value, int* abort) {
  if (kind == -1) {
    if (abort) *abort = m_nAbort;
    m_nRetry = value;
    return 1;
  }
  if (kind != 0 && kind != 1 && kind != 5) return 0;
  ProgressState state;
  state.taskTotal = m_nTaskTotal;
  state.doneCount = m_nDoneCount;
  state.estimatedSeconds = m_nEstimatedSeconds;
  state.halved = m_nRetry ||
                 (m_pTaskList && m_pTaskList->IsMpeg4FamilyType() &&
                  SameExtension(m_sourceExtension, ".DAT") && m_pConfig &&
                  m_pConfig->GetInt("VCDChannel", 0, 1) != 2);
  int taskPercent = 0;
  int overall = 0;
  ComputeProgress(state, kind, value, &taskPercent, &overall);
  if (abort) *abort = m_nAbort;
  ShowProgress(overall, taskPercent);
  return 1;
}

void CConvertRunner::ShowProgress(int overall, int taskPercent) {
  m_nOverallPercent = overall;
  if (taskPercent >= 0 && taskPercent <= 100) {
    size_t cut = m_infoText.find("---");
    if (cut != std::string::npos) m_infoText.resize(cut);
    m_infoText += "---" + std::to_string(taskPercent) + "%";
    RebuildTimeText();
    PumpMessages();
  }
  Fire(MEV_PROGRESS_INFO, overall, reinterpret_cast<INT_PTR>(m_infoText.c_str()),
       reinterpret_cast<INT_PTR>(m_timeText.c_str()));
}

void CConvertRunner::RebuildTimeText() {
  unsigned remaining = EstimateRemaining(m_dwUsedTime, m_nOverallPercent);
  m_dwUsedTime = GetTickCount() - m_dwStartTick;
  if (!m_pTranslator) return;
  m_timeText = Translate("Estimated Time:", "MiscStrings") + " " + FormatClock(remaining) + ", " +
               Translate("Used Time:", "MiscStrings") + " " + FormatClock(m_dwUsedTime) + ".";
}

void CConvertRunner::SetInformation(const CTaskRecord* task) {
  m_infoText = Translate("Information:", "MiscStrings");
  m_timeText = Translate("Estimated Time:", "MiscStrings");
  if (task) {
    m_infoText += " " + Translate("Convert", "MiscStrings") + " '" + ShortenFileName(task->sourcePath) +
                  "' " + Translate("to", "MiscStrings") + " '" + ShortenFileName(task->outputPath) + "'";
  }
  Fire(MEV_PROGRESS_INFO, 0, reinterpret_cast<INT_PTR>(m_infoText.c_str()),
       reinterpret_cast<INT_PTR>(m_timeText.c_str()));
}

void CConvertRunner::ResetProgress() {
  ShowProgress(0, 0);
  SetInformation(NULL);
  m_nDoneCount = 0;
  m_nTaskTotal = 0;
  m_dwStartTick = 0;
  m_dwUsedTime = 0;
  m_nOverallPercent = 0;
  m_nAbort = 0;
  m_nRunning = 0;
}

int CConvertRunner::CheckOutputSpace(int index, const std::string& folder) {
  ULARGE_INTEGER freeBytes;
  if (!GetFreeDiskSpace(folder.c_str(), &freeBytes)) return 0;
  CTaskRecord* task = m_pTaskList->GetTask(index);
  if (!task) return 0;
  ULONGLONG needed = NeededOutputBytes(*task, ParseTimeText(task->mediaTime.c_str()));
  if (freeBytes.QuadPart >= needed) return 1;
  if (ShowBox("Not enough space in output folder, \nplease specify another path!",
              kBoxCaption, MB_YESNO | MB_ICONQUESTION) != IDYES)
    return 0;
  Fire(MEV_BROWSE, 1, 1, 1);
  return CheckOutputSpace(index, ConfigString("CurrentSavePath"));
}

void CConvertRunner::LogResult(const CTaskRecord& task, DWORD elapsedMs) {
  std::string clock = FormatClock(elapsedMs);
  LogPrint(LOG_WARNING, "%s,%s,%s,%s,%s,%s\n", task.sourcePath.c_str(), task.mediaTime.c_str(),
           SizeInKiB(task.sourcePath).c_str(), clock.c_str(), SizeInKiB(task.outputPath).c_str(),
           (task.sourcePath + " " + task.stateText).c_str());
}

int CConvertRunner::Run() {
  int lastResult = 0;
  if (m_pTaskList && m_pRows && m_pNotify) {
    std::string folder = ConfigString("CurrentSavePath");
    if (!FileExists(folder.c_str())) {
      ShowBox("Output path doesn't exist!", kBoxCaption, MB_ICONHAND);
    } else if ((m_nTaskTotal = m_pRows->GetRowCount()) >= 1) {
      Fire(MEV_PROGRESS_INFO, 0, 0, 0);
      m_nRunning = 1;
      m_nDoneCount = 0;
      m_dwUsedTime = 0;
      m_nOverallPercent = 0;
      m_dwStartTick = GetTickCount();
      // Every row of the batch waits from its start: a state left from an
      // earlier batch would read as this one's.
      for (int index = 0; index < m_nTaskTotal; ++index) {
        if (CTaskRecord* waiting = m_pTaskList->GetTask(index)) {
          waiting->stateText = "Unconvert";
          m_pRows->ShowTaskInRow(index, waiting);
        }
      }
      m_bAviCannotSetUp = false;
      LogPrint(LOG_WARNING, "Covert begin!\n");
      bool anySucceeded = false;
      for (int index = 0; index < m_nTaskTotal && !m_nAbort; ++index) {
        CTaskRecord* task = m_pTaskList->GetTask(index);
        if (!task) {
          ++m_nDoneCount;
          continue;
        }
        if (!FileExists(task->sourcePath.c_str())) {
          std::string text = "'" + task->sourcePath + "' " +
                             Translate("Source File doesn't exist!", "MessageBoxes");
          ShowBox(text.c_str(), kBoxCaption, MB_ICONHAND);
          ++m_nDoneCount;
          continue;
        }
        if (!CheckOutputSpace(index, ConfigString("CurrentSavePath"))) break;
        task = m_pTaskList->GetTask(index);  // a new folder renames the outputs
        if (!task) break;
        if (!PrepareOutputName(index, task)) {
          lastResult = kResultFailed;
          ++m_nDoneCount;
          continue;
        }
        SetInformation(task);

        int seconds = ParseTimeText(m_pRows->GetCellText(m_nDoneCount, 1).c_str());
        m_nEstimatedSeconds = seconds ? seconds : 1000;
        if (lstrcmpiA(GetFileExt(task->sourcePath.c_str()), ".VOB") == 0) {
          ULONGLONG mib = FileSize(task->sourcePath) / 1048576;
          unsigned bySize = static_cast<unsigned>(mib * (task->colourFormat == 1 ? 6000 : 2000) / 1024);
          if (bySize > m_nEstimatedSeconds) m_nEstimatedSeconds = bySize;
        }
        m_sourceExtension = GetFileExt(m_pRows->GetCellText(index, 0).c_str());

        task->stateText = "Convert...";
        m_pRows->ShowTaskInRow(index, task);
        PumpMessages();
        DWORD taskStart = GetTickCount();

        int result = ConvertTask(index, this, &m_pCurrentEngine);
        if (m_nAbort) result = kResultAborted;
        lastResult = result;
        task = m_pTaskList->GetTask(index);
        if (task) {
          if (GetResultText(task, result)) anySucceeded = true;
          m_pRows->ShowTaskInRow(index, task);
          LogResult(*task, GetTickCount() - taskStart);
        }
        ++m_nDoneCount;
        m_nEstimatedSeconds = 0;
      }
      ShowProgress(100, 100);
      int exitWindows = 0;
      if (!m_nAbort && m_pConfig) {
        exitWindows = m_pConfig->GetInt("ExitWindowsEx", 0, 1);
        if (exitWindows) m_nPowerOff = 1;
      }
      if (!m_nPowerOff) {
        if (!m_nAbort) {
          LogPrint(LOG_WARNING, "Covert finished!\n");
          ShowBox("Convert finished!", kBoxCaption, MB_ICONINFORMATION);
          if (anySucceeded) Fire(MEV_CONVERT_DONE, 1, 1, 1);
        } else {
          LogPrint(LOG_WARNING, "User Aborted!\n");
          ShowBox("User Aborted!", kBoxCaption, MB_ICONINFORMATION);
          Fire(MEV_POWER_OFF, 0, 0, 0);
        }
        ResetProgress();
      } else {
        ResetProgress();
        Fire(MEV_POWER_OFF, 1, exitWindows, 0);
      }
    }
  }
  if (m_pTaskList) m_pTaskList->ApplyOutputType();
  return lastResult;
}

bool CConvertRunner::PrepareOutputName(int index, CTaskRecord* task) {
  const char* reason = NULL;
  switch (CheckOutputName(m_pTaskList, index, task, ConfigString("CurrentSavePath"))) {
    case kOutputNameReady:
      return true;
    case kOutputNameRenamed:
      LogPrint(LOG_WARNING, "Output file exists, renamed to %s\n", task->outputPath.c_str());
      m_pRows->ShowTaskInRow(index, task);
      return true;
    case kOutputNameMissing:
      reason = "Convert Failed, Output Path Too Long";
      break;
    case kOutputNameTaken:
      reason = "Convert Failed, Output File Exists";
      break;
  }
  // Nothing is written anywhere for a task without a name of its own.
  LogPrint(LOG_ERROR, "No output name for %s\n", task->sourcePath.c_str());
  task->stateText = reason;
  m_pRows->ShowTaskInRow(index, task);
  return false;
}

int CConvertRunner::ConvertTask(int index, IConvertProgress* progress, IConvertEngine** engine) {
  CTaskRecord* original = m_pTaskList ? m_pTaskList->GetTask(index) : NULL;
  if (!original) return kResultFailed;
  CTaskRecord task = *original;
  bool vcd = lstrcmpiA(GetFileExt(task.sourcePath.c_str()), ".DAT") == 0;
  if (m_pConfig) m_pConfig->SetInt("EnableVCDChannel", vcd ? 1 : 0, 0);
  int result = kResultFailed;
  m_bWroteSegments = false;
  switch (task.outputType) {
    case 0:
      task.keepSourceAudio = 1;
      result = ConvertToAVI(task, progress, engine);
      break;
    case 1: case 4: case 5: case 6: case 7:
      task.keepSourceAudio = 1;
      result = ConvertToMPEG4(task, progress, engine, 0);
      if (result == kResultFailed) {
        LogPrint(LOG_TRACE, "Use ASF Converter to try again!\n");
        int aborted = 0;
        progress->Progress(-1, 1, &aborted);
        if (!aborted) result = ConvertToMPEG4(task, progress, engine, 1);
        progress->Progress(-1, 0, &aborted);
      }
      break;
    case 2:
      task.keepSourceAudio = 0;
      result = ConvertWithStreamCast(task, progress, engine);
      break;
    case 3:
      task.keepSourceAudio = 0;
      result = ConvertToASF(task, progress, engine);
      break;
    case 8:
      result = ConvertToImage(task, progress, engine);
      break;
    case 9:
      result = ConvertToMP3(task, progress, engine, 1);
      break;
    default:
      result = kResultFailed;
  }
  if (m_pConfig) m_pConfig->SetInt("EnableVCDChannel", 0, 0);
  // A run that left no file, or an empty one (a full disk), made nothing.
  if (result == kResultSucceeded && !m_bWroteSegments && !OutputHasContent(task.outputPath)) {
    LogPrint(LOG_ERROR, "No output written to %s\n", task.outputPath.c_str());
    result = kResultFailed;
  }
  return result;
}

int CConvertRunner::GetResultText(CTaskRecord* task, int result) {
  if (!task) return 0;
  // A task of a page whose one output type the catalogue lacks says so.
  const char* missing = m_pTaskList ? m_pTaskList->MissingOutputTypeReason() : NULL;
  if (task->outputType == kOutputTypeNone && missing) {
    task->stateText = std::string("Convert Failed, ") + missing;
    return 0;
  }
  const char* ext = GetFileExt(task->sourcePath.c_str());
  switch (result) {
    case kResultFailed:
      task->stateText = "Convert Failed";
      return 0;
    case kResultSucceeded:
      task->stateText = "Convert Successful";
      return 1;
    case kResultAborted:
      task->stateText = "User Aborted";
      return 0;
    case kResultNotAvailable: {
      bool real = lstrcmpiA(ext, ".RM") == 0 || lstrcmpiA(ext, ".RMVB") == 0;
      bool quickTime = lstrcmpiA(ext, ".MOV") == 0;
      if (!real && !quickTime) {
        task->stateText = "Convert Failed";
        return 0;
      }
      task->stateText = real ? "Maybe No Real Codec" : "Maybe No Quicktime Codec";
      std::string text = std::string(real ? "No Real codec detected in your PC" : "No Quicktime codec detected in your PC") +
                         "\nor it is not the lastest version. \n"
                         "Please go to the codec maker's download page\n"
                         "to download the latest version.";
      ShowBox(text.c_str(), task->stateText.c_str(), MB_ICONHAND);
      return 0;
    }
    default:
      return 0;
  }
}
