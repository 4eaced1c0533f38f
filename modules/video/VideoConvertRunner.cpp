#include "modules/video/VideoConvertRunner.h"

#include "modules/framework/model/TaskList.h"

int CVideoConvertRunner::Progress(int kind, int value, int* abort) {
  return CConvertRunner::Progress(kind, value, abort);
}

int CVideoConvertRunner::Run() { return CConvertRunner::Run(); }

int CVideoConvertRunner::ConvertTask(int index, IConvertProgress* progress, IConvertEngine** engine) {
  int base = CConvertRunner::ConvertTask(index, progress, engine);
  CTaskRecord* task = m_pTaskList ? m_pTaskList->GetTask(index) : NULL;
  if (!task) return base;
  int result = base;
  bool keepOutput = false;
  if (base == kResultSucceeded) {
    if (!task->hasAudio) {
      result = kResultNoAudio;  // a good output, only without sound
      keepOutput = true;
    } else if (!task->hasVideo && task->outputType != kOutputTypeMp3) {
      // Only a type that carries video misses it; an MP3 of a source
      // without video is what was asked for.
      result = kResultNoVideo;
    } else {
      keepOutput = true;
    }
  }
  // Whether the output stays is decided on the method's own result.
  if (!keepOutput) DeleteFileA(task->outputPath.c_str());
  return result;
}

int CVideoConvertRunner::GetResultText(CTaskRecord* task, int result) {
  int ok = CConvertRunner::GetResultText(task, result);
  if (!task) return ok;
  if (result == kResultNoAudio) {
    task->stateText = "Convert Successful, No Audio";
    return 1;
  }
  if (result == kResultNoVideo) {
    task->stateText = "Convert Failed, No Video";
    return 0;
  }
  return ok;
}
