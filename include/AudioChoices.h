// The display texts of the audio parameter choices, shared by every
// deliverable that shows or formats audio settings. Indexed from 0; callers
// check the range.
#pragma once

static const char* const kAudioSampleRateTexts[] = {"22050Hz", "24000Hz", "32000Hz", "44100Hz",
                                                    "48000Hz"};
static const char* const kAudioBitsTexts[] = {"8 Bits", "16 Bits", "24 Bits"};
static const char* const kAudioChannelTexts[] = {"Mono", "Stereo"};

enum {
  kAudioSampleRateCount = sizeof(kAudioSampleRateTexts) / sizeof(kAudioSampleRateTexts[0]),
  kAudioBitsCount = sizeof(kAudioBitsTexts) / sizeof(kAudioBitsTexts[0]),
  kAudioChannelCount = sizeof(kAudioChannelTexts) / sizeof(kAudioChannelTexts[0]),
};
