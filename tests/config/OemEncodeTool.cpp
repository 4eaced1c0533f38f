// oem_encode: prints the stored (scrambled) form of each argument, as the
// installation's [OEM] ConfigCtrlInfo and [VersionInfo] values hold it.
// "oem_encode -d <stored>" prints the plain text back.
#include <stdio.h>
#include <string.h>

#include "config/OemValue.h"

int main(int argc, char** argv) {
  if (argc < 2) {
    fprintf(stderr, "usage: oem_encode <text>...\n       oem_encode -d <stored>...\n");
    return 2;
  }
  bool decode = strcmp(argv[1], "-d") == 0;
  for (int i = decode ? 2 : 1; i < argc; ++i) {
    char out[OEM_VALUE_DIGITS + 1];
    if (decode)
      DecodeOemValue(argv[i], out, sizeof(out));
    else
      EncodeOemValue(argv[i], out, sizeof(out));
    printf("%s\n", out);
  }
  return 0;
}
