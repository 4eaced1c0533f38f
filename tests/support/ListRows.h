// A task list's rows as the module tests read and select them, through the
// window layer's list view.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <initializer_list>
#include <string>

#include "winfx/Controls.h"

namespace vrctest {

inline std::string RowText(HWND list, int row, int column) {
  char text[260];
  CListView(list).GetItemText(row, column, text, sizeof(text));
  return text;
}

// Exactly these rows selected; a negative row stands for none.
inline void SelectRows(HWND list, std::initializer_list<int> rows) {
  CListView view(list);
  view.SetItemState(-1, 0, LVIS_SELECTED);
  for (int row : rows)
    if (row >= 0) view.SetItemState(row, LVIS_SELECTED, LVIS_SELECTED);
}

}  // namespace vrctest
