// A picture made to a fixed frame size (a Windows Media profile's, a
// handheld player's) keeps its shape: it is scaled to fit inside the frame
// by its display aspect and the rest of the frame is black, with square
// pixels, as players that ignore a file's aspect marks still show it right.
#pragma once
#include <string>

namespace codec {

// ffmpeg's video filter chain for a frame of width x height.
std::string FitPictureFilter(int width, int height);

}  // namespace codec
