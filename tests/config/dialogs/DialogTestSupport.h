// What the settings dialog tests share: a fake configuration with a fake
// translator on the shipped format profile, reading a dialog's lists, and a
// modal run that a timer looks at and ends.
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "base/Handles.h"
#include "config/dialogs/ComboRows.h"
#include "tests/support/FakeConfig.h"
#include "tests/support/FakeTranslator.h"

namespace dialogtest {

// The fakes, COM for the device enumeration, and a recorder in place of
// the message box: a test never waits on a box.
struct Store {
  CComInit com;
  CFakeConfig config;
  CFakeTranslator translator;
  Store();
};
// The texts of the boxes shown since the last Store was made.
std::vector<std::string>& Boxes();

// The rows of the combo box `id` of a dialog.
ComboRows Rows(HWND dialog, int id);
// The selected row's data; -100 when nothing is selected.
INT_PTR Selected(HWND dialog, int id);
// Selects the row with that data and tells the dialog as a user's choice does.
void Choose(HWND dialog, int id, INT_PTR data);
void Click(HWND dialog, int id);

// Calls `run` with a shown top-level window as the owner. While the modal
// dialog is up, `look` sees it and its owner; then the dialog is cancelled.
// Returns what `run` returned; *looked tells whether a dialog was seen.
int RunModal(const std::function<int(HWND owner)>& run,
             const std::function<void(HWND dialog, HWND owner)>& look, bool* looked);

}  // namespace dialogtest
