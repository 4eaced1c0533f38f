#include "modules/framework/model/SizeFit.h"

namespace {
// To the nearest multiple of 16.
int RoundTo16(int x) { return ((x + 8) / 16) * 16; }

double SnapRatio(double r) {
  if (r >= 0.7 && r <= 0.8) return 0.75;
  if (r >= 0.5125 && r <= 0.6125) return 0.5625;
  return r;
}
}  // namespace

BOOL FitVideoSize(int maxWidth, int minWidth, int* w, int* h, double ratio) {
  if (!w || !h || *w <= 0 || *h <= 0) return FALSE;
  bool target = ratio > 0 && ratio < 1;
  if (!target) {
    ratio = (double)*h / *w;
  } else if (maxWidth < *w) {
    *w = maxWidth;
  }
  if (ratio >= 1) ratio = 0.75;
  if (minWidth <= *w && *w <= maxWidth) {
    if (target) *w = maxWidth;
    *w = RoundTo16(*w);
    *h = RoundTo16((int)(*w * ratio));
    return TRUE;
  }
  if (*w > maxWidth)
    *w = maxWidth;
  else if (*w < minWidth)
    *w = minWidth;
  if (target) *w = maxWidth;
  *h = RoundTo16((int)(*w * SnapRatio(ratio)));
  return TRUE;
}

BOOL FitImageSize(int maxWidth, int minWidth, int* w, int* h, double ratio) {
  if (!w || !h || *w <= 0 || *h <= 0) return FALSE;
  if (!(ratio > 0 && ratio < 1))
    ratio = (double)*h / *w;
  else
    *w = maxWidth;
  if (*w < minWidth) *w = minWidth;
  if (*w > maxWidth) *w = maxWidth;
  *h = (int)(*w * ratio);
  return TRUE;
}
