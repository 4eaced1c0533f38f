// The "Convert" button's second press, end to end: the command executive, the
// real video module and its runner. A confirmed stop shows "Convert" again
// at once; a declined one changes nothing and the batch goes on.
#include <gtest/gtest.h>

#include "tests/support/ExecutiveFakes.h"
#include "tests/support/ModuleHarness.h"
#include "winfx/Seams.h"

namespace {

int g_answer = IDYES;
std::vector<std::string> g_boxes;
int WINAPI Answer(HWND, const char* text, const char*, UINT) {
  g_boxes.push_back(text);
  return g_answer;
}

// Presses "Convert" again until the running batch asks whether to stop.
CCommandExecutive* g_executive = NULL;
INT_PTR g_valueAfterSecondPress = -1;
void CALLBACK PressConvertAgain(HWND, UINT, UINT_PTR id, DWORD) {
  g_executive->ExecuteSkinCommand("Convert", 0, NULL);
  if (g_boxes.empty()) return;
  KillTimer(NULL, id);
  g_valueAfterSecondPress = g_executive->GetControlValue("Convert");
}

// The program's registry with the configuration of the harness, the real
// video module, fake music and photo modules, a recording main UI module and
// the executive.
class ProgramWiring {
 public:
  ProgramWiring() {
    CCommandExecutive::ResetTable();
    registry = new CModuleRegistry();
    RegisterModuleObject(registry, &CLSID_ConfigModule, &harness.configModule);
  }
  bool Start() {
    if (!harness.Start()) return false;
    // The executive takes the output folder of the page.
    harness.configModule.config.SetText("VideoSavePath", harness.output.Path());
    RegisterModuleObject(registry, &CLSID_VideoModule, harness.module);
    RegisterModuleObject(registry, &CLSID_MusicModule, &music);
    RegisterModuleObject(registry, &CLSID_PhotoModule, &photo);
    ui = new fakes::MainUI();
    RegisterModuleObject(registry, &CLSID_MainUIModule, ui);
    executive = new CCommandExecutive();
    RegisterModuleObject(registry, &CLSID_CommandExecutive, executive);
    return SUCCEEDED(executive->InitInstance());
  }
  ~ProgramWiring() {
    executive->ExitInstance();
    executive->Release();
    ui->Release();
    harness.Stop();
  }

  ModuleHarness harness;
  CModuleRegistry* registry;
  fakes::Converter music, photo;
  fakes::MainUI* ui = NULL;
  CCommandExecutive* executive = NULL;
};

class StopAnswer : public ::testing::TestWithParam<int> {};

TEST_P(StopAnswer, ConfirmedShowsConvertAgainDeclinedChangesNothing) {
  g_answer = GetParam();
  g_boxes.clear();
  VrcSetMessageBoxSeam(Answer);
  {
    ProgramWiring program;
    ASSERT_TRUE(program.Start());
    ASSERT_EQ(1, program.harness.module->AddFile(Media("long.mp4").c_str()));
    program.harness.UseOutputType(9);
    program.executive->UpdateButtonStates();
    g_executive = program.executive;
    g_valueAfterSecondPress = -1;
    SetTimer(NULL, 0, 500, PressConvertAgain);
    EXPECT_EQ(S_OK, program.executive->ExecuteSkinCommand("Convert", 0, NULL));
    EXPECT_EQ(g_answer == IDYES ? 0 : 1, g_valueAfterSecondPress);
    EXPECT_EQ(g_answer == IDYES ? "User Aborted" : "Convert Successful",
              program.harness.Task(0)->stateText);
    EXPECT_EQ(0, program.executive->GetControlValue("Convert")) << "idle after the batch";
    ASSERT_FALSE(g_boxes.empty());
    EXPECT_EQ("Are you sure that conversion abort?", g_boxes[0]);
  }
  VrcSetMessageBoxSeam(NULL);
}

INSTANTIATE_TEST_SUITE_P(Answers, StopAnswer, ::testing::Values(IDYES, IDNO),
                         [](const ::testing::TestParamInfo<int>& info) {
                           return std::string(info.param == IDYES ? "Yes" : "No");
                         });

}  // namespace
