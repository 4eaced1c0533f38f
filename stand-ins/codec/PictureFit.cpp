#include "stand-ins/codec/PictureFit.h"

namespace codec {

std::string FitPictureFilter(int width, int height) {
  const std::string w = std::to_string(width), h = std::to_string(height);
  // The side that does not fill the frame is kept even, as the encoders
  // want it; "dar" takes the source's pixel shape into account.
  return "scale=w='min(" + w + ",trunc(" + h + "*dar/2)*2)':h='min(" + h + ",trunc(" + w +
         "/dar/2)*2)',pad=" + w + ":" + h + ":(ow-iw)/2:(oh-ih)/2,setsar=1";
}

}  // namespace codec
