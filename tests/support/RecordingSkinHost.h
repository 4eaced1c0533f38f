// The tests' skinned window: a visible top-level window that stands in for
// a skinned dialog as the host of skinned controls, and records every hook
// a control calls, in order, as text ("OnButtonClicked(0)").
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "base/Handles.h"
#include "ui/SkinHost.h"
#include "winfx/Wnd.h"

class CRecordingSkinHost : public CWnd, public ISkinHost {
 public:
  std::vector<std::string> calls;

  // On top, at a place of its own on the display that the tests share: the
  // controls ask which window is under the pointer, and another test
  // program's window there would answer instead. The places are claimed
  // through named mutexes of the tests' one wineserver, so that no two hosts
  // of programs that run at once overlap; they keep clear of the display's
  // centre, where the pointer of a virtual display rests, and of the top-left
  // corner, where other tests put windows on top.
  BOOL CreateHost(int width, int height) {
    const int slot = ClaimSlot();
    const int x = slot % 2 == 0 ? 20 : 860, y = 130 + (slot / 2) * 310;
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
  static const int kSlots = 6;  // two columns of three, hosts up to 400 x 300
  int ClaimSlot() {
    for (int slot = 0; slot < kSlots; ++slot) {
      char name[64];
      wsprintfA(name, "vrc-skin-host-slot-%d", slot);
      HANDLE mutex = CreateMutexA(NULL, FALSE, name);
      const bool taken = GetLastError() == ERROR_ALREADY_EXISTS;
      m_slot.Reset(mutex);
      if (m_slot.IsValid() && !taken) return slot;
      m_slot.Reset();

    }
    return static_cast<int>(GetCurrentProcessId() % kSlots);  // all taken: share one
  }
  void Record(const char* hook, const std::string& args) {
    calls.push_back(std::string(hook) + "(" + args + ")");
  }

  CHandle m_slot;  // holds this host's place while it lives
};
