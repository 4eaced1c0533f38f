// CSkinDialog: the base of every skinned window. A dialog from a .rc
// template that takes its images, shape, frame, cursor and child controls
// from one window section of skin.ini, owns the controls it makes, and turns
// what happens to them into named commands through its hooks (ISkinHost).
// It knows nothing of commands or modules: the application dialog overrides
// the hooks and sends the names on.
//
// Bad skin data is a file a user can edit: a missing image, a line that
// stops before its rectangle, a rectangle outside the window image or a
// section of an unknown control kind is logged and passed over, and the
// window comes up with what is left. SkinProblems() lists what was passed
// over at the last load.
#pragma once
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "ui/SkinButton.h"
#include "ui/SkinCursor.h"
#include "ui/SkinDropDown.h"
#include "ui/SkinEdit.h"
#include "ui/SkinFonts.h"
#include "ui/SkinFrame.h"
#include "ui/SkinHost.h"
#include "ui/SkinImageList.h"
#include "ui/SkinIniReader.h"
#include "ui/SkinLabel.h"
#include "ui/SkinLines.h"
#include "ui/SkinListBox.h"
#include "ui/SkinProgress.h"
#include "ui/SkinTrackbar.h"
#include "ui/SkinValueControl.h"
#include "winfx/Dialog.h"
#include "winfx/GdiHandles.h"

// A [STRINGSINFO] text painted on the window itself.
struct SkinPaintedString {
  std::string text;
  CFontHandle font;
  COLORREF colour;
  RECT rect;
  int format;
  CBitmapHandle background;  // the Main image under rect (Windowtype 0 only)
};

// The size of the whole (virtual) screen: no skinned window or control is
// made larger than this, whatever its skin says.
SIZE SkinScreenSize();

class CSkinDialog : public CDialog, public ISkinHost {
 public:
  enum Image { kMain, kOver, kDown, kDisabled, kNormalNoAdvancedPanel, kImageCount };

  CSkinDialog(HINSTANCE instance, UINT templateId);
  ~CSkinDialog() override;

  // The full path of skin.ini and this window's section; loads the image
  // list, the enumerations and the fonts of that file.
  void SetSkinFiles(const char* skinFile, const char* section);
  const std::string& GetSkinFile() const { return m_skinFile; }
  const std::string& GetSection() const { return m_section; }
  std::string GetSkinFolder() const;

  // Destroys every control and painted string.
  void ReleaseControls();
  // Applies the mask bitmap named by that key of the window section; false
  // for an empty key or a mask that does not load.
  bool SwitchMask(const char* key);
  // The first button (trackbar) of that name, case ignored, where its state
  // differs.
  void EnableButtonByName(const char* name, BOOL enabled);
  void EnableTrackbarByName(const char* name, BOOL enabled);
  // The first button of that name takes the image list's image (a strip of
  // four looks when it is four buttons wide), or, for an empty image name,
  // its looks cut again from the window images.
  void SetButtonImage(const char* name, const char* imageName);
  BOOL LoadNamedImage(const char* name, CBitmapHandle* bmp) const;
  void GetEnumText(std::string* out, const char* enumName, int value) const;

  // The frame and the control layout.
  void PaintFrame(HDC dc);
  void GetBodyRect(RECT* out) const;
  int GetBorderWidth() const;
  void MapSkinRect(RECT* out, const RECT* skinRect) const;
  void RelayoutControls();

  // The hooks, in slot order; the base answers nothing where the
  // application dialog sends a command.
  void OnProgressCommand(const char*, int) override {}
  void OnSkinCommand(const char*) override {}
  void OnButtonClicked(int index) override;
  void OnTrackbarCommand(const char*, int, int) override {}
  void OnTrackbarEvent(int index, int code, int position) override;
  void OnLabelCommand(const char*) override {}
  void OnLabelClicked(int index) override;
  void OnDropDownCommand(const char*, int) override {}
  void OnDropDownSelected(int index) override;
  void OnControlMouseMove(const char*, UINT, POINT) override {}
  void OnEditChanged(const char*, const char*) override {}
  void OnEditSetFocus() override {}
  void OnEditKillFocus() override {}
  std::string GetEmptyString(const char*) override { return ""; }
  void ApplyWindowRegion(HBITMAP mask) override;
  BOOL LoadSkin() override;
  void TranslateToolTip(std::string&) override {}
  void OnProgressChanged(int index, int value) override;

