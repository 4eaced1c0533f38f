#include "ui/SkinDialog.h"

#include <commctrl.h>
#include <windowsx.h>

#include "base/LogClient.h"
#include "base/Paths.h"
#include "ui/PictureLoader.h"
#include "ui/SkinBitmaps.h"
#include "ui/SkinData.h"

namespace {

// The control sections of a window, in the order their factories run.
struct ControlSection {
  const char* suffix;
  bool untilGap;  // keys until the first gap; else by key count
  void (CSkinDialog::*factory)(const std::vector<std::string>&);
};

// The sections that the application dialog reads itself.
const char* const kOtherSuffixes[] = {"/APPVIEWS"};

std::string ShortLine(const std::string& line) {
  return line.size() > 80 ? line.substr(0, 80) + "..." : line;
}

}  // namespace

SIZE SkinScreenSize() {
  SIZE size = {GetSystemMetrics(SM_CXVIRTUALSCREEN), GetSystemMetrics(SM_CYVIRTUALSCREEN)};
  if (size.cx <= 0 || size.cy <= 0) {
    size.cx = GetSystemMetrics(SM_CXSCREEN);
    size.cy = GetSystemMetrics(SM_CYSCREEN);
  }
  return size;
}

CSkinDialog::CSkinDialog(HINSTANCE instance, UINT templateId)
    : CDialog(instance, templateId),
      m_windowType(0),
      m_advancedPanel(false),
      m_buttonAlpha(0),
      m_hToolTip(NULL) {
  INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
}

CSkinDialog::~CSkinDialog() {
  // The controls go before the window, while their parent still exists.
  ReleaseControls();
}

std::string CSkinDialog::GetSkinFolder() const { return SkinFolderOf(m_skinFile); }

void CSkinDialog::SetSkinFiles(const char* skinFile, const char* section) {
  m_skinFile = skinFile ? skinFile : "";
  m_section = section ? section : "";
  m_reader.SetPath(m_skinFile);
  m_imageList.Load(m_skinFile.c_str());
  m_enums.Load(m_skinFile.c_str());
  m_fonts.Load(m_skinFile.c_str(), m_hWnd);
}

void CSkinDialog::PassOver(const std::string& what, const std::string& why) {
  std::string problem = "[" + m_section + "] " + what + ": " + why;
  LogPrint(LOG_WARNING, "Skin %s: %s passed over\n", m_skinFile.c_str(), problem.c_str());
  m_problems.push_back(problem);
}

void CSkinDialog::CutToLimit(const std::string& what, const std::string& limit) {
  std::string problem = "[" + m_section + "] " + what + ": cut to " + limit;
  LogPrint(LOG_WARNING, "Skin %s: %s\n", m_skinFile.c_str(), problem.c_str());
  m_problems.push_back(problem);
}

bool CSkinDialog::RectInWindow(const RECT& r, const std::string& line) {
  SIZE size = BitmapSize(m_images[kMain]);
  // Without a window image a control still has to fit on the screen.
  if (size.cx <= 0) size = SkinScreenSize();
  if (r.right <= r.left || r.bottom <= r.top) {
    // A control of no size can be neither seen nor used.
    PassOver("line \"" + ShortLine(line) + "\"", "rectangle of no size");
    return false;
  }
  if (r.left >= 0 && r.top >= 0 && r.right <= size.cx && r.bottom <= size.cy &&
      r.left <= r.right && r.top <= r.bottom)
    return true;
  PassOver("line \"" + ShortLine(line) + "\"", "rectangle outside the window image");
  return false;
}

BOOL CSkinDialog::LoadSkinBitmap(const std::string& file, CBitmapHandle* bmp, SIZE* size) {
  HBITMAP loaded = LoadImageFile((GetSkinFolder() + file).c_str(), size);
  if (!loaded) return FALSE;
  bmp->Reset(loaded);
  return TRUE;
}

