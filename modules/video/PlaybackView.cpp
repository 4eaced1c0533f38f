#include "modules/video/PlaybackView.h"

#include "modules/framework/views/ViewHelpers.h"

HRESULT CPlaybackView::GetViewName(char* buffer, int length) {
  return CopyViewName("VideoPlaybackWndView", buffer, length);
}
