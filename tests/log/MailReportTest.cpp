// Mail reports through Simple MAPI, against a MAPI32.DLL of the test's own
// that records the message and answers a scripted result.
#include <gtest/gtest.h>

#include "log/MailReport.h"
#include "tests/support/TestSupport.h"

using vrctest::TempDir;

namespace {

struct ResultCase {
  int result;
  BOOL success;
};

void PrintTo(const ResultCase& c, std::ostream* os) { *os << c.result; }

class MailResultTest : public ::testing::TestWithParam<ResultCase> {};

TEST_P(MailResultTest, SentAndCancelledCountAsSuccess) {
  TempDir dir;
  std::string record = dir.File("mail.txt");
  SetEnvironmentVariableA("VRC_FAKE_MAPI_LOG", record.c_str());
  SetEnvironmentVariableA("VRC_FAKE_MAPI_RESULT", std::to_string(GetParam().result).c_str());
  WriteProfileStringA("MAIL", "MAPI", "1");
  EXPECT_EQ(GetParam().success, SendMailReport(NULL, "Dr.Watson", "crash@example.org",
                                               "C:\\Prog\\MovieCast.dll", "C:\\a.log;;C:\\b.log"));
  std::vector<std::string> lines = vrctest::Lines(vrctest::ReadFile(record));
  std::vector<std::string> expected = {
      "subject=Dr.Watson", "flags=1", "recipients=1", "to=1:crash@example.org",
      // One space per attachment after the note; each attachment sits on one.
      "note=[C:\\Prog\\MovieCast.dll  ]", "file=21:C:\\a.log", "file=22:C:\\b.log"};
  EXPECT_EQ(expected, lines);
}

// 0 sent, 1 cancelled by the user; 3 (log-in failed: nothing was sent), 2
// and 26 are failures.
INSTANTIATE_TEST_SUITE_P(Results, MailResultTest,
                         ::testing::Values(ResultCase{0, TRUE}, ResultCase{1, TRUE},
                                           ResultCase{3, FALSE}, ResultCase{2, FALSE},
                                           ResultCase{26, FALSE}));

}  // namespace
