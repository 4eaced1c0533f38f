#include "tests/modules/framework/runner/RunnerFixture.h"

#include "include/VarnoModuleEvents.h"
#include "winfx/Seams.h"

std::vector<std::string> BoxRecorder::boxes;
int BoxRecorder::answer = IDYES;

namespace {
int WINAPI RecordBox(HWND, const char* text, const char* caption, UINT) {
  BoxRecorder::boxes.push_back(std::string(caption) + "|" + text);
  return BoxRecorder::answer;
}
}  // namespace

BoxRecorder::BoxRecorder() {
  boxes.clear();
  answer = IDYES;
  VrcSetMessageBoxSeam(RecordBox);
}

BoxRecorder::~BoxRecorder() { VrcSetMessageBoxSeam(NULL); }

BOOL EventRecorder::Notify(int code, INT_PTR p1, INT_PTR p2, INT_PTR p3) {
  Event event = {code, p1, p2, p3, "", ""};
  if (code == MEV_PROGRESS_INFO) {
    if (p2) event.text2 = reinterpret_cast<const char*>(p2);
    if (p3) event.text3 = reinterpret_cast<const char*>(p3);
  }
  events.push_back(event);
  return TRUE;
}

std::vector<std::string> EventRecorder::Outcome() const {
  std::vector<std::string> outcome;
  for (const Event& e : events)
    if (e.code != MEV_PROGRESS_INFO)
      outcome.push_back(std::to_string(e.code) + "(" + std::to_string(e.p1) + "," +
                        std::to_string(e.p2) + "," + std::to_string(e.p3) + ")");
  return outcome;
}

RunnerFixture::RunnerFixture() : rows(&model.list) {
  model.config.SetText("OEMAppName", "Varno Reel Craft V2.0");
  model.Init();
}

CTaskRecord* RunnerFixture::AddTask(const std::string& name) {
  return model.list.AddFile(model.Source(name).c_str());
}
