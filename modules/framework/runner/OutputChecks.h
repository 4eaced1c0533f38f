// What the runner checks of a task's output around a conversion: whether
// the name decided when the task was added still holds when the task
// starts, and whether a run left a file with something in it.
#pragma once
#include <string>

#include "modules/framework/model/TaskRecord.h"

class CTaskList;

// Whether the file exists and holds at least one byte.
bool OutputHasContent(const std::string& path);

enum OutputNameCheck {
  kOutputNameReady,     // the name is the task's and nothing is in the way
  kOutputNameRenamed,   // a file appeared under it: the next free name is taken
  kOutputNameMissing,   // no name fits the output folder (a path too long)
  kOutputNameTaken,     // a file is in the way and no free name is left
};

// Checks the task's output name against the output folder `folder` just
// before the task starts. A file that is already there was not made by this
// batch and is never overwritten: the task takes the next free name by the
// naming rule of the list, or cannot run at all.
OutputNameCheck CheckOutputName(CTaskList* list, int index, CTaskRecord* task,
                                const std::string& folder);
