// The base of the configuration library's settings dialogs: a template of
// the library's own resources, the configuration interface that the dialog
// reads and writes, and the translator that the configuration object holds.
#pragma once
#include <windows.h>

#include <string>

#include "base/Uncounted.h"
#include "include/VarnoConfig.h"
#include "include/VarnoTranslator.h"
#include "winfx/Controls.h"
#include "winfx/Dialog.h"

class CConfigDialog : public CDialog {
 public:
  // The translator is asked of the configuration object.
  CConfigDialog(UINT templateId, IVarnoConfigEx* config);

 protected:
  HWND Item(int id) const { return GetDlgItem(m_hWnd, id); }
  CComboBox Combo(int id) const { return CComboBox(Item(id)); }
  BOOL IsChecked(int id) const { return IsDlgButtonChecked(m_hWnd, id) == BST_CHECKED; }
  void Check(int id, BOOL checked) const {
    CheckDlgButton(m_hWnd, id, checked ? BST_CHECKED : BST_UNCHECKED);
  }
  void TranslateTexts(const char* section) const;
  // The format profile's path; "" without a configuration.
  std::string ProfilePath() const;
  int Setting(const char* name) const { return m_config ? m_config->GetInt(name, 0, 1) : 0; }
  void Store(const char* name, int value) const {
    if (m_config) m_config->SetInt(name, value, 0);
  }

  // The configuration object runs its dialogs and outlives them.
  CUncounted<IVarnoConfigEx> m_config;
  // The configuration object's own translator, handed out without a count.
  CUncounted<ILanguageTranslater> m_translator;
};
