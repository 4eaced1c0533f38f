#include "PlaybackView.h"

#include "ViewName.h"

HRESULT CPlaybackView::GetViewName(char* buffer, int length) {
  return CopyViewName("VideoPlaybackWndView", buffer, length);
}
