#include "tests/config/dialogs/DialogTestSupport.h"

#include "tests/support/TestSupport.h"
#include "winfx/Seams.h"

namespace dialogtest {

namespace {
int WINAPI RecordBox(HWND, const char* text, const char*, UINT) {
  Boxes().push_back(text ? text : "");
  return IDOK;
}
}  // namespace

std::vector<std::string>& Boxes() {
  static std::vector<std::string> boxes;
  return boxes;
}

Store::Store() {
  Boxes().clear();
  VrcSetMessageBoxSeam(RecordBox);
  config.translator = &translator;
  config.SetProfile(vrctest::ProgramFolder() + "Configs\\Formats.ini");
}

ComboRows Rows(HWND dialog, int id) {
  HWND combo = GetDlgItem(dialog, id);
  ComboRows rows;
  int count = static_cast<int>(SendMessageA(combo, CB_GETCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    char text[512] = {0};
    SendMessageA(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
    rows.push_back({text, static_cast<INT_PTR>(SendMessageA(combo, CB_GETITEMDATA, i, 0))});
  }
  return rows;
}

INT_PTR Selected(HWND dialog, int id) {
  HWND combo = GetDlgItem(dialog, id);
  int at = static_cast<int>(SendMessageA(combo, CB_GETCURSEL, 0, 0));
  return at < 0 ? -100 : static_cast<INT_PTR>(SendMessageA(combo, CB_GETITEMDATA, at, 0));
}

void Choose(HWND dialog, int id, INT_PTR data) {
  HWND combo = GetDlgItem(dialog, id);
  int at = RowOfData(Rows(dialog, id), data);
  SendMessageA(combo, CB_SETCURSEL, at, 0);
  SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
}

void Click(HWND dialog, int id) {
  SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

namespace {

struct ModalLook {
  HWND owner = NULL;
  std::function<void(HWND, HWND)> look;
  bool looked = false;
  int ticks = 0;
};
ModalLook* g_modal = nullptr;

BOOL CALLBACK FindDialog(HWND hWnd, LPARAM found) {
  char name[16] = {0};
  GetClassNameA(hWnd, name, sizeof(name));
  if (strcmp(name, "#32770") != 0 || !IsWindowVisible(hWnd)) return TRUE;
  *reinterpret_cast<HWND*>(found) = hWnd;
  return FALSE;
}

void CALLBACK Tick(HWND, UINT, UINT_PTR timer, DWORD) {
  if (!g_modal) return;
  HWND dialog = NULL;
  EnumThreadWindows(GetCurrentThreadId(), FindDialog, reinterpret_cast<LPARAM>(&dialog));
  // A dialog that never shows must not hold the test: give up after a while.
  if (!dialog && ++g_modal->ticks < 100) return;
  KillTimer(NULL, timer);
  if (!dialog) return;
  g_modal->looked = true;
  g_modal->look(dialog, g_modal->owner);
  PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
}

}  // namespace

int RunModal(const std::function<int(HWND owner)>& run,
             const std::function<void(HWND dialog, HWND owner)>& look, bool* looked) {
  HWND owner = CreateWindowExA(0, "STATIC", "VarnoReelCraft", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                               10, 10, 300, 200, NULL, NULL, GetModuleHandleA(NULL), NULL);
  SetActiveWindow(owner);
  ModalLook modal;
  modal.owner = owner;
  modal.look = look;
  g_modal = &modal;
  SetTimer(NULL, 0, 50, Tick);
  int result = run(owner);
  g_modal = nullptr;
  if (looked) *looked = modal.looked;
  DestroyWindow(owner);
  return result;
}

}  // namespace dialogtest
