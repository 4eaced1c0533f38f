#include "config/dialogs/ConfigDialog.h"

#include "base/FormatProfile.h"
#include "include/VarnoGuids.h"

CConfigDialog::CConfigDialog(UINT templateId, IVarnoConfigEx* config)
    : CDialog(WinFxModuleInstance(), templateId), m_config(config) {
  if (m_config) m_config->QueryInterface(&IID_ILanguageTranslater, m_translator.Out());
}

void CConfigDialog::TranslateTexts(const char* section) const {
  if (m_translator) m_translator->TranslateDialog(m_hWnd, section);
}

std::string CConfigDialog::ProfilePath() const {
  char path[kProfilePathRoom] = {0};
  if (!m_config || !m_config->GetString("ConfigFilePath", path, sizeof(path), 0)) return std::string();
  return path;
}
