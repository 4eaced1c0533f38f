// The MPEG-4 family's conversions: some sources go to the external encoder,
// the others through the codec library's encoder entry point with the
// argument vector of the format profile's command template, in segments or
// in two passes. A task that fails is tried once more in two stages: the
// encoder makes an intermediate file, and the codec library converts that.
#include <stdio.h>

#include <string>
#include <vector>

#include "base/Handles.h"
#include "base/LogClient.h"
#include "base/Paths.h"
#include "modules/framework/model/CodecLibrary.h"
#include "modules/framework/model/ConverterManager.h"
#include "modules/framework/model/MediaInfoCtrl.h"
#include "modules/framework/runner/CodecArguments.h"
#include "modules/framework/runner/ConvertRunner.h"
#include "modules/framework/runner/OutputChecks.h"
#include "modules/framework/runner/RunnerTexts.h"

namespace {

// A temporary file of the system's temporary folder, removed when the
// holder goes: no path of a conversion leaves it behind.
class CTempFile {
 public:
  CTempFile() {
    char folder[MAX_PATH] = "", file[MAX_PATH] = "";
    if (GetTempPathA(MAX_PATH, folder) && GetTempFileNameA(folder, "QTF", 0, file)) m_path = file;
  }
  ~CTempFile() {
    if (!m_path.empty()) DeleteFileA(m_path.c_str());
  }
  CTempFile(const CTempFile&) = delete;
  CTempFile& operator=(const CTempFile&) = delete;
  const std::string& Path() const { return m_path; }

 private:
  std::string m_path;
};

std::vector<std::string> Prepend(std::vector<std::string> front, const std::vector<std::string>& back) {
  front.insert(front.end(), back.begin(), back.end());
  return front;
}

// mainCodec takes the vector as C strings that it may not keep.
int RunCodecArgs(CCodecLibrary* codec, const std::string& folder, const std::vector<std::string>& arguments,
        IConvertProgress* progress) {
  std::vector<std::vector<char>> storage;
  std::vector<char*> argv;
  for (const std::string& argument : arguments) {
    storage.emplace_back(argument.begin(), argument.end());
    storage.back().push_back('\0');
  }
  for (std::vector<char>& argument : storage) argv.push_back(argument.data());
  argv.push_back(NULL);
  CurrentDirectory directory;  // Load moves it to the library's folder
  codec->Load(folder.c_str());
  return codec->RunCodec((int)arguments.size(), argv.data(), progress);
}

// The pass log that a two-pass run writes in the library's folder (its
// current directory during the run), "2pass-0.log" and what goes with it.
void DeletePassLogs(const std::string& folder) {
  WIN32_FIND_DATAA found;
  CFindHandle search(FindFirstFileA(JoinPath(folder, "2pass-*.log*").c_str(), &found));
  if (!search.IsValid()) return;
  do {
    DeleteFileA(JoinPath(folder, found.cFileName).c_str());
  } while (FindNextFileA(search, &found));
}

std::string Text(int value) { return std::to_string(value); }

const int kCodecInvalidParam = 6;  // the library's own code for arguments it cannot take

}  // namespace

bool CConvertRunner::BuildCodecArgs(const CTaskRecord& task, std::vector<std::string>* arguments,
                                    const std::string& output) {
  arguments->clear();
  if (!m_pManager) return false;
  // A task without a template of its own gets none: the previous task's
  // would convert it with another kind's arguments.
  int kind = task.hasVideo && task.hasAudio ? 0 : task.hasVideo ? 1 : 2;
  if (!m_pManager->GetCodecCommand(kind, &m_codecTemplate)) {
    m_codecTemplate.clear();
    LogPrint(LOG_ERROR, "No codec command %d for %s!\n", kind, task.sourcePath.c_str());
    return false;
  }
  std::string replaced;
  *arguments = BuildCodecArguments(m_codecTemplate, task, output, &replaced);
  LogPrint(LOG_TRACE, "Codec param %s!\n", replaced.c_str());
  return true;
}

