#include "modules/music/MusicTaskListView.h"

#include <commctrl.h>
#include <stdio.h>

#include "include/VarnoViewNames.h"
#include "modules/framework/views/ViewHelpers.h"

namespace {

const TaskListColumn kColumns[] = {
    {"Source File", LVCFMT_LEFT, 190},
    {"Media Time", LVCFMT_LEFT, 90},
    {"Information", LVCFMT_LEFT, 200},
    {"State", LVCFMT_LEFT, 132},
};

}  // namespace

std::string MusicAudioText(const CTaskRecord& task) {
  char text[128];
  snprintf(text, sizeof(text), "%dHz,%s,%dbit,%dkbps", task.sourceSampleRate,
           task.sourceChannels == 1 ? "Mono" : "Stereo", task.sourceBitsPerSample,
           task.sourceAudioKbps);
  return text;
}

HRESULT CMusicTaskListView::GetViewName(char* buffer, int length) {
  return CopyViewName(kMusicTaskListViewName, buffer, length);
}

BOOL CMusicTaskListView::ApplySkin(const char* skinData) {
  BOOL result = CTaskListView::ApplySkin(skinData);
  InsertSkinColumns(kColumns, sizeof(kColumns) / sizeof(kColumns[0]));
  return result;
}

BOOL CMusicTaskListView::SetTaskRowText(int row, CTaskRecord* task) {
  if (!task || !IsRowInList(row)) return FALSE;
  SetNameAndStateCells(row, *task, 3);
  if (!task->mediaTime.empty()) ListView().SetItemText(row, 1, task->mediaTime.c_str());
  ListView().SetItemText(row, 2, MusicAudioText(*task).c_str());
  MoveSelectionTo(row);
  return TRUE;
}
