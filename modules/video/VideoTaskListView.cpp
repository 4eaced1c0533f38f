#include "modules/video/VideoTaskListView.h"

#include <commctrl.h>

#include "include/VarnoViewNames.h"
#include "modules/framework/views/ViewHelpers.h"
#include "ui/SkinData.h"

namespace {

const struct {
  const char* title;
  int format;
  int width;  // when the skin gives none
} kColumns[] = {
    {"Source File", LVCFMT_LEFT, 177},
    {"Media Time", LVCFMT_LEFT, 80},
    {"State", LVCFMT_LEFT, 130},
};

}  // namespace

HRESULT CVideoTaskListView::GetViewName(char* buffer, int length) {
  return CopyViewName(kVideoTaskListViewName, buffer, length);
}

BOOL CVideoTaskListView::ApplySkin(const char* skinData) {
  BOOL result = CTaskListView::ApplySkin(skinData);
  CSkinDataReader widths(m_skinData);
  for (int i = 0; i < static_cast<int>(sizeof(kColumns) / sizeof(kColumns[0])); ++i) {
    char title[128];
    lstrcpynA(title, kColumns[i].title, sizeof(title));
    Translate(title, sizeof(title), "ConverterList");
    int width = widths.NextInt();
    ListView().InsertColumn(i, title, kColumns[i].format, width ? width : kColumns[i].width);
  }
  SetRowState(0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  return result;
}
