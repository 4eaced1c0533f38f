// The task list of a conversion module: one record per source file, with
// the probe's findings, the settings of the current output type and a
// unique output name in the chosen output folder.
#pragma once
#include <windows.h>
#include <dshow.h>

#include <map>
#include <string>
#include <unordered_set>
#include <vector>

#include "base/Uncounted.h"
#include "include/VarnoConfig.h"
#include "modules/framework/model/TaskRecord.h"

class CConverterManager;

// The media probe's signature; tests replace the platform probe with a
// scripted one.
typedef int (*PFN_MediaProbe)(VIDEOINFOHEADER* video, WAVEFORMATEX* audio, const char* path,
                              std::string* mediaTime);

class CTaskList {
 public:
  CTaskList();
  virtual ~CTaskList();
  virtual BOOL IsSupportedFile(const char* path);
  virtual BOOL LoadOutputSettings(int outputTypeIndex, CTaskRecord* task);
  virtual BOOL ProbeFile(CTaskRecord* task, const char* path);
  // "" when no name can be made (the task keeps its previous name).
  virtual std::string MakeOutputName(const char* sourcePath, int outputType, int taskIndex);
  virtual void ReloadOutputSettings(CTaskRecord* task);
  // The catalogue index of the output type the tasks convert to: the page's
  // choice, "CurrentLastOutputTypeIndex". A list that makes one kind of
  // output only answers that kind's entry (OutputTypeIndexOfId).
  virtual int CurrentOutputTypeIndex();
  // What a list that makes one kind of output says when the catalogue has
  // no entry of that kind; NULL for a list that converts to any type.
  virtual const char* MissingOutputTypeReason() const { return NULL; }
  // For such a list without its entry: the task gets no output type (it
  // fails when converted), that reason as its state and a log line. FALSE.
  BOOL RefuseMissingOutputType(CTaskRecord* task);

  void SetConfig(IVarnoConfigEx* config) { m_pConfig = config; }
  void SetConverterManager(CConverterManager* manager) { m_pManager = manager; }
  void SetMediaProbe(PFN_MediaProbe probe);
  // How long a file's probe may take (kProbeBoundMs unless a test sets it).
  void SetProbeBound(DWORD milliseconds) { m_probeBoundMs = milliseconds; }

  CTaskRecord* AddFile(const char* path);
  // Whether the last AddFile left its file out because the probe did not
  // answer within its bound.
  bool ProbeUnanswered() const { return m_probeUnanswered; }
  CTaskRecord* GetTask(int index) const;
  int GetCount() const { return (int)m_tasks.size(); }
  int DeleteTasks(int index, int count);
  BOOL ApplyOutputType();
  int UpdateOutputNames();
  BOOL IsMpeg4FamilyType();

  // A choice of the manager's audio lists: kind 1 over rates, 2 over
  // rate x channel pairs, 3 over rate x bits x channel triples (rate-major).
  BOOL PickAudioChoice(int choice, int* sampleRate, int* channels, short* bits, int kind);

  // Tasks 0..count-1 are compared; "" when every counter up to 999 is taken.
  std::string MakeUniqueOutputName(int count, const std::string& prefix, const char* extension);
  std::string MakeNumberedOutputName(int index, const std::string& namePrefix,
                                     const char* extension, const std::string& folder,
                                     int digitCount);

 protected:
  // What one call (adding a file, applying a type) reads once for all its
  // tasks: the device and codec positions, the naming options, the output
  // folder's listing and the names of the tasks already named.
  struct CallCache {
    int depth;
    int preparedType;
    std::map<std::string, int> codecPositions;
    bool namingRead[2];
    BOOL namingOk[2];
    std::string namingPrefix[2];
    int namingDigits[2];
    bool listed;
    std::string listedFolder;
    std::vector<std::string> folderFiles;  // upper case
    bool namesChecked;
    // Kept from call to call and checked at the start of each: the tasks
    // whose output names are indexed, with the name each had then.
    std::vector<std::pair<const CTaskRecord*, std::string> > namedTasks;
    std::unordered_multiset<std::string> taskNames;  // upper case
  };
  class CallScope {
   public:
    explicit CallScope(CTaskList* list);
    ~CallScope();

   private:
    CTaskList* m_pList;
  };

  // The module's pattern list of the open-file filter ("*.AVI;*.WMV;...").
  virtual const char* SupportedPatterns() const;
  void ApplyProbeResult(CTaskRecord* task, int result, const VIDEOINFOHEADER& video,
                        const WAVEFORMATEX& audio);
  void FillFromCodecLibrary(CTaskRecord* task, int result);
  void PrepareOutputType(int typeId);
  int CodecPosition(const std::string& name, const GUID& kind, bool windowsMedia);
  void ApplyMpeg4FamilySettings(CTaskRecord* task, const char* audioName, const char* videoName);
  void ApplyChosenCompressors(CTaskRecord* task);
  void ApplyStillImageSettings(CTaskRecord* task);
  void ApplyMp3Settings(CTaskRecord* task);
  BOOL OutputNaming(int kind, std::string* prefix, int* digits);
  bool NameTaken(const std::string& pattern, const std::string& name, int count);
  // Indexes the output names of tasks 0..count-1.
  void IndexTaskNames(int count);
  void ForgetTaskNamesFrom(size_t first);
  void RenameTasks(bool reloadSettings);
  int Setting(const char* name) { return m_pConfig->GetInt(name, 0, 0); }
  // The first catalogue entry of that output type id; -1 when there is none.
  int OutputTypeIndexOfId(int id);

  std::vector<CTaskRecord*> m_tasks;
  CUncounted<IVarnoConfigEx> m_pConfig;  // the configuration module outlives the modules
  CConverterManager* m_pManager;
  PFN_MediaProbe m_pfnProbe;
  DWORD m_probeBoundMs;
  bool m_probeUnanswered;
  CallCache m_cache;
};
