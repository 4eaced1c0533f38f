#include "app/Pages.h"

#include <stdio.h>

#include "include/VarnoConfig.h"
#include "include/VarnoGuids.h"
#include "winfx/FileDialog.h"

namespace {

const FileFilter kVideoFilters[] = {
    {"Supported Files", "*.RM;*.RMVB;*.AVI;*.WMV;*.ASF;*.MPG;*.MPEG;*.MPE;*.M1V;*.MPV2;*.MP4;*.DAT;*.MOV;*.VOB"},
    {"Real Media Files(*.RM;*.RMVB)", "*.RM;*.RMVB"},
    {"Windows AVI Files(*.AVI)", "*.AVI"},
    {"Windows Media Video Files(*.WMV)", "*.WMV"},
    {"Advanced System Format(*.ASF)", "*.ASF"},
    {"MPEG(*.MPG;*.MPEG;*.MPE;*.M1V;*.MPV2)", "*.MPG;*.MPEG;*.MPE;*.M1V;*.MPV2"},
    {"MPEG4 Files(*.MP4)", "*.MP4"},
    {"VCD(*.DAT)", "*.DAT"},
    {"Quicktime Files(*.MOV)", "*.MOV"},
    {"DVD(*.VOB)", "*.VOB"},
    {NULL, NULL}};

const FileFilter kMusicFilters[] = {
    {"Supported Files", "*.RM;*.RMVB;*.AVI;*.WMV;*.WMA;*.ASF;*.MPG;*.MPEG;*.MPE;*.M1V;*.MPV2;*.MPA;*.MP2;*.MP3;*.MP4;*.DAT;*.MOV;*.VOB;*.WAV"},
    {"Real Media Files(*.RM;*.RMVB)", "*.RM;*.RMVB"},
    {"Windows AVI Files(*.AVI)", "*.AVI"},
    {"Windows Media Video Files(*.WMV)", "*.WMV"},
    {"Windows Media Audio Files(*.WMA)", "*.WMA"},
    {"Advanced System Format(*.ASF)", "*.ASF"},
    {"MPEG(*.MPG;*.MPEG;*.MPE;*.M1V;*.MPV2;*.MPA;*.MP2;*.MP3)", "*.MPG;*.MPEG;*.MPE;*.M1V;*.MPV2;*.MPA;*.MP2;*.MP3"},
    {"MPEG4 Files(*.MP4)", "*.MP4"},
    {"VCD(*.DAT)", "*.DAT"},
    {"Quicktime Files(*.MOV)", "*.MOV"},
    {"DVD(*.VOB)", "*.VOB"},
    {NULL, NULL}};

const FileFilter kPhotoFilters[] = {
    {"Supported Files", "*.BMP;*.JPG;*.JPEG;*.GIF;*.TIF;*.TIFF;*.PNG"},
    {"Still Image Files", "*.BMP;*.JPG;*.JPEG;*.GIF;*.TIF;*TIFF;*.PNG"},
    {"Windows Bitmap(*.BMP)", "*.BMP"},
    {"JPEG(*.JPG;*.JPEG)", "*.JPG;*.JPEG"},
    {"GIF(*.GIF)", "*.GIF"},
    {"Tagged Image Files(*.TIF;*.TIFF)", "*.TIF;*.TIFF"},
    {"PNG(*.PNG)", "*.PNG"},
    {"All Files", "*.*"},
    {NULL, NULL}};

const int kChannelMono = 3;  // "MP3Channel"
// The video output type for a portable player.
const int kPortablePlayerType = 7;

// The music page's line: "44100Hz,Stereo,128kbps,CBR".
void DescribeMp3Settings(IVarnoConfigEx* config, char* text, int size) {
  snprintf(text, size, "%dHz,%s,%dkbps,%s", config->GetInt("MP3SamplingRate", 0, 1),
           config->GetInt("MP3Channel", 0, 1) == kChannelMono ? "Mono" : "Stereo",
           config->GetInt("MP3Bitrate", 0, 1), config->GetInt("MP3Mode", 0, 1) ? "VBR" : "CBR");
}

const PageValue kNoValues[] = {{NULL, NULL}};
const PageValue kPhotoValues[] = {{"PhotoResolution", "PhotoResolutionIndex"},
                                  {"PhotoQuality", "PhotoQualityIndex"},
                                  {NULL, NULL}};

// Video and music share one progress percent, photo keeps its own.
const PageInfo kPages[kPageCount] = {
    {&CLSID_VideoModule, "ShowVideoConverter", "Query MP4 converter module! hr=0x%x\n",
     "VideoSavePath", "VideoLastOutputTypeIndex", "VideoLastOutputTypeData", "Select Video Files",
     kVideoFilters, true, false, 0, kPortablePlayerType, NULL, NULL, kNoValues},
    {&CLSID_MusicModule, "ShowMusicConverter", "Query MP3 converter module! hr=0x%x\n",
     "MusicSavePath", "MusicLastOutputTypeIndex", "MusicLastOutputTypeData", "Select Music Files",
     kMusicFilters, true, false, 0, -1, "MusicInfo", DescribeMp3Settings, kNoValues},
    {&CLSID_PhotoModule, "ShowStillCast", "Query Photo converter module! hr=0x%x\n",
     "PhotoSavePath", "PhotoLastOutputTypeIndex", "PhotoLastOutputTypeData", "Select Photo Files",
     kPhotoFilters, false, true, 1, -1, NULL, NULL, kPhotoValues},
};

}  // namespace

const PageInfo* PageAt(int page) { return page >= 0 && page < kPageCount ? &kPages[page] : NULL; }

const PageInfo* PageOfModule(const GUID* moduleId) {
  for (const PageInfo& page : kPages)
    if (VrcSameGuid(moduleId, page.moduleId)) return &page;
  return NULL;
}
