// The settings dialogs reached as the program reaches them: through
// ShowDialog of a started configuration object on a throw-away
// installation, with the real language library. Which dialog an id opens,
// what ShowDialog answers, and the answer that tells the caller to reload
// its skin after a change of language.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "config/ConfigModule.h"
#include "config/dialogs/DialogIds.h"
#include "include/VarnoConfig.h"
#include "tests/config/ConfigTestSupport.h"
#include "tests/config/dialogs/DialogTestSupport.h"

namespace {

const LCID kEnglish = 1033, kGerman = 1031;

struct ModuleDeleter {
  void operator()(CConfigModule* module) const { module->Release(); }
};
typedef std::unique_ptr<CConfigModule, ModuleDeleter> ModulePtr;

// A control that only the expected dialog has.
struct DialogCase {
  const char* name;
  int id;
  int control;
  int answer;  // what ShowDialog gives when the dialog is cancelled
};

const DialogCase kDialogs[] = {
    {"About", CONFIG_DLG_ABOUT, IDC_ABOUT_VERSION, 0},
    {"OutputSettings", CONFIG_DLG_OUTPUT_SETTING, IDC_VIDEO_COMPRESSOR, IDCANCEL},
    {"Mp3Settings", CONFIG_DLG_MP3_SETTING, IDC_MP3_SAMPLING_RATE, IDCANCEL},
    {"Options", CONFIG_DLG_OPTIONS, IDC_OPTIONS_LANGUAGE, IDCANCEL},
};

class ShowDialog : public ::testing::Test {
 protected:
  void SetUp() override {
    module.reset(new CConfigModule());
    ASSERT_EQ(S_OK, module->InitInstance());
    config = module.get();
  }
  // ShowDialog(id) while `look` sees the dialog; *looked tells whether one came.
  int Show(int id, const std::function<void(HWND)>& look, bool* looked) {
    return dialogtest::RunModal([&](HWND) { return config->ShowDialog(id, 0); },
                                [&](HWND dialog, HWND) { look(dialog); }, looked);
  }
  LCID Language() {
    LCID language = 0;
    module->GetTranslator()->GetLanguage(&language, 0);
    return language;
  }

  configtest::Installation install;
  ModulePtr module;
  IVarnoConfigEx* config = nullptr;
};

class ShowDialogIds : public ShowDialog, public ::testing::WithParamInterface<DialogCase> {};

TEST_P(ShowDialogIds, OpenTheirDialog) {
  bool looked = false, right = false;
  int answer = Show(GetParam().id, [&](HWND dialog) {
    right = GetDlgItem(dialog, GetParam().control) != NULL;
  }, &looked);
  ASSERT_TRUE(looked);
  EXPECT_TRUE(right) << "the dialog of id " << GetParam().id;
  EXPECT_EQ(GetParam().answer, answer);
}

INSTANTIATE_TEST_SUITE_P(Table, ShowDialogIds, ::testing::ValuesIn(kDialogs),
                         [](const ::testing::TestParamInfo<DialogCase>& info) {
                           return std::string(info.param.name);
                         });

TEST_F(ShowDialog, AnotherLanguageChosenAnswersTheSkinReload) {
  ASSERT_EQ(S_OK, module->GetTranslator()->SetLanguage(kEnglish));
  bool looked = false;
  int answer = Show(CONFIG_DLG_OPTIONS, [](HWND dialog) {
    dialogtest::Choose(dialog, IDC_OPTIONS_LANGUAGE, kGerman);
    dialogtest::Click(dialog, IDOK);
  }, &looked);
  ASSERT_TRUE(looked);
  EXPECT_EQ(100, answer);
  EXPECT_EQ(kGerman, Language());
}

TEST_F(ShowDialog, TheSameLanguageKeptAnswersOk) {
  ASSERT_EQ(S_OK, module->GetTranslator()->SetLanguage(kEnglish));
  bool looked = false;
  int answer = Show(CONFIG_DLG_OPTIONS, [](HWND dialog) {
    dialogtest::Click(dialog, IDOK);
  }, &looked);
  ASSERT_TRUE(looked);
  EXPECT_EQ(IDOK, answer);
  EXPECT_EQ(kEnglish, Language());
}

TEST_F(ShowDialog, TheGermanLanguageTranslatesTheDialog) {
  ASSERT_EQ(S_OK, module->GetTranslator()->SetLanguage(kGerman));
  bool looked = false;
  std::string english, german;
  Show(CONFIG_DLG_OPTIONS, [&](HWND dialog) {
    char text[256] = {0};
    GetWindowTextA(dialog, text, sizeof(text));
    german = text;
  }, &looked);
  ASSERT_TRUE(looked);
  ASSERT_EQ(S_OK, module->GetTranslator()->SetLanguage(kEnglish));
  Show(CONFIG_DLG_OPTIONS, [&](HWND dialog) {
    char text[256] = {0};
    GetWindowTextA(dialog, text, sizeof(text));
    english = text;
  }, &looked);
  EXPECT_FALSE(german.empty());
  EXPECT_NE(english, german) << "the caption follows the chosen language";
}

TEST_F(ShowDialog, AnUnknownIdOrOutputTypeShowsNothing) {
  config->SetInt("VideoLastOutputTypeIndex", 99, 0);
  for (int id : {static_cast<int>(CONFIG_DLG_OUTPUT_SETTING), 55}) {
    bool looked = true;
    EXPECT_EQ(0, Show(id, [](HWND) {}, &looked)) << id;
    EXPECT_FALSE(looked) << id;
  }
}

}  // namespace
