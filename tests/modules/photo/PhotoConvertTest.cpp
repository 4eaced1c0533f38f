// Pictures converted to JPEG through the photo module, end to end: runs
// only where an engine library that serves the still-image type (BMP in,
// JPG out) is in the program folder; the outputs are probed with GDI+.
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

// The photo module with its task-list view over a fake configuration and
// the program folder's engine and image tool, set to make JPEG pictures of
// the chosen resolution.
class PhotoConversion : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!StillImageEngineInstalled())
      GTEST_SKIP() << "no engine library serving the still-image type (PicCast.dll, BMP to JPG) "
                      "in the program folder";
    VrcSetMessageBoxSeam(AnswerOk);
    CFakeConfig& config = m_configModule.config;
    config.SeedModelSettings();
    config.SetText("InstallDirectory", vrctest::ProgramFolder());
    config.SetProfile(vrctest::ProgramFolder() + "Configs\\Formats.ini");
    config.SetText("CurrentSavePath", m_output.Path());
    config.SetText("ImageTempFolder", m_imageTemp.Path());
    config.SetText("OEMIConverterName", "CreateVarnoConverter");
    config.Set("CurrentLastOutputTypeIndex", 8);  // JPEG pictures
    config.Set("KeepImageRatio", 0);
    config.Set("PhotoQualityData", 80);
    m_registry.configModule = &m_configModule;
    m_module.SetHost(&m_registry);
    ASSERT_EQ(S_OK, m_module.InitInstance());
    m_started = true;
    // A batch runs over the rows of the task-list view, as in the program.
    RECT rect = {0, 0, 500, 300};
    ASSERT_TRUE(m_window.Create(NULL, "main", WS_POPUP, rect, NULL, 0));
    ASSERT_EQ(S_OK, m_module.CreateView("StillCastTaskListView", m_window.m_hWnd, &rect, "", &m_view));
  }
  void TearDown() override {
    if (m_view) m_module.DestroyView(m_view);
    if (m_started) m_module.ExitInstance();
    if (m_window.m_hWnd) m_window.DestroyWindow();
    VrcSetMessageBoxSeam(NULL);
  }
  // The test media file converted at width x height; its JPEG's path, or
  // "" when it was not converted.
  std::string Convert(const char* name, int width, int height) {
    m_configModule.config.Set("PhotoResolutionData", (width << 16) | height);
    if (m_module.AddFile((vrctest::TestFolder() + "..\\testmedia\\" + name).c_str()) != 1) return "";
    m_module.ApplyOutputSettings();
    std::string jpeg = m_module.GetTaskList().GetTask(0)->outputPath;
    if (m_module.Convert() != 1) return "";
    EXPECT_EQ("Convert Successful", m_module.GetTaskList().GetTask(0)->stateText);
    return jpeg;
  }

  vrctest::TempDir m_output, m_imageTemp;
  CFakeConfigModule m_configModule;
  CFakeRegistry m_registry;
  CPhotoModule m_module;
  CWnd m_window;
  IConverterView* m_view = NULL;
  bool m_started = false;
};

TEST_F(PhotoConversion, JpegAtTheChosenResolution) {
  std::string jpeg = Convert("photo.png", 160, 120);
  ASSERT_FALSE(jpeg.empty());
  CGdiPlusSession gdiPlus;
  CGdiPlusBitmap made;
  CGdiPlusBitmap::FromFile(jpeg.c_str(), MAX_PATH, &made);
  EXPECT_EQ(160, made.Size().cx) << jpeg;
  EXPECT_EQ(120, made.Size().cy) << jpeg;
}

// Which of the test picture's four colours a pixel is nearest to.
const char* QuarterColour(Gdiplus::ARGB argb) {
  static const struct {
    const char* name;
    int r, g, b;
  } kColours[] = {{"red", 255, 0, 0}, {"lime", 0, 255, 0}, {"blue", 0, 0, 255}, {"white", 255, 255, 255}};
  const char* nearest = "";
  int best = 1 << 30;
  for (const auto& c : kColours) {
    int dr = static_cast<int>((argb >> 16) & 0xFF) - c.r, dg = static_cast<int>((argb >> 8) & 0xFF) - c.g,
        db = static_cast<int>(argb & 0xFF) - c.b;
    int distance = dr * dr + dg * dg + db * db;
    if (distance < best) best = distance, nearest = c.name;
  }
  return nearest;
}

// A camera's picture stored turned, with the Exif orientation that says how
// (oriented1..8.jpg: shown upright it is 48x32, red and lime quarters over
// blue and white): its JPEG shows it as every viewer shows the source, and
// its row gives the upright size and the file's format.
class PhotoOrientation : public PhotoConversion, public ::testing::WithParamInterface<int> {};

TEST_P(PhotoOrientation, ComesOutUpright) {
  const std::string name = "oriented" + std::to_string(GetParam()) + ".jpg";
  std::string jpeg = Convert(name.c_str(), 96, 64);
  ASSERT_FALSE(jpeg.empty()) << name;
  EXPECT_EQ(48, m_module.GetTaskList().GetTask(0)->sourceWidth) << name;
  EXPECT_EQ(32, m_module.GetTaskList().GetTask(0)->sourceHeight) << name;
  EXPECT_EQ("48x32,JPEG,24bits", m_module.GetTaskList().GetTask(0)->infoText)
      << name << ": the upright size and the file's own format";
  CGdiPlusSession gdiPlus;
  CGdiPlusBitmap made;
  CGdiPlusBitmap::FromFile(jpeg.c_str(), MAX_PATH, &made);
  ASSERT_EQ(96, made.Size().cx) << jpeg;
  ASSERT_EQ(64, made.Size().cy) << jpeg;
  const struct {
    int x, y;
    const char* colour;
  } kQuarters[] = {{24, 16, "red"}, {72, 16, "lime"}, {24, 48, "blue"}, {72, 48, "white"}};
  std::string seen, upright;
  for (const auto& quarter : kQuarters) {
    Gdiplus::ARGB argb = 0;
    Gdiplus::DllExports::GdipBitmapGetPixel(made.Get(), quarter.x, quarter.y, &argb);
    seen += std::string(QuarterColour(argb)) + " ";
    upright += std::string(quarter.colour) + " ";
  }
  EXPECT_EQ(upright, seen) << name << ": the quarters left to right, top to bottom";
}

INSTANTIATE_TEST_SUITE_P(Exif, PhotoOrientation, ::testing::Range(1, 9),
                         [](const ::testing::TestParamInfo<int>& info) {
                           return "Orientation" + std::to_string(info.param);
                         });

}  // namespace
