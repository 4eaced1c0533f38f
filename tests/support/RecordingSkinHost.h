// The tests' skinned window: a visible top-level window that stands in for
// a skinned dialog as the host of skinned controls, and records every hook
// a control calls, in order, as text ("OnButtonClicked(0)").
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "ui/SkinHost.h"
#include "winfx/Wnd.h"

class CRecordingSkinHost : public CWnd, public ISkinHost {
 public:
  std::vector<std::string> calls;

  // On top, at a place of this process's own on the display that the tests
  // share: the controls ask which window is under the pointer, and another
  // test program's window there would answer instead.
  BOOL CreateHost(int width, int height) {
    const int slot = static_cast<int>(GetCurrentProcessId() % 12);
    const int x = 20 + (slot % 4) * 300, y = 20 + (slot / 4) * 320;
    RECT r = {x, y, x + width, y + height};
    if (!Create(NULL, "skin host", WS_POPUP | WS_VISIBLE, r, NULL, 0)) return FALSE;
    SetWindowPos(m_hWnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    SetForegroundWindow(m_hWnd);
    SetActiveWindow(m_hWnd);
    return TRUE;
  }
  // The calls named `hook`, with their arguments.
  std::vector<std::string> Calls(const std::string& hook) const {
    std::vector<std::string> found;
    for (const std::string& call : calls)
      if (call.compare(0, hook.size() + 1, hook + "(") == 0) found.push_back(call);
    return found;
  }

  void OnProgressCommand(const char* name, int value) override {
    Record("OnProgressCommand", std::string(name) + "," + std::to_string(value));
  }
  void OnSkinCommand(const char* name) override { Record("OnSkinCommand", name); }
  void OnButtonClicked(int index) override { Record("OnButtonClicked", std::to_string(index)); }
  void OnTrackbarCommand(const char* name, int code, int position) override {
    Record("OnTrackbarCommand",
           std::string(name) + "," + std::to_string(code) + "," + std::to_string(position));
  }
  void OnTrackbarEvent(int index, int code, int position) override {
    Record("OnTrackbarEvent", std::to_string(index) + "," + std::to_string(code) + "," +
                                  std::to_string(position));
  }
  void OnLabelCommand(const char* name) override { Record("OnLabelCommand", name); }
  void OnLabelClicked(int index) override { Record("OnLabelClicked", std::to_string(index)); }
  void OnDropDownCommand(const char* name, int selection) override {
    Record("OnDropDownCommand", std::string(name) + "," + std::to_string(selection));
  }
  void OnDropDownSelected(int index) override {
    Record("OnDropDownSelected", std::to_string(index));
  }
  void OnControlMouseMove(const char* name, UINT, POINT) override {
    Record("OnControlMouseMove", name);
  }
  void OnEditChanged(const char* name, const char* text) override {
    Record("OnEditChanged", std::string(name) + "," + text);
  }
  void OnEditSetFocus() override { Record("OnEditSetFocus", ""); }
  void OnEditKillFocus() override { Record("OnEditKillFocus", ""); }
  std::string GetEmptyString(const char* name) override {
    Record("GetEmptyString", name);
    return "";
  }
  void ApplyWindowRegion(HBITMAP) override { Record("ApplyWindowRegion", ""); }
  BOOL LoadSkin() override {
    Record("LoadSkin", "");
    return TRUE;
  }
  void TranslateToolTip(std::string& text) override { Record("TranslateToolTip", text); }
  void OnProgressChanged(int index, int value) override {
    Record("OnProgressChanged", std::to_string(index) + "," + std::to_string(value));
  }

 private:
  void Record(const char* hook, const std::string& args) {
    calls.push_back(std::string(hook) + "(" + args + ")");
  }
};
