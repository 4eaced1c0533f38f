// Output names: the unique-name rule against the output folder and against
// earlier tasks, the numbered rule, and the cases where no name can be made.
#include <gtest/gtest.h>

#include "tests/support/ModelFixture.h"

namespace {

class TaskNamingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fixture.AddEngine("MuxCast.dll", "AVI,", "AVI,");
    ASSERT_TRUE(fixture.Init());
  }
  // Adds the sources in order and returns their output file names.
  std::vector<std::string> AddAll(const std::vector<std::string>& names) {
    std::vector<std::string> outputs;
    for (const std::string& name : names) {
      CTaskRecord* task = fixture.list.AddFile(fixture.Source(name).c_str());
      outputs.push_back(task ? NameIn(task->outputPath) : "<refused>");
    }
    return outputs;
  }
  std::string NameIn(const std::string& path) {
    const std::string& folder = fixture.output.Path();
    if (path.compare(0, folder.size(), folder) == 0) return path.substr(folder.size());
    return "elsewhere:" + path;
  }
  ModelFixture fixture;
};

struct UniqueCase {
  const char* what;
  std::vector<std::string> onDisk;
  std::vector<std::string> sources;
  std::vector<std::string> expected;
};

TEST_F(TaskNamingTest, UniqueNamesAgainstDiskAndEarlierTasks) {
  const UniqueCase cases[] = {
      {"empty folder", {}, {"clip.avi"}, {"clip.AVI"}},
      {"a longer name with the same start counts as taken", {"clip2.AVI"}, {"clip.avi"},
       {"clip_001.AVI"}},
      {"so does one that starts with the counted name", {"clip2.AVI", "clip_001x.avi"},
       {"clip.avi"}, {"clip_002.AVI"}},
      {"another extension does not count", {"clip.mp4", "clip.avi.txt"}, {"clip.avi"},
       {"clip.AVI"}},
      {"a file differing only in case is taken", {"CLIP.avi"}, {"clip.mpg"}, {"clip_001.AVI"}},
      {"earlier tasks count", {}, {"a.avi", "a.mpg", "a.wmv"},
       {"a.AVI", "a_001.AVI", "a_002.AVI"}},
      {"earlier tasks in another case count", {}, {"A.avi", "a.mpg"}, {"A.AVI", "a_001.AVI"}},
      {"a dotted base keeps all but the extension", {}, {"my.holiday.avi"},
       {"my.holiday.AVI"}},
  };
  for (const UniqueCase& c : cases) {
    SCOPED_TRACE(c.what);
    fixture.list.DeleteTasks(0, fixture.list.GetCount());
    vrctest::RemoveTree(fixture.output.Path());
    CreateDirectoryA(fixture.output.Path().c_str(), NULL);
    for (const std::string& file : c.onDisk) vrctest::WriteFile(fixture.output.File(file), "x");
    EXPECT_EQ(c.expected, AddAll(c.sources));
  }
}

TEST_F(TaskNamingTest, ApplyingATypeRenamesEveryTaskInOrder) {
  AddAll({"a.avi", "a.mpg", "b.avi"});
  fixture.UseOutputType(2);  // MP4 without numbered naming
  ASSERT_TRUE(fixture.list.ApplyOutputType());
  std::vector<std::string> names;
  for (int i = 0; i < fixture.list.GetCount(); ++i)
    names.push_back(NameIn(fixture.list.GetTask(i)->outputPath));
  EXPECT_EQ((std::vector<std::string>{"a.MP4", "a_001.MP4", "b.MP4"}), names);
  EXPECT_EQ(5, fixture.config.Int("CurrentLastOutputTypeData"));
  EXPECT_EQ(5, fixture.config.Int("VideoLastOutputTypeData"));
  EXPECT_TRUE(fixture.list.IsMpeg4FamilyType());
  fixture.UseOutputType(0);
  EXPECT_FALSE(fixture.list.IsMpeg4FamilyType());
  fixture.UseOutputType(99);
  EXPECT_FALSE(fixture.list.ApplyOutputType());
}

TEST_F(TaskNamingTest, AllCountersTakenLeavesTheFirstGuess) {
  vrctest::WriteFile(fixture.output.File("clip.AVI"), "x");
  for (int n = 1; n <= 999; ++n) {
    char name[32];
    snprintf(name, sizeof(name), "clip_%.3d.AVI", n);
    vrctest::WriteFile(fixture.output.File(name), "x");
  }
  CTaskRecord* task = fixture.list.AddFile(fixture.Source("clip.avi").c_str());
  ASSERT_NE(nullptr, task);
  EXPECT_EQ(fixture.sources.File("clipX.avi"), task->outputPath);
}

TEST_F(TaskNamingTest, MissingOutputFolderLeavesTheFirstGuess) {
  fixture.config.SetText("CurrentSavePath", fixture.output.File("gone"));
  CTaskRecord* task = fixture.list.AddFile(fixture.Source("clip.avi").c_str());
  ASSERT_NE(nullptr, task);
  EXPECT_EQ(fixture.sources.File("clipX.avi"), task->outputPath);
}

