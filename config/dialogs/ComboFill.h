// Putting rows into the settings dialogs' combo boxes and reading them back.
#pragma once
#include <windows.h>

#include "config/FormatProfile.h"
#include "config/dialogs/ComboRows.h"
#include "include/VarnoTranslator.h"
#include "winfx/Controls.h"

// Empties the combo box and adds the rows in order.
void FillCombo(const CComboBox& combo, const ComboRows& rows);
// Appends rows without emptying the list first.
void AppendRows(const CComboBox& combo, const ComboRows& rows);
// The rows of the combo box, in order.
ComboRows ReadRows(const CComboBox& combo);
// Selects the first item whose data equals `data`, else item 0; the
// position selected (-1 in an empty list).
int SelectByData(const CComboBox& combo, INT_PTR data);
// The selected item's data; `none` when nothing is selected.
INT_PTR SelectedData(const CComboBox& combo, INT_PTR none);
// The selected item's text; "" when nothing is selected.
std::string SelectedText(const CComboBox& combo);
// Selects the first item that begins with `prefix` (without regard to
// case); item 0 for an empty prefix or when none does.
void SelectByPrefix(const CComboBox& combo, const char* prefix);

// A parameter list of the format profile as rows, each text translated in
// `section` (translator NULL: as they are).
ComboRows ProfileListRows(const TextList& texts, const ValueList& values,
                          ILanguageTranslater* translator, const char* section);
// One text through the translator in `section`.
std::string Translated(ILanguageTranslater* translator, const char* text, const char* section);
