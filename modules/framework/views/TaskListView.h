// The task-list view: one row per task (file name, media time, state) and
// the popup menu whose three commands become module events. The menu comes
// from the module's own resources (IDR_TASKLIST_MENU in each module library).
#pragma once
#include "include/VarnoViewNames.h"
#include "modules/framework/model/TaskRecord.h"
#include "modules/framework/views/TaskListCtrl.h"
#include "winfx/Menu.h"

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
};
