// The task-list view: one row per task (file name, media time, state) and
// the popup menu whose three commands become module events. The menu comes
// from the module's own resources (IDR_TASKLIST_MENU in each module library).
#pragma once
#include "include/VarnoViewNames.h"
#include "modules/framework/model/TaskRecord.h"
#include "modules/framework/views/TaskListCtrl.h"
#include "winfx/Menu.h"

// One column of a module's task list: its title (translated in
// "ConverterList"), format and the width used when the skin gives none.
struct TaskListColumn {
  const char* title;
  int format;
  int width;
};

class CTaskListView : public CTaskListCtrl {
 public:
  HRESULT STDMETHODCALLTYPE GetViewName(char* buffer, int length) override;
  // Enabled or disabled-and-grayed as the program answers for each command.
  void EnableMenuItems(HMENU menu) override;

  // Appends a row for the task; FALSE for no task.
  virtual BOOL AddTaskRow(CTaskRecord* task);
  // Writes the task's texts into an existing row and selects it; FALSE for a
  // row outside the list.
  virtual BOOL SetTaskRowText(int row, CTaskRecord* task);

  // Loads the popup from the module's resources, translated and enabled;
  // NULL when the menu is missing. The popup lives as long as `menu`.
  HMENU PreparePopupMenu(CMenu& menu);
  // A command of the popup menu.
  void OnMenuCommand(UINT id);
  void SelectAllRows();

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  void SetRowState(int row, UINT state, UINT mask);
  // The popup menu's resource in the module's library.
  virtual UINT PopupMenuId() const { return IDR_TASKLIST_MENU; }
  // Inserts the columns, widths from what the skin data left, and selects
  // row 0: what each module's ApplySkin does after the base.
  void InsertSkinColumns(const TaskListColumn* columns, int count);
  // The cells that every module's row shows: the file name in column 0 and
  // the translated state text in `stateColumn` (each when not empty).
  void SetNameAndStateCells(int row, const CTaskRecord& task, int stateColumn);
  // The selection moves to the row, which is focused and scrolled into view.
  void MoveSelectionTo(int row);
  // FALSE for a row outside the list.
  BOOL IsRowInList(int row);
};
