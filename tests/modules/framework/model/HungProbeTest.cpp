// A probe that never comes back: the add waits for it a bounded time while
// the thread's window keeps answering, leaves that file out and goes on.
#include <gtest/gtest.h>

#include <windows.h>

#include <string.h>

#include "base/Handles.h"
#include "modules/framework/model/TaskList.h"
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

// Asks the window from another thread, as the system does, how soon it
// answers; counts the asks that it did not answer within a second.
class AnswerWatch {
 public:
  explicit AnswerWatch(HWND window) : m_window(window) {
    m_stop.Reset(CreateEventA(NULL, TRUE, FALSE, NULL));
    m_thread.Reset(CreateThread(NULL, 0, &AnswerWatch::Watch, this, 0, NULL));
  }
  ~AnswerWatch() { Stop(); }
  void Stop() {
    SetEvent(m_stop);
    if (m_thread.IsValid()) WaitForSingleObject(m_thread, INFINITE);
    m_thread.Reset();
  }
  LONG asks = 0, unanswered = 0;

 private:
  static DWORD WINAPI Watch(void* self) {
    AnswerWatch& watch = *static_cast<AnswerWatch*>(self);
    while (WaitForSingleObject(watch.m_stop, 100) == WAIT_TIMEOUT) {
      DWORD_PTR result = 0;
      ++watch.asks;
      if (!SendMessageTimeoutA(watch.m_window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 1000, &result))
        ++watch.unanswered;
    }
    return 0;
  }
  HWND m_window;
  CHandle m_stop, m_thread;
};

TEST(HungProbe, TheFileIsLeftOutAndTheOthersAreAdded) {
  ModelFixture fixture;
  fixture.AddEngine("MuxCast.dll", "AVI,", "AVI,");
  ASSERT_TRUE(fixture.Init());
  fixture.list.SetMediaProbe(&HangingProbe);
  fixture.list.SetProbeBound(2000);
  HWND window = CreateWindowA("STATIC", "probe", WS_POPUP, 0, 0, 10, 10, NULL, NULL, NULL, NULL);
  ASSERT_NE(nullptr, window);
  AnswerWatch watch(window);

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
