// The photo module's task list: file name, the picture's information text
// and the state.
#pragma once
#include "modules/framework/views/TaskListView.h"

class CPhotoTaskListView : public CTaskListView {
 public:
  HRESULT STDMETHODCALLTYPE GetViewName(char* buffer, int length) override;
  BOOL ApplySkin(const char* skinData) override;
  BOOL SetTaskRowText(int row, CTaskRecord* task) override;

 protected:
  UINT PopupMenuId() const override { return IDR_PHOTO_TASKLIST_MENU; }
};
