#include "modules/video/PlaybackView.h"

#include "include/VarnoViewNames.h"
#include "modules/framework/views/ViewHelpers.h"

HRESULT CPlaybackView::GetViewName(char* buffer, int length) {
  return CopyViewName(kVideoPlaybackViewName, buffer, length);
}
