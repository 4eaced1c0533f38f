// The "File Size" line of each page in the program: the size of that page's
// own selected file, or the bare caption while the page has none, also after
// switching between the pages.
#include <gtest/gtest.h>

#include <windows.h>
#include <stdio.h>

#include <string>
#include <vector>

#include "tests/app/ProgramInProcess.h"
#include "ui/SkinLabel.h"

namespace {

const char* const kTabs[] = {"ShowVideoConverter", "ShowMusicConverter", "ShowStillCast"};
const char* const kFiles[] = {"clip.avi", "tone.mp3", "photo.bmp"};

std::string Media(const char* name) {
  char full[MAX_PATH] = {0};
  GetFullPathNameA((std::string("..\\testmedia\\") + name).c_str(), MAX_PATH, full, NULL);
  return full;
}

// What the line says for that file: its size in megabytes, one decimal.
std::string SizeText(const char* name) {
  WIN32_FILE_ATTRIBUTE_DATA data = {};
  if (!GetFileAttributesExA(Media(name).c_str(), GetFileExInfoStandard, &data)) return "?";
  const double bytes = static_cast<double>(data.nFileSizeLow) +
                       static_cast<double>(data.nFileSizeHigh) * 4294967296.0;
  char text[64];
  snprintf(text, sizeof(text), "File Size: %.1fMB", bytes / 1048576.0);
  return text;
}

class FileSizeLine : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(program.Start()) << program.Log(); }
  void TearDown() override { program.Stop(); }

  void Show(int page) {
    CSkinPushButton* tab = FindButton(*program.Main(), kTabs[page]);
    ASSERT_NE(nullptr, tab);
    Click(*tab);
    PumpFor(100);
  }
  // The line of the page that is shown.
  std::string Line(int page) {
    CSkinAppDialog* window = program.Page(page);
    if (!window || !IsWindowVisible(*window)) return "(page not shown)";
    for (const auto& label : window->Labels())
      if (label->name == "FileSize") return label->GetLabelText();
    return "(no line)";
  }

  ProgramInProcess program;
};

TEST_F(FileSizeLine, EachPageShowsItsOwnFileOrNothingAcrossPageSwitches) {
  // Each page in turn: bare while it has no file, then its own file's size.
  for (int page = 0; page < 3; ++page) {
    SCOPED_TRACE(kTabs[page]);
    Show(page);
    EXPECT_EQ("File Size:", Line(page)) << "before a file is added here";
    DropFiles(*program.Page(page), {Media(kFiles[page])});
    PumpFor(200);
    EXPECT_EQ(SizeText(kFiles[page]), Line(page)) << "after " << kFiles[page] << " was added";
  }
  // And back through every page, both ways round.
  for (int page : {0, 1, 2, 1, 0, 2}) {
    SCOPED_TRACE(std::string("back to ") + kTabs[page]);
    Show(page);
    EXPECT_EQ(SizeText(kFiles[page]), Line(page));
  }
}

}  // namespace
