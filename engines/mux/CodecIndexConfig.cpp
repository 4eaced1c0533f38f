#include "engines/mux/CodecIndexConfig.h"

#include <stdlib.h>
#include <string.h>
#include <windows.h>

namespace {
const char kPrefix[] = "CODECINDEX";
const size_t kPrefixLength = sizeof(kPrefix) - 1;
}  // namespace

void ParseCodecIndexConfig(const char* text, CodecIndices* indices) {
  if (!text || !indices) return;
  if (strlen(text) < kPrefixLength || _strnicmp(text, kPrefix, kPrefixLength) != 0) return;
  const char* numbers = text + kPrefixLength;
  const char* separator = strchr(numbers, ';');
  if (!separator) {
    // Without the separator the whole text is read as one number, and the
    // number that the prefix leaves is empty.
    indices->video = 0;
    indices->audio = 0;
    return;
  }
  indices->video = atoi(numbers);  // stops at the ';'
  indices->audio = atoi(separator + 1);
}
