// The about box: the application's icon, name and version line, rights
// notice, and a web and a mail link.
#pragma once
#include <string>

#include "config/dialogs/ConfigDialog.h"
#include "config/dialogs/HyperLink.h"

// What the version file says about the product; empty values leave the
// template's texts.
struct AboutTexts {
  std::string versionName, copyright, homesiteUrl, supportMail;
};

class CAboutDialog : public CConfigDialog {
 public:
  static const char kSection[];
  static const char kBuiltInWebSite[];
  static const char kBuiltInSupportMail[];

  CAboutDialog(IVarnoConfigEx* config, const AboutTexts& texts);

  CHyperLink& WebLink() { return m_webLink; }
  CHyperLink& MailLink() { return m_mailLink; }

 protected:
  BOOL OnInit() override;
  INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  AboutTexts m_texts;
  CHyperLink m_webLink;
  CHyperLink m_mailLink;
};
