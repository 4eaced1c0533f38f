// The fault-injecting fixture encoder does what its script says, seen
// through the pipe the way the conversion runner sees it.
#include <gtest/gtest.h>

#include "tests/stand-ins/encoder/EncoderPipe.h"
#include "tests/support/TestSupport.h"

namespace {

using namespace enctest;

// The fixture copied into a fresh folder as "encoder.exe", with its script
// beside it.
class FixtureEncoder : public ::testing::Test {
 protected:
  void Install(const std::string& script) {
    ASSERT_TRUE(CopyFileA((vrctest::TestFolder() + "fixture_encoder.exe").c_str(),
                          Program().c_str(), FALSE));
    ASSERT_TRUE(vrctest::WriteFile(m_dir.File("encoder-script.txt"), script));
  }
  std::string Program() const { return m_dir.File("encoder.exe"); }
  bool Start(EncoderPipe* pipe, const std::string& line = " \"in.avi\" -o \"out.mp4\" -ofps 25") {
    return pipe->Start(Program(), line, m_dir.Path());
  }
  bool Start() { return Start(&m_pipe); }
  vrctest::TempDir m_dir;
  EncoderPipe m_pipe;
};

TEST_F(FixtureEncoder, ScriptedPositionsArriveOneChunkEach) {
  Install("pos 1.0\nsleep 500\npos 2.5\nsleep 500\neprint done\nexit 0\n");
  ASSERT_TRUE(Start());
  std::vector<std::string> chunks = m_pipe.ReadAll();
  EXPECT_EQ(0, m_pipe.Wait(10000));
  EXPECT_EQ((std::vector<double>{1.0, 2.5}), RunnerPositions(chunks)) << Join(chunks);
  EXPECT_EQ("Pos: 1.0s\nPos: 2.5s\ndone\n", Join(chunks));
}

TEST_F(FixtureEncoder, TwoPositionsInOneChunkReadAsTheFirst) {
  Install("print Pos: 1.0s\\nPos: 2.0s\n");
  ASSERT_TRUE(Start());
  std::vector<std::string> chunks = m_pipe.ReadAll();
  ASSERT_EQ(1u, chunks.size());
  EXPECT_EQ((std::vector<double>{1.0}), RunnerPositions(chunks));
}

TEST_F(FixtureEncoder, ExitsWithoutPositionOrWithACrash) {
  const struct {
    const char* script;
    int exitCode;
  } cases[] = {
      {"eprint working\nexit 0\n", 0},
      {"eprint working\nexit 3\n", 3},
      {"eprint working\ncrash\npos 1.0\n", static_cast<int>(0xC0000005)},
  };
  for (const auto& c : cases) {
    Install(c.script);
    EncoderPipe pipe;
    ASSERT_TRUE(Start(&pipe));
    std::string text = Join(pipe.ReadAll());
    EXPECT_EQ(c.exitCode, pipe.Wait(10000)) << c.script;
    EXPECT_EQ("working\n", text) << c.script;
  }
}

TEST_F(FixtureEncoder, BurstComesBeforeTheFirstPosition) {
  Install("burst 65536\npos 3.0\n");
  ASSERT_TRUE(Start());
  std::vector<std::string> chunks = m_pipe.ReadAll();
  std::string text = Join(chunks);
  EXPECT_EQ(65536u, text.find("Pos: 3.0s"));
  EXPECT_GE(chunks.size(), 16u);  // no read takes more than 4096 bytes
  EXPECT_EQ((std::vector<double>{3.0}), RunnerPositions(chunks));
}

TEST_F(FixtureEncoder, HangsSilentlyUntilKilled) {
  Install("hang\npos 1.0\n");
  ASSERT_TRUE(Start());
  EXPECT_EQ(-2, m_pipe.Wait(500));
  m_pipe.Terminate();
  EXPECT_EQ(1, m_pipe.Wait(0));
  std::string chunk;
  EXPECT_FALSE(m_pipe.ReadChunk(&chunk));
}

TEST_F(FixtureEncoder, RecordsCommandLineAndFolderAndWritesTheOutput) {
  std::string record = m_dir.File("record.txt");
  Install("record " + record + "\noutput 700\n");
  std::string line = " \"C:\\in put.avi\" -o \"" + m_dir.File("out file.mp3") + "\" -of mp3";
  ASSERT_TRUE(Start(&m_pipe, line));
  m_pipe.ReadAll();
  EXPECT_EQ(0, m_pipe.Wait(10000));
  std::string folder = m_dir.Path().substr(0, m_dir.Path().size() - 1);
  EXPECT_EQ("commandline=" + line + "\ndirectory=" + folder + "\n", vrctest::ReadFile(record));
  EXPECT_EQ(std::string(700, 'x'), vrctest::ReadFile(m_dir.File("out file.mp3")));
}

TEST_F(FixtureEncoder, EnvironmentNamesAnotherScript) {
  Install("pos 1.0\n");
  std::string other = m_dir.File("other.txt");
  ASSERT_TRUE(vrctest::WriteFile(other, "pos 7.5\nexit 5\n"));
  SetEnvironmentVariableA("VRC_FIXTURE_ENCODER_SCRIPT", other.c_str());
  ASSERT_TRUE(Start());
  std::vector<std::string> chunks = m_pipe.ReadAll();
  SetEnvironmentVariableA("VRC_FIXTURE_ENCODER_SCRIPT", NULL);
  EXPECT_EQ(5, m_pipe.Wait(10000));
  EXPECT_EQ((std::vector<double>{7.5}), RunnerPositions(chunks));
}

}  // namespace
