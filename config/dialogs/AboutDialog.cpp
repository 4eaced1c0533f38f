#include "config/dialogs/AboutDialog.h"

#include "base/Strings.h"
#include "config/dialogs/ComboFill.h"
#include "config/dialogs/DialogIds.h"

const char CAboutDialog::kSection[] = "AboutDialogBox";
const char CAboutDialog::kBuiltInWebSite[] = "https://www.varnomedia.com";
const char CAboutDialog::kBuiltInSupportMail[] = "support@varnomedia.com";

CAboutDialog::CAboutDialog(IVarnoConfigEx* config, const AboutTexts& texts)
    : CConfigDialog(IDD_CONFIG_ABOUT, config), m_texts(texts) {}

BOOL CAboutDialog::OnInit() {
  m_webLink.SetTarget(kBuiltInWebSite);
  m_mailLink.SetTarget((std::string("mailto:") + kBuiltInSupportMail).c_str());
  m_webLink.Subclass(Item(IDC_ABOUT_WEBSITE));
  m_mailLink.Subclass(Item(IDC_ABOUT_EMAIL));
  if (!m_config) return TRUE;

  std::string title = Translated(m_translator, "About APPNAME", kSection);
  char appName[260] = {0};
  if (m_config->GetString("OEMAppName", appName, sizeof(appName), 0))
    title = ReplaceAll(title, "APPNAME", appName);
  SetWindowTextA(m_hWnd, title.c_str());

  if (!m_texts.versionName.empty())
    SetDlgItemTextA(m_hWnd, IDC_ABOUT_VERSION, m_texts.versionName.c_str());
  if (!m_texts.copyright.empty())
    SetDlgItemTextA(m_hWnd, IDC_ABOUT_NOTICE, m_texts.copyright.c_str());
  if (!m_texts.homesiteUrl.empty()) {
    m_webLink.SetLinkText(m_texts.homesiteUrl.c_str());
    m_webLink.SetTarget(m_texts.homesiteUrl.c_str());
  }
  if (!m_texts.supportMail.empty()) {
    m_mailLink.SetLinkText(m_texts.supportMail.c_str());
    m_mailLink.SetTarget(("mailto:" + m_texts.supportMail).c_str());
  }
  TranslateTexts(kSection);
  // The translator may have set the template's title again.
  SetWindowTextA(m_hWnd, title.c_str());
  return TRUE;
}

INT_PTR CAboutDialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CTLCOLORSTATIC) {
    HWND control = reinterpret_cast<HWND>(lParam);
    HDC dc = reinterpret_cast<HDC>(wParam);
    if (control == m_webLink.m_hWnd) return reinterpret_cast<INT_PTR>(m_webLink.OnCtlColor(dc));
    if (control == m_mailLink.m_hWnd) return reinterpret_cast<INT_PTR>(m_mailLink.OnCtlColor(dc));
  }
  return CConfigDialog::OnMessage(message, wParam, lParam);
}
