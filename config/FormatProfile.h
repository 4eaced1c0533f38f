// The configuration store's readers of the format profile: the INI
// catalogue of output types and of the parameter choices that the settings
// dialogs offer, read straight from the file through base/FormatProfile.h.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

// The shared reader, and the Windows Media codec lookup with its test seam.
#include "base/CodecLookup.h"
#include "base/FormatProfile.h"
#include "include/OutputTypeEntry.h"

struct IVarnoConfigEx;
struct IBaseFilter;

enum { MAX_LIST_ROWS = 100 };

// Appends the kept entries of the parameter list `name` (size lists:
// "VideoSize", "PhotoResolution"; value lists: all others). Succeeds when
// the lists then hold 1 to 100 rows.
BOOL ReadProfileList(const char* file, const char* name, TextList* texts, ValueList* values,
                     int outputTypeId);
// The [OUTPUTFORMAT] names in order; TRUE when there is at least one.
BOOL ReadOutputFormats(TextList* list, const char* file);
// Refills the three process-wide audio choice lists for an output type.
int ReadAudioParamLists(int outputTypeId, const char* file);
enum AudioParamList { AUDIO_PARAM_SAMPLES_PER_SECOND, AUDIO_PARAM_BITS_PER_SAMPLE,
                      AUDIO_PARAM_NUM_CHANNELS };
const TextList& GetAudioParamList(AudioParamList which);
// The [VIDEO] names of a section's VP items and the [AUDIO] names of its AP
// items; 0 when VP is empty, else whether AP was non-empty.
BOOL ReadCodecNames(const char* file, const char* section, TextList* audio, TextList* video);

// The first-run defaults of the format profile, as current values.
int LoadProfileDefaults(IVarnoConfigEx* config);
// Builds the process-wide output-type table from [OT0] ... [OT19].
void LoadOutputTypes(IVarnoConfigEx* config);
BOOL GetOutputType(int index, OutputTypeEntry* out);
int GetOutputTypeCount();

// The index-th DirectShow device of a category bound as a filter; a failed
// enumerator is shown in a message box.
BOOL CreateFilterByIndex(const GUID& category, int index, IBaseFilter** out);
// Shows the message box of an enumerator that could not be created; FALSE,
// with nothing shown, for any other result.
BOOL ReportEnumeratorFailure(HWND owner, DeviceLookupResult result);
