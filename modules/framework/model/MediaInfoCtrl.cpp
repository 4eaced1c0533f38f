#include "modules/framework/model/MediaInfoCtrl.h"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <dvdmedia.h>
#include <qedit.h>

#include "base/ComPtr.h"
#include "base/LogClient.h"
#include "base/MessagePump.h"
#include "base/Strings.h"

namespace {

const ULONG kVideoInfoSize = sizeof(VIDEOINFOHEADER);  // 88
const ULONG kMpegVideoInfoMin = 104;
// MPEG-2 and many MP4/MOV splitters describe video with the second header
// (alone or at the start of MPEG2VIDEOINFO); its bitmap header sits further in.
const ULONG kVideoInfo2Size = sizeof(VIDEOINFOHEADER2);  // 112
const ULONG kWaveFormatSize = sizeof(WAVEFORMATEX);  // 18

void CopyVideoInfo2(const VIDEOINFOHEADER2& from, VIDEOINFOHEADER* to) {
  memset(to, 0, sizeof(*to));
  to->rcSource = from.rcSource;
  to->rcTarget = from.rcTarget;
  to->dwBitRate = from.dwBitRate;
  to->dwBitErrorRate = from.dwBitErrorRate;
  to->AvgTimePerFrame = from.AvgTimePerFrame;
  to->bmiHeader = from.bmiHeader;
}

}  // namespace

int TakeMediaStream(const AM_MEDIA_TYPE& type, bool haveVideo, bool haveAudio,
                    VIDEOINFOHEADER* video, WAVEFORMATEX* audio) {
  if (type.majortype == MEDIATYPE_Video && !haveVideo) {
    bool videoInfo = type.formattype == FORMAT_VideoInfo;
    bool mpegVideo = type.formattype == FORMAT_MPEGVideo;
    bool videoInfo2 =
        type.formattype == FORMAT_VideoInfo2 || type.formattype == FORMAT_MPEG2Video;
    if (!videoInfo && !mpegVideo && !videoInfo2) return 0;
    if (videoInfo2) {
      if (type.cbFormat >= kVideoInfo2Size && type.pbFormat && video)
        CopyVideoInfo2(*reinterpret_cast<const VIDEOINFOHEADER2*>(type.pbFormat), video);
      return 1;
    }
    ULONG needed = videoInfo ? kVideoInfoSize : kMpegVideoInfoMin;
    if (type.cbFormat >= needed && type.pbFormat && video)
      memcpy(video, type.pbFormat, kVideoInfoSize);
    return 1;
  }
  if (type.majortype == MEDIATYPE_Audio && !haveAudio && type.formattype == FORMAT_WaveFormatEx) {
    if (type.cbFormat >= kWaveFormatSize && type.pbFormat && audio)
      memcpy(audio, type.pbFormat, kWaveFormatSize);
    return 2;
  }
  return 0;
}

std::string FormatMediaTime(double seconds) {
  if (seconds < 0 || seconds > 86400) seconds = 0;
  int whole = (int)seconds;
  int hours = whole / 3600;
  int minutes = (whole - hours * 3600) / 60;
  char text[32];
  snprintf(text, sizeof(text), "%.2d:%.2d:%.2d", hours, minutes, whole % 60);
  return text;
}

int CMediaInfoCtrl::GetMediaInfo(VIDEOINFOHEADER* video, WAVEFORMATEX* audio, const char* path,
                                 std::string* mediaTime) {
  if (mediaTime) *mediaTime = "00:00:00";
  if (!path) return kMediaFailed;
  CComPtr<IMediaDet> detector;
  if (FAILED(CoCreateInstance(CLSID_MediaDet, NULL, CLSCTX_ALL, IID_IMediaDet, detector.Out())) ||
      !detector)
    return kMediaFailed;
  int result = 0;
  bool haveVideo = false, haveAudio = false;
  BSTR name = SysAllocString(Widen(path).c_str());
  long streams = 0;
  if (!name || FAILED(detector->put_Filename(name)) ||
      FAILED(detector->get_OutputStreams(&streams))) {
    result = kMediaFailed;
  } else {
    LogPrint(LOG_WARNING, "get_OutputStreams=%d!\n", (int)streams);
    for (long i = 0; i < streams && !(haveVideo && haveAudio); ++i) {
      AM_MEDIA_TYPE type;
      memset(&type, 0, sizeof(type));
      if (FAILED(detector->put_CurrentStream(i)) ||
          FAILED(detector->get_StreamMediaType(&type))) {
        result = kMediaFailed;
        break;
      }
      int taken = TakeMediaStream(type, haveVideo, haveAudio, video, audio);
      if (taken == 1) haveVideo = true;
      if (taken == 2) haveAudio = true;
      FreeMediaType(type);
    }
    double length = 0;
    if (SUCCEEDED(detector->get_StreamLength(&length)) && mediaTime)
      *mediaTime = FormatMediaTime(length);
  }
  if (name) SysFreeString(name);
  detector.Release();
  // A failure after a stream was found still reports what was found.
  if (result == kMediaFailed && !haveVideo && !haveAudio) return kMediaFailed;
  if (haveVideo && haveAudio) return kMediaAudioVideo;
  if (haveVideo) return kMediaVideoOnly;
  if (haveAudio) return kMediaAudioOnly;
  return kMediaNoStream;
}

int ParseTimeText(const char* text) {
  if (!text) return 0;
  int hours = atoi(text);
  const char* first = strchr(text, ':');
  int minutes = first ? atoi(first + 1) : 0;
  const char* second = first ? strchr(first + 1, ':') : NULL;
  int seconds = second ? atoi(second + 1) : 0;
  return hours * 3600 + minutes * 60 + seconds;
}
