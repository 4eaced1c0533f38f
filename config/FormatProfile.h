// Readers of the format profile: the INI catalogue of output types and of
// the parameter choices that the settings dialogs offer.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "include/OutputTypeEntry.h"

struct IVarnoConfigEx;
struct IBaseFilter;

typedef std::vector<std::string> TextList;
typedef std::vector<int> ValueList;

enum { MAX_OUTPUT_TYPES = 20, MAX_LIST_ROWS = 100 };

// The items of a comma list: each item ends at a comma; what follows the
// last comma is no item, and an empty first item ends the list.
TextList SplitCommaList(const char* text);

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

// The position of an installed Windows Media codec of that media type
// (MEDIATYPE_Audio / MEDIATYPE_Video) whose name is exactly `name`; -1.
int FindWmCodecIndex(const char* name, const GUID& mediaType);
typedef int (*PFN_FindWmCodecIndex)(const char* name, const GUID& mediaType);
// Tests replace the codec lookup; NULL puts the real one back.
void SetFindWmCodecIndexSeam(PFN_FindWmCodecIndex fn);

// The index-th DirectShow device of a category bound as a filter.
BOOL CreateFilterByIndex(const GUID& category, int index, IBaseFilter** out);
