#include "modules/music/MusicConvertRunner.h"

#include "modules/framework/model/TaskList.h"

int CMusicConvertRunner::ConvertTask(int index, IConvertProgress* progress,
                                     IConvertEngine** engine) {
  int result = CConvertRunner::ConvertTask(index, progress, engine);
  CTaskRecord* task = m_pTaskList ? m_pTaskList->GetTask(index) : NULL;
  if (!task) return result;
  if (result != kResultSucceeded || !task->hasAudio) DeleteFileA(task->outputPath.c_str());
  if (!task->hasAudio) result = kResultNoAudio;
  return result;
}

int CMusicConvertRunner::GetResultText(CTaskRecord* task, int result) {
  int ok = CConvertRunner::GetResultText(task, result);
  if (!task) return ok;
  // A music output without sound is no output at all.
  if (result == kResultNoAudio) {
    task->stateText = "Convert Failed";
    return ok;
  }
  if (result == kResultNoVideo) {
    task->stateText = "Convert Successful";
    return 1;
  }
  return ok;
}
