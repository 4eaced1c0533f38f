// A conversion runner set up for a test: the model of one module (fake
// configuration, converter manager, task list), a list view of the test's
// own, a recorder of the module events and of the message boxes.
#pragma once
#include <string>
#include <vector>

#include "modules/video/VideoConvertRunner.h"
#include "tests/support/BoxRecorder.h"
#include "tests/support/ModelFixture.h"
#include "tests/support/RecordingNotify.h"

// The rows of the task-list view: the task's texts as the view would show
// them.
class FakeRows : public ITaskRows {
 public:
  explicit FakeRows(CTaskList* list) : m_pList(list) {}
  int GetRowCount() override { return m_pList->GetCount(); }
  std::string GetCellText(int row, int column) override {
    CTaskRecord* task = m_pList->GetTask(row);
    if (!task) return "";
    if (column == 0) return task->sourcePath.substr(task->sourcePath.rfind('\\') + 1);
    if (column == 1) return task->mediaTime;
    return task->stateText;
  }
  BOOL ShowTaskInRow(int row, CTaskRecord* task) override {
    shown.push_back(std::to_string(row) + ":" + (task ? task->stateText : ""));
    return TRUE;
  }
  HWND GetWindow() override { return window; }
  std::vector<std::string> shown;
  HWND window = NULL;  // the list's window, when a test gives it one

 private:
  CTaskList* m_pList;
};

class RunnerFixture {
 public:
  RunnerFixture();
  // A task for an (empty) source file in the source folder.
  CTaskRecord* AddTask(const std::string& name);
  template <class Runner>
  void Wire(Runner* runner) {
    runner->SetTaskList(&model.list);
    runner->SetConverterManager(&model.manager);
    runner->SetListControl(&rows);
    runner->SetNotify(&events);
    runner->SetConfig(&model.config);
  }

  ModelFixture model;
  FakeRows rows;
  CRecordingNotify events;
  BoxRecorder boxes;
};
