#include "config/dialogs/ConfigDialogs.h"

#include "config/dialogs/AboutDialog.h"
#include "config/dialogs/Mp3SettingsDialog.h"
#include "config/dialogs/OptionsDialog.h"
#include "config/dialogs/OutputSettingsDialog.h"

namespace {

BOOL CALLBACK FindShownWindow(HWND hWnd, LPARAM found) {
  if (!IsWindowVisible(hWnd) || !IsWindowEnabled(hWnd) || GetWindow(hWnd, GW_OWNER)) return TRUE;
  *reinterpret_cast<HWND*>(found) = hWnd;
  return FALSE;
}

// A template that could not be loaded shows nothing.
int EndCode(INT_PTR code) { return code < 0 ? 0 : static_cast<int>(code); }

}  // namespace

HWND SettingsDialogOwner() {
  HWND active = GetActiveWindow();
  if (active) return GetAncestor(active, GA_ROOTOWNER);
  HWND shown = NULL;
  EnumThreadWindows(GetCurrentThreadId(), FindShownWindow, reinterpret_cast<LPARAM>(&shown));
  return shown;
}

int RunAboutDialog(HWND owner, IVarnoConfigEx* config, const CVersionInfoFile& versionInfo) {
  AboutTexts texts;
  if (!versionInfo.GetPath().empty()) {
    texts.versionName = versionInfo.GetVersionName();
    texts.copyright = versionInfo.GetCopyright();
    texts.homesiteUrl = versionInfo.GetHomesiteURL();
    texts.supportMail = versionInfo.GetSupportMail();
  }
  CAboutDialog dialog(config, texts);
  dialog.DoModal(owner);
  return 0;
}

int RunOutputSettingsDialog(HWND owner, IVarnoConfigEx* config, const OutputTypeEntry& outputType) {
  COutputSettingsDialog dialog(config, outputType);
  return EndCode(dialog.DoModal(owner));
}

int RunMp3SettingsDialog(HWND owner, IVarnoConfigEx* config) {
  CMp3SettingsDialog dialog(config);
  return EndCode(dialog.DoModal(owner));
}

int RunOptionsDialog(HWND owner, IVarnoConfigEx* config) {
  COptionsDialog dialog(config);
  return EndCode(dialog.DoModal(owner));
}
