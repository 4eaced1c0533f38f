// Engine loading against fixture engine libraries: which engine serves a
// pair of format names, Init without any engine, and the order of release
// and unload.
#include <gtest/gtest.h>

#include "modules/framework/model/CodecLibrary.h"
#include "tests/support/ModelFixture.h"

namespace {

std::vector<std::string> Journal(ModelFixture& fixture) {
  return vrctest::Lines(vrctest::ReadFile(fixture.install.File("journal.txt")));
}

TEST(EngineManagerTest, NoEngineLibraryFailsInit) {
  ModelFixture fixture;
  EXPECT_FALSE(fixture.Init());
  EXPECT_EQ(0, fixture.manager.GetEngineCount());
  EXPECT_FALSE(fixture.manager.HasCodecLibrary());
  EXPECT_EQ(nullptr, fixture.manager.FindEngine("BMP", "JPG"));
}

TEST(EngineManagerTest, LibrariesWithoutAnEngineAreSkipped) {
  ModelFixture fixture;
  CopyFileA((vrctest::TestFolder() + "FixtureEngineNoExport.dll").c_str(),
            fixture.install.File("StreamCast.dll").c_str(), FALSE);
  fixture.AddEngine("MuxCast.dll", "AVI,", "AVI,", /*nullFactory=*/true);
  vrctest::WriteFile(fixture.install.File("PicCast.dll"), "not a library");
  EXPECT_FALSE(fixture.Init());
  EXPECT_EQ(0, fixture.manager.GetEngineCount());
}

TEST(EngineManagerTest, OnlyPicCastPresent) {
  ModelFixture fixture;
  fixture.AddEngine("PicCast.dll", "BMP,JPG,JPEG,GIF,", "JPG,JPEG,");
  ASSERT_TRUE(fixture.Init());
  EXPECT_EQ(1, fixture.manager.GetEngineCount());
  EXPECT_TRUE(fixture.manager.HasCodecLibrary());
  EXPECT_EQ(nullptr, fixture.manager.FindEngine("ASF", "AVI"));
  EXPECT_NE(nullptr, fixture.manager.FindEngine("BMP", "JPG"));
}

TEST(EngineManagerTest, FindEngineByExactNamesInLoadOrder) {
  ModelFixture fixture;
  fixture.AddEngine("StreamCast.dll", "ASF,", "ASF,");
  fixture.AddEngine("MuxCast.dll", "AVI,ASF,MOV,", "AVI,");
  fixture.AddEngine("PicCast.dll", "BMP,JPG,avi,", "JPG,AVI,ASF,");
  ASSERT_TRUE(fixture.Init());
  IConvertEngine* stream = fixture.manager.FindEngine("ASF", "ASF");
  IConvertEngine* mux = fixture.manager.FindEngine("ASF", "AVI");
  IConvertEngine* pic = fixture.manager.FindEngine("BMP", "JPG");
  EXPECT_NE(nullptr, stream);
  EXPECT_NE(nullptr, mux);
  EXPECT_NE(nullptr, pic);
  EXPECT_NE(stream, mux);
  EXPECT_NE(mux, pic);
  EXPECT_EQ(mux, fixture.manager.FindEngine("MOV", "AVI"));
  EXPECT_EQ(pic, fixture.manager.FindEngine("BMP", "ASF"));  // first that offers the pair
  // PicCast offers "avi" in lower case: no match for "AVI".
  EXPECT_EQ(nullptr, fixture.manager.FindEngine("AVI", "JPG"));
  EXPECT_EQ(pic, fixture.manager.FindEngine("avi", "JPG"));
  EXPECT_EQ(nullptr, fixture.manager.FindEngine("Asf", "AVI"));
  EXPECT_EQ(nullptr, fixture.manager.FindEngine("GIF", "JPG"));
}

TEST(EngineManagerTest, ExportNameComesFromTheConfiguration) {
  ModelFixture fixture;
  fixture.AddEngine("MuxCast.dll", "AVI,", "AVI,");
  fixture.config.SetText("OEMIConverterName", "CreateOtherConverter");
  EXPECT_FALSE(fixture.Init());
}

TEST(EngineManagerTest, EachEngineIsReleasedBeforeItsLibraryIsFreed) {
  ModelFixture fixture;
  fixture.AddEngine("MuxCast.dll", "AVI,", "AVI,");
  fixture.AddEngine("PicCast.dll", "BMP,", "JPG,");
  {
    CConverterManager manager;
    manager.SetConfig(&fixture.config);
    ASSERT_TRUE(manager.Init(fixture.install.Path().c_str()));
    EXPECT_EQ(2, manager.GetEngineCount());
  }
  EXPECT_EQ((std::vector<std::string>{"create MuxCast.dll", "create PicCast.dll",
                                      "release MuxCast.dll", "unload MuxCast.dll",
                                      "release PicCast.dll", "unload PicCast.dll"}),
            Journal(fixture));
}

TEST(EngineManagerTest, CodecLibraryReloadsForEveryCall) {
  ModelFixture fixture;
  fixture.AddEngine("MuxCast.dll", "AVI,", "AVI,");
  fixture.AddCodec("[Video]\nResult=0\nWidth=176\nHeight=144\nFrameRate=15\nBitRate=64000\n");
  ASSERT_TRUE(fixture.Init());
  CCodecLibrary* codec = fixture.manager.GetCodecLibrary();
  ASSERT_NE(nullptr, codec);
  VarnoVideoInfo video = {};
  EXPECT_EQ(0, codec->GetVideoInfo("x.avi", &video));
  EXPECT_EQ(176, video.width);
  VarnoAudioInfo audio = {};
  EXPECT_EQ(1, codec->GetAudioInfo("x.avi", &audio));  // not scripted: fails
  // The library's file name comes from the configuration; a missing one
  // answers like a missing export.
  fixture.config.SetText("OEMVarnoCodecFileName", "Missing.dll");
  EXPECT_EQ(kCodecAllocFailed, codec->GetVideoInfo("x.avi", &video));
}

}  // namespace
