#include "modules/framework/runner/OutputChecks.h"

#include <windows.h>

#include "base/Paths.h"
#include "modules/framework/model/TaskList.h"

namespace {

// Whether the path names a file directly inside the folder.
bool InFolder(const std::string& path, const std::string& folder) {
  size_t slash = path.rfind('\\');
  if (slash == std::string::npos || folder.empty()) return false;
  std::string parent = path.substr(0, slash + 1);
  std::string expected = folder[folder.size() - 1] == '\\' ? folder : folder + "\\";
  return lstrcmpiA(parent.c_str(), expected.c_str()) == 0;
}

}  // namespace

bool OutputHasContent(const std::string& path) {
  ULONGLONG size = 0;
  return GetFileSizeOf(path, &size) && size > 0;
}

OutputNameCheck CheckOutputName(CTaskList* list, int index, CTaskRecord* task,
                                const std::string& folder) {
  // A task whose name could not be made keeps a first guess beside its
  // source, or a name in a folder chosen before: neither is its output.
  bool placed = !task->outputPath.empty() && InFolder(task->outputPath, folder) &&
                task->outputPath.size() < MAX_PATH;
  if (placed && !FileExists(task->outputPath.c_str())) return kOutputNameReady;
  std::string fresh = list ? list->MakeOutputName(task->sourcePath.c_str(), task->outputType, index)
                           : std::string();
  if (fresh.empty() || !InFolder(fresh, folder)) return placed ? kOutputNameTaken : kOutputNameMissing;
  if (FileExists(fresh.c_str())) return kOutputNameTaken;
  task->outputPath = fresh;
  return kOutputNameRenamed;
}
