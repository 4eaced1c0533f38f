// The output settings dialog's rules, apart from its window: which lists an
// output format position offers, the compressor and audio format rows, and
// the audio format text read back into numbers.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "base/CodecLookup.h"
#include "config/FormatProfile.h"
#include "config/dialogs/ComboRows.h"

// How the dialog treats an output format by its list position.
enum OutputFormatKind {
  kAviCompressors,      // 0: DirectShow compressors
  kFixedMpeg4,          // 1, 4 ... 7: fixed MPEG-4 codec names
  kWindowsMediaCodecs,  // 2: Windows Media codecs
  kAsfCompressors,      // 3: DirectShow compressors after "No Recompression"
  kNoCompressors,       // any other position
};
OutputFormatKind KindOfOutputFormat(int position);
// The format profile section that names the kind's compressors; NULL for none.
const char* CompressorSection(OutputFormatKind kind);
// Whether the video parameter lists and the audio format list are in use.
bool HasVideoParameters(int position);

// The item data that tells the compressor list "do not recompress".
const INT_PTR kNoRecompression = -1;

// The rows of a DirectShow category: with an empty name list every named
// device, else the devices named exactly (case-sensitive) in it. The item
// data is the device's position among all devices of the category, so the
// engine binds the device that was shown.
ComboRows CompressorRows(const std::vector<DeviceEntry>& devices, const TextList& names);
// The rows of the Windows Media codecs (names by codec index): every named
// codec with an empty name list, else those named exactly in it; item data
// is the codec index.
ComboRows WmCodecRows(const std::vector<std::string>& codecs, const TextList& names);
// The fixed codec rows of the MPEG-4 formats: video "MPEG-4" (any case) is
// 0, audio "PCM" 0, "MPEG-1" 1, "MPEG Layer-3" 2, "IMA ADPCM" 3; any other
// name -1.
ComboRows FixedCodecRows(const TextList& names, bool audio);

// The audio format rows built from the audio choice lists: "rate, channels"
// for the MPEG-4 formats, "rate, bits, channels" for Windows Media without
// a codec; a first row `defaultText` with data -1 when it is not NULL. Item
// data of the others is their position among the combinations.
ComboRows AudioChoiceRows(OutputFormatKind kind, const char* defaultText, const TextList& rates,
                          const TextList& bits, const TextList& channels);
// A Windows Media audio format's item data: its format number plus 5000
// per pass of variable bit rate (0 for constant bit rate).
INT_PTR WmFormatData(int format, int vbrPasses);
// The rows of a codec's formats: constant bit rate, then variable bit rate
// with one pass, then two passes.
ComboRows WmFormatRows(const std::vector<std::string>& constant,
                       const std::vector<std::string>& onePass,
                       const std::vector<std::string>& twoPasses);

// What a Windows Media format row's item data names: the codec's format
// number under the enumeration setting it was listed with.
struct WmFormatChoice {
  int format;
  BOOL vbr;
  DWORD passes;
};
WmFormatChoice WmFormatOfData(INT_PTR data);

// The item data of the audio format list's "Default Value" row: the
// source's own rate and channels are kept.
const INT_PTR kDefaultAudioFormat = -1;

// The numbers of an audio format text, as OK stores them.
struct AudioFormatNumbers {
  int samplesPerSecond;  // the number before the first ","
  bool hasBits;          // a second "," follows
  int bitsPerSample;     // the number between the two
  int numChannels;       // 1 + the position of the last part among the channel texts; 2 if none
};
AudioFormatNumbers ParseAudioFormatText(const std::string& text);

// The MP3 bit-rate filter: below 32000 Hz only the bit rates strictly
// between 0 and 192 remain.
bool IsLowMp3SamplingRate(INT_PTR samplingRate);
ComboRows LowRateMp3Bitrates(const ComboRows& bitrates);
