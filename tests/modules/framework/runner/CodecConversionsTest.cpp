// The codec library's argument vector and error texts.
#include <gtest/gtest.h>

#include "modules/framework/runner/CodecArguments.h"

namespace {

CTaskRecord Task(int type, const char* source = "C:\\in\\clip.avi") {
  CTaskRecord task;
  task.Clear();
  task.outputType = type;
  task.sourcePath = source;
  task.outputPath = "D:\\x.mp4";
  task.frameRate = 25;
  task.width = 320;
  task.height = 240;
  task.videoQuality = 10;  // 400 kbit/s
  task.videoBitRate = 1000000;
  task.sampleRate = 44100;
  task.channels = 2;
  task.audioCodec = 6;
  return task;
}

typedef std::vector<std::string> Args;

TEST(CodecArguments, BuilderByTable) {
  struct Row {
    const char* name;
    int type;
    const char* source;
    const char* output;
    std::string codecTemplate;
    Args expected;
  } rows[] = {
      {"placeholders of an MP4", 5, "C:\\in\\clip.avi", "",
       "-i |INPUTFILE |-f |OUTPUTFORMAT |OUTPUTFILE |",
       {"-i", "C:\\in\\clip.avi", "-f", "mp4", "D:\\x.mp4"}},
      {"an unterminated last token is lost", 5, "C:\\in\\clip.avi", "", "-i |INPUTFILE |-y",
       {"-i", "C:\\in\\clip.avi"}},
      {"names that contain each other", 1, "C:\\in\\clip.avi", "",
       "-acodec |ACODEC |-ar |ASAMPLERATE |-ac |AC |-ab |AB |",
       {"-acodec", "aac", "-ar", "44100", "-ac", "2", "-ab", "64"}},
      {"3GP audio", 6, "C:\\in\\clip.avi", "", "-ar |ASAMPLERATE |-ac |AC |-ab |AB |",
       {"-ar", "8000", "-ac", "1", "-ab", "8"}},
      {"PSP picture", 7, "C:\\in\\clip.avi", "", "-r |VFPS |-s |VIDEOSIZE |-b |VIDEOBITRATE |-ab |AB |",
       {"-r", "14.985", "-s", "320x240", "-b", "768", "-ab", "32"}},
      {"AVI video codec and tag", 1, "C:\\in\\clip.avi", "",
       "-vcodec |VCODEC |-vtag |VTAG |-s |VIDEOSIZE |-b |VIDEOBITRATE |",
       {"-vcodec", "mpeg4", "-vtag", "DIVX", "-s", "320x240", "-b", "400"}},
      {"MP4 drops the codec and tag tokens", 5, "C:\\in\\clip.avi", "",
       "-i |INPUTFILE |-vcodec |VCODEC |-vtag |VTAG |OUTPUTFILE |",
       {"-i", "C:\\in\\clip.avi", "D:\\x.mp4"}},
      {"an MPEG source is named so first", 5, "C:\\in\\clip.MPG", "",
       "-i |INPUTFILE |OUTPUTFILE |", {"-f", "mpeg", "-i", "C:\\in\\clip.MPG", "D:\\x.mp4"}},
      {"a segment's own name", 5, "C:\\in\\clip.avi", "D:\\x.mp4_1.mp4", "OUTPUTFILE |",
       {"D:\\x.mp4_1.mp4"}},
      {"a path with blanks stays one token", 5, "C:\\my clips\\a b.avi", "", "-i |INPUTFILE |",
       {"-i", "C:\\my clips\\a b.avi"}},
      {"a source path that holds placeholder names stays as it is", 5, "C:\\AC\\AB.avi", "",
       "-i |INPUTFILE |-ac |AC |", {"-i", "C:\\AC\\AB.avi", "-ac", "2"}},
  };
  for (const Row& row : rows) {
    std::string replaced;
    EXPECT_EQ(row.expected,
              BuildCodecArguments(row.codecTemplate, Task(row.type, row.source), row.output, &replaced))
        << row.name;
  }
}

TEST(CodecArguments, XvidChoiceForOtherTypes) {
  CTaskRecord task = Task(1);
  task.videoCodecIndex = 1;
  EXPECT_EQ((Args{"xvid", "XVID"}), BuildCodecArguments("VCODEC |VTAG |", task, "", NULL));
}

TEST(CodecArguments, ErrorTextsByCode) {
  struct {
    int code;
    const char* text;
  } rows[] = {{1, "Codec unknown error!\n"},      {2, "Codec init failed!\n"},
              {3, "Codec user abort!\n"},         {12, "Codec alloc failed!\n"},
              {20, "Codec could not file input stream!\n"},
              {22, "Codec can't resample!\n"},    {42, "Codec failed to add video hook!\n"},
              {0, ""},                            {43, ""},
              {-1, ""}};
  for (auto& row : rows) EXPECT_STREQ(row.text, CodecErrorText(row.code)) << row.code;
}

}  // namespace
