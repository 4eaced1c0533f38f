#include "config/dialogs/ComboFill.h"

#include "base/Strings.h"

int RowOfData(const ComboRows& rows, INT_PTR data) {
  for (size_t i = 0; i < rows.size(); ++i)
    if (rows[i].data == data) return static_cast<int>(i);
  return -1;
}

void AppendRows(const CComboBox& combo, const ComboRows& rows) {
  for (const ComboRow& row : rows) {
    int at = combo.AddString(row.text.c_str());
    if (at >= 0) combo.SetItemData(at, row.data);
  }
}

void FillCombo(const CComboBox& combo, const ComboRows& rows) {
  combo.ResetContent();
  AppendRows(combo, rows);
}

ComboRows ReadRows(const CComboBox& combo) {
  ComboRows rows;
  const int count = combo.GetCount();
  for (int i = 0; i < count; ++i) {
    int length = static_cast<int>(::SendMessageA(combo, CB_GETLBTEXTLEN, i, 0));
    std::string text(length > 0 ? length + 1 : 1, '\0');
    if (length > 0) ::SendMessageA(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(&text[0]));
    text.resize(length > 0 ? length : 0);
    rows.push_back({text, combo.GetItemData(i)});
  }
  return rows;
}

int SelectByData(const CComboBox& combo, INT_PTR data) {
  int at = RowOfData(ReadRows(combo), data);
  if (at < 0) at = 0;
  return combo.SetCurSel(at);
}

INT_PTR SelectedData(const CComboBox& combo, INT_PTR none) {
  int at = combo.GetCurSel();
  return at < 0 ? none : combo.GetItemData(at);
}

std::string SelectedText(const CComboBox& combo) {
  int at = combo.GetCurSel();
  if (at < 0) return std::string();
  ComboRows rows = ReadRows(combo);
  return at < static_cast<int>(rows.size()) ? rows[at].text : std::string();
}

void SelectByPrefix(const CComboBox& combo, const char* prefix) {
  int at = CB_ERR;
  if (prefix && *prefix)
    at = static_cast<int>(
        ::SendMessageA(combo, CB_FINDSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(prefix)));
  combo.SetCurSel(at < 0 ? 0 : at);
}

std::string Translated(ILanguageTranslater* translator, const char* text, const char* section) {
  enum { kTextRoom = 260 };  // the translator's buffer
  char buffer[kTextRoom];
  CopyBounded(buffer, sizeof(buffer), text);
  if (translator) translator->TranslateString(buffer, section);
  buffer[kTextRoom - 1] = '\0';
  return buffer;
}

ComboRows ProfileListRows(const TextList& texts, const ValueList& values,
                          ILanguageTranslater* translator, const char* section) {
  ComboRows rows;
  for (size_t i = 0; i < texts.size() && i < values.size(); ++i)
    rows.push_back({Translated(translator, texts[i].c_str(), section), values[i]});
  return rows;
}
