// A picture converted to JPEG through the photo module, end to end: runs
// only where an engine library that serves the still-image type (BMP in,
// JPG out) is in the program folder; the output is probed with GDI+.
#include <gtest/gtest.h>

#include "base/Handles.h"
#include "include/VarnoEngine.h"
#include "modules/photo/PhotoModule.h"
#include "tests/support/ModuleHostFakes.h"
#include "tests/support/TestSupport.h"
#include "winfx/GdiPlus.h"
#include "winfx/Seams.h"
#include "winfx/Wnd.h"

namespace {

int WINAPI AnswerOk(HWND, const char*, const char*, UINT) { return IDOK; }

bool OffersName(const FORMATROW* rows, int count, const char* name) {
  for (int i = 0; rows && i < count; ++i)
    if (strcmp(rows[i].szName, name) == 0) return true;
  return false;
}

// Whether PicCast.dll of the program folder turns BMP into JPG.
bool StillImageEngineInstalled() {
  CLibrary library;
  library.Reset(LoadLibraryA((vrctest::ProgramFolder() + "PicCast.dll").c_str()));
  if (!library.IsValid()) return false;
  typedef IConvertEngine*(WINAPI * PFN_Create)();
  PFN_Create create = reinterpret_cast<PFN_Create>(library.Find("CreateVarnoConverter"));
  IConvertEngine* engine = create ? create() : NULL;
  if (!engine) return false;
  FORMATROW* inputs = NULL;
  FORMATROW* outputs = NULL;
  int inputCount = engine->GetInputFormats(&inputs);
  int outputCount = engine->GetOutputFormats(&outputs);
  bool ok = OffersName(inputs, inputCount, "BMP") && OffersName(outputs, outputCount, "JPG");
  engine->Release();
  return ok;
}

TEST(PhotoConversion, JpegAtTheChosenResolution) {
  if (!StillImageEngineInstalled())
    GTEST_SKIP() << "no engine library serving the still-image type (PicCast.dll, BMP to JPG) "
                    "in the program folder";
  VrcSetMessageBoxSeam(AnswerOk);
  vrctest::TempDir output, imageTemp;
  CFakeConfigModule configModule;
  CFakeConfig& config = configModule.config;
  config.SeedModelSettings();
  config.SetText("InstallDirectory", vrctest::ProgramFolder());
  config.SetProfile(vrctest::ProgramFolder() + "Configs\\Formats.ini");
  config.SetText("CurrentSavePath", output.Path());
  config.SetText("ImageTempFolder", imageTemp.Path());
  config.SetText("OEMIConverterName", "CreateVarnoConverter");
  config.Set("CurrentLastOutputTypeIndex", 8);  // JPEG pictures
  config.Set("PhotoResolutionData", (160 << 16) | 120);
  config.Set("KeepImageRatio", 0);
  config.Set("PhotoQualityData", 80);
  CFakeRegistry registry;
  registry.configModule = &configModule;
  CPhotoModule module;
  module.SetHost(&registry);
  ASSERT_EQ(S_OK, module.InitInstance());
  // A batch runs over the rows of the task-list view, as in the program.
  RECT rect = {0, 0, 500, 300};
  CWnd window;
  ASSERT_TRUE(window.Create(NULL, "main", WS_POPUP, rect, NULL, 0));
  IConverterView* view = NULL;
  ASSERT_EQ(S_OK, module.CreateView("StillCastTaskListView", window.m_hWnd, &rect, "", &view));
  ASSERT_EQ(1, module.AddFile((vrctest::TestFolder() + "..\\testmedia\\photo.png").c_str()));
  module.ApplyOutputSettings();
  std::string jpeg = module.GetTaskList().GetTask(0)->outputPath;
  EXPECT_EQ(1, module.Convert());
  EXPECT_EQ("Convert Successful", module.GetTaskList().GetTask(0)->stateText);
  CGdiPlusSession gdiPlus;
  CGdiPlusBitmap made;
  CGdiPlusBitmap::FromFile(jpeg.c_str(), MAX_PATH, &made);
  EXPECT_EQ(160, made.Size().cx) << jpeg;
  EXPECT_EQ(120, made.Size().cy) << jpeg;
  module.DestroyView(view);
  module.ExitInstance();
  window.DestroyWindow();
  VrcSetMessageBoxSeam(NULL);
}

}  // namespace