  int GetWindowType() const { return m_windowType; }
  bool HasAdvancedPanel() const { return m_advancedPanel; }
  HBITMAP GetImage(Image image) const { return m_images[image]; }
  const CSkinFrame& GetFrame() const { return m_frame; }
  const std::vector<std::unique_ptr<CSkinPushButton>>& Buttons() const { return m_buttons; }
  const std::vector<std::unique_ptr<CSkinTrackbar>>& Trackbars() const { return m_trackbars; }
  const std::vector<std::unique_ptr<CSkinLabel>>& Labels() const { return m_labels; }
  const std::vector<std::unique_ptr<CSkinProgress>>& ProgressBars() const { return m_progress; }
  const std::vector<std::unique_ptr<CSkinEdit>>& Edits() const { return m_edits; }
  const std::vector<std::unique_ptr<CSkinListBox>>& ListBoxes() const { return m_listBoxes; }
  const std::vector<std::unique_ptr<CSkinDropDown>>& DropDowns() const { return m_dropDowns; }
  const std::vector<std::unique_ptr<SkinPaintedString>>& PaintedStrings() const {
    return m_strings;
  }
  const std::vector<std::string>& SkinProblems() const { return m_problems; }
  // The window's controls of one kind, in creation order, for the refresh by
  // name.
  virtual void GetValueControls(SkinValueKind kind, std::vector<ISkinValueControl*>* out) const;
  HWND GetToolTip() const { return m_hToolTip; }

 protected:
  BOOL OnInit() override;
  INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  BOOL PreTranslateMessage(MSG* msg) override;

  // The factories, one per control section, run in the skin file's order.
  virtual void CreateButtons(const std::vector<std::string>& lines);
  virtual void CreateLabels(const std::vector<std::string>& lines);
  virtual void CreateTrackbars(const std::vector<std::string>& lines);
  virtual void CreateProgressBars(const std::vector<std::string>& lines);
  virtual void CreateEdits(const std::vector<std::string>& lines);
  virtual void CreateListBoxes(const std::vector<std::string>& lines);
  virtual void CreateDropDowns(const std::vector<std::string>& lines);
  virtual void CreatePaintedStrings(const std::vector<std::string>& lines);

  // Logs a line or file that the load passes over and keeps it for
  // SkinProblems().
  void PassOver(const std::string& what, const std::string& why);
  // Logs a value that the load keeps but cuts to `limit` ("the screen"),
  // and keeps it for SkinProblems() too.
  void CutToLimit(const std::string& what, const std::string& limit);
  // False, with the line passed over, when r does not lie in the Main image.
  bool RectInWindow(const RECT& r, const std::string& line);
  void AddToolTip(HWND control, const std::string& text);
  // The window's own font (DEFAULT_GUI_FONT without one), as a handle and
  // as the base of the skin's fonts, and its display's pixels per inch.
  HFONT WindowFont() const;
  LOGFONTA WindowLogFont() const;
  int WindowPixelsPerInch() const;
  BOOL LoadSkinBitmap(const std::string& file, CBitmapHandle* bmp, SIZE* size);

  std::string m_skinFile, m_section;
  CSkinIniReader m_reader;
  SkinCursorRef m_cursor;
  int m_windowType;
  bool m_advancedPanel;
  int m_buttonAlpha;
  CBitmapHandle m_images[kImageCount];
  CSkinFrame m_frame;
  CSkinImageList m_imageList;
  CSkinEnumTable m_enums;
  CSkinFontTable m_fonts;
  HWND m_hToolTip;  // a popup owned by this window: the system destroys it with it
  std::vector<std::unique_ptr<CSkinPushButton>> m_buttons;
  std::vector<std::unique_ptr<CSkinTrackbar>> m_trackbars;
  std::vector<std::unique_ptr<CSkinLabel>> m_labels;
  std::vector<std::unique_ptr<CSkinProgress>> m_progress;
  std::vector<std::unique_ptr<CSkinEdit>> m_edits;
  std::vector<std::unique_ptr<CSkinListBox>> m_listBoxes;
  std::vector<std::unique_ptr<CSkinDropDown>> m_dropDowns;
  std::vector<std::unique_ptr<SkinPaintedString>> m_strings;
  std::vector<std::string> m_problems;

 private:
  void RunFactories();
  // A line's fields, or false with the line passed over: too few fields, or
  // a rectangle outside the window image.
  // Moves each control with the part of the frame its skin rectangle is in.
  template <class Control>
  void MoveWithFrame(std::vector<std::unique_ptr<Control>>& controls, bool repaint);
  template <class Line, class Parse>
  bool ReadLine(const std::string& line, Line* fields, Parse parse, const char* kind);
  void ReportUnknownSections();
  BOOL OnEraseBackground(HDC dc);
  void OnPaint();
  LRESULT OnNcHitTest(LPARAM lParam);
  void SetResult(LRESULT result) { SetWindowLongPtrA(m_hWnd, DWLP_MSGRESULT, result); }
};