namespace {

// Each control's tool leaves the window's tooltip control with it: the
// tooltip control outlives every reload.
template <class Control>
void DestroyAll(std::vector<std::unique_ptr<Control>>& controls, HWND toolTip) {
  for (auto& control : controls) {
    if (!control->m_hWnd) continue;
    if (toolTip) {
      TTTOOLINFOA tool = {};
      tool.cbSize = TTTOOLINFOA_V1_SIZE;
      tool.hwnd = control->m_hWnd;
      tool.uId = 1;
      ::SendMessageA(toolTip, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    }
    control->DestroyWindow();
  }
  controls.clear();
}

// The first control of that name (case ignored) whose state differs.
template <class Control>
void EnableFirstByName(std::vector<std::unique_ptr<Control>>& controls, const char* name,
                       BOOL enabled) {
  for (auto& control : controls) {
    if (!SameSkinName(control->name, name ? name : "")) continue;
    if ((IsWindowEnabled(control->m_hWnd) != FALSE) != (enabled != FALSE))
      EnableWindow(control->m_hWnd, enabled);
    return;
  }
}

template <class Control>
Control* AtIndex(const std::vector<std::unique_ptr<Control>>& controls, int index) {
  if (index < 0 || index >= static_cast<int>(controls.size())) return NULL;
  return controls[static_cast<size_t>(index)].get();
}

template <class Control>
void AddValueControls(const std::vector<std::unique_ptr<Control>>& controls,
                      std::vector<ISkinValueControl*>* out) {
  for (const auto& control : controls) out->push_back(control.get());
}
}  // namespace

void CSkinDialog::GetValueControls(SkinValueKind kind, std::vector<ISkinValueControl*>* out) const {
  if (!out) return;
  switch (kind) {
    case kSkinTrackbar: AddValueControls(m_trackbars, out); break;
    case kSkinDropDown: AddValueControls(m_dropDowns, out); break;
    case kSkinProgress: AddValueControls(m_progress, out); break;
    case kSkinLabel: AddValueControls(m_labels, out); break;
    case kSkinEdit: AddValueControls(m_edits, out); break;
    default: break;
  }
}

void CSkinDialog::ReleaseControls() {
  const HWND toolTip = m_hToolTip && IsWindow(m_hToolTip) ? m_hToolTip : NULL;
  DestroyAll(m_buttons, toolTip);
  DestroyAll(m_trackbars, toolTip);
  DestroyAll(m_labels, toolTip);
  DestroyAll(m_progress, toolTip);
  DestroyAll(m_edits, toolTip);
  DestroyAll(m_listBoxes, toolTip);
  DestroyAll(m_dropDowns, toolTip);
  m_strings.clear();
}

HFONT CSkinDialog::WindowFont() const {
  HFONT font = m_hWnd ? reinterpret_cast<HFONT>(::SendMessageA(m_hWnd, WM_GETFONT, 0, 0)) : NULL;
  return font ? font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

LOGFONTA CSkinDialog::WindowLogFont() const {
  LOGFONTA base = {};
  GetObjectA(WindowFont(), sizeof(base), &base);
  return base;
}

int CSkinDialog::WindowPixelsPerInch() const {
  CClientDC dc(m_hWnd);
  return dc ? GetDeviceCaps(dc, LOGPIXELSY) : 96;
}

BOOL CSkinDialog::LoadSkin() {
  const bool wasVisible = m_hWnd && IsWindowVisible(m_hWnd);
  // Hidden while it is built, so no one sees a half-made window.
  if (wasVisible) ShowWindow(m_hWnd, SW_HIDE);
  ReleaseControls();
  m_problems.clear();
  // A skin edited since the last load is read as it is now.
  m_reader.Refresh();
  if (!m_reader.FileExists()) PassOver("skin file", "missing");

  const std::string cursor = m_reader.ReadString("SKININFO", "CursorFileName", "");
  m_cursor = std::make_shared<CSkinCursor>(cursor.empty() ? "" : GetSkinFolder() + cursor);
  if (!cursor.empty() && !m_cursor->FromFile()) PassOver("cursor " + cursor, "does not load");
  SetCurrentSkinCursor(m_cursor);

  const SkinWindowKeys keys = ReadSkinWindowKeys(m_reader, m_section.c_str());
  m_windowType = keys.windowType;
  if (!keys.otherColor.empty()) {
    std::string colour = keys.otherColor;
    m_frame.layout.bodyColour = ReadSkinColour(colour);
  }
  m_buttonAlpha = keys.buttonAlpha;
  const std::string* files[kImageCount] = {&keys.main, &keys.over, &keys.down, &keys.disabled,
                                           &keys.normalNoAdvancedPanel};
  for (int n = 0; n < kImageCount; ++n) {
    if (files[n]->empty()) {
      if (n != kNormalNoAdvancedPanel) m_images[n].Reset();
      continue;
    }
    if (!LoadSkinBitmap(*files[n], &m_images[n], NULL)) {
      m_images[n].Reset();
      PassOver("image " + *files[n], "missing or unreadable");
    }
  }
  m_frame.ClearCut();
  m_frame.SetTopEdge(keys.topParam.c_str(), m_images[kMain]);
  m_frame.SetLeftEdge(keys.leftParam.c_str(), m_images[kMain]);
  m_frame.SetBottomEdge(keys.bottomParam.c_str(), m_images[kMain]);
  m_frame.SetRightEdge(keys.rightParam.c_str(), m_images[kMain]);
  if (m_frame.PiecesCut()) CutToLimit("frame edges", "the window image");

  RunFactories();
  ReportUnknownSections();

  if (m_windowType == 1)
    SwitchMask(m_advancedPanel ? "MaskWithAdvancedPanel" : "MaskNoAdvancedPanel");
  else
    RelayoutControls();
  if (wasVisible) ShowWindow(m_hWnd, SW_SHOW);
  return TRUE;
}

void CSkinDialog::RunFactories() {
  static const ControlSection kSections[] = {
      {"/BUTTONS", true, &CSkinDialog::CreateButtons},
      {"/TEXTINFO", false, &CSkinDialog::CreateLabels},
      {"/TRACKBARINFO", false, &CSkinDialog::CreateTrackbars},
      {"/PROGRESSINFO", false, &CSkinDialog::CreateProgressBars},
      {"/EDITS", false, &CSkinDialog::CreateEdits},
      {"/LISTBOXS", false, &CSkinDialog::CreateListBoxes},
      {"/COMBOBOXINFO", false, &CSkinDialog::CreateDropDowns},
      {"/STRINGSINFO", false, &CSkinDialog::CreatePaintedStrings},
  };
  for (const ControlSection& section : kSections) {
    const std::string name = m_section + section.suffix;
    std::vector<std::string> lines = section.untilGap ? m_reader.ReadLinesUntilGap(name.c_str())
                                                      : m_reader.ReadLinesByKeyCount(name.c_str());
    (this->*section.factory)(lines);
  }
}

void CSkinDialog::ReportUnknownSections() {
  static const char* const kKnown[] = {"/BUTTONS", "/TEXTINFO", "/TRACKBARINFO", "/PROGRESSINFO",
                                       "/EDITS", "/LISTBOXS", "/COMBOBOXINFO", "/STRINGSINFO"};
  const std::string prefix = m_section + "/";
  for (const std::string& section : m_reader.ReadSectionNames()) {
    if (section.size() <= prefix.size() ||
        !SameSkinName(section.substr(0, prefix.size()), prefix))
      continue;
    const std::string suffix = section.substr(m_section.size());
    bool known = false;
    for (const char* k : kKnown) known = known || SameSkinName(suffix, k);
    for (const char* k : kOtherSuffixes) known = known || SameSkinName(suffix, k);
    if (!known) PassOver("section [" + section + "]", "unknown control kind");
  }
}

void CSkinDialog::AddToolTip(HWND control, const std::string& text) {
  if (!m_hToolTip || !control) return;
  TTTOOLINFOA tool = {};
  tool.cbSize = TTTOOLINFOA_V1_SIZE;
  tool.hwnd = control;
  tool.uId = 1;
  tool.lpszText = const_cast<char*>(text.c_str());  // copied by the control
  GetClientRect(control, &tool.rect);
  ::SendMessageA(m_hToolTip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

void CSkinDialog::CreateButtons(const std::vector<std::string>& lines) {
  for (const std::string& line : lines) {
    SkinButtonLine fields;
    if (!ParseButtonLine(line, &fields)) {
      PassOver("button line \"" + ShortLine(line) + "\"", "too few fields");
      continue;
    }
    if (!RectInWindow(fields.rect, line)) continue;
    std::unique_ptr<CSkinPushButton> button(new CSkinPushButton);
    button->name = fields.name;
    button->imageEnum = fields.imageEnum;
    button->tooltipEnum = fields.tooltipEnum;
    button->captionEnum = fields.captionEnum;
    button->skinRect = fields.rect;
    button->index = static_cast<int>(m_buttons.size());
    button->tooltip = fields.tooltip;
    TranslateToolTip(button->tooltip);
    button->tooltip += GetEmptyString(fields.name.c_str());
    if (!button->CreateButton(WS_VISIBLE, fields.rect, m_hWnd, 0)) {
      PassOver("button " + fields.name, "window not made");
      continue;
    }
    button->SetImagesFromWindow(fields.rect, m_images[kMain], m_images[kOver], m_images[kDown],
                                m_images[kDisabled]);
    if (fields.latched) button->SetLatched(1);
    if (!fields.shapeImage.empty()) {
      CBitmapHandle shape;
      if (LoadNamedImage(fields.shapeImage.c_str(), &shape))
        button->SetShape(RegionFromBitmap(shape, kShapeTransparent, kShapeTolerance), TRUE);
      else
        PassOver("shape image " + fields.shapeImage + " of " + fields.name, "not in the image list");
    }
    if (!fields.caption.empty()) {
      std::string caption = fields.caption;
      TranslateToolTip(caption);
      SetWindowTextA(button->m_hWnd, caption.c_str());
      if (const SkinFontRecord* font = m_fonts.Find(fields.font.c_str())) {
        const SkinFontLine& s = font->style;
        button->SetTextColours(s.textNormal, s.textOver, s.textDown, s.textDisabled,
                               s.shadowColour);
        LOGFONTA logFont = {};
        if (GetObjectA(font->font, sizeof(logFont), &logFont)) button->SetCaptionFont(&logFont);
        button->SetShadow(s.shadow);
        button->SetFormat(s.format);
        button->SetMargins(s.margins);
        button->SetStateMargins(s.overMargins, s.downMargins);
        POINT offset = {s.shadowDx, s.shadowDy};
        button->SetShadowOffset(offset);
      } else if (!fields.font.empty()) {
        PassOver("font " + fields.font + " of " + fields.name, "not in [FONTSINFO]");
      }
    }
    button->SetFade(m_buttonAlpha);
    AddToolTip(button->m_hWnd, button->tooltip);
    m_buttons.push_back(std::move(button));
  }
}

template <class Line, class Parse>
bool CSkinDialog::ReadLine(const std::string& line, Line* fields, Parse parse, const char* kind) {
  if (!parse(line, fields)) {
    PassOver(std::string(kind) + " line \"" + ShortLine(line) + "\"", "too few fields");
    return false;
  }
  return RectInWindow(fields->rect, line);
}

void CSkinDialog::CreateLabels(const std::vector<std::string>& lines) {
  const LOGFONTA base = WindowLogFont();
  const int pixelsPerInch = WindowPixelsPerInch();
  for (const std::string& line : lines) {
    SkinLabelLine fields;
    if (!ReadLine(line, &fields, ParseLabelLine, "label")) continue;
    std::unique_ptr<CSkinLabel> label(new CSkinLabel);
    label->name = fields.name;
    label->index = static_cast<int>(m_labels.size());
    if (!label->CreateButton(WS_VISIBLE, fields.rect, m_hWnd, 0)) {
      PassOver("label " + fields.name, "window not made");
      continue;
    }
    if (!SkinFontPointsInRange(fields.points))
      CutToLimit("size of label " + fields.name, "the largest font");
    const LOGFONTA logFont = SkinLabelLogFont(base, fields, pixelsPerInch);
    CFontHandle font(CreateFontIndirectA(&logFont));
    label->SetLabelFont(font);
    label->SetFormat(fields.format);
    label->SetTextColours(fields.colour, fields.colour, fields.colour, fields.colour,
                          fields.colour);
    label->SetLabelBackground(fields.rect, m_images[kMain]);
    label->SetLabelText(fields.caption);
    m_labels.push_back(std::move(label));
  }
}

void CSkinDialog::CreateTrackbars(const std::vector<std::string>& lines) {
  for (const std::string& line : lines) {
    SkinTrackbarLine fields;
    if (!ReadLine(line, &fields, ParseTrackbarLine, "trackbar")) continue;
    // Without all four thumb looks there is nothing to draw the thumb with.
    CBitmapHandle thumbs[4];
    bool found = true;
    for (int n = 0; n < 4; ++n) {
      if (LoadNamedImage(fields.images[n].c_str(), &thumbs[n])) continue;
      PassOver("thumb image " + fields.images[n] + " of " + fields.name, "not in the image list");
      found = false;
    }
    if (!found) continue;
    std::unique_ptr<CSkinTrackbar> trackbar(new CSkinTrackbar);
    trackbar->name = fields.name;
    trackbar->index = static_cast<int>(m_trackbars.size());
    trackbar->skinRect = fields.rect;
    const DWORD orientation = fields.horizontal ? TBS_HORZ : TBS_VERT;
    if (!trackbar->CreateTrackbar(WS_VISIBLE | TBS_NOTICKS | orientation, fields.rect, m_hWnd, 0)) {
      PassOver("trackbar " + fields.name, "window not made");
      continue;
    }
    // A maximum of 0 leaves the system's range.
    if (fields.maximum != 0) trackbar->SetRange(fields.minimum, fields.maximum);
    trackbar->SetTrackbarImages(m_images[kMain], fields.rect, thumbs[0], thumbs[1], thumbs[2],
                                thumbs[3]);
    trackbar->SetPos(fields.position);
    trackbar->tooltip = fields.tooltip;
    TranslateToolTip(trackbar->tooltip);
    AddToolTip(trackbar->m_hWnd, trackbar->tooltip);
    m_trackbars.push_back(std::move(trackbar));
  }
}

void CSkinDialog::CreateProgressBars(const std::vector<std::string>& lines) {
  for (const std::string& line : lines) {
    SkinProgressLine fields;
    if (!ReadLine(line, &fields, ParseProgressLine, "progress")) continue;
    std::unique_ptr<CSkinProgress> bar(new CSkinProgress);
    bar->name = fields.name;
    bar->index = static_cast<int>(m_progress.size());
    bar->SetHorizontal(fields.horizontal);
    if (!bar->CreateButton(WS_VISIBLE, fields.rect, m_hWnd, 0)) {
      PassOver("progress " + fields.name, "window not made");
      continue;
    }
    bar->SetProgressImages(fields.rect, m_images[kMain], m_images[kDown]);
    if (!fields.shapeImage.empty()) {
      CBitmapHandle shape;
      if (LoadNamedImage(fields.shapeImage.c_str(), &shape))
        bar->SetShape(RegionFromBitmap(shape, kShapeTransparent, kShapeTolerance), TRUE);
      else
        PassOver("shape image " + fields.shapeImage + " of " + fields.name, "not in the image list");
    }
    bar->tooltip = fields.tooltip;
    TranslateToolTip(bar->tooltip);
    AddToolTip(bar->m_hWnd, bar->tooltip);
    m_progress.push_back(std::move(bar));
  }
}

void CSkinDialog::CreateEdits(const std::vector<std::string>& lines) {
  for (const std::string& line : lines) {
    SkinEditLine fields;
    if (!ReadLine(line, &fields, ParseEditLine, "edit")) continue;
    std::unique_ptr<CSkinEdit> edit(new CSkinEdit);
    edit->name = fields.name;
    const DWORD style = WS_VISIBLE | ES_AUTOHSCROLL | (fields.readOnly ? ES_READONLY : 0);
    if (!edit->CreateEdit(style, fields.rect, m_hWnd, 0)) {
      PassOver("edit " + fields.name, "window not made");
      continue;
    }
    edit->SetEditImages(fields.rect, m_images[kMain], m_images[kOver]);
    edit->SetEditTextColour(fields.colour);
    edit->skinRect = fields.rect;
    edit->SetEditToolTip(&fields.tooltip, TRUE);
    edit->SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(WindowFont()), FALSE);
    m_edits.push_back(std::move(edit));
  }
}

void CSkinDialog::CreateListBoxes(const std::vector<std::string>& lines) {
  for (const std::string& line : lines) {
    SkinListBoxLine fields;
    if (!ReadLine(line, &fields, ParseListBoxLine, "list box")) continue;
    std::unique_ptr<CSkinListBox> list(new CSkinListBox);
    list->name = fields.name;
    const DWORD style =
        WS_VISIBLE | WS_BORDER | WS_VSCROLL | WS_HSCROLL | LBS_NOTIFY | LBS_SORT;
    if (!list->CreateListBox(style, fields.rect, m_hWnd, 0)) {
      PassOver("list box " + fields.name, "window not made");
      continue;
    }
    list->SetListImages(fields.rect, m_images[kMain], m_images[kOver]);
    list->SetListTextColour(fields.colour);
    list->skinRect = fields.rect;
    // A list box starts empty: its rows are the program's to add.
    InvalidateRect(list->m_hWnd, NULL, TRUE);
    m_listBoxes.push_back(std::move(list));
  }
}

void CSkinDialog::CreateDropDowns(const std::vector<std::string>& lines) {
  const LOGFONTA windowFont = WindowLogFont();
  for (const std::string& line : lines) {
    SkinDropDownLine fields;
    if (!ReadLine(line, &fields, ParseDropDownLine, "drop-down")) continue;
    std::unique_ptr<CSkinDropDown> dropDown(new CSkinDropDown);
    dropDown->name = fields.name;
    dropDown->index = static_cast<int>(m_dropDowns.size());
    dropDown->skinRect = fields.rect;
    if (!dropDown->CreateButton(WS_VISIBLE, fields.rect, m_hWnd, 0)) {
      PassOver("drop-down " + fields.name, "window not made");
      continue;
    }
    dropDown->SetImagesFromWindow(fields.rect, m_images[kMain], m_images[kOver], m_images[kDown],
                                  m_images[kDisabled]);
    // The face's arrow stands at its right end, as wide as the face is high:
    // a long item ends in an ellipsis before it rather than running under it.
    const RECT margins = {5, 0, fields.rect.bottom - fields.rect.top, 0};
    dropDown->SetMargins(margins);
    dropDown->SetFormat(DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
    const COLORREF* c = fields.colours;
    dropDown->SetColours(c[0], c[1], c[2], c[3], c[4], c[5]);
    dropDown->SetTranslucent(fields.translucent);
    // The window's font, for the caption and for the popup's rows.
    dropDown->SetCaptionFont(&windowFont);
    dropDown->SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(WindowFont()), FALSE);
    for (std::string item : fields.items) {
      TranslateToolTip(item);
      dropDown->AddItem(item.c_str());
    }
    dropDown->tooltip = fields.tooltip;
    TranslateToolTip(dropDown->tooltip);
    AddToolTip(dropDown->m_hWnd, dropDown->tooltip);
    m_dropDowns.push_back(std::move(dropDown));
  }
}

void CSkinDialog::CreatePaintedStrings(const std::vector<std::string>& lines) {
  const LOGFONTA base = WindowLogFont();
  const int pixelsPerInch = WindowPixelsPerInch();
  for (const std::string& line : lines) {
    SkinStringLine fields;
    if (!ParseStringLine(line, &fields)) {
      PassOver("string line \"" + ShortLine(line) + "\"", "too few fields");
      continue;
    }
    if (!RectInWindow(fields.rect, line)) continue;
    std::unique_ptr<SkinPaintedString> painted(new SkinPaintedString);
    painted->text = fields.text;
    TranslateToolTip(painted->text);
    LOGFONTA font = base;
    font.lfWeight = fields.weight;
    if (!SkinFontPointsInRange(fields.points))
      CutToLimit("size of string line \"" + ShortLine(line) + "\"", "the largest font");
    if (fields.points > 0) font.lfHeight = SkinFontHeight(fields.points, pixelsPerInch);
    painted->font.Reset(CreateFontIndirectA(&font));
    painted->colour = fields.colour;
    painted->rect = fields.rect;
    painted->format = fields.format;
    if (m_windowType == 0) painted->background.Reset(CopyBitmapPart(m_images[kMain], &fields.rect));
    // The skin format makes each text's colour the window's inner fill too.
    m_frame.layout.bodyColour = fields.colour;
    m_strings.push_back(std::move(painted));
  }
}

bool CSkinDialog::SwitchMask(const char* key) {
  const std::string file = m_reader.ReadString(m_section.c_str(), key, "");
  if (file.empty()) return false;
  CBitmapHandle mask;
  SIZE size = {0, 0};
  if (!LoadSkinBitmap(file, &mask, &size)) {
    PassOver("mask " + file, "missing or unreadable");
    return false;
  }
  ApplyWindowRegion(mask);
  RECT window, client;
  GetWindowRect(m_hWnd, &window);
  GetClientRect(m_hWnd, &client);
  POINT clientTop = {0, 0};
  ClientToScreen(m_hWnd, &clientTop);
  SetWindowPos(m_hWnd, NULL, 0, 0, size.cx + 8, (clientTop.y - window.top) + size.cy + 9,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  InvalidateRect(m_hWnd, NULL, TRUE);
  m_advancedPanel = !SameSkinName(key, "MaskNoAdvancedPanel");
  std::string repaint = m_reader.ReadString(m_section.c_str(), "InvalidteRect", "");
  if (!repaint.empty()) {
    RECT r = ParseSkinRect(repaint);
    InvalidateRect(m_hWnd, &r, TRUE);
  }
  return true;
}

void CSkinDialog::ApplyWindowRegion(HBITMAP mask) {
  HRGN region = RegionFromBitmap(mask, kMaskTransparent, kShapeTolerance);
  // The window owns the region from here on.
  if (region) SetWindowRgn(m_hWnd, region, TRUE);
}

void CSkinDialog::EnableButtonByName(const char* name, BOOL enabled) {
  EnableFirstByName(m_buttons, name, enabled);
}

void CSkinDialog::EnableTrackbarByName(const char* name, BOOL enabled) {
  EnableFirstByName(m_trackbars, name, enabled);
}

void CSkinDialog::SetButtonImage(const char* name, const char* imageName) {
  for (auto& button : m_buttons) {
    if (!SameSkinName(button->name, name ? name : "")) continue;
    RECT r = button->skinRect;
    if (!imageName || !*imageName) {
      button->SetImagesFromWindow(r, m_images[kMain], m_images[kOver], m_images[kDown],
                                  m_images[kDisabled]);
      InvalidateRect(button->m_hWnd, NULL, TRUE);
      return;
    }
    CBitmapHandle image;
    if (!LoadNamedImage(imageName, &image)) return;
    SIZE size = BitmapSize(image);
    RECT client;
    GetClientRect(button->m_hWnd, &client);
    if (size.cx == 4 * client.right && size.cy == client.bottom)
      button->SetImageStrip(image);
    else
      button->SetImages(image, image, image, image);
    InvalidateRect(button->m_hWnd, NULL, FALSE);
    return;
  }
}

BOOL CSkinDialog::LoadNamedImage(const char* name, CBitmapHandle* bmp) const {
  if (!bmp) return FALSE;
  bmp->Reset();
  HBITMAP image = m_imageList.CopyImage(name);
  if (!image) return FALSE;
  bmp->Reset(image);
  return TRUE;
}

void CSkinDialog::GetEnumText(std::string* out, const char* enumName, int value) const {
  m_enums.GetText(out, enumName, value);
}

// The name is copied before the command runs: a command may reload the skin
// (the language option does), which deletes the control and its name.
void CSkinDialog::OnButtonClicked(int index) {
  if (CSkinPushButton* button = AtIndex(m_buttons, index)) {
    const std::string name = button->name;
    OnSkinCommand(name.c_str());
  }
}

void CSkinDialog::OnTrackbarEvent(int index, int code, int position) {
  if (CSkinTrackbar* trackbar = AtIndex(m_trackbars, index)) {
    const std::string name = trackbar->name;
    OnTrackbarCommand(name.c_str(), code, position);
  }
}

void CSkinDialog::OnLabelClicked(int index) {
  if (CSkinLabel* label = AtIndex(m_labels, index)) {
    const std::string name = label->name;
    OnLabelCommand(name.c_str());
  }
}

void CSkinDialog::OnDropDownSelected(int index) {
  if (CSkinDropDown* dropDown = AtIndex(m_dropDowns, index)) {
    const std::string name = dropDown->name;
    OnDropDownCommand(name.c_str(), dropDown->GetCurSel());
  }
}

void CSkinDialog::OnProgressChanged(int index, int value) {
  if (CSkinProgress* bar = AtIndex(m_progress, index)) {
    const std::string name = bar->name;
    OnProgressCommand(name.c_str(), value);
  }
}

void CSkinDialog::PaintFrame(HDC dc) {
  RECT window;
  GetWindowRect(m_hWnd, &window);
  if (dc) {
    m_frame.Paint(dc, window.right - window.left, window.bottom - window.top);
    return;
  }
  CWindowDC whole(m_hWnd);
  m_frame.Paint(whole, window.right - window.left, window.bottom - window.top);
}

void CSkinDialog::GetBodyRect(RECT* out) const {
  RECT client;
  GetClientRect(m_hWnd, &client);
  *out = m_windowType != 0 ? client : m_frame.layout.BodyRect(client);
}

int CSkinDialog::GetBorderWidth() const {
  RECT window, client;
  GetWindowRect(m_hWnd, &window);
  GetClientRect(m_hWnd, &client);
  return ((window.right - window.left) - client.right) / 2;
}

void CSkinDialog::MapSkinRect(RECT* out, const RECT* skinRect) const {
  RECT window;
  GetWindowRect(m_hWnd, &window);
  *out = m_frame.layout.MapSkinRect(*skinRect, window.right - window.left,
                                    window.bottom - window.top, GetBorderWidth());
}

template <class Control>
void CSkinDialog::MoveWithFrame(std::vector<std::unique_ptr<Control>>& controls, bool repaint) {
  for (auto& control : controls) {
    RECT r;
    MapSkinRect(&r, &control->skinRect);
    SetWindowPos(control->m_hWnd, NULL, r.left, r.top, r.right - r.left, r.bottom - r.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    if (repaint) InvalidateRect(control->m_hWnd, NULL, FALSE);
  }
}

void CSkinDialog::RelayoutControls() {
  // Labels and progress bars stay where the skin put them.
  MoveWithFrame(m_buttons, true);
  MoveWithFrame(m_trackbars, false);
  MoveWithFrame(m_edits, true);
  MoveWithFrame(m_listBoxes, true);
  for (auto& list : m_listBoxes) {
    RECT client;
    GetClientRect(list->m_hWnd, &client);
    list->CropBackground(client.right, client.bottom);
  }
  MoveWithFrame(m_dropDowns, false);
  InvalidateRect(m_hWnd, NULL, TRUE);
}

BOOL CSkinDialog::OnInit() {
  CDialog::OnInit();
  if (m_reader.FileExists()) LoadSkin();
  if (m_windowType == 0) {
    LONG_PTR style = GetWindowLongPtrA(m_hWnd, GWL_STYLE);
    style = (style & ~static_cast<LONG_PTR>(WS_CAPTION)) | WS_SYSMENU;
    SetWindowLongPtrA(m_hWnd, GWL_STYLE, style);
    SetWindowPos(m_hWnd, NULL, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    RelayoutControls();
  }
  m_hToolTip = CreateWindowExA(0, TOOLTIPS_CLASSA, "", TTS_ALWAYSTIP, CW_USEDEFAULT,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, m_hWnd, NULL,
                               m_hTemplateInstance, NULL);
  if (m_hToolTip) {
    ::SendMessageA(m_hToolTip, TTM_ACTIVATE, TRUE, 0);
    SetWindowPos(m_hToolTip, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    ::SendMessageA(m_hToolTip, TTM_SETDELAYTIME, TTDT_AUTOMATIC, 100);
  }
  return TRUE;
}

BOOL CSkinDialog::PreTranslateMessage(MSG* msg) {
  if (m_hToolTip && msg->message >= WM_MOUSEFIRST && msg->message <= WM_MBUTTONDBLCLK) {
    MSG copy = *msg;
    ::SendMessageA(m_hToolTip, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&copy));
  }
  return FALSE;
}

BOOL CSkinDialog::OnEraseBackground(HDC dc) {
  // The erase gets the paint DC itself: its clip must not outlive the erase,
  // or the texts' rectangles stay shut to WM_PAINT.
  const int saved = SaveDC(dc);
  if (m_windowType == 0) {
    for (const auto& painted : m_strings)
      ExcludeClipRect(dc, painted->rect.left, painted->rect.top, painted->rect.right,
                      painted->rect.bottom);
  }
  if (m_windowType == 1) {
    RECT body;
    GetBodyRect(&body);
    HBITMAP image = m_images[kNormalNoAdvancedPanel] && !m_advancedPanel
                        ? m_images[kNormalNoAdvancedPanel].Get()
                        : m_images[kMain].Get();
    DrawSkinBitmap(dc, image, body);
  } else {
    PaintFrame(dc);
  }
  if (saved) RestoreDC(dc, saved);
  return TRUE;
}

void CSkinDialog::OnPaint() {
  CPaintDC dc(m_hWnd);
  for (const auto& painted : m_strings) {
    const int saved = SaveDC(dc);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, painted->colour);
    SelectObject(dc, painted->font.Get());
    RECT r = painted->rect;
    if (m_windowType != 0 || !painted->background) {
      DrawTextA(dc, painted->text.c_str(), -1, &r, static_cast<UINT>(painted->format));
    } else {
      // Drawn into a copy of its background, then copied into place: the
      // erase handler left the text's rectangle alone.
      const int w = r.right - r.left, h = r.bottom - r.top;
      CMemoryDC memory(dc);
      CBitmapHandle copy(CreateCompatibleBitmap(dc, w, h));
      {
        CSelectObject select(memory, copy);
        DrawBitmapAt(memory, 0, 0, painted->background);
        SetBkMode(memory, TRANSPARENT);
        SetTextColor(memory, painted->colour);
        CSelectObject font(memory, painted->font.Get());
        RECT inner = {0, 0, w, h};
        DrawTextA(memory, painted->text.c_str(), -1, &inner, static_cast<UINT>(painted->format));
        BitBlt(dc, r.left, r.top, w, h, memory, 0, 0, SRCCOPY);
      }
    }
    RestoreDC(dc, saved);
  }
}

LRESULT CSkinDialog::OnNcHitTest(LPARAM lParam) {
  POINT p = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  RECT w;
  GetWindowRect(m_hWnd, &w);
  const int rightW = m_frame.layout.right.width, bottomH = m_frame.layout.bottom.height;
  const int fx = GetSystemMetrics(SM_CXDLGFRAME), fy = GetSystemMetrics(SM_CYDLGFRAME);
  RECT corner = {w.right - rightW, w.bottom - bottomH, w.right, w.bottom};
  if (PtInRect(&corner, p)) return HTBOTTOMRIGHT;
  // The skin format gives this corner the bottom edge's height.
  RECT topRight = {w.right - rightW, w.top, w.right, w.top + bottomH};
  if (PtInRect(&topRight, p)) return HTTOPRIGHT;
  if (p.x >= w.right - fx && p.x < w.right) return HTRIGHT;
  if (p.y >= w.bottom - fy && p.y < w.bottom) return HTBOTTOM;
  if (p.y >= w.top && p.y < w.top + fy) return HTTOP;
  if (p.x >= w.left && p.x < w.left + fx) return HTLEFT;
  return ::DefWindowProcA(m_hWnd, WM_NCHITTEST, 0, lParam);
}

INT_PTR CSkinDialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  const bool child = (GetWindowLongPtrA(m_hWnd, GWL_STYLE) & WS_CHILD) != 0;
  switch (message) {
    case WM_PAINT:
      OnPaint();
      return TRUE;
    case WM_ERASEBKGND:
      SetResult(OnEraseBackground(reinterpret_cast<HDC>(wParam)));
      return TRUE;
    case WM_LBUTTONDOWN: {
      // Any skinned window, page or not, drags the top-level window.
      HWND top = m_hWnd;
      while (HWND parent = GetParent(top)) top = parent;
      PostMessageA(top, WM_NCLBUTTONDOWN, HTCAPTION, lParam);
      return FALSE;
    }
    case WM_MOUSEMOVE: {
      POINT p = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
      OnControlMouseMove("", static_cast<UINT>(wParam), p);
      return FALSE;
    }
    case WM_NCPAINT:
      return TRUE;  // the system paints no frame
    case WM_SIZE:
      if (m_windowType == 0) RelayoutControls();
      return FALSE;
    case WM_DESTROY:
      ReleaseControls();
      return FALSE;
    case WM_NCCALCSIZE: {
      LRESULT result = ::DefWindowProcA(m_hWnd, message, wParam, lParam);
      if (!child && m_windowType == 0 && lParam) {
        RECT* proposed = reinterpret_cast<RECT*>(lParam);  // first of NCCALCSIZE_PARAMS too
        InflateRect(proposed, GetSystemMetrics(SM_CXDLGFRAME), GetSystemMetrics(SM_CYDLGFRAME));
      }
      SetResult(result);
      return TRUE;
    }
    case WM_NCHITTEST:
      if (child || m_windowType == 1) return FALSE;
      SetResult(OnNcHitTest(lParam));
      return TRUE;
    default:
      return CDialog::OnMessage(message, wParam, lParam);
  }
}
