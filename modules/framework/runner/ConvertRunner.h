// The conversion runner: walks the task list when the user starts a
// conversion, hands each task to the method that its output type selects,
// turns the methods' progress into percents, texts and times, writes each
// task's result and ends the batch with a message or an event. It lives for
// one batch, on the user-interface thread, and pumps messages while it works.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "base/Uncounted.h"
#include "include/VarnoConfig.h"
#include "include/VarnoConverter.h"
#include "include/VarnoEngine.h"
#include "include/VarnoTranslator.h"
#include "modules/framework/model/TaskRecord.h"

class CTaskList;
class CConverterManager;

// What the runner needs of the module's task-list view.
class ITaskRows {
 public:
  virtual ~ITaskRows() {}
  virtual int GetRowCount() = 0;
  virtual std::string GetCellText(int row, int column) = 0;
  // Shows the task's file name, media time and translated state in its row.
  virtual BOOL ShowTaskInRow(int row, CTaskRecord* task) = 0;
  // The owner of the runner's message boxes.
  virtual HWND GetWindow() = 0;
};

// Result codes of a task.
enum {
  kResultFailed = 0,
  kResultSucceeded = 1,
  kResultAborted = 2,
  kResultNotAvailable = 3,
  kResultNoAudio = 4,
  kResultNoVideo = 5,
};

class CConvertRunner : public IConvertProgress {
 public:
  CConvertRunner();
  virtual ~CConvertRunner();

  int STDMETHODCALLTYPE Progress(int kind, int value, int* abort) override;
  virtual int ConvertTask(int index, IConvertProgress* progress, IConvertEngine** engine);
  virtual int Run();
  virtual int ConfirmAbort(int powerOff);
  virtual int GetResultText(CTaskRecord* task, int result);
  virtual int ConvertToAVI(CTaskRecord task, IConvertProgress* progress, IConvertEngine** engine);
  virtual int ConvertWithStreamCast(CTaskRecord task, IConvertProgress* progress,
                                    IConvertEngine** engine);
  virtual int ConvertToASF(CTaskRecord task, IConvertProgress* progress, IConvertEngine** engine);
  virtual int ReadFromPipe(const std::string& commandLine, IConvertProgress* progress,
                           int startSeconds, int knownDuration);
  virtual int ConvertWithEncoder(CTaskRecord task, IConvertProgress* progress,
                                 IConvertEngine** engine, int bypassChannelLimit, int firstStage);
  virtual int ConvertToMPEG4(CTaskRecord task, IConvertProgress* progress, IConvertEngine** engine,
                             int retry);
  virtual int ConvertToImage(CTaskRecord task, IConvertProgress* progress,
                             IConvertEngine** engine);
  // The codec library's argument vector for the task (its command template
  // read into the codec template); `output` "" for the task's own output.
  // False without a converter manager, or when the profile has no template
  // for the task's kind (the codec template is then empty).
  bool BuildCodecArgs(const CTaskRecord& task, std::vector<std::string>* arguments,
                      const std::string& output);
  virtual int ConvertToMP3(CTaskRecord task, IConvertProgress* progress, IConvertEngine** engine,
                           int bypassChannelLimit);

  void SetTaskList(CTaskList* taskList) { m_pTaskList = taskList; }
  void SetConverterManager(CConverterManager* manager) { m_pManager = manager; }
  void SetListControl(ITaskRows* rows) { m_pRows = rows; }
  void SetNotify(IModuleNotify* notify) { m_pNotify = notify; }
  void SetTranslator(ILanguageTranslater* translator) { m_pTranslator = translator; }
  void SetConfig(IVarnoConfigEx* config) { m_pConfig = config; }

  bool IsRunning() const { return m_nRunning != 0; }
  const std::string& InformationText() const { return m_infoText; }
  const std::string& TimeText() const { return m_timeText; }
  // The codec template that the MPEG-4 family searches for "|xvid" and "|bf".
  void SetCodecTemplate(const std::string& text) { m_codecTemplate = text; }

 protected:
  // Message boxes: texts translated in "MessageBoxes", "APPNAME" replaced.
  int ShowBox(const char* text, const char* caption, UINT type, HWND owner);
  int ShowBox(const char* text, const char* caption, UINT type);
  void Fire(int code, INT_PTR p1, INT_PTR p2, INT_PTR p3);
  void ShowProgress(int overall, int taskPercent);
  void SetInformation(const CTaskRecord* task);
  void RebuildTimeText();
  void ResetProgress();
  int CheckOutputSpace(int index, const std::string& folder);
  std::string Translate(const char* text, const char* section);
  std::string ConfigString(const char* name);
  void LogResult(const CTaskRecord& task, DWORD elapsedMs);
  // Checks the task's output name when it starts; false (and the row says
  // why) when it has none that the batch may write.
  bool PrepareOutputName(int index, CTaskRecord* task);

  CTaskList* m_pTaskList;
  CConverterManager* m_pManager;
  ITaskRows* m_pRows;
  CUncounted<IModuleNotify> m_pNotify;  // the module that runs the batch
  CUncounted<IVarnoConfigEx> m_pConfig;  // the configuration module outlives the batch
  CUncounted<ILanguageTranslater> m_pTranslator;  // the configuration module's, as long-lived
  IConvertEngine* m_pCurrentEngine;
  int m_nDoneCount;
  int m_nTaskTotal;
  std::string m_sourceExtension;
  std::string m_codecTemplate;
  int m_nAbort;
  int m_nPowerOff;
  int m_nRunning;
  DWORD m_dwStartTick;
  DWORD m_dwUsedTime;
  unsigned m_nEstimatedSeconds;
  int m_nOverallPercent;
  int m_nRetry;
  std::string m_infoText;
  std::string m_timeText;
  // Set by a run that wrote numbered segments instead of the output file.
  bool m_bWroteSegments;
  // Set when the recompression engine answered that it cannot be set up on
  // this machine: the batch's other AVI tasks fail without it, so that its
  // box is shown once, not once a task.
  bool m_bAviCannotSetUp;
};
