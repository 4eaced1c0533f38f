// Output picture sizes: a video size on the 16-pixel grid within the width
// limits, and a still image's size within its limits.
#pragma once
#include <windows.h>

// w, h: in the source size, out the output size. ratio: the target
// height / width, or anything outside (0, 1) for the source's own ratio.
BOOL FitVideoSize(int maxWidth, int minWidth, int* w, int* h, double ratio);
BOOL FitImageSize(int maxWidth, int minWidth, int* w, int* h, double ratio);
