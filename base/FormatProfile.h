// The reader of the format profile, the INI catalogue of output types and
// parameter choices that the configuration store and the conversion modules
// both read: its texts and integers, the output-type table of [OT0] ...
// [OT19] and the audio choice lists of an output type. Comma lists are split
// by base/CommaList.h.
#pragma once
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "base/CommaList.h"
#include "include/OutputTypeEntry.h"

struct IVarnoConfigEx;
class CProfileFile;

typedef std::vector<std::string> TextList;
typedef std::vector<int> ValueList;

// The room of the profile's path (the "ConfigFilePath" value) wherever it is
// read or kept: the start-up check refuses a path that does not fit, and the
// configuration refuses to hand it into a smaller buffer, so no reader ever
// works on a cut path.
enum { kProfilePathRoom = MAX_PATH };

// The most output types a profile holds ([OT0] to [OT19]); the last slot is
// the user-defined type.
enum { kMaxOutputTypes = 20 };

// Reads one profile file. A reader lives for one read on its caller's stack:
// it keeps the caller's path and configuration, not copies of them. What it
// reads straight from the file comes from the module's in-memory copy of it
// (base/ProfileFile.h).
class CFormatProfile {
 public:
  enum { kTextRoom = 1024 };  // the room of a text unless a reader says otherwise

  // Texts and integers straight from the file, as the configuration store
  // reads them.
  explicit CFormatProfile(const char* file);
  // Integers from the file, texts through the configuration's GetIniString,
  // as the conversion modules read them; without a configuration every text
  // is "".
  CFormatProfile(const char* file, IVarnoConfigEx* texts);

  // At most room - 1 characters; an absent key reads as `fallback` from the
  // file, as "" through the configuration.
  std::string Text(const char* section, const char* key, int room = kTextRoom,
                   const char* fallback = "") const;
  int Int(const char* section, const char* key, int fallback) const;
  // The [AUDIO] or [VIDEO] name of a codec key; FALSE for an empty key.
  BOOL CodecName(const char* key, BOOL audio, std::string* name) const;

 private:
  CProfileFile& File() const;

  const char* m_file;
  bool m_textsThroughConfig;
  IVarnoConfigEx* m_config;
  mutable std::shared_ptr<CProfileFile> m_copy;
};

// Builds the output types of [OT0] ... [OT19] in order, leaving out a slot
// that is disabled or lacks its id, a codec name or its description. Reads
// the user-defined type's settings from `config` and writes
// "UseUserDefined" (and the user codecs it replaces) back.
void LoadOutputTypeTable(const CFormatProfile& profile, IVarnoConfigEx* config,
                         std::vector<OutputTypeEntry>* table);
// Copies row `index` of the table; TRUE when the row is a usable type.
BOOL CopyOutputType(const std::vector<OutputTypeEntry>& table, int index, OutputTypeEntry* out);

// The three audio choice lists of an output type: the [AudioParam] comma
// lists when the type's id is an item of its "ID" and the list is not empty,
// else the built-in choices of include/AudioChoices.h.
void ReadAudioChoiceLists(const CFormatProfile& profile, int outputTypeId, TextList* sampleRates,
                          TextList* bits, TextList* channels);
