// The installed DirectX version, judged by the marker files in the system
// folder and their file versions.
#pragma once

struct DirectXVersion {
  int major;           // 0 when nothing was found
  char text[8];        // "8.1b", "9.0", "" ...
};

DirectXVersion ProbeDirectXVersion();
// Same, with the marker files looked up in `systemFolder` (for tests).
DirectXVersion ProbeDirectXVersionIn(const char* systemFolder);
