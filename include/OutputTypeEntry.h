// One output type of the format profile ([OT<n>]) as the configuration store
// and the conversion modules load it.
#pragma once

struct OutputTypeEntry {
  int id;                 // output type id; -1 = none
  char audioCodec[260];   // [AUDIO] text of the type's AP key
  char videoCodec[260];   // [VIDEO] text of the type's VP key
  char description[260];  // Desc, shown to the user
};
