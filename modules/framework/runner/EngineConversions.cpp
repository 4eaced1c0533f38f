// The conversions that go through an engine library: AVI recompression
// (MuxCast, with a first pass through StreamCast for RealMedia sources),
// Windows Media through StreamCast, and still images through PicCast. Every
// result but success deletes the output, so nothing partial is left.
#include <stdio.h>

#include "base/ComPtr.h"
#include "base/Handles.h"
#include "base/LogClient.h"
#include "base/Paths.h"
#include "modules/framework/model/ConverterManager.h"
#include "modules/framework/runner/ConvertRunner.h"
#include "modules/framework/runner/WMProfile.h"

namespace {

// A temporary file of the system's temporary folder ("QTF" names), created
// empty; "" when none could be made.
std::string MakeRunnerTempFile() {
  char folder[MAX_PATH] = "", file[MAX_PATH] = "";
  if (!GetTempPathA(MAX_PATH, folder) || !GetTempFileNameA(folder, "QTF", 0, file)) return "";
  return file;
}

std::string CodecIndexText(const CTaskRecord& task) {
  char text[64];
  snprintf(text, sizeof(text), "CODECINDEX%d;%d", task.videoCodecId, task.audioCodecId);
  return text;
}

// The engine's calling order: Reset, LoadConfigFile, and only when that was
// accepted Convert, then Reset again. The current-engine field holds the
// engine while it converts, so that a stop can reach it.
int RunEngine(IConvertEngine* engine, const char* config, const std::string& output,
              const std::string& input, IConvertProgress* progress, IConvertEngine** current) {
  engine->Reset();
  int result = 0;
  if (engine->LoadConfigFile(config)) {
    if (current) *current = engine;
    result = engine->Convert(output.c_str(), input.c_str(), progress);
    if (current) *current = NULL;
  }
  engine->Reset();
  return result;
}

int DeleteOutputUnlessSucceeded(int result, const std::string& output) {
  if (result != kResultSucceeded) DeleteFileA(output.c_str());
  return result;
}

}  // namespace

int CConvertRunner::ConvertToAVI(CTaskRecord task, IConvertProgress* progress,
                                 IConvertEngine** engine) {
  if (!m_pManager) return kResultFailed;
  if (m_bAviCannotSetUp) {
    LogPrint(LOG_WARNING, "AVI engine cannot be set up, %s not converted\n", task.sourcePath.c_str());
    return kResultFailed;
  }
  std::string temp = MakeRunnerTempFile();
  std::string input = task.sourcePath;
  const char* ext = GetFileExt(task.sourcePath.c_str());
  if (lstrcmpiA(ext, ".RM") == 0 || lstrcmpiA(ext, ".RMVB") == 0) {
    CTaskRecord copy = task;
    copy.outputPath = temp;
    if (temp.empty() || ConvertWithStreamCast(copy, progress, engine) != kResultSucceeded) {
      if (!temp.empty()) DeleteFileA(temp.c_str());
      return kResultNotAvailable;
    }
    input = temp;
  }
  // The temporary file is removed on every path, not only when it was used.
  IConvertEngine* recompress = m_pManager->FindEngine("ASF", "AVI");
  int result = kResultNotAvailable;
  if (recompress)
    result = RunEngine(recompress, CodecIndexText(task).c_str(), task.outputPath, input, progress,
                       engine);
  if (result == ENGINE_CANNOT_SET_UP) {
    m_bAviCannotSetUp = true;
    result = kResultFailed;
  }
  if (!temp.empty()) DeleteFileA(temp.c_str());
  return recompress ? DeleteOutputUnlessSucceeded(result, task.outputPath) : result;
}

int CConvertRunner::ConvertWithStreamCast(CTaskRecord task, IConvertProgress* progress,
                                          IConvertEngine** engine) {
  LogPrint(LOG_TRACE, "Use ASF Converter!\n");
  if (!m_pConfig) {
    LogPrint(LOG_TRACE, "m_pIConfigEx is NULL!\n");
    return kResultFailed;
  }
  std::string install = ConfigString("InstallDirectory");
  std::string profile = JoinPath(install, "Profile.prx");
  DeleteFileA(profile.c_str());
  SaveWMProfile(task, profile.c_str());  // a profile that could not be saved is refused below
  std::string libraryPath = JoinPath(install, "StreamCast.dll");
  CLibrary library;
  if (!library.Load(libraryPath.c_str())) {
    LogPrint(LOG_TRACE, "hModule is NULL!%s\n", libraryPath.c_str());
    return kResultFailed;
  }
  std::string factoryName = ConfigString("OEMIConverterName");
  PFN_CreateVarnoConverter factory = (PFN_CreateVarnoConverter)library.Find(factoryName.c_str());
  if (!factory) {
    LogPrint(LOG_TRACE, "pCreateVarnoConverter is NULL!%s\n", factoryName.c_str());
    return kResultFailed;
  }
  CComPtr<IConvertEngine> streamCast(factory());  // released before the library is freed
  if (!streamCast) {
    LogPrint(LOG_TRACE, "pConverter is NULL!\n");
    return kResultFailed;
  }
  int result = kResultFailed;
  if (engine) *engine = streamCast;
  if (streamCast->LoadConfigFile(profile.c_str()))
    result = streamCast->Convert(task.outputPath.c_str(), task.sourcePath.c_str(), progress);
  else
    LogPrint(LOG_TRACE, "LoadConfigFile fail!%s\n", profile.c_str());
  if (engine) *engine = NULL;
  streamCast.Release();
  return DeleteOutputUnlessSucceeded(result, task.outputPath);
}

int CConvertRunner::ConvertToASF(CTaskRecord task, IConvertProgress* progress,
                                 IConvertEngine** engine) {
  if (!m_pManager || !m_pConfig) return kResultFailed;
  IConvertEngine* streamCast = m_pManager->FindEngine("ASF", "ASF");
  if (!streamCast) return kResultNotAvailable;
  std::string install = ConfigString("InstallDirectory");
  // StreamCast reads the profile under a name that carries the compressor
  // indices.
  std::string copy = JoinPath(install, CodecIndexText(task));
  if (!CopyFileA(JoinPath(install, "ASF3.prx").c_str(), copy.c_str(), FALSE)) return kResultFailed;
  int result = RunEngine(streamCast, copy.c_str(), task.outputPath, task.sourcePath, progress, engine);
  DeleteFileA(copy.c_str());
  return DeleteOutputUnlessSucceeded(result, task.outputPath);
}

int CConvertRunner::ConvertToImage(CTaskRecord task, IConvertProgress* progress,
                                   IConvertEngine** engine) {
  if (!m_pManager) return kResultFailed;
  IConvertEngine* picCast = m_pManager->FindEngine("BMP", "JPG");
  if (!picCast) return kResultFailed;
  char numbers[64];
  snprintf(numbers, sizeof(numbers), ";%d;%d;%d", task.width, task.height, task.videoQuality);
  std::string config = JoinPath(ConfigString("InstallDirectory"), "Alchemy.exe") + ";" +
                       ConfigString("ImageTempFolder") + numbers;
  int result = RunEngine(picCast, config.c_str(), task.outputPath, task.sourcePath, progress, engine);
  return DeleteOutputUnlessSucceeded(result, task.outputPath);
}
