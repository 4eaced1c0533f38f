// A progress callback that records every report ("kind:value") and asks to
// stop at the report numbered `stopAt` (counting from 1; 0: never).
#pragma once
#include <string>
#include <vector>

#include "include/VarnoEngine.h"

class CRecordingProgress : public IConvertProgress {
 public:
  std::vector<int> percents;  // the values of the kind-0 reports
  std::vector<int> kinds;
  int stopAt = 0;

  int STDMETHODCALLTYPE Progress(int kind, int value, int* abort) override {
    kinds.push_back(kind);
    if (kind == PROGRESS_PERCENT) percents.push_back(value);
    if (stopAt && (int)kinds.size() >= stopAt && abort) *abort = 1;
    return 0;
  }
};
