// The conversion engine interface: what a module asks of an engine library
// (MuxCast, PicCast, StreamCast) and the progress callback that it hands to
// a conversion. Also the binding of the codec library's exports, which take
// the same progress callback.
#pragma once
#include <windows.h>

// One format that an engine accepts or produces. Callers copy rows by value,
// so the layout is fixed: 260 + 4 + 4 bytes.
#pragma pack(push, 4)
struct FORMATROW {
  char szName[260];  // upper case, zero-terminated ("AVI", "ASF", "JPG")
  DWORD dwFlagsA;
  DWORD dwFlagsB;
};
#pragma pack(pop)
static_assert(sizeof(FORMATROW) == 268, "FORMATROW is 268 bytes");

// Progress kinds: 0 percent of the current task, 1 percent of the first of
// two stages, 5 position in hundredths of a second, -1 a query on which the
// callee writes its abort flag. A non-zero *abort asks the caller to stop.
enum {
  PROGRESS_PERCENT = 0,
  PROGRESS_FIRST_STAGE = 1,
  PROGRESS_POSITION = 5,
  PROGRESS_QUERY = -1,
};

struct IConvertProgress {
  virtual int STDMETHODCALLTYPE Progress(int kind, int value, int* abort) = 0;
};

// An engine object: no reference count and no IID. It is made by the
// library's factory and destroyed by Release. The destructor is deliberately
// not part of this table, so that an engine built with another compiler's
// virtual-destructor layout can still serve.
struct IConvertEngine {
  virtual void STDMETHODCALLTYPE Release() = 0;
  virtual int STDMETHODCALLTYPE Reserved1() = 0;
  virtual void STDMETHODCALLTYPE Reset() = 0;
  // A pointer to the engine's constant table; the result is the row count.
  virtual int STDMETHODCALLTYPE GetInputFormats(FORMATROW** rows) = 0;
  virtual int STDMETHODCALLTYPE GetOutputFormats(FORMATROW** rows) = 0;
  // An engine-specific configuration text; 0 = refused.
  virtual int STDMETHODCALLTYPE LoadConfigFile(const char* config) = 0;
  // Synchronous; 1 = success, ENGINE_CANNOT_SET_UP when the engine cannot
  // work on this machine at all (every later call would fail the same way),
  // anything else a failure. progress may be NULL.
  virtual int STDMETHODCALLTYPE Convert(const char* output, const char* input,
                                        IConvertProgress* progress) = 0;
  virtual int STDMETHODCALLTYPE Reserved7(int, int) = 0;
  // A copy of the current video frame in movable global memory.
  virtual HRESULT STDMETHODCALLTYPE GetSnapshot(HGLOBAL* dib) = 0;
};

// Convert's answer for an engine that cannot be set up on this machine (a
// platform part it needs is missing): the caller need not try again with
// other files.
const int ENGINE_CANNOT_SET_UP = -1;

// The factory export, looked up by name ("CreateVarnoConverter" unless the
// configuration names another); NULL when the object cannot be made.
typedef IConvertEngine*(WINAPI* PFN_CreateVarnoConverter)();

// The codec library's exports ("mainCodec", "GetVarnoVideoInfo",
// "GetVarnoAudioInfo"); each returns 0 for success.
struct VarnoVideoInfo {
  int width;
  int height;
  int frameRate;
  int bitRate;  // bit/s
};
struct VarnoAudioInfo {
  int channels;
  int sampleRate;
  int bitRate;  // bit/s
};
typedef int(__cdecl* PFN_mainCodec)(int argc, char** argv, IConvertProgress* progress);
typedef int(__cdecl* PFN_GetVarnoVideoInfo)(const char* path, VarnoVideoInfo* info);
typedef int(__cdecl* PFN_GetVarnoAudioInfo)(const char* path, VarnoAudioInfo* info);
