// Named commands: the skinned windows hand the name of every clicked control
// and released hot key to the command executive through ISkinCommand.
#pragma once
#include <windows.h>

// nForce1..3 carry an event's first, second and third parameter: 32-bit
// values in the 32-bit program that may hold a pointer or a handle, so they
// are pointer-sized (INT_PTR is int there). All three equal to 1 run a
// command even when its row is disabled.
struct SkinCommandParam {
  HWND hWnd;
  int x;
  int y;
  INT_PTR nForce3;
  INT_PTR nForce1;
  INT_PTR nForce2;
};

struct ISkinCommand {
  virtual HRESULT STDMETHODCALLTYPE QueryInterface(const IID* iid, void** out) = 0;
  virtual ULONG STDMETHODCALLTYPE AddRef() = 0;
  virtual ULONG STDMETHODCALLTYPE Release() = 0;
  virtual int STDMETHODCALLTYPE IsControlEnabled(const char* name) = 0;
  // For a text control the address of its text, else its value.
  virtual INT_PTR STDMETHODCALLTYPE GetControlValue(const char* name) = 0;
  virtual HRESULT STDMETHODCALLTYPE ExecuteSkinCommand(const char* name, int argument,
                                                       SkinCommandParam* param) = 0;
  virtual HRESULT STDMETHODCALLTYPE ExecuteHotKeyCommand(int virtualKey, int, int, int) = 0;
};

// The main UI module's interface towards the window (not derived from IUnknown).
struct ISkinUI {
  // names: control names, each followed by ",".
  virtual void STDMETHODCALLTYPE UpdateUI(const char* names) = 0;
  virtual void STDMETHODCALLTYPE ReloadSkin() = 0;
  virtual BOOL STDMETHODCALLTYPE PreTranslateMessage(MSG* msg) = 0;
};
