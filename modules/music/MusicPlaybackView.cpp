#include "modules/music/MusicPlaybackView.h"

#include "include/VarnoViewNames.h"
#include "modules/framework/views/ViewHelpers.h"

HRESULT CMusicPlaybackView::GetViewName(char* buffer, int length) {
  return CopyViewName(kMusicPlaybackViewName, buffer, length);
}
