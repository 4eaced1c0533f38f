// The codec and device lookups report what went wrong to their caller and
// show nothing; the caller decides about boxes and log lines.
#include <gtest/gtest.h>
#include <windows.h>
#include <dshow.h>

#include "base/CodecLookup.h"
#include "base/Handles.h"

namespace {

int EveryCodecIsThird(const char*, const GUID&) { return 3; }

TEST(CodecLookup, WindowsMediaCodecThroughTheSeam) {
  EXPECT_EQ(-1, FindWmCodecIndex(NULL, MEDIATYPE_Audio));
  SetFindWmCodecIndexSeam(EveryCodecIsThird);
  EXPECT_EQ(3, FindWmCodecIndex("Windows Media Audio 9", MEDIATYPE_Audio));
  SetFindWmCodecIndexSeam(NULL);
  EXPECT_EQ(-1, FindWmCodecIndex(NULL, MEDIATYPE_Audio));
  EXPECT_EQ(-1, FindWmAudioFormat(-1, MEDIATYPE_Audio, 2, 44100));
}

DWORD WINAPI LookUpWithoutCom(void* result) {
  int position = 5;
  *static_cast<DeviceLookupResult*>(result) =
      FindDeviceByFriendlyName("any", CLSID_AudioCompressorCategory, &position);
  return static_cast<DWORD>(position);
}

TEST(CodecLookup, DevicesReportTheirFailure) {
  // A thread that never started COM cannot create the system enumerator.
  DeviceLookupResult withoutCom = kDeviceFound;
  CHandle thread(CreateThread(NULL, 0, LookUpWithoutCom, &withoutCom, 0, NULL));
  ASSERT_TRUE(thread.IsValid());
  ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(thread, 60000));
  DWORD position = 0;
  ASSERT_TRUE(GetExitCodeThread(thread, &position));
  EXPECT_EQ(kNoSystemEnumerator, withoutCom);
  EXPECT_EQ(static_cast<DWORD>(-1), position);

  CComInit com;
  ASSERT_TRUE(com.Succeeded());
  const struct {
    const char* what;
    const GUID* category;
  } rows[] = {
      {"audio compressors", &CLSID_AudioCompressorCategory},
      {"video compressors", &CLSID_VideoCompressorCategory},
  };
  for (const auto& row : rows) {
    int found = 5;
    EXPECT_EQ(kDeviceAbsent,
              FindDeviceByFriendlyName("no device has this name", *row.category, &found))
        << row.what;
    EXPECT_EQ(-1, found) << row.what;
    IBaseFilter* filter = reinterpret_cast<IBaseFilter*>(1);
    EXPECT_EQ(kDeviceAbsent, BindDeviceFilter(*row.category, -1, &filter)) << row.what;
    EXPECT_EQ(NULL, filter) << row.what;
  }
}

}  // namespace
