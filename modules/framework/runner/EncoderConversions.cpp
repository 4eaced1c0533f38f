// The conversions that the external encoder program makes: it is started
// with a command line, its console output is read through a pipe, and the
// position it prints becomes the progress.
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <algorithm>

#include "base/ChildProcess.h"
#include "base/LogClient.h"
#include "base/MessagePump.h"
#include "base/PumpingWait.h"
#include "base/Paths.h"
#include "modules/framework/model/ConverterManager.h"
#include "modules/framework/model/MediaInfoCtrl.h"
#include "modules/framework/runner/ConvertRunner.h"
#include "modules/framework/runner/OutputChecks.h"
#include "modules/framework/runner/RunnerTexts.h"

namespace {

// How long an encoder whose output has closed may take to end by itself.
const DWORD kEncoderEndGraceMs = 10000;
// How long the end of a terminated encoder is waited for.
const DWORD kEncoderStopWaitMs = 5000;

// The first "Pos:" of a chunk and the first "s" at or after the four
// characters behind it: the text between them is the position in seconds.
bool ParsePosition(const char* chunk, double* seconds, std::string* text) {
  const char* pos = strstr(chunk, "Pos:");
  if (!pos) return false;
  const char* end = strchr(pos + 4, 's');
  if (!end) return false;
  *text = std::string(pos + 4, end);
  *seconds = atof(text->c_str());
  return true;
}

// The text after the last line break of a chunk when it is the start of a
// position line that the chunk cut short; else empty.
std::string UnfinishedPositionLine(const std::string& chunk) {
  const size_t kLongestPositionLine = 64;
  size_t lineStart = chunk.find_last_of("\r\n");
  std::string tail = lineStart == std::string::npos ? chunk : chunk.substr(lineStart + 1);
  if (tail.empty() || tail.size() > kLongestPositionLine) return "";
  double seconds = 0;
  std::string text;
  if (ParsePosition(tail.c_str(), &seconds, &text)) return "";
  // "P", "Po", "Pos" or "Pos:" and a part of the number.
  size_t at = tail.rfind('P');
  if (at == std::string::npos) return "";
  std::string start = tail.substr(at);
  size_t compared = std::min<size_t>(start.size(), 4);
  return start.compare(0, compared, "Pos:", compared) == 0 ? start : "";
}

// The task's audio parameters decide the MPEG-4 option texts; see the table
// of command lines in the encoder's documentation of this suite.
const char* Mpeg4Options(bool xvid, int audioCodec, bool bFrames, int firstStage) {
  if (!xvid && audioCodec == 2)
    return bFrames
               ? "\" -channels %d -srate %d -oac mp3lame -lameopts vbr=0:cbr:br=128:aq=5:mode=1 -ovc lavc -lavcopts vcodec=mpeg4:vqmin=2:vqmax=6:vbitrate=%d:vme=1:vmax_b_frames=2:keyint=30:vstrict=3:bit_exact  -ffourcc DIVX -vf scale=%d:%d,harddup -ofps %d"
               : "\" -channels %d -srate %d -oac mp3lame -lameopts vbr=0:cbr:br=64:aq=5:mode=1 -ovc lavc -lavcopts vcodec=mpeg4:vqmin=2:vqmax=6:vbitrate=%d:vme=1:vmax_b_frames=0:keyint=30:vstrict=3:bit_exact  -ffourcc DIVX -vf scale=%d:%d,harddup -ofps %d";
  if (!xvid && audioCodec == 1)
    return firstStage
               ? "\" -channels %d -srate %d -oac lavc -ovc lavc -lavcopts acodec=mp2:abitrate=64:vcodec=mpeg4:vqmin=2:vqmax=6:vbitrate=%d:keyint=12  -ffourcc DIVX -vf scale=%d:%d,harddup -ofps %d"
               : "\" -channels %d -srate %d -oac lavc -ovc lavc -lavcopts acodec=mp2:abitrate=64:vcodec=mpeg4:vbitrate=%d:keyint=12:vme=1:me_range=64:bit_exact  -ffourcc DIVX -vf scale=%d:%d,harddup -ofps %d";
  if (xvid && audioCodec == 2)
    return bFrames
               ? "\" -channels %d -srate %d -oac mp3lame -lameopts vbr=0:cbr:br=40:aq=5:mode=1 -ovc xvid -xvidencopts bitrate=%d:max_key_interval=%d:max_bframes=1  -ffourcc XVID -vf scale=%d:%d,harddup -ofps %d"
               : "\" -audio-preload 0 -channels %d -srate %d -oac mp3lame -lameopts vbr=0:cbr:br=40:aq=5:mode=1 -ovc xvid -xvidencopts bitrate=%d:max_key_interval=%d:max_bframes=0:vhq=0  -ffourcc XVID -vf scale=%d:%d,harddup -ofps %d";
  if (xvid && audioCodec == 1)
    return "\" -channels %d -srate %d -oac lavc -ovc lavc -lavcopts acodec=mp2:abitrate=64:vcodec=mpeg4:vqmin=2:vqmax=6:vbitrate=%d:vme=1:vstrict=3:bit_exact  -ffourcc DIVX -vf scale=%d:%d,harddup -ofps %d";
  return NULL;
}

std::string ReplaceFirst(std::string text, const std::string& what, const std::string& with) {
  size_t at = text.find(what);
  if (at != std::string::npos) text.replace(at, what.size(), with);
  return text;
}

}  // namespace

