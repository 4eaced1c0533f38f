// The arithmetic of the skinned progress bar and trackbar: positions from
// points and points from positions, with no window. Products are taken in
// 64 bits, and a range or a track of no length gives the lower end instead
// of a division by zero.
#pragma once
#include <windows.h>

// A progress bar's client area and scale (0 .. maximum).
struct SkinBarScale {
  int width, height;
  bool horizontal;
  int maximum;
};
// The position under a client point: horizontal from the left, vertical
// from the bottom; the first pixel gives 0 and the last the maximum, and a
// point beyond either end is held there.
int ProgressValueAt(const SkinBarScale& bar, int x, int y);
// A position as the bar keeps it: above the maximum, or negative (compared
// as unsigned), it becomes the maximum.
int ClampProgressPosition(int value, int maximum);
// The columns (horizontal) or bottom rows (vertical) drawn from the full
// image for a position.
int ProgressFillLength(int clientLength, int position, int maximum);

// A trackbar's track: the thumb's centre runs from the start point (the
// minimum) to the end point (the maximum).
struct SkinTrack {
  int startX, startY, endX, endY;
  bool vertical;
};
// Horizontal: across the middle, half a thumb in from either side.
// Vertical: up the middle, the minimum at the bottom.
SkinTrack ComputeTrack(int width, int height, int thumbW, int thumbH, bool vertical);
// The thumb's rectangle for a position in [minimum, maximum].
RECT TrackThumbRect(const SkinTrack& track, int position, int minimum, int maximum, int thumbW,
                    int thumbH);
// The position under a point: the ends beyond the track.
int TrackValueAt(const SkinTrack& track, int x, int y, int minimum, int maximum);
// The position of a drag that started at pressPoint on position pressPos,
// now at point; held in [minimum, maximum].
int TrackDragValue(const SkinTrack& track, POINT pressPoint, int pressPos, POINT point, int minimum,
                   int maximum);
