#include "modules/photo/PhotoTaskListView.h"

#include <commctrl.h>

#include "include/VarnoViewNames.h"
#include "modules/framework/views/ViewHelpers.h"

namespace {

const TaskListColumn kColumns[] = {
    {"Source File", LVCFMT_LEFT, 84},
    {"Information", LVCFMT_LEFT, 140},
    {"State", LVCFMT_LEFT, 80},
};

}  // namespace

HRESULT CPhotoTaskListView::GetViewName(char* buffer, int length) {
  return CopyViewName(kPhotoTaskListViewName, buffer, length);
}

BOOL CPhotoTaskListView::ApplySkin(const char* skinData) {
  BOOL result = CTaskListView::ApplySkin(skinData);
  InsertSkinColumns(kColumns, sizeof(kColumns) / sizeof(kColumns[0]));
  return result;
}

BOOL CPhotoTaskListView::SetTaskRowText(int row, CTaskRecord* task) {
  if (!task || !IsRowInList(row)) return FALSE;
  SetNameAndStateCells(row, *task, 2);
  if (!task->infoText.empty()) ListView().SetItemText(row, 1, task->infoText.c_str());
  MoveSelectionTo(row);
  return TRUE;
}
