// Output names: the source's base name in the output folder with a
// three-digit counter where a name is taken, or the profile's numbered
// naming.
#include <stdio.h>
#include <string.h>

#include "base/LogClient.h"
#include "base/Paths.h"
#include "modules/framework/model/ConverterManager.h"
#include "modules/framework/model/TaskList.h"

namespace {

struct TypeNaming {
  const char* extension;
  int section;  // -1 none, 0 "OUTPUTFILE", 1 "StillImage", 2 always numbered
};
const TypeNaming kTypeNaming[10] = {
    {"AVI", -1}, {"AVI", 0}, {"ASF", -1}, {"ASF", -1}, {"ASF", 0},
    {"MP4", 0},  {"3GP", 0}, {"MP4", 2},  {"JPG", 1},  {"MP3", 0},
};

std::string Upper(std::string text) {
  if (!text.empty()) CharUpperBuffA(&text[0], (DWORD)text.size());
  return text;
}

std::string WithBackslash(const std::string& folder) {
  if (folder.empty() || folder[folder.size() - 1] != '\\') return folder + "\\";
  return folder;
}

bool EndsWith(const std::string& text, const std::string& tail) {
  return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

// The names (upper case) of everything in a folder.
std::vector<std::string> ListFolder(const std::string& folder) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA data;
  HANDLE find = FindFirstFileA((WithBackslash(folder) + "*").c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return names;
  do {
    if (strcmp(data.cFileName, ".") != 0 && strcmp(data.cFileName, "..") != 0)
      names.push_back(Upper(data.cFileName));
  } while (FindNextFileA(find, &data));
  FindClose(find);
  return names;
}

// Whether a file of the folder matches "<base>*.<extension>".
bool AnyMatches(const std::vector<std::string>& files, const std::string& base,
                const std::string& dotExtension) {
  for (size_t i = 0; i < files.size(); ++i) {
    const std::string& name = files[i];
    if (name.size() >= base.size() + dotExtension.size() && name.compare(0, base.size(), base) == 0 &&
        EndsWith(name, dotExtension))
      return true;
  }
  return false;
}

}  // namespace

std::string CTaskList::MakeOutputName(const char* sourcePath, int outputType, int taskIndex) {
  if (!m_pConfig || !m_pManager || !sourcePath || !FileExists(sourcePath)) return "";
  if (outputType < 0 || outputType > 9) return "";
  char folder[MAX_PATH] = "";
  m_pConfig->GetString("CurrentSavePath", folder, MAX_PATH, 0);
  if (!folder[0] || !FileExists(folder)) return "";
  std::string base = GetFileNameFromPath(sourcePath);
  size_t dot = base.rfind('.');
  if (dot != std::string::npos) base.erase(dot);
  std::string prefix = WithBackslash(folder) + base;
  const TypeNaming& naming = kTypeNaming[outputType];
  if (naming.section == 2)
    return MakeNumberedOutputName(taskIndex, "M4V", naming.extension, folder, 5);
  std::string namePrefix;
  int digits = 0;
  if (naming.section >= 0 && OutputNaming(naming.section, &namePrefix, &digits))
    return MakeNumberedOutputName(taskIndex, namePrefix, naming.extension, folder, digits);
  return MakeUniqueOutputName(taskIndex, prefix, naming.extension);
}

BOOL CTaskList::OutputNaming(int kind, std::string* prefix, int* digits) {
  if (m_cache.depth > 0 && m_cache.namingRead[kind]) {
    *prefix = m_cache.namingPrefix[kind];
    *digits = m_cache.namingDigits[kind];
    return m_cache.namingOk[kind];
  }
  BOOL ok = m_pManager->GetOutputFileNaming(prefix, digits, NULL, kind);
  if (m_cache.depth > 0) {
    m_cache.namingRead[kind] = true;
    m_cache.namingOk[kind] = ok;
    m_cache.namingPrefix[kind] = *prefix;
    m_cache.namingDigits[kind] = *digits;
  }
  return ok;
}

bool CTaskList::NameTaken(const std::string& base, const std::string& name, int count) {
  // On disk: any file "<base>*.<extension>" counts (a wildcard match).
  size_t slash = base.rfind('\\');
  std::string folder = slash == std::string::npos ? std::string() : base.substr(0, slash + 1);
  std::string fileBase = Upper(base.substr(folder.size()));
  std::string dotExtension = Upper(name.substr(name.rfind('.')));
  CallScope scope(this);
  if (!m_cache.listed || m_cache.listedFolder != folder) {
    m_cache.folderFiles = ListFolder(folder);
    m_cache.listedFolder = folder;
    m_cache.listed = true;
  }
  if (AnyMatches(m_cache.folderFiles, fileBase, dotExtension)) return true;
  // Among the earlier tasks: the same output path in any letter case.
  IndexTaskNames(count);
  return m_cache.taskNames.count(Upper(name)) > 0;
}

void CTaskList::IndexTaskNames(int count) {
  std::vector<std::pair<const CTaskRecord*, std::string> >& named = m_cache.namedTasks;
  if (!m_cache.namesChecked) {
    // Tasks may have been deleted or renamed since the last call.
    size_t same = 0;
    while (same < named.size() && (int)same < GetCount() && named[same].first == m_tasks[same] &&
           named[same].second == m_tasks[same]->outputPath)
      ++same;
    ForgetTaskNamesFrom(same);
    m_cache.namesChecked = true;
  }
  if (count > GetCount()) count = GetCount();
  if ((int)named.size() > count) ForgetTaskNamesFrom(count);
  while ((int)named.size() < count) {
    const CTaskRecord* task = m_tasks[named.size()];
    named.push_back(std::make_pair(task, task->outputPath));
    m_cache.taskNames.insert(Upper(task->outputPath));
  }
}

void CTaskList::ForgetTaskNamesFrom(size_t first) {
  std::vector<std::pair<const CTaskRecord*, std::string> >& named = m_cache.namedTasks;
  for (size_t i = first; i < named.size(); ++i) {
    std::unordered_multiset<std::string>::iterator found =
        m_cache.taskNames.find(Upper(named[i].second));
    if (found != m_cache.taskNames.end()) m_cache.taskNames.erase(found);
  }
  if (first < named.size()) named.erase(named.begin() + first, named.end());
}

std::string CTaskList::MakeUniqueOutputName(int count, const std::string& prefix,
                                            const char* extension) {
  CallScope scope(this);
  std::string name = prefix + "." + extension;
  if (name.size() + 4 >= MAX_PATH) {
    LogPrint(LOG_ERROR, "Output name is too long: %s\n", name.c_str());
    return "";
  }
  if (!NameTaken(prefix, name, count)) return name;
  for (int n = 1; n <= 999; ++n) {
    char counter[8];
    snprintf(counter, sizeof(counter), "_%.3d", n);
    std::string base = prefix + counter;
    name = base + "." + extension;
    if (!NameTaken(base, name, count)) return name;
  }
  return "";
}

std::string CTaskList::MakeNumberedOutputName(int index, const std::string& namePrefix,
                                              const char* extension, const std::string& folder,
                                              int digitCount) {
  if (digitCount < 1 || digitCount > 5 || namePrefix.empty()) return "";
  int n = 1;
  CTaskRecord* previous = index > 0 ? GetTask(index - 1) : NULL;
  if (previous) {
    // The number that follows the prefix in the previous task's file name;
    // a name without the prefix starts the count again.
    std::string fileName = GetFileNameFromPath(previous->outputPath.c_str());
    size_t at = fileName.find(namePrefix);
    if (at != std::string::npos) {
      int number = 0;
      const char* digits = fileName.c_str() + at + namePrefix.size();
      for (int i = 0; i < digitCount && digits[i] >= '0' && digits[i] <= '9'; ++i)
        number = number * 10 + (digits[i] - '0');
      n = number + 1;
    }
  }
  int limit = 1;
  for (int i = 0; i < digitCount; ++i) limit *= 10;
  std::string base = WithBackslash(folder) + namePrefix;
  for (; n < limit; ++n) {
    char number[16];
    snprintf(number, sizeof(number), "%.*d", digitCount, n);
    std::string name = base + number + "." + extension;
    if (name.size() >= MAX_PATH) {
      LogPrint(LOG_ERROR, "Output name is too long: %s\n", name.c_str());
      return "";
    }
    if (!FileExists(name.c_str())) return name;
  }
  return "";
}
