// The video module's runner: outputs without audio or video get results of
// their own.
#pragma once
#include "modules/framework/runner/ConvertRunner.h"

class CVideoConvertRunner : public CConvertRunner {
 public:
  int STDMETHODCALLTYPE Progress(int kind, int value, int* abort) override;
  int ConvertTask(int index, IConvertProgress* progress, IConvertEngine** engine) override;
  int Run() override;
  int GetResultText(CTaskRecord* task, int result) override;
};
