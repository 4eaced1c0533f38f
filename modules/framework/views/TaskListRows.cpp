#include "modules/framework/views/TaskListRows.h"

#include <commctrl.h>

int CTaskListRows::GetRowCount() {
  return m_pView ? static_cast<int>(m_pView->SendMessage(LVM_GETITEMCOUNT)) : 0;
}

std::string CTaskListRows::GetCellText(int row, int column) {
  if (!m_pView) return "";
  char text[MAX_PATH] = {0};
  LVITEMA item = {};
  item.iSubItem = column;
  item.pszText = text;
  item.cchTextMax = sizeof(text);
  m_pView->SendMessage(LVM_GETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
  text[sizeof(text) - 1] = 0;
  return text;
}

BOOL CTaskListRows::ShowTaskInRow(int row, CTaskRecord* task) {
  return m_pView ? m_pView->SetTaskRowText(row, task) : FALSE;
}

HWND CTaskListRows::GetWindow() { return m_pView ? static_cast<HWND>(*m_pView) : NULL; }
