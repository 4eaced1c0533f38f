// The photo module's preview interface, in the place of IPlayer.
#pragma once
#include <windows.h>
#include "include/VarnoGuids.h"

struct IPhotoPreview {
  virtual HRESULT STDMETHODCALLTYPE QueryInterface(const IID* iid, void** out) = 0;
  virtual ULONG STDMETHODCALLTYPE AddRef() = 0;
  virtual ULONG STDMETHODCALLTYPE Release() = 0;
  // Loads the selected task's image into the preview window.
  virtual BOOL STDMETHODCALLTYPE ShowSelectedPreview() = 0;
};
