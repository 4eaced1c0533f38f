// The video module's task list: three columns, widths from the skin data.
#pragma once
#include "modules/framework/views/TaskListView.h"

class CVideoTaskListView : public CTaskListView {
 public:
  HRESULT STDMETHODCALLTYPE GetViewName(char* buffer, int length) override;
  BOOL ApplySkin(const char* skinData) override;
};
