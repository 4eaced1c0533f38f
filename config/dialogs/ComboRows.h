// The rows of the settings dialogs' drop-down lists: a text and its item
// data. The dialogs' rules build rows without a window; ComboFill puts them
// into a combo box.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

struct ComboRow {
  std::string text;
  INT_PTR data;
  bool operator==(const ComboRow& other) const {
    return text == other.text && data == other.data;
  }
};
typedef std::vector<ComboRow> ComboRows;

// The position of the first row with that data; -1 when none has it.
int RowOfData(const ComboRows& rows, INT_PTR data);
