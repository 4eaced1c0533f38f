#include "config/dialogs/OutputSettingsRules.h"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "include/AudioChoices.h"

namespace {

bool Listed(const TextList& names, const std::string& name) {
  for (const std::string& entry : names)
    if (entry == name) return true;
  return false;
}

INT_PTR FixedAudioData(const std::string& name) {
  static const char* const kFixed[] = {"PCM", "MPEG-1", "MPEG Layer-3", "IMA ADPCM"};
  for (INT_PTR i = 0; i < static_cast<INT_PTR>(sizeof(kFixed) / sizeof(kFixed[0])); ++i)
    if (name == kFixed[i]) return i;
  return -1;
}

}  // namespace

OutputFormatKind KindOfOutputFormat(int position) {
  switch (position) {
    case 0:
      return kAviCompressors;
    case 1:
    case 4:
    case 5:
    case 6:
    case 7:
      return kFixedMpeg4;
    case 2:
      return kWindowsMediaCodecs;
    case 3:
      return kAsfCompressors;
    default:
      return kNoCompressors;
  }
}

const char* CompressorSection(OutputFormatKind kind) {
  switch (kind) {
    case kAviCompressors:
      return "AVI";
    case kFixedMpeg4:
      return "AVI-MPEG4";
    case kWindowsMediaCodecs:
      return "ASF";
    case kAsfCompressors:
      return "ASF3";
    default:
      return NULL;
  }
}

bool HasVideoParameters(int position) {
  OutputFormatKind kind = KindOfOutputFormat(position);
  return kind == kFixedMpeg4 || kind == kWindowsMediaCodecs;
}

ComboRows CompressorRows(const std::vector<DeviceEntry>& devices, const TextList& names) {
  ComboRows rows;
  for (const DeviceEntry& device : devices) {
    if (!device.named) continue;  // not shown, but its position stays taken
    if (!names.empty() && !Listed(names, device.name)) continue;
    rows.push_back({device.name, device.position});
  }
  return rows;
}

ComboRows WmCodecRows(const std::vector<std::string>& codecs, const TextList& names) {
  ComboRows rows;
  for (size_t i = 0; i < codecs.size(); ++i) {
    if (codecs[i].empty()) continue;
    if (!names.empty() && !Listed(names, codecs[i])) continue;
    rows.push_back({codecs[i], static_cast<INT_PTR>(i)});
  }
  return rows;
}

ComboRows FixedCodecRows(const TextList& names, bool audio) {
  ComboRows rows;
  for (const std::string& name : names) {
    INT_PTR data = audio ? FixedAudioData(name) : (_stricmp(name.c_str(), "MPEG-4") == 0 ? 0 : -1);
    rows.push_back({name, data});
  }
  return rows;
}

ComboRows AudioChoiceRows(OutputFormatKind kind, const char* defaultText, const TextList& rates,
                          const TextList& bits, const TextList& channels) {
  ComboRows rows;
  if (kind != kFixedMpeg4 && kind != kWindowsMediaCodecs) return rows;
  if (defaultText) rows.push_back({defaultText, kDefaultAudioFormat});
  INT_PTR position = 0;
  for (const std::string& rate : rates) {
    if (kind == kFixedMpeg4) {
      for (const std::string& channel : channels)
        rows.push_back({rate + ", " + channel, position++});
      continue;
    }
    for (const std::string& depth : bits)
      for (const std::string& channel : channels)
        rows.push_back({rate + ", " + depth + ", " + channel, position++});
  }
  return rows;
}

namespace {
const int kPerPass = 5000;  // item data added per enumeration setting
}  // namespace

INT_PTR WmFormatData(int format, int vbrPasses) {
  return static_cast<INT_PTR>(format) + kPerPass * vbrPasses;
}

WmFormatChoice WmFormatOfData(INT_PTR data) {
  const int setting = data < 0 ? 0 : static_cast<int>(data / kPerPass);
  WmFormatChoice choice = {data < 0 ? 0 : static_cast<int>(data % kPerPass), setting > 0,
                           setting >= 2 ? 2u : 1u};
  return choice;
}

ComboRows WmFormatRows(const std::vector<std::string>& constant,
                       const std::vector<std::string>& onePass,
                       const std::vector<std::string>& twoPasses) {
  ComboRows rows;
  const std::vector<std::string>* settings[] = {&constant, &onePass, &twoPasses};
  for (int passes = 0; passes < 3; ++passes)
    for (size_t i = 0; i < settings[passes]->size(); ++i)
      rows.push_back({(*settings[passes])[i], WmFormatData(static_cast<int>(i), passes)});
  return rows;
}

AudioFormatNumbers ParseAudioFormatText(const std::string& text) {
  AudioFormatNumbers numbers = {0, false, 0, 2};
  size_t first = text.find(',');
  numbers.samplesPerSecond = atoi(text.substr(0, first).c_str());
  if (first != std::string::npos) {
    size_t second = text.find(',', first + 1);
    if (second != std::string::npos) {
      numbers.hasBits = true;
      numbers.bitsPerSample = atoi(text.substr(first + 1, second - first - 1).c_str());
    }
  }
  size_t last = text.rfind(", ");
  std::string channels = last == std::string::npos ? text : text.substr(last + 2);
  for (int i = 0; i < kAudioChannelCount; ++i)
    if (_stricmp(channels.c_str(), kAudioChannelTexts[i]) == 0) numbers.numChannels = i + 1;
  return numbers;
}

bool IsLowMp3SamplingRate(INT_PTR samplingRate) {
  return static_cast<unsigned>(samplingRate) < 32000u;
}

ComboRows LowRateMp3Bitrates(const ComboRows& bitrates) {
  ComboRows kept;
  for (const ComboRow& row : bitrates)
    if (row.data > 0 && row.data < 192) kept.push_back(row);
  return kept;
}
