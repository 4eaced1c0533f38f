#include "tests/modules/framework/runner/RunnerFixture.h"

#include "winfx/Seams.h"

RunnerFixture::RunnerFixture() : rows(&model.list) {
  model.config.SetText("OEMAppName", "Varno Reel Craft V2.0");
  model.Init();
}

CTaskRecord* RunnerFixture::AddTask(const std::string& name) {
  return model.list.AddFile(model.Source(name).c_str());
}