int CConvertRunner::ReadFromPipe(const std::string& commandLine, IConvertProgress* progress,
                                 int startSeconds, int knownDuration) {
  LogPrint(LOG_TRACE, "Encoder begin!\n");
  CChildProcess encoder;
  if (!encoder.CreatePipes()) return 0;
  std::string program = ConfigString("InstallDirectory") + "encoder.exe";
  LogPrint(LOG_TRACE, "Encodr = %s, commandLine = %s!\n", program.c_str(), commandLine.c_str());
  if (!encoder.Start(program.c_str(), commandLine, NULL)) {
    DWORD error = GetLastError();
    char* message = NULL;
    FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM, NULL, error,
                   MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), reinterpret_cast<char*>(&message), 0,
                   NULL);
    ShowBox(message ? message : "The encoder could not be started.", "Error", MB_ICONINFORMATION);
    if (message) LocalFree(message);
    return 0;
  }

  double position = 0;
  // A source shorter than a tenth of a second is done at "Pos: 0.0s": a
  // position read at all is what shows the encoder worked on the file.
  bool positionRead = false;
  std::string lastText;
  // An unfinished position line at the end of a chunk, read again with the
  // next one: a position cut in two by the pipe is not lost.
  std::string pending;
  int abort = 0;
  char buffer[4096 + 1];
  // Only when this copy of the encoder's write end has closed is the end of
  // its output seen.
  if (encoder.CloseChildEnds()) {
    for (;;) {
      if (m_nAbort) abort = 1;
      if (abort) break;
      // Looked at before the pipe: when the encoder had already ended, what
      // the pipe holds now is all it wrote. A process of its own may still
      // hold the write end, so an empty pipe after its end is the end too.
      bool ended = encoder.HasEnded();
      DWORD available = 0;
      if (!encoder.Peek(&available)) break;  // closed and empty
      if (available == 0) {
        if (ended) break;
        // Waits for output or window messages, never blocking in the read:
        // an encoder that is silent for a while must not freeze the window.
        HANDLE process = encoder.Process();
        MsgWaitForMultipleObjects(1, &process, FALSE, 50, QS_ALLINPUT);
        PumpMessages();
        continue;
      }
      memset(buffer, 0, sizeof(buffer));
      DWORD read = 0;
      if (!encoder.Read(buffer, 4096, &read)) break;
      std::string chunk = pending + buffer;
      pending = UnfinishedPositionLine(chunk);
      double seconds = 0;
      std::string text;
      if (ParsePosition(chunk.c_str(), &seconds, &text)) {
        position = seconds;
        positionRead = true;
        lastText = text;
      } else {
        lastText = chunk;
      }
      if (progress) {
        double at = (startSeconds + position) * 100;
        int value = knownDuration && m_nEstimatedSeconds
                        ? static_cast<int>(at / m_nEstimatedSeconds)
                        : static_cast<int>(at);
        progress->Progress(knownDuration ? 1 : 5, value, &abort);
      }
      PumpMessages();
    }
  }
  encoder.CloseOutput();
  if (m_nAbort) abort = 1;
  // A run counts only when the encoder ended by itself with exit code 0: a
  // position printed before a crash or an error says nothing of the file.
  // Its output may close a moment before the process ends.
  bool endedWell = false;
  if (!abort) {
    WaitPumping(encoder.Process(), kEncoderEndGraceMs);
    if (m_nAbort) abort = 1;
    DWORD code = STILL_ACTIVE;
    endedWell = !abort && encoder.HasEnded() && encoder.GetExitCode(&code) && code == 0;
    if (!abort && !endedWell) LogPrint(LOG_ERROR, "Encoder failed, exit code %lu!\n", code);
  }
  int result = endedWell && positionRead ? 1 : 0;
  LogPrint(LOG_TRACE, "Encoder return string %s!\n", lastText.c_str());
  // Also ends whatever the encoder started, so that nothing outlives it; the
  // window is served while the end comes.
  encoder.Terminate(1, 0);
  WaitPumping(encoder.Process(), kEncoderStopWaitMs);
  return result;
}

