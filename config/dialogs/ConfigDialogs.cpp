#include "config/dialogs/ConfigDialogs.h"

#include "config/dialogs/AboutDialog.h"
#include "config/dialogs/Mp3SettingsDialog.h"
#include "config/dialogs/OptionsDialog.h"
#include "config/dialogs/OutputSettingsDialog.h"
#include "winfx/AppMessageBox.h"

namespace {

// A template that could not be loaded shows nothing.
int EndCode(INT_PTR code) { return code < 0 ? 0 : static_cast<int>(code); }

}  // namespace

HWND SettingsDialogOwner() { return ThreadMainWindow(); }

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
