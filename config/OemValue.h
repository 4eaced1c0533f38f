// The scrambled form of the installation's OEM and version values: 510
// hexadecimal digits, one stored byte per pair. Each byte is the plain
// character shifted and masked by its position; the plain text ends at the
// first byte that unscrambles to 0, and the rest is filler.
#pragma once

enum { OEM_VALUE_DIGITS = 510, OEM_VALUE_MAX_PLAIN = 254 };

// The plain text of `stored` into `out` (cut to size - 1); a stored text of
// another length or with a non-hexadecimal digit gives "".
void DecodeOemValue(const char* stored, char* out, int size);
// The stored form of `plain` (cut to 254 characters) into `out`, which needs
// room for 511 characters.
void EncodeOemValue(const char* plain, char* out, int size);