int CConvertRunner::ConvertWithEncoder(CTaskRecord task, IConvertProgress* progress,
                                       IConvertEngine**, int bypassChannelLimit, int firstStage) {
  CurrentDirectory directory;
  LogPrint(LOG_TRACE, "Real convert to MPEG4!\n");
  if (!m_pConfig) return 0;
  directory.Enter(ConfigString("RealCodecPath"));
  if (!task.hasVideo || (!bypassChannelLimit && task.sourceChannels >= 5)) return 0;

  bool xvid = m_codecTemplate.find("|xvid") != std::string::npos;
  bool bFrames = m_codecTemplate.find("|bf") != std::string::npos;
  const char* format = Mpeg4Options(xvid, task.audioCodec, bFrames, firstStage);
  if (!format) return 0;
  int videoKbps = task.videoQuality * 40;
  if (task.videoBitRate / 1000 < videoKbps && task.videoBitRate != task.sourceVideoBitRate)
    videoKbps = task.videoBitRate / 1000;
  char options[1024];
  if (xvid && task.audioCodec == 2)
    snprintf(options, sizeof(options), format, task.channels, task.sampleRate, videoKbps,
             task.keyFrameSpacing * task.frameRate, task.width, task.height, task.frameRate);
  else
    snprintf(options, sizeof(options), format, task.channels, task.sampleRate, videoKbps,
             task.width, task.height, task.frameRate);
  std::string base = " \"" + task.sourcePath + "\" -o \"DESTFILENAME" + options;
  if (!task.hasAudio) base += " -nosound";

  int seconds = ParseTimeText(task.mediaTime.c_str());
  std::vector<int> segments =
      firstStage ? std::vector<int>() : SplitSegments(seconds, m_pConfig->GetInt("Splitter", 0, 1));
  if (segments.empty()) {
    int result = ReadFromPipe(ReplaceFirst(base, "DESTFILENAME", task.outputPath), progress, 0, firstStage);
    return result == 1 && OutputHasContent(task.outputPath) ? 1 : 0;
  }

  // The conversion is good only when every segment is; the segments of a
  // failed one are not left behind as if they were.
  m_bWroteSegments = true;
  std::string extension = GetFileExt(task.outputPath.c_str());
  std::vector<std::string> made;
  int start = 0;
  for (size_t n = 0; n < segments.size(); ++n) {
    char name[MAX_PATH * 2];
    snprintf(name, sizeof(name), "%s_%d%s", task.outputPath.c_str(), static_cast<int>(n + 1),
             extension.c_str());
    // The last segment runs to the source's end (see the codec library's).
    char cut[64];
    if (n + 1 < segments.size())
      snprintf(cut, sizeof(cut), " -ss %d -endpos %d", start, segments[n]);
    else
      snprintf(cut, sizeof(cut), " -ss %d", start);
    made.push_back(name);
    int result = ReadFromPipe(ReplaceFirst(base + cut, "DESTFILENAME", name), progress, start, 0);
    if (result != 1 || !OutputHasContent(name)) {
      for (const std::string& segment : made) DeleteFileA(segment.c_str());
      return 0;
    }
    start += segments[n];
  }
  return 1;
}

int CConvertRunner::ConvertToMP3(CTaskRecord task, IConvertProgress* progress, IConvertEngine**,
                                 int bypassChannelLimit) {
  CurrentDirectory directory;
  if (!m_pConfig) return 0;
  directory.Enter(ConfigString("RealCodecPath"));
  if (!bypassChannelLimit && task.sourceChannels >= 5) return 0;
  char options[512];
  snprintf(options, sizeof(options),
           "\" -of mp3 -srate %d -oac mp3lame -lameopts %sbr=%d:aq=5:mode=%d -ovc frameno -ofps %d",
           task.sampleRate, task.audioMode == 0 ? "cbr:" : "", task.audioBitRate, task.channels,
           task.sourceFrameRate);
  std::string command = " \"" + task.sourcePath + "\" -o \"" + task.outputPath + options;
  int result = ReadFromPipe(command, progress, 0, 0);
  // A missing output is no more a success than a stub of a few bytes.
  const ULONGLONG kSmallestMp3 = 512;
  ULONGLONG size = 0;
  if (!GetFileSizeOf(task.outputPath, &size) || size < kSmallestMp3) result = 0;
  return result;
}
