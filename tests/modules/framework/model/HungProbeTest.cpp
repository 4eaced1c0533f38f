// A probe that never comes back: the add waits for it a bounded time while
// the thread's window keeps answering, leaves that file out and goes on.
#include <gtest/gtest.h>

#include <windows.h>

#include <string.h>

#include "modules/framework/model/TaskList.h"
#include "tests/support/AnswerWatch.h"
#include "tests/support/ModelFixture.h"

namespace {

// The probe of the test: files named "hang*" never answer (the thread sleeps
// for ever, as the platform's detector does on some files under Wine); the
// others get the scripted answer.
int HangingProbe(VIDEOINFOHEADER* video, WAVEFORMATEX* audio, const char* path,
                 std::string* mediaTime) {
  const char* name = strrchr(path, '\\');
  if (strncmp(name ? name + 1 : path, "hang", 4) == 0) Sleep(INFINITE);
  return ScriptedProbe(video, audio, path, mediaTime);
}

TEST(HungProbe, TheFileIsLeftOutAndTheOthersAreAdded) {
  ModelFixture fixture;
  fixture.AddEngine("MuxCast.dll", "AVI,", "AVI,");
  ASSERT_TRUE(fixture.Init());
  fixture.list.SetMediaProbe(&HangingProbe);
  // The watch waits for an answer half the bound: a wait that does not pump
  // fails its asks, a loaded machine's stall of a second does not.
  fixture.list.SetProbeBound(3000);
  HWND window = CreateWindowA("STATIC", "probe", WS_POPUP, 0, 0, 10, 10, NULL, NULL, NULL, NULL);
  ASSERT_NE(nullptr, window);
  AnswerWatch watch(window, 1500);

  EXPECT_NE(nullptr, fixture.list.AddFile(fixture.Source("first.avi").c_str()));
  EXPECT_FALSE(fixture.list.ProbeUnanswered());
  EXPECT_EQ(nullptr, fixture.list.AddFile(fixture.Source("hang.avi").c_str()));
  EXPECT_TRUE(fixture.list.ProbeUnanswered()) << "left out because the probe did not answer";
  EXPECT_NE(nullptr, fixture.list.AddFile(fixture.Source("after.avi").c_str()));
  EXPECT_FALSE(fixture.list.ProbeUnanswered());
  EXPECT_EQ(nullptr, fixture.list.AddFile(fixture.Source("notes.txt").c_str()));
  EXPECT_FALSE(fixture.list.ProbeUnanswered()) << "refused for its kind, not for the probe";
  watch.Stop();

  ASSERT_EQ(2, fixture.list.GetCount());
  EXPECT_EQ(fixture.Source("first.avi"), fixture.list.GetTask(0)->sourcePath);
  EXPECT_EQ(fixture.Source("after.avi"), fixture.list.GetTask(1)->sourcePath);
  EXPECT_GT(watch.asks, 5) << "the window was asked while the probe hung";
  EXPECT_EQ(0, watch.unanswered) << "the window answered throughout";
  DestroyWindow(window);
}

}  // namespace
