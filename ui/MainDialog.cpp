#include "ui/MainDialog.h"

#include <string.h>

#include "base/LogClient.h"
#include "ui/AppDialogIds.h"

namespace {

const char kDialogClass[] = "#32770";
const char kTemplateCaption[] = "VarnoReelCraft";
enum { kTextRoom = 260 };
// WM_POWERBROADCAST's wParam.
const WPARAM kQuerySuspend = 0;   // PBT_APMQUERYSUSPEND
const WPARAM kResumeSuspend = 7;  // PBT_APMRESUMESUSPEND

// The page buttons, in page order.
const char* const kPageButtons[] = {"ShowVideoConverter", "ShowMusicConverter", "ShowStillCast"};
const int kPageButtonCount = sizeof(kPageButtons) / sizeof(kPageButtons[0]);

BOOL CALLBACK FindMarked(HWND hWnd, LPARAM found) {
  char className[16] = {0};
  GetClassNameA(hWnd, className, sizeof(className));
  if (lstrcmpA(className, kDialogClass) != 0 || !GetPropA(hWnd, CMainDialog::kMark)) return TRUE;
  *reinterpret_cast<HWND*>(found) = hWnd;
  return FALSE;
}

}  // namespace

const char CMainDialog::kSection[] = "REELCRAFTDLG";
const char CMainDialog::kMark[] = "VarnoReelCraft";

HWND FindRunningMainWindow() {
  HWND found = FindWindowA(kDialogClass, kTemplateCaption);
  if (!found) EnumWindows(FindMarked, reinterpret_cast<LPARAM>(&found));
  return found;
}

CMainDialog::CMainDialog(HWND parent)
    : CSkinAppDialog(IDD_MAIN_WINDOW, parent),
      m_hIcon(LoadIconA(WinFxModuleInstance(), MAKEINTRESOURCEA(IDI_APPLICATION_ICON))) {}

CMainDialog::~CMainDialog() {
  if (m_hWnd && IsWindow(m_hWnd)) ::DestroyWindow(m_hWnd);
}

BOOL CMainDialog::ShowConverterPage(const char* name) {
  for (int page = 0; page < kPageButtonCount; ++page) {
    if (!name || lstrcmpiA(name, kPageButtons[page]) != 0) continue;
    ShowPage(page);
    CheckPageTab(page);
    return TRUE;
  }
  return HandleLocalCommand(name);
}

BOOL CMainDialog::ShowPage(int page) {
  if (!m_pIConfigEx) return FALSE;
  if (page < 0 || page >= static_cast<int>(m_views.size())) return FALSE;
  for (size_t i = 0; i < m_views.size(); ++i) {
    HWND view = m_views[i]->GetViewWnd();
    const bool shown = static_cast<int>(i) == page;
    ShowWindow(view, shown ? SW_SHOW : SW_HIDE);
    ::SendMessageA(view, WM_ACTIVATE, shown ? 1 : 0, reinterpret_cast<LPARAM>(view));
  }
  m_pIConfigEx->SetInt("ReelCraftLastPage", page, 0);
  LogPrint(LOG_TRACE, "Varno Reel Craft page = %d!\n", page);
  return TRUE;
}

BOOL CMainDialog::CheckPageTab(int page) {
  if (!m_pISkinCommand || page < 0 || page >= kPageButtonCount) return FALSE;
  const char* button = kPageButtons[page];
  LogPrint(LOG_TRACE, "Varno Reel Craft check tab button = %s;page = %d!\n", button, page);
  SkinCommandParam param = {};
  param.nForce1 = reinterpret_cast<INT_PTR>(button);
  return m_pISkinCommand->ExecuteSkinCommand("CheckReelCraftTab", 0, &param) >= 0;
}

void CMainDialog::UpdateUI(const char* names, int) {
  LogPrint(LOG_TRACE, "Varno Reel Craft update UI = %s!\n", names ? names : "");
  const std::vector<IConverterView*> views = m_views;
  for (IConverterView* view : views) view->UpdateUI(0, names);
  UpdateControls(names);
}

void CMainDialog::ReloadSkin() {
  ApplySkin(kSection);
  if (!m_pIConfigEx) return;
  const int page = m_pIConfigEx->GetInt("ReelCraftLastPage", 0, 1);
  ShowPage(page);
  CheckPageTab(page);
}

void CMainDialog::OnSkinCommand(const char* name) {
  LogPrint(LOG_TRACE, "Varno Reel Craft button pressed = %s!\n", name ? name : "");
  if (!ShowConverterPage(name)) CSkinAppDialog::OnSkinCommand(name);
}

BOOL CMainDialog::OnInit() {
  ::SendMessageA(m_hWnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
  ::SendMessageA(m_hWnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));
  // The caption becomes the product's name and then its translation, so a
  // second start finds this window by its mark instead.
  SetPropA(m_hWnd, kMark, reinterpret_cast<HANDLE>(static_cast<INT_PTR>(1)));
  if (m_pIConfigEx) {
    char name[kTextRoom] = {0};
    if (m_pIConfigEx->GetString("OEMAppName", name, kTextRoom, 0)) {
      name[kTextRoom - 1] = '\0';
      SetWindowTextA(m_hWnd, name);
    }
  }
  LONG_PTR style = GetWindowLongPtrA(m_hWnd, GWL_STYLE);
  SetWindowLongPtrA(m_hWnd, GWL_STYLE, (style & ~static_cast<LONG_PTR>(WS_CAPTION)) | WS_MINIMIZEBOX);
  SetWindowPos(m_hWnd, NULL, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  CSkinAppDialog::OnInit();
  ReloadSkin();
  return TRUE;
}

void CMainDialog::PaintMinimised() {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(m_hWnd, &paint);
  ::SendMessageA(m_hWnd, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  RECT client;
  GetClientRect(m_hWnd, &client);
  const int x = (client.right - GetSystemMetrics(SM_CXICON) + 1) / 2;
  const int y = (client.bottom - GetSystemMetrics(SM_CYICON) + 1) / 2;
  DrawIcon(dc, x, y, m_hIcon);
  EndPaint(m_hWnd, &paint);
}

INT_PTR CMainDialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (m_pISkinCommand) {
    if (message == WM_SYSCOMMAND && wParam == SC_CLOSE) {
      // Closing is the executive's: it asks before a running batch ends.
      SetResult(m_pISkinCommand->ExecuteSkinCommand("Power_Off", 0, NULL));
      return TRUE;
    }
    if (message == WM_POWERBROADCAST && wParam == kQuerySuspend)
      m_pISkinCommand->ExecuteSkinCommand("Stop", 0, NULL);
    if (message == WM_POWERBROADCAST && wParam == kResumeSuspend) {
      // Announced only where the executive has a row to take it.
      if (m_pISkinCommand->IsControlEnabled("ResumeFromSuspend"))
        m_pISkinCommand->ExecuteSkinCommand("ResumeFromSuspend", 0, NULL);
      SetResult(1);
      return TRUE;
    }
  }
  switch (message) {
    case WM_PAINT:
      if (IsIconic(m_hWnd)) {
        PaintMinimised();
        return TRUE;
      }
      return CSkinAppDialog::OnMessage(message, wParam, lParam);
    case WM_QUERYDRAGICON:
      // One of the messages whose dialog answer is the result itself.
      return reinterpret_cast<INT_PTR>(m_hIcon);
    case WM_DESTROY:
      RemovePropA(m_hWnd, kMark);
      return CSkinAppDialog::OnMessage(message, wParam, lParam);
    default:
      return CSkinAppDialog::OnMessage(message, wParam, lParam);
  }
}
