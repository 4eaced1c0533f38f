#include "config/OemValue.h"

#include <string.h>

#include "base/Strings.h"

namespace {

enum { kBytes = OEM_VALUE_DIGITS / 2 };

unsigned char Mask(int position) { return static_cast<unsigned char>(0xA5 ^ (position * 29 + 7)); }
unsigned char Shift(int position) { return static_cast<unsigned char>(position * 13 + 61); }

unsigned char Scramble(unsigned char plain, int position) {
  return static_cast<unsigned char>((plain + Shift(position)) & 0xFF) ^ Mask(position);
}

unsigned char Unscramble(unsigned char stored, int position) {
  return static_cast<unsigned char>(((stored ^ Mask(position)) - Shift(position)) & 0xFF);
}

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

}  // namespace

void DecodeOemValue(const char* stored, char* out, int size) {
  CopyBounded(out, size, "");
  if (!stored || strlen(stored) != OEM_VALUE_DIGITS) return;
  char plain[kBytes + 1] = {0};
  int length = 0;
  bool ended = false;
  for (int i = 0; i < kBytes; ++i) {
    int high = HexValue(stored[2 * i]), low = HexValue(stored[2 * i + 1]);
    if (high < 0 || low < 0) return;
    unsigned char c = Unscramble(static_cast<unsigned char>(high * 16 + low), i);
    if (c == 0) ended = true;
    if (!ended) plain[length++] = static_cast<char>(c);
  }
  plain[length] = '\0';
  CopyBounded(out, size, plain);
}

void EncodeOemValue(const char* plain, char* out, int size) {
  static const char kDigits[] = "0123456789ABCDEF";
  char stored[OEM_VALUE_DIGITS + 1];
  size_t length = plain ? strlen(plain) : 0;
  if (length > OEM_VALUE_MAX_PLAIN) length = OEM_VALUE_MAX_PLAIN;
  for (int i = 0; i < kBytes; ++i) {
    unsigned char c;
    if (static_cast<size_t>(i) < length)
      c = static_cast<unsigned char>(plain[i]);
    else if (static_cast<size_t>(i) == length)
      c = 0;
    else
      c = static_cast<unsigned char>(i * 73 + 11);  // filler behind the end
    unsigned char s = Scramble(c, i);
    stored[2 * i] = kDigits[s >> 4];
    stored[2 * i + 1] = kDigits[s & 15];
  }
  stored[OEM_VALUE_DIGITS] = '\0';
  CopyBounded(out, size, stored);
}
