#include "app/NotAddedFiles.h"

#include <stdio.h>

const char kNotAddedFilesReason[] =
    "These files were not added: their names contain letters that the system's language for "
    "non-Unicode programs cannot write. Rename them, or change that setting, and add them again.";

const char kUnansweredFilesReason[] =
    "These files were not added: the system's media detector did not answer for them in time. "
    "They may be damaged, or of a kind that the installed codecs cannot read.";

std::string NotAddedFilesList(const std::vector<std::string>& names) {
  std::string text;
  size_t shown = 0;
  for (; shown < names.size() && shown < kNotAddedNamesShown; ++shown) {
    text += shown ? "\n" : "\n\n";
    text += names[shown];
  }
  if (shown < names.size()) {
    char more[64];
    snprintf(more, sizeof(more), "\n... and %u more", static_cast<unsigned>(names.size() - shown));
    text += more;
  }
  return text;
}
