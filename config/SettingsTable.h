// The two process-wide setting tables: 50 integer and 12 string keys, each
// with a current and a default value. Names compare without regard to case.
// The table order is also the order of loading and saving.
#pragma once

enum { SETTING_TEXT_SIZE = 512 };  // a stored text holds at most 511 characters

struct SettingIntEntry {
  const char* name;
  int value;
  int defaultValue;
};

struct SettingStringEntry {
  const char* name;
  char value[SETTING_TEXT_SIZE];
  char defaultValue[SETTING_TEXT_SIZE];
};

int IntSettingCount();
int StringSettingCount();
SettingIntEntry* IntSettingAt(int index);
SettingStringEntry* StringSettingAt(int index);
// The first row of that name, or NULL.
SettingIntEntry* FindIntSetting(const char* name);
SettingStringEntry* FindStringSetting(const char* name);

// Puts every row back to its built-in initial value and default.
void ResetSettingTables();
