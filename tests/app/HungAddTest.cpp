// Files that the platform's media detector never answers for, dropped on the
// music page of the program between good ones (the child program does it):
// the window answers throughout, the add ends within the probes' bounds, the
// two files are named in the one "not added" box, the good ones are listed,
// and the program then closes, its libraries freed, with exit code 0 while
// the detector's threads never came back.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "tests/support/TestSupport.h"

namespace {

using vrctest::ReportNumber;
using vrctest::ReportValues;

TEST(HungAdd, TheWindowAnswersTheFilesAreNamedAndTheProgramCloses) {
  vrctest::TempDir dir;
  const std::string reportFile = dir.File("report.txt");
  // Generous: two probes at their bound, the program's start and its end.
  const int code = vrctest::RunProcess("hung_add_program.exe \"" + reportFile + "\"",
                                       vrctest::TestFolder(), 180000);
  const std::string report = vrctest::ReadFile(reportFile);
  ASSERT_NE(std::string::npos, report.find("closing\n")) << "exit code " << code << "\n" << report;
  EXPECT_EQ(0, code) << "the program did not close normally (-2: it did not end)";
  EXPECT_NE(std::string::npos, report.find("closing\nended\n")) << "the program's end did not finish";

  EXPECT_GT(ReportNumber(report, "asks"), 20) << report;
  EXPECT_EQ(0, ReportNumber(report, "unanswered")) << "the window stopped answering during the add";
  const double bound = ReportNumber(report, "boundMs");
  ASSERT_GT(bound, 0);
  EXPECT_LT(ReportNumber(report, "addMs"), 2 * bound + 20000) << "two probes, each at most its bound";

  const std::vector<std::string> boxes = ReportValues(report, "box");
  ASSERT_EQ(1u, boxes.size()) << report;
  EXPECT_NE(std::string::npos, boxes[0].find("\\hang-ulaw.wav")) << boxes[0];
  EXPECT_NE(std::string::npos, boxes[0].find("\\hang-3ch24.wav")) << boxes[0];
  EXPECT_EQ(std::vector<std::string>({"tone.wav", "tone.mp3", "tone.wma"}), ReportValues(report, "row"));
}

}  // namespace
