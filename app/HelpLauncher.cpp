#include "app/HelpLauncher.h"

#include <shlwapi.h>
#include <string.h>

#include <string>

#include "base/Paths.h"
#include "winfx/Seams.h"

namespace {
const UINT kHHDisplayTopic = 0;  // HH_DISPLAY_TOPIC
}

BOOL OpenHelpTopic(HWND owner, const char* topic) {
  if (!topic) return FALSE;
  if (PathIsURLA(topic)) {
    VrcShellExecute(NULL, "open", topic, NULL, NULL, SW_SHOWNORMAL);
    return TRUE;
  }
  // The program's folder ends with its backslash; a help path too long for a
  // path is refused.
  std::string path = ModuleFolder() + "Help.chm";
  if (path.size() >= MAX_PATH) return FALSE;
  if (!PathFileExistsA(path.c_str())) return FALSE;
  // "<help file>::/<topic>"; a topic too long for the path is not shown cut.
  std::string target = path + "::/" + topic;
  if (target.size() >= MAX_PATH * 2) return FALSE;
  VrcHtmlHelp(owner, target.c_str(), kHHDisplayTopic, 0);
  return TRUE;
}
