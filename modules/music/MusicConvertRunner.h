// The music module's runner: a task without audio fails, and its output
// goes with every result but a success.
#pragma once
#include "modules/framework/runner/ConvertRunner.h"

class CMusicConvertRunner : public CConvertRunner {
 public:
  int ConvertTask(int index, IConvertProgress* progress, IConvertEngine** engine) override;
  int GetResultText(CTaskRecord* task, int result) override;
};
