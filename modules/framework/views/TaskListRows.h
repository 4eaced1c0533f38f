// The task-list view as the conversion runner sees it: its rows, their cell
// texts and the row that shows a task.
#pragma once
#include "modules/framework/runner/ConvertRunner.h"
#include "modules/framework/views/TaskListView.h"

class CTaskListRows : public ITaskRows {
 public:
  explicit CTaskListRows(CTaskListView* view) : m_pView(view) {}
  // The module swaps the view while a batch runs: NULL when the view goes (a
  // skin reload), the new one when it comes back; without one the rows are
  // empty and showing a task does nothing.
  void SetView(CTaskListView* view) { m_pView = view; }
  int GetRowCount() override;
  std::string GetCellText(int row, int column) override;
  BOOL ShowTaskInRow(int row, CTaskRecord* task) override;
  HWND GetWindow() override;

 private:
  CTaskListView* m_pView;
};