int CConvertRunner::ConvertToMPEG4(CTaskRecord task, IConvertProgress* progress,
                                   IConvertEngine** engine, int retry) {
  LogPrint(LOG_TRACE, "ConvertToMPEG4 begin!\n");
  if (!m_pManager || !m_pConfig) return kResultFailed;
  CTaskRecord copy = task;
  CTempFile firstStage;
  const char* ext = GetFileExt(task.sourcePath.c_str());
  bool twoStage =
      retry || (lstrcmpiA(ext, ".DAT") == 0 && m_pConfig->GetInt("VCDChannel", 0, 1) != 2);
  std::vector<std::string> arguments;
  if (!BuildCodecArgs(copy, &arguments, "")) return kResultFailed;  // reads the codec template

  if (twoStage) {
    LogPrint(LOG_TRACE, "ConvertToMPEG4 use ASF converter!\n");
    copy.outputPath = firstStage.Path();
    copy.sampleRate = copy.sourceSampleRate;
    copy.audioCodec = 1;
    if (firstStage.Path().empty() || ConvertWithEncoder(copy, progress, engine, 0, 1) != 1)
      return kResultNotAvailable;
    // The second stage converts what the first one made.
    copy = task;
    copy.sourcePath = firstStage.Path();
  } else if (lstrcmpiA(ext, ".RM") == 0 || lstrcmpiA(ext, ".RMVB") == 0 ||
             lstrcmpiA(ext, ".MOV") == 0 || lstrcmpiA(ext, ".MP4") == 0) {
    LogPrint(LOG_TRACE, "ConvertToMPEG4 use encoder!\n");
    return ConvertWithEncoder(task, progress, engine, 0, 0);
  }
  if (m_codecTemplate.find("xvid") != std::string::npos)
    return ConvertWithEncoder(task, progress, engine, 1, 0);

  if (engine) *engine = NULL;
  CCodecLibrary* codec = m_pManager->GetCodecLibrary();
  if (!codec) return kResultNotAvailable;
  int seconds = ParseTimeText(copy.mediaTime.c_str());
  std::vector<int> segments = SplitSegments(seconds, m_pConfig->GetInt("Splitter", 0, 1));
  std::string folder = ConfigString("InstallDirectory");
  int r = 0;
  if (!segments.empty()) {
    // The outputs are the segments, not the task's own output name; the
    // conversion is good only when every segment is, and the segments of a
    // failed one are not left behind as if they were.
    m_bWroteSegments = true;
    std::string extension = GetFileExt(copy.outputPath.c_str());
    std::vector<std::string> made;
    int start = 0;
    for (size_t n = 0; n < segments.size(); ++n) {
      char name[MAX_PATH * 2];
      snprintf(name, sizeof(name), "%s_%d%s", copy.outputPath.c_str(), (int)(n + 1),
               extension.c_str());
      made.push_back(name);
      bool built = BuildCodecArgs(copy, &arguments, name);
      // The media time is whole seconds cut down: the last segment runs to
      // the source's end, or the fraction after the last whole second is lost.
      std::vector<std::string> cut = {"-muxdelay", "0", "-muxpreload", "0", "-ss", Text(start)};
      if (n + 1 < segments.size()) cut.insert(cut.end(), {"-t", Text(segments[n])});
      r = built ? RunCodecArgs(codec, folder, Prepend(cut, arguments), progress) : kCodecInvalidParam;
      // A segment the library says it made but did not write counts as a
      // failure of the library's run.
      if (r == 0 && !OutputHasContent(name)) r = 4;
      // A failed start, a user abort or any other failure ends the batch.
      if (r != 0) {
        for (const std::string& segment : made) DeleteFileA(segment.c_str());
        break;
      }
      start += segments[n];
    }
  } else if (m_pConfig->GetInt("Used2Pass", 0, 1)) {
    CTempFile firstPass;
    CTaskRecord pass = copy;
    pass.outputPath = firstPass.Path();
    if (!BuildCodecArgs(pass, &arguments, "")) return kResultFailed;
    r = RunCodecArgs(codec, folder, Prepend({"-pass", "1", "-passlogfile", "2pass"}, arguments), progress);
    pass = copy;
    pass.sourcePath = firstPass.Path();
    if (!BuildCodecArgs(pass, &arguments, "")) return kResultFailed;
    if (r == 0)
      r = RunCodecArgs(codec, folder, Prepend({"-pass", "2", "-passlogfile", "2pass"}, arguments), progress);
    DeletePassLogs(folder);
  } else {
    if (!BuildCodecArgs(copy, &arguments, "")) return kResultFailed;
    r = RunCodecArgs(codec, folder, arguments, progress);
  }
  if (r == 0) return kResultSucceeded;
  const char* text = CodecErrorText(r);
  if (*text) LogPrint(LOG_TRACE, "%s", text);
  return kResultFailed;
}
