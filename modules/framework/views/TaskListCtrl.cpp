#include "modules/framework/views/TaskListCtrl.h"

#include <commctrl.h>
#include <string.h>

#include "ui/SkinData.h"
#include <SkinScrollBar.h>
#include "include/VarnoModuleEvents.h"
#include "include/VarnoViewNames.h"
#include "modules/framework/views/ViewHelpers.h"

CTaskListCtrl::CTaskListCtrl() : m_pConfig(NULL), m_pTranslator(NULL), m_pNotify(NULL) {
  SetRectEmpty(&m_margins);
}

BOOL CTaskListCtrl::Create(const RECT* rect, HWND parent, const char* skinData) {
  if (!rect) return FALSE;
  m_margins = MarginsToParent(*rect, parent);
  BOOL created = CWnd::Create(WC_LISTVIEWA, NULL,
                              WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SHOWSELALWAYS, *rect,
                              parent, kControlId);
  if (created) SkinSB_InitializeScrollBar(m_hWnd);
  m_skinData = skinData ? skinData : "";
  return created;
}

BOOL CTaskListCtrl::ApplySkin(const char* skinData) {
  if (skinData) m_skinData = skinData;
  ListView().SetExtendedStyle(ListView().GetExtendedStyle() | LVS_EX_FULLROWSELECT);

  CSkinDataReader reader(m_skinData);
  reader.NextField();  // not used by the list

  char folder[MAX_PATH] = "";
  if (m_pConfig) m_pConfig->GetString("SkinPath", folder, sizeof(folder), 0);
  size_t length = strlen(folder);
  if (length == 0 || folder[length - 1] != '\\') {
    if (length + 1 < sizeof(folder)) strcat(folder, "\\");
  }
  std::string left = folder + reader.NextField();
  std::string right = folder + reader.NextField();
  std::string fill = folder + reader.NextField();
  m_header.LoadBitmaps(left.c_str(), right.c_str(), fill.c_str());

  reader.NextColor();  // not used by the list
  COLORREF alternate = reader.NextColor();
  COLORREF background = reader.NextColor();
  SetColors(background, alternate);
  ListView().SetTextColor(reader.NextColor());
  return TRUE;
}

void CTaskListCtrl::EnableMenuItems(HMENU) {}

BOOL CTaskListCtrl::QueryCommandEnabled(const char* name) {
  if (!name || !m_pNotify) return 0;
  int enabled = 0;
  m_pNotify->Notify(MEV_QUERY_ENABLED, reinterpret_cast<INT_PTR>(name),
                    reinterpret_cast<INT_PTR>(&enabled), 0);
  return enabled;
}

void CTaskListCtrl::TranslatePopupMenu(HMENU menu) {
  if (m_pTranslator) m_pTranslator->TranslateMenu(menu, "PopupMenus");
}

void CTaskListCtrl::Translate(char* text, int size, const char* section) {
  if (!m_pTranslator) return;
  // The translator writes up to 260 characters; smaller buffers go through
  // one of that size and are cut.
  char buffer[260];
  lstrcpynA(buffer, text, sizeof(buffer));
  m_pTranslator->TranslateString(buffer, section);
  buffer[sizeof(buffer) - 1] = '\0';
  lstrcpynA(text, buffer, size);
}

CTaskListCtrl::~CTaskListCtrl() {
  if (m_hWnd && IsWindow(m_hWnd)) DestroyWindow();
}

BOOL CTaskListCtrl::DestroyWindow() {
  if (!m_hWnd) return FALSE;
  SkinSB_UnInitializeScrollBar(m_hWnd);
  return CWnd::DestroyWindow();
}

int CTaskListCtrl::GetFirstSelected() const {
  return ListView().GetNextSelected();
}

BOOL CTaskListCtrl::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  if (message != WM_NOTIFY)
    return CSkinListCtrl::OnChildNotify(message, wParam, lParam, result);
  NMHDR* header = reinterpret_cast<NMHDR*>(lParam);
  switch (header->code) {
    case NM_DBLCLK:
      if (m_pNotify) m_pNotify->Notify(MEV_PLAY, 0, 0, 0);
      break;
    case LVN_ITEMCHANGED:
      if (m_pNotify) m_pNotify->Notify(MEV_MEDIA_INFO, 0, 0, 0);
      break;
    case LVN_KEYDOWN:
      if (m_pNotify)
        m_pNotify->Notify(MEV_LIST_KEY, reinterpret_cast<NMLVKEYDOWN*>(lParam)->wVKey, 0, 0);
      break;
    default:
      return CSkinListCtrl::OnChildNotify(message, wParam, lParam, result);
  }
  *result = 0;
  return TRUE;
}

int CTaskListCtrl::OnParentEvent(int, INT_PTR, INT_PTR, INT_PTR) { return 0; }

void CTaskListCtrl::UpdateUI(int, const char*) {}

HWND CTaskListCtrl::GetViewWnd() { return m_hWnd; }

HRESULT CTaskListCtrl::GetViewName(char* buffer, int length) {
  return CopyViewName(kConverterTaskListName, buffer, length);
}