TEST_F(TaskNamingTest, NoNameForTypesOutsideTheTable) {
  std::string source = fixture.Source("clip.avi");
  EXPECT_EQ("", fixture.list.MakeOutputName(source.c_str(), 10, 0));
  EXPECT_EQ("", fixture.list.MakeOutputName(source.c_str(), -1, 0));
  EXPECT_EQ("", fixture.list.MakeOutputName(fixture.sources.File("none.avi").c_str(), 0, 0));
  EXPECT_EQ("clip.JPG", NameIn(fixture.list.MakeOutputName(source.c_str(), 8, 0)));
  EXPECT_EQ("clip.MP3", NameIn(fixture.list.MakeOutputName(source.c_str(), 9, 0)));
  EXPECT_EQ("clip.ASF", NameIn(fixture.list.MakeOutputName(source.c_str(), 3, 0)));
}

TEST_F(TaskNamingTest, PortablePlayerTypeIsNumberedPastFilesOnDisk) {
  vrctest::WriteFile(fixture.output.File("M4V00001.MP4"), "x");
  fixture.UseOutputType(4);  // id 7
  AddAll({"a.avi", "b.avi"});
  ASSERT_TRUE(fixture.list.ApplyOutputType());
  EXPECT_EQ("M4V00002.MP4", NameIn(fixture.list.GetTask(0)->outputPath));
  EXPECT_EQ("M4V00003.MP4", NameIn(fixture.list.GetTask(1)->outputPath));
}

TEST_F(TaskNamingTest, NumberedNameReadsABoundedNumberAfterThePrefix) {
  AddAll({"a.avi", "b.avi"});
  CTaskRecord* previous = fixture.list.GetTask(0);
  struct {
    const char* previousPath;
    const char* expected;
  } cases[] = {
      {"C:\\elsewhere\\short.avi", "M4V00001.MP4"},  // no prefix: start again at 1
      {"C:\\x\\M4V12", "M4V00013.MP4"},                // fewer digits than the count
      {"C:\\x\\M4V00041.MP4", "M4V00042.MP4"},
      {"C:\\M4V77\\M4V00005.MP4", "M4V00006.MP4"},    // the folder does not count
      {"C:\\x\\M4V99999.MP4", ""},                     // counter runs out
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.previousPath);
    previous->outputPath = c.previousPath;
    std::string name =
        fixture.list.MakeNumberedOutputName(1, "M4V", "MP4", fixture.output.Path(), 5);
    EXPECT_EQ(c.expected, name.empty() ? "" : NameIn(name));
  }
}

TEST_F(TaskNamingTest, ProfileNamingNumbersWithItsPrefixAndCount) {
  const struct {
    const char* section;
    const char* expected;
  } cases[] = {
      {"[OUTPUTFILE]\nPreFix=Movie\ncount=3\n", "Movie001.AVI"},
      {"[OUTPUTFILE]\nPreFix=Movie\ncount=6\n", "clip.AVI"},  // count out of range
      {"[OUTPUTFILE]\nPreFix=Movie\ncount=0\n", "clip.AVI"},
      {"[OUTPUTFILE]\ncount=3\n", "clip.AVI"},  // no prefix
  };
  std::string source = fixture.Source("clip.avi");
  for (const auto& c : cases) {
    SCOPED_TRACE(c.section);
    fixture.WriteProfile(std::string(kBasicProfile) + c.section);
    EXPECT_EQ(c.expected, NameIn(fixture.list.MakeOutputName(source.c_str(), 1, 0)));
  }
}

TEST_F(TaskNamingTest, OverlongPathsAreRefusedNotCut) {
  std::string deep = fixture.sources.Path() + std::string(180, 'd');
  ASSERT_TRUE(CreateDirectoryA(deep.c_str(), NULL));
  // A file whose full path is longer than 260 characters (made through the
  // long-path form, which the ANSI calls do not take).
  std::string source = deep + "\\" + std::string(70, 's') + ".avi";
  std::wstring wide = L"\\\\?\\" + std::wstring(source.begin(), source.end());
  HANDLE file = CreateFileW(wide.c_str(), GENERIC_WRITE, 0, NULL, CREATE_NEW, 0, NULL);
  ASSERT_NE(INVALID_HANDLE_VALUE, file);
  CloseHandle(file);
  EXPECT_EQ(nullptr, fixture.list.AddFile(source.c_str()));
  EXPECT_EQ(0, fixture.list.GetCount());

  // An output folder so deep that the name does not fit gives no name.
  std::string name(240, 'n');
  std::string fits = fixture.Source(name.substr(0, 100) + ".avi");
  fixture.config.SetText("CurrentSavePath", deep);
  EXPECT_EQ("", fixture.list.MakeOutputName(fits.c_str(), 0, 0));
}

}  // namespace
