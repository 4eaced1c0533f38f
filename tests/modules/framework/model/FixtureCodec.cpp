// A codec library of the tests' own. Its probe answers come from a script
// beside it ("<library file>.ini": [Video] Result, Width, Height, FrameRate,
// BitRate; [Audio] Result, Channels, SampleRate, BitRate); a missing section
// answers 1 (failure). mainCodec reports 0, 50 and 100 percent and returns
// [Main] Result. With [Main] Record=<file> it appends its argument vector
// to that file as one line, the arguments joined by "|"; with [Main]
// Writes=1 a run that succeeds writes a few bytes to its last argument, the
// output.
#include <windows.h>

#include <string>

#include "base/Handles.h"
#include "include/VarnoEngine.h"

namespace {
HINSTANCE g_instance;

std::string ScriptPath() {
  char path[MAX_PATH] = "";
  GetModuleFileNameA(g_instance, path, MAX_PATH);
  return std::string(path) + ".ini";
}

int Script(const char* section, const char* key, int fallback) {
  return (int)GetPrivateProfileIntA(section, key, fallback, ScriptPath().c_str());
}

void Record(int argc, char** argv) {
  char file[MAX_PATH] = "";
  GetPrivateProfileStringA("Main", "Record", "", file, MAX_PATH, ScriptPath().c_str());
  if (!*file) return;
  std::string line;
  for (int i = 0; i < argc; ++i) line += std::string(i ? "|" : "") + argv[i];
  line += "\n";
  CHandle out(CreateFileA(file, FILE_APPEND_DATA, FILE_SHARE_READ, NULL, OPEN_ALWAYS,
                          FILE_ATTRIBUTE_NORMAL, NULL));
  if (!out.IsValid()) return;
  DWORD written = 0;
  WriteFile(out, line.data(), (DWORD)line.size(), &written, NULL);
}
}  // namespace

extern "C" int __cdecl GetVarnoVideoInfo(const char*, VarnoVideoInfo* info) {
  int result = Script("Video", "Result", 1);
  if (result == 0 && info) {
    info->width = Script("Video", "Width", 0);
    info->height = Script("Video", "Height", 0);
    info->frameRate = Script("Video", "FrameRate", 0);
    info->bitRate = Script("Video", "BitRate", 0);
  }
  return result;
}

extern "C" int __cdecl GetVarnoAudioInfo(const char*, VarnoAudioInfo* info) {
  int result = Script("Audio", "Result", 1);
  if (result == 0 && info) {
    info->channels = Script("Audio", "Channels", 0);
    info->sampleRate = Script("Audio", "SampleRate", 0);
    info->bitRate = Script("Audio", "BitRate", 0);
  }
  return result;
}

extern "C" int __cdecl mainCodec(int argc, char** argv, IConvertProgress* progress) {
  Record(argc, argv);
  int abort = 0;
  for (int percent = 0; percent <= 100 && progress && !abort; percent += 50)
    progress->Progress(0, percent, &abort);
  const int result = Script("Main", "Result", 0);
  if (result == 0 && argc > 0 && Script("Main", "Writes", 0)) {
    CHandle out(CreateFileA(argv[argc - 1], GENERIC_WRITE, 0, NULL, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, NULL));
    DWORD written = 0;
    if (out.IsValid()) WriteFile(out, "made", 4, &written, NULL);
  }
  return result;
}

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, void*) {
  if (reason == DLL_PROCESS_ATTACH) g_instance = instance;
  return TRUE;
}
