#include "modules/framework/views/TaskListRows.h"

int CTaskListRows::GetRowCount() {
  return m_pView ? m_pView->ListView().GetItemCount() : 0;
}

std::string CTaskListRows::GetCellText(int row, int column) {
  if (!m_pView) return "";
  char text[MAX_PATH] = {0};
  m_pView->ListView().GetItemText(row, column, text, sizeof(text));
  return text;
}

BOOL CTaskListRows::ShowTaskInRow(int row, CTaskRecord* task) {
  return m_pView ? m_pView->SetTaskRowText(row, task) : FALSE;
}

HWND CTaskListRows::GetWindow() { return m_pView ? static_cast<HWND>(*m_pView) : NULL; }
