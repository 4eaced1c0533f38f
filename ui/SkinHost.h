// What a skinned control asks of the window it sits in: the hooks of the
// skinned dialog, in their slot order. Controls find their host as the
// framework object of their parent window, so a test gives them a recording
// host instead of a real dialog. The dialog base answers most hooks with
// nothing; the application dialog turns them into named commands.
#pragma once
#include <windows.h>

#include <string>

class ISkinHost {
 public:
  virtual void OnProgressCommand(const char* name, int value) = 0;
  virtual void OnSkinCommand(const char* name) = 0;
  virtual void OnButtonClicked(int index) = 0;
  virtual void OnTrackbarCommand(const char* name, int code, int position) = 0;
  virtual void OnTrackbarEvent(int index, int code, int position) = 0;
  virtual void OnLabelCommand(const char* name) = 0;
  virtual void OnLabelClicked(int index) = 0;
  virtual void OnDropDownCommand(const char* name, int selection) = 0;
  virtual void OnDropDownSelected(int index) = 0;
  // An empty name for the window's own mouse moves.
  virtual void OnControlMouseMove(const char* name, UINT flags, POINT point) = 0;
  virtual void OnEditChanged(const char* name, const char* text) = 0;
  virtual void OnEditSetFocus() = 0;
  virtual void OnEditKillFocus() = 0;
  // Appended to a button's tooltip by the button factory.
  virtual std::string GetEmptyString(const char* name) = 0;
  // The window takes its shape from the mask's non-white pixels.
  virtual void ApplyWindowRegion(HBITMAP mask) = 0;
  virtual BOOL LoadSkin() = 0;
  // In place: the text as the window shows it.
  virtual void TranslateToolTip(std::string& text) = 0;
  // Not a hook: a progress bar's new position, turned into OnProgressCommand.
  virtual void OnProgressChanged(int index, int value) = 0;

 protected:
  ~ISkinHost() {}
};

// The host of a control: the framework object of its parent, when that is
// a skinned window; NULL otherwise.
ISkinHost* SkinHostOf(HWND control);
