#include "PlaybackView.h"

#include "ViewHelpers.h"

HRESULT CPlaybackView::GetViewName(char* buffer, int length) {
  return CopyViewName("VideoPlaybackWndView", buffer, length);
}
