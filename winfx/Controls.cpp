#include "winfx/Controls.h"

#include <vector>

int CListView::InsertColumn(int column, const char* title, int format, int width) const {
  LVCOLUMNA info = {};
  info.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT;
  info.fmt = format;
  info.cx = width;
  info.pszText = const_cast<char*>(title);  // read only, for all the struct says
  return static_cast<int>(Send(LVM_INSERTCOLUMNA, column, reinterpret_cast<LPARAM>(&info)));
}

int CListView::InsertItem(int row, const char* text) const {
  LVITEMA item = {};
  item.mask = LVIF_TEXT;
  item.iItem = row;
  item.pszText = const_cast<char*>(text);
  return static_cast<int>(Send(LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
}

BOOL CListView::SetItemText(int row, int column, const char* text) const {
  LVITEMA item = {};
  item.iSubItem = column;
  item.pszText = const_cast<char*>(text);
  return static_cast<BOOL>(Send(LVM_SETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item)));
}

int CListView::GetItemText(int row, int column, char* buffer, int size) const {
  if (!buffer || size <= 0) return 0;
  buffer[0] = '\0';
  LVITEMA item = {};
  item.iSubItem = column;
  item.pszText = buffer;
  item.cchTextMax = size;
  Send(LVM_GETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
  buffer[size - 1] = '\0';
  return lstrlenA(buffer);
}

BOOL CListView::SetItemState(int row, UINT state, UINT mask) const {
  LVITEMA item = {};
  item.state = state;
  item.stateMask = mask;
  return static_cast<BOOL>(
      Send(LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item)));
}

std::string CEdit::GetText() const {
  int length = GetWindowTextLengthA(m_hWnd);
  if (length <= 0) return "";
  std::vector<char> text(static_cast<size_t>(length) + 1, '\0');
  int copied = GetWindowTextA(m_hWnd, text.data(), length + 1);
  return std::string(text.data(), copied > 0 ? copied : 0);
}
