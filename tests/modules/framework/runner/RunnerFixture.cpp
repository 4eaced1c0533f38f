#include "tests/modules/framework/runner/RunnerFixture.h"

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

RunnerFixture::RunnerFixture() : rows(&model.list) {
  model.config.SetText("OEMAppName", "Varno Reel Craft V2.0");
  model.Init();
}

CTaskRecord* RunnerFixture::AddTask(const std::string& name) {
  return model.list.AddFile(model.Source(name).c_str());
}
