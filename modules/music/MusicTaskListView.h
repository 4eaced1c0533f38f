// The music module's task list: file name, media time, the source's audio
// format and the state.
#pragma once
#include "modules/framework/views/TaskListView.h"

class CMusicTaskListView : public CTaskListView {
 public:
  HRESULT STDMETHODCALLTYPE GetViewName(char* buffer, int length) override;
  BOOL ApplySkin(const char* skinData) override;
  BOOL SetTaskRowText(int row, CTaskRecord* task) override;

 protected:
  UINT PopupMenuId() const override { return IDR_MUSIC_TASKLIST_MENU; }
};

// The "Information" cell of a music task: "%dHz,%s,%dbit,%dkbps".
std::string MusicAudioText(const CTaskRecord& task);
