#include "ui/SkinSliderMath.h"

namespace {

// a * b / c in 64 bits; 0 for c == 0.
int Scale(long long a, long long b, long long c) {
  return c == 0 ? 0 : static_cast<int>(a * b / c);
}

int Clamp(int v, int low, int high) { return v < low ? low : (v > high ? high : v); }

}  // namespace

int ClampProgressPosition(int value, int maximum) {
  return static_cast<unsigned>(value) > static_cast<unsigned>(maximum) ? maximum : value;
}

int ProgressValueAt(const SkinBarScale& bar, int x, int y) {
  const int length = bar.horizontal ? bar.width : bar.height;
  // From the first pixel to the last: the last one is the maximum.
  const int span = length - 1;
  if (span <= 0) return 0;
  const int offset = bar.horizontal ? x : span - y;
  const int value = Scale(offset < 0 ? 0 : offset, bar.maximum, span);
  return ClampProgressPosition(value, bar.maximum);
}

int ProgressFillLength(int clientLength, int position, int maximum) {
  if (maximum <= 0 || clientLength <= 0) return 0;
  return Clamp(Scale(clientLength, position, maximum), 0, clientLength);
}

SkinTrack ComputeTrack(int width, int height, int thumbW, int thumbH, bool vertical) {
  SkinTrack track;
  track.vertical = vertical;
  if (vertical) {
    track.startX = track.endX = width / 2;
    track.startY = height - thumbH / 2;
    track.endY = thumbH / 2;
  } else {
    track.startX = thumbW / 2;
    track.endX = width - thumbW / 2;
    track.startY = track.endY = height / 2;
  }
  return track;
}

RECT TrackThumbRect(const SkinTrack& track, int position, int minimum, int maximum, int thumbW,
                    int thumbH) {
  const int range = maximum - minimum;
  int x = track.startX, y = track.startY;
  if (track.vertical)
    y = track.startY - Scale(position - minimum, track.startY - track.endY, range);
  else
    x = track.startX + Scale(track.endX - track.startX, position - minimum, range);
  RECT r = {x - thumbW / 2, y - thumbH / 2, x + thumbW - thumbW / 2, y + thumbH - thumbH / 2};
  return r;
}

int TrackValueAt(const SkinTrack& track, int x, int y, int minimum, int maximum) {
  const int range = maximum - minimum;
  if (track.vertical) {
    if (y > track.startY) return minimum;
    if (y < track.endY) return maximum;
    return minimum + Scale(y - track.startY, range, track.endY - track.startY);
  }
  if (x < track.startX) return minimum;
  if (x > track.endX) return maximum;
  return minimum + Scale(x - track.startX, range, track.endX - track.startX);
}

int TrackDragValue(const SkinTrack& track, POINT pressPoint, int pressPos, POINT point, int minimum,
                   int maximum) {
  const int range = maximum - minimum;
  const int moved = track.vertical
                        ? Scale(point.y - pressPoint.y, range, track.endY - track.startY)
                        : Scale(point.x - pressPoint.x, range, track.endX - track.startX);
  if (minimum > maximum) return minimum;
  return Clamp(pressPos + moved, minimum, maximum);
}
