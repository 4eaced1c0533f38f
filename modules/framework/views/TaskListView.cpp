#include "modules/framework/views/TaskListView.h"

#include <commctrl.h>

#include "include/VarnoModuleEvents.h"
#include "include/VarnoViewNames.h"
#include "modules/framework/views/ViewHelpers.h"
#include "ui/SkinData.h"

HRESULT CTaskListView::GetViewName(char* buffer, int length) {
  return CopyViewName(kMultimediaTaskListViewName, buffer, length);
}

void CTaskListView::EnableMenuItems(HMENU menu) {
  static const struct {
    UINT id;
    const char* command;
  } kItems[] = {{ID_TASKLIST_OPEN, "AddFiles"},
                {ID_TASKLIST_DELETE, "DeleteFiles"},
                {ID_TASKLIST_SELECT_ALL, "SelectAll"}};
  for (const auto& item : kItems)
    EnableMenuItem(menu, item.id,
                   QueryCommandEnabled(item.command) ? MF_ENABLED : MF_DISABLED | MF_GRAYED);
}

HMENU CTaskListView::PreparePopupMenu(CMenu& menu) {
  if (!menu.LoadMenu(WinFxModuleInstance(), PopupMenuId())) return NULL;
  HMENU popup = menu.GetSubMenu(0);
  if (!popup) return NULL;
  TranslatePopupMenu(popup);
  EnableMenuItems(popup);
  return popup;
}

LRESULT CTaskListView::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CONTEXTMENU) {
    CMenu menu;
    HMENU popup = PreparePopupMenu(menu);
    if (popup) {
      POINT cursor;
      GetCursorPos(&cursor);
      TrackPopupMenu(popup, TPM_RIGHTBUTTON, cursor.x, cursor.y, 0, m_hWnd, NULL);
    }
    return 0;
  }
  if (message == WM_COMMAND && lParam == 0 && HIWORD(wParam) == 0) {
    OnMenuCommand(LOWORD(wParam));
    return 0;
  }
  return CTaskListCtrl::WindowProc(message, wParam, lParam);
}

void CTaskListView::OnMenuCommand(UINT id) {
  if (!m_pNotify) return;
  switch (id) {
    case ID_TASKLIST_OPEN:
      m_pNotify->Notify(MEV_ADD_FILES, 0, 0, 0);
      break;
    case ID_TASKLIST_DELETE:
      m_pNotify->Notify(MEV_DELETE_FILES, 0, 0, 0);
      break;
    case ID_TASKLIST_SELECT_ALL:
      m_pNotify->Notify(MEV_SELECT_ALL, 0, 0, 0);
      SelectAllRows();
      break;
  }
}

void CTaskListView::SetRowState(int row, UINT state, UINT mask) {
  ListView().SetItemState(row, state, mask);
}

void CTaskListView::SelectAllRows() {
  const UINT both = LVIS_SELECTED | LVIS_FOCUSED;
  int count = ListView().GetItemCount();
  for (int row = 0; row < count; ++row) SetRowState(row, both, both);
  SetFocus(m_hWnd);
}

BOOL CTaskListView::AddTaskRow(CTaskRecord* task) {
  if (!task) return FALSE;
  int row = ListView().InsertItem(ListView().GetItemCount(), task->sourcePath.c_str());
  if (row < 0) return FALSE;
  SetTaskRowText(row, task);
  return TRUE;
}

BOOL CTaskListView::IsRowInList(int row) {
  // A negative row would address every row of the control.
  return row >= 0 && row < ListView().GetItemCount();
}

BOOL CTaskListView::SetTaskRowText(int row, CTaskRecord* task) {
  if (!IsRowInList(row)) return FALSE;
  if (task) {
    SetNameAndStateCells(row, *task, 2);
    if (!task->mediaTime.empty()) ListView().SetItemText(row, 1, task->mediaTime.c_str());
  }
  MoveSelectionTo(row);
  return TRUE;
}

void CTaskListView::SetNameAndStateCells(int row, const CTaskRecord& task, int stateColumn) {
  if (!task.sourcePath.empty()) {
    size_t slash = task.sourcePath.rfind('\\');
    std::string name = slash == std::string::npos ? task.sourcePath : task.sourcePath.substr(slash + 1);
    ListView().SetItemText(row, 0, name.c_str());
  }
  if (!task.stateText.empty()) {
    char state[260];
    lstrcpynA(state, task.stateText.c_str(), sizeof(state));
    Translate(state, sizeof(state), "MiscStrings");
    ListView().SetItemText(row, stateColumn, state);
  }
}

void CTaskListView::MoveSelectionTo(int row) {
  const UINT both = LVIS_SELECTED | LVIS_FOCUSED;
  int previous = ListView().SetSelectionMark(row);
  SetRowState(previous, 0, both);  // -1: every row
  SetRowState(row, both, both);
  SetFocus(m_hWnd);
  ListView().EnsureVisible(row, FALSE);
}

void CTaskListView::InsertSkinColumns(const TaskListColumn* columns, int count) {
  CSkinDataReader widths(m_skinData);
  for (int i = 0; i < count; ++i) {
    char title[128];
    lstrcpynA(title, columns[i].title, sizeof(title));
    Translate(title, sizeof(title), "ConverterList");
    int width = widths.NextInt();
    ListView().InsertColumn(i, title, columns[i].format, width ? width : columns[i].width);
  }
  SetRowState(0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
}
