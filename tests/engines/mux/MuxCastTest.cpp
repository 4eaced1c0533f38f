// MuxCast: what the engine decides by itself, apart from what the platform's
// filter graph does with it.
#include <gtest/gtest.h>

#include <string.h>

#include "base/ComPtr.h"
#include "engines/mux/CodecIndexConfig.h"
#include "engines/mux/GraphWait.h"
#include "engines/mux/RecompressConverter.h"
#include "engines/mux/SnapshotPixels.h"
#include "tests/support/BoxRecorder.h"
#include "tests/support/FakeGraphEvents.h"
#include "tests/support/RecordingProgress.h"
#include "tests/support/TestSupport.h"

namespace {

struct ConfigRow {
  const char* name;
  const char* text;
  CodecIndices expected;  // from {7, 8}
};

const ConfigRow kConfigRows[] = {
    {"both indices", "CODECINDEX3;1", {3, 1}},
    {"prefix in lower case", "codecindex3;1", {3, 1}},
    {"no compressor for either stream", "CODECINDEX-1;-1", {-1, -1}},
    {"digits stop at the first other character", "CODECINDEX12x;4y", {12, 4}},
    {"no separator makes both zero", "CODECINDEX5", {0, 0}},
    {"empty numbers are zero", "CODECINDEX;", {0, 0}},
    {"without the prefix nothing changes", "3;1", {7, 8}},
    {"a shorter text nothing changes", "CODEC", {7, 8}},
    {"an empty text nothing changes", "", {7, 8}},
};

TEST(MuxCastConfig, IndicesByTable) {
  for (const ConfigRow& row : kConfigRows) {
    CodecIndices indices = {7, 8};
    ParseCodecIndexConfig(row.text, &indices);
    EXPECT_EQ(row.expected.video, indices.video) << row.name;
    EXPECT_EQ(row.expected.audio, indices.audio) << row.name;
  }
}

TEST(MuxCastConfig, EngineAcceptsEveryTextAndKeepsIndicesOverReset) {
  CComPtr<CRecompressConverter> engine(new CRecompressConverter());
  EXPECT_EQ(-1, engine->Indices().video);
  EXPECT_EQ(-1, engine->Indices().audio);
  EXPECT_EQ(1, engine->LoadConfigFile("CODECINDEX2;0"));
  EXPECT_EQ(1, engine->LoadConfigFile("not a codec text"));
  engine->Reset();
  engine->Reset();
  EXPECT_EQ(2, engine->Indices().video);
  EXPECT_EQ(0, engine->Indices().audio);
}

TEST(MuxCastFormats, RowsAreTheSameTableEveryTime) {
  CComPtr<CRecompressConverter> engine(new CRecompressConverter());
  FORMATROW* first = NULL;
  FORMATROW* second = NULL;
  ASSERT_EQ(9, engine->GetInputFormats(&first));
  ASSERT_EQ(9, engine->GetInputFormats(&second));
  EXPECT_EQ(first, second);
  EXPECT_STREQ("AVI", first[0].szName);
  EXPECT_STREQ("MOV", first[8].szName);
  EXPECT_EQ(8u, first[8].dwFlagsA);
  EXPECT_EQ(4u, first[8].dwFlagsB);
  FORMATROW* output = NULL;
  ASSERT_EQ(7, engine->GetOutputFormats(&output));
  for (int i = 0; i < 7; ++i) EXPECT_STREQ("AVI", output[i].szName);
  EXPECT_EQ(16u, output[6].dwFlagsA);
  EXPECT_EQ(1, engine->Reserved1());
  EXPECT_EQ(1, engine->Reserved7(0, 0));
}

struct PercentRow {
  const char* name;
  long code;
  LONGLONG position, duration;
  int expected;
};

const LONGLONG kSecond = 10000000;
const PercentRow kPercentRows[] = {
    {"a quarter of the way", 0, 5 * kSecond, 20 * kSecond, 25},
    {"cut toward zero", 0, 2 * kSecond - 1, 10 * kSecond, 19},
    {"no duration counts as 20 s", 0, 5 * kSecond, 0, 25},
    {"beyond the end is capped", 0, 30 * kSecond, 10 * kSecond, 100},
    {"an event is the end", EC_COMPLETE, 0, 10 * kSecond, 100},
};

TEST(MuxCastWait, PercentByTable) {
  for (const PercentRow& row : kPercentRows)
    EXPECT_EQ(row.expected, GraphProgressPercent(row.code, row.position, row.duration)) << row.name;
}

TEST(MuxCastWait, ReportsEachPollUntilTheGraphCompletes) {
  CFakeMediaEvent events;
  events.script = {0, 0, 0, EC_COMPLETE};
  CFakeMediaSeeking seeking;  // no duration: measured against 20 s
  seeking.step = 5 * kSecond;
  CRecordingProgress progress;
  EXPECT_EQ(EC_COMPLETE, WaitForGraphEvents(&events, &seeking, &progress));
  EXPECT_EQ((std::vector<int>{25, 50, 75, 100}), progress.percents);
}

TEST(MuxCastWait, AStopRequestEndsTheWaitWithTwo) {
  CFakeMediaEvent events;
  events.script = {0, 0, 0, 0, EC_COMPLETE};
  CFakeMediaSeeking seeking;
  seeking.duration = 10 * kSecond;
  seeking.step = kSecond;
  CRecordingProgress progress;
  progress.stopAt = 2;
  EXPECT_EQ(kWaitStopped, WaitForGraphEvents(&events, &seeking, &progress));
  EXPECT_EQ(2u, events.polls);
}

TEST(MuxCastWait, AGraphThatStandsStillEndsTheWaitAsAFailure) {
  struct {
    const char* name;
    bool seeking;
    LONGLONG step;  // the position's move a poll
    size_t events;  // polls before EC_COMPLETE
    int expected;
    size_t polls;
  } rows[] = {
      {"no event, no progress callback and no seeking", false, 0, 5000, kWaitStalled,
       kStalledPolls + 1},
      {"a position that stands still", true, 0, 5000, kWaitStalled, kStalledPolls + 1},
      {"a position that moves is waited for", true, 1, 2 * kStalledPolls, EC_COMPLETE,
       2 * kStalledPolls + 1},
  };
  for (auto& row : rows) {
    CFakeMediaEvent events;
    events.script.assign(row.events, 0);
    events.script.push_back(EC_COMPLETE);
    CFakeMediaSeeking seeking;
    seeking.duration = 1000 * kSecond;
    seeking.step = row.step;
    EXPECT_EQ(row.expected, WaitForGraphEvents(&events, row.seeking ? &seeking : NULL, NULL))
        << row.name;
    EXPECT_EQ(row.polls, events.polls) << row.name;
  }
}

TEST(MuxCastWait, EndingEventsAndOthers) {
  struct {
    long code;
    int expected;
  } rows[] = {{EC_USERABORT, EC_USERABORT}, {EC_ERRORABORT, EC_ERRORABORT}, {0x56, 0x56}};
  for (auto& row : rows) {
    CFakeMediaEvent events;
    events.script = {EC_PAUSED, row.code};  // a paused event does not end the wait
    EXPECT_EQ(row.expected, WaitForGraphEvents(&events, NULL, NULL));
    EXPECT_EQ(2u, events.polls);
  }
  CFakeMediaEvent noHandle;
  noHandle.noEventHandle = true;
  EXPECT_EQ(0, WaitForGraphEvents(&noHandle, NULL, NULL));
  EXPECT_EQ(0u, noHandle.polls);
}

TEST(MuxCastSnapshot, PixelsByFormat) {
  const BYTE rgb32[8] = {1, 2, 3, 99, 4, 5, 6, 99};
  const BYTE rgb565[2] = {0xFF, 0xFF};  // 31, 63, 31
  const BYTE rgb555[2] = {0x21, 0x04};  // blue 1, green 1, red 1
  struct {
    const char* name;
    SnapshotFormat format;
    const BYTE* source;
    size_t size, pixels;
    std::vector<BYTE> expected;
  } rows[] = {
      {"RGB24 copied", kSnapshotRGB24, rgb32, 6, 2, {1, 2, 3, 99, 4, 5}},
      {"RGB32 drops the fourth byte", kSnapshotRGB32, rgb32, 8, 2, {1, 2, 3, 4, 5, 6}},
      {"RGB565 kept in 8 bits", kSnapshotRGB565, rgb565, 2, 1,
       {(BYTE)(31 * 7), (BYTE)(63 * 3), (BYTE)(31 * 7)}},
      {"RGB555", kSnapshotRGB555, rgb555, 2, 1, {7, 7, 7}},
  };
  for (auto& row : rows) {
    std::vector<BYTE> out(row.pixels * 3);
    ASSERT_TRUE(ConvertSnapshotPixels(row.format, row.source, row.size, row.pixels, out.data()))
        << row.name;
    EXPECT_EQ(row.expected, out) << row.name;
  }
  BYTE out[6];
  EXPECT_FALSE(ConvertSnapshotPixels(kSnapshotRGB32, rgb32, 7, 2, out)) << "short buffer";
}

TEST(MuxCastSnapshot, HeaderDescribesPackedRows) {
  BYTE header[54];
  WriteSnapshotHeader(5, 3, header);
  BITMAPFILEHEADER file;
  BITMAPINFOHEADER info;
  memcpy(&file, header, sizeof(file));
  memcpy(&info, header + sizeof(file), sizeof(info));
  EXPECT_EQ(0x4D42, file.bfType);
  EXPECT_EQ(5u * 3 * 3 + 54, file.bfSize);
  EXPECT_EQ(54u, file.bfOffBits);
  EXPECT_EQ(40u, info.biSize);
  EXPECT_EQ(24, info.biBitCount);
  EXPECT_EQ(45u, info.biSizeImage);
  CComPtr<CRecompressConverter> engine(new CRecompressConverter());
  HGLOBAL dib = NULL;
  EXPECT_EQ(E_FAIL, engine->GetSnapshot(&dib)) << "no graph, no frame";
  EXPECT_EQ(NULL, dib);
}

TEST(MuxCastConvert, MissingInputOrFolderGivesTheBox) {
  vrctest::TempDir folder;
  const std::string missing = folder.File("missing.avi");
  const char* const inputs[] = {missing.c_str(), folder.Path().c_str()};
  for (const char* input : inputs) {
    BoxRecorder boxes;
    CComPtr<CRecompressConverter> engine(new CRecompressConverter());
    EXPECT_EQ(0, engine->Convert(folder.File("out.avi").c_str(), input, NULL)) << input;
    ASSERT_EQ(1u, BoxRecorder::boxes.size()) << input;
    EXPECT_EQ("MuxCast|The specified input file does not exist.\r\n\r\nPlease provide a valid "
              "media filename.",
              BoxRecorder::boxes[0]);
    EXPECT_FALSE(vrctest::FileExists(folder.File("out.avi")));
  }
}

// A path that does not fit the graph's buffers is refused before any graph
// is made (under Wine a made graph ends in the "Cannot set up MUX" box).
// Where the platform cannot make the multiplexer (Wine 8's capture graph
// builder), the engine says so as a set-up failure, in a box owned by the
// program's main window.
TEST(MuxCastConvert, ASetUpFailureIsSaidOnceInABoxOfTheMainWindow) {
  vrctest::TempDir folder;
  std::string input = folder.File("in.avi");
  ASSERT_TRUE(vrctest::WriteFile(input, "RIFF"));
  HWND main = CreateWindowExA(0, "STATIC", "main", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 200,
                              NULL, NULL, NULL, NULL);
  ASSERT_TRUE(main != NULL);
  CoInitialize(NULL);
  int result = 0;
  {
    BoxRecorder boxes;
    CComPtr<CRecompressConverter> engine(new CRecompressConverter());
    result = engine->Convert(folder.File("out.avi").c_str(), input.c_str(), NULL);
    engine->Reset();
    if (!BoxRecorder::boxes.empty() && BoxRecorder::boxes[0] == "MuxCast|Cannot set up MUX and File Writer") {
      EXPECT_EQ(ENGINE_CANNOT_SET_UP, result);
      EXPECT_EQ(main, BoxRecorder::owners[0]);
    } else {
      EXPECT_NE(ENGINE_CANNOT_SET_UP, result) << "the multiplexer was made";
    }
    for (HWND owner : BoxRecorder::owners) EXPECT_EQ(main, owner);
  }
  CoUninitialize();
  DestroyWindow(main);
}

TEST(MuxCastConvert, AnOutputPathOfMaxPathCharactersIsRefused) {
  vrctest::TempDir folder;
  std::string input = folder.File("in.avi");
  ASSERT_TRUE(vrctest::WriteFile(input, "RIFF"));
  std::string output = folder.File(std::string(MAX_PATH, 'a') + ".avi");
  BoxRecorder boxes;
  CComPtr<CRecompressConverter> engine(new CRecompressConverter());
  EXPECT_EQ(E_INVALIDARG, engine->BuildGraph(output.c_str(), input.c_str()));
  EXPECT_EQ(0, engine->Convert(output.c_str(), input.c_str(), NULL));
  EXPECT_TRUE(BoxRecorder::boxes.empty()) << BoxRecorder::boxes[0];
}

}  // namespace
