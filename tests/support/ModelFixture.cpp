#include "tests/support/ModelFixture.h"

#include <string.h>

ScriptedMedia g_scriptedMedia;

int ScriptedProbe(VIDEOINFOHEADER* video, WAVEFORMATEX* audio, const char*,
                  std::string* mediaTime) {
  const ScriptedMedia& m = g_scriptedMedia;
  if (m.result == 4) return 4;
  if (m.result == 0 || m.result == 1) {
    video->dwBitRate = m.videoBitRate;
    video->AvgTimePerFrame = m.frameDuration;
    video->bmiHeader.biWidth = m.width;
    video->bmiHeader.biHeight = m.height;
    video->bmiHeader.biCompression = m.compression;
  }
  if (m.result == 0 || m.result == 2) {
    audio->nSamplesPerSec = m.sampleRate;
    audio->nChannels = (WORD)m.channels;
    audio->wBitsPerSample = (WORD)m.bits;
    audio->nAvgBytesPerSec = m.bytesPerSecond;
  }
  *mediaTime = m.mediaTime;
  return m.result;
}

const char kBasicProfile[] =
    "[OT0]\nID=0\nAP=pcm\nVP=cinepak\nDesc=AVI\n"
    "[OT1]\nID=1\nAP=mp1\nVP=mp4\nDesc=MPEG-4 AVI\n"
    "[OT2]\nID=5\nAP=aac\nVP=mp4\nDesc=MP4\n"
    "[OT3]\nID=6\nAP=amr\nVP=mp4\nDesc=3GP\n"
    "[OT4]\nID=7\nAP=aac\nVP=xvid\nDesc=PSP\n"
    "[OT5]\nID=2\nAP=wma\nVP=wmv\nDesc=Windows Media\n"
    "[AUDIO]\npcm=PCM\nmp1=MPEG-1\naac=MPEG4 AAC\namr=AMR_NB\nwma=Windows Media Audio 9.1\n"
    "[VIDEO]\ncinepak=Cinepak Codec by Radius\nmp4=MPEG-4\nxvid=XviD MPEG-4 Codec\n"
    "wmv=Windows Media Video 9\n";

ModelFixture::ModelFixture() {
  config.SeedModelSettings();
  g_scriptedMedia = ScriptedMedia();
  WriteProfile(kBasicProfile);
  config.SetText("CurrentSavePath", output.Path());
  config.SetText("InstallDirectory", install.Path());
  SetEnvironmentVariableA("VRC_ENGINE_JOURNAL", install.File("journal.txt").c_str());
  list.SetMediaProbe(&ScriptedProbe);
}

void ModelFixture::AddEngine(const std::string& fileName, const std::string& inputs,
                             const std::string& outputs, bool nullFactory) {
  CopyFileA((vrctest::TestFolder() + "FixtureEngine.dll").c_str(), install.File(fileName).c_str(),
            FALSE);
  vrctest::WriteFile(install.File(fileName + ".rows"),
                     "[Input]\nNames=" + inputs + "\n[Output]\nNames=" + outputs +
                         "\n[Factory]\nNull=" + (nullFactory ? "1" : "0") + "\n");
}

void ModelFixture::AddCodec(const std::string& script) {
  CopyFileA((vrctest::TestFolder() + "FixtureCodec.dll").c_str(),
            install.File("VarnoCodec.dll").c_str(), FALSE);
  vrctest::WriteFile(install.File("VarnoCodec.dll.ini"), script);
}

void ModelFixture::WriteProfile(const std::string& text) {
  vrctest::WriteFile(install.File("Formats.ini"), text);
  config.SetProfile(install.File("Formats.ini"));
}

std::string ModelFixture::Source(const std::string& name) {
  std::string path = sources.File(name);
  if (!vrctest::FileExists(path)) vrctest::WriteFile(path, "");
  return path;
}

bool ModelFixture::Init() {
  manager.SetConfig(&config);
  list.SetConfig(&config);
  list.SetConverterManager(&manager);
  return manager.Init(install.Path().c_str()) != FALSE;
}
