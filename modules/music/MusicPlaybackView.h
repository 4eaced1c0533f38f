// The music module's playback window.
#pragma once
#include "modules/framework/views/SkinWnd.h"

class CMusicPlaybackView : public CSkinWnd {
 public:
  HRESULT STDMETHODCALLTYPE GetViewName(char* buffer, int length) override;
};
