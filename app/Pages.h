// The converter pages of the main window, one row each, in the numbering of
// "ReelCraftLastPage" (0 video, 1 music, 2 photo): the conversion module a
// page drives and the settings, controls and texts that are its own. The
// command executive reads these rows instead of asking which page it is on.
#pragma once
#include <windows.h>

struct FileFilter;
struct IVarnoConfigEx;

// A value control that shows a setting of the page's own.
struct PageValue {
  const char* control;
  const char* key;
};

struct PageInfo {
  const GUID* moduleId;
  const char* buttonName;  // the page button of the window
  // Logged (with the HRESULT) when the module cannot be reached at start-up.
  const char* missingModuleLog;
  const char* savePathKey;
  const char* lastTypeIndexKey;
  const char* lastTypeDataKey;
  const char* openFileTitle;  // translated in "MiscStrings"
  const FileFilter* openFileFilters;
  bool hasPlayer;   // the module plays the selected task (IPlayer)
  bool hasPreview;  // the module shows the selected picture instead (IPhotoPreview)
  // Pages of one group keep one progress percent against a 0 between tasks.
  int progressGroup;
  // The output type (its "last output type data") whose files go to the
  // portable player's folder instead of the save path; -1 for none.
  int playerFolderType;
  // The text control that shows the page's output settings as one line, and
  // how that line is made from the settings; NULL for none.
  const char* settingsInfoControl;
  void (*describeSettings)(IVarnoConfigEx* config, char* text, int size);
  // The page's own value controls, ended by a row without a control.
  const PageValue* values;
};

enum { kPageCount = 3, kProgressGroupCount = 2 };

// The row of a page number, NULL for a number that is no page.
const PageInfo* PageAt(int page);
// The row of the page that a conversion module serves, NULL for another module.
const PageInfo* PageOfModule(const GUID* moduleId);
