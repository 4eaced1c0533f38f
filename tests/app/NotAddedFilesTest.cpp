// The names of an add that left files out: every name up to the bound, the
// rest counted, nothing for an add that left nothing out.
#include <gtest/gtest.h>

#include <string.h>

#include "app/NotAddedFiles.h"

namespace {

std::vector<std::string> Names(int count) {
  std::vector<std::string> names;
  for (int i = 0; i < count; ++i) names.push_back("C:\\In\\file" + std::to_string(i) + ".avi");
  return names;
}

TEST(NotAddedFiles, NothingLeftOutListsNothing) { EXPECT_EQ("", NotAddedFilesList({})); }

TEST(NotAddedFiles, TheReasonFitsTheTranslatorsBuffer) {
  EXPECT_LT(strlen(kNotAddedFilesReason), 260u);
  EXPECT_LT(strlen(kUnansweredFilesReason), 260u);
}

TEST(NotAddedFiles, EveryNameUpToTheBoundThenACount) {
  struct {
    const char* name;
    int count;
    int listed;
    const char* tail;
  } cases[] = {
      {"one", 1, 1, "\nC:\\In\\file0.avi"},
      {"exactly the bound", kNotAddedNamesShown, kNotAddedNamesShown, "\nC:\\In\\file9.avi"},
      {"beyond the bound", kNotAddedNamesShown + 3, kNotAddedNamesShown, "\n... and 3 more"},
  };
  for (const auto& c : cases) {
    std::string text = NotAddedFilesList(Names(c.count));
    EXPECT_EQ(0u, text.find("\n\nC:\\In\\file0.avi")) << c.name;
    for (int i = 0; i < c.count; ++i)
      EXPECT_EQ(i < c.listed, text.find("\\file" + std::to_string(i) + ".avi") != std::string::npos)
          << c.name << " " << i;
    std::string tail = c.tail;
    ASSERT_GE(text.size(), tail.size()) << c.name;
    EXPECT_EQ(tail, text.substr(text.size() - tail.size())) << c.name;
  }
}

}  // namespace
