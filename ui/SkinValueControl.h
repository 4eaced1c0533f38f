// The skinned controls other than push buttons as the application dialog
// refreshes them: trackbars, drop-downs, progress bars, labels and edit
// boxes. Each control class implements this once; the dialog base hands the
// controls of one kind out through CSkinDialog::GetValueControls, so the
// refresh by name does not depend on the classes themselves.
#pragma once
#include <windows.h>

#include <string>

// In the order the refresh searches the kinds (push buttons come first and
// are the dialog's own).
enum SkinValueKind {
  kSkinTrackbar,
  kSkinDropDown,
  kSkinProgress,
  kSkinLabel,
  kSkinEdit,
  kSkinValueKindCount
};

class ISkinValueControl {
 public:
  virtual const std::string& GetControlName() const = 0;
  virtual HWND GetControlWnd() const = 0;
  // The position of a trackbar or a progress bar, the selection of a
  // drop-down; labels and edits answer 0.
  virtual int GetValue() const = 0;
  // Sets the position or selection and repaints.
  virtual void SetValue(int value) = 0;
  // The text of a label or an edit box.
  virtual std::string GetText() const = 0;
  virtual void SetText(const char* text) = 0;
  // Edit boxes: read-only when not enabled; the other kinds ignore it.
  virtual void SetReadOnly(bool readOnly) = 0;

 protected:
  ~ISkinValueControl() {}
};

// The parts of the interface that a kind has no use for.
class CSkinValueControlBase : public ISkinValueControl {
 public:
  int GetValue() const override { return 0; }
  void SetValue(int) override {}
  std::string GetText() const override { return std::string(); }
  void SetText(const char*) override {}
  void SetReadOnly(bool) override {}

 protected:
  ~CSkinValueControlBase() {}
};
