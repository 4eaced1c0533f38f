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

bool CSkinDialog::RectInWindow(const RECT& r, const std::string& line) {
  SIZE size = BitmapSize(m_images[kMain]);
  if (size.cx <= 0) return true;  // nothing to hold it against
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

void CSkinDialog::ReleaseControls() {
  for (auto& button : m_buttons)
    if (button->m_hWnd) button->DestroyWindow();
  m_buttons.clear();
  m_strings.clear();
  labelLines.clear();
  trackbarLines.clear();
  progressLines.clear();
  editLines.clear();
  listBoxLines.clear();
  dropDownLines.clear();
}

BOOL CSkinDialog::LoadSkin() {
  const bool wasVisible = m_hWnd && IsWindowVisible(m_hWnd);
  // Hidden while it is built, so no one sees a half-made window.
  if (wasVisible) ShowWindow(m_hWnd, SW_HIDE);
  ReleaseControls();
  m_problems.clear();
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
  m_frame.SetTopEdge(keys.topParam.c_str(), m_images[kMain]);
  m_frame.SetLeftEdge(keys.leftParam.c_str(), m_images[kMain]);
  m_frame.SetBottomEdge(keys.bottomParam.c_str(), m_images[kMain]);
  m_frame.SetRightEdge(keys.rightParam.c_str(), m_images[kMain]);

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
void CSkinDialog::KeepLines(const std::vector<std::string>& lines, std::vector<Line>& out,
                            Parse parse, const char* kind) {
  for (const std::string& line : lines) {
    Line fields;
    if (!parse(line, &fields)) {
      PassOver(std::string(kind) + " line \"" + ShortLine(line) + "\"", "too few fields");
      continue;
    }
    if (RectInWindow(fields.rect, line)) out.push_back(fields);
  }
}

void CSkinDialog::CreateLabels(const std::vector<std::string>& lines) {
  KeepLines(lines, labelLines, ParseLabelLine, "label");
}
void CSkinDialog::CreateTrackbars(const std::vector<std::string>& lines) {
  KeepLines(lines, trackbarLines, ParseTrackbarLine, "trackbar");
}
void CSkinDialog::CreateProgressBars(const std::vector<std::string>& lines) {
  KeepLines(lines, progressLines, ParseProgressLine, "progress");
}
void CSkinDialog::CreateEdits(const std::vector<std::string>& lines) {
  KeepLines(lines, editLines, ParseEditLine, "edit");
}
void CSkinDialog::CreateListBoxes(const std::vector<std::string>& lines) {
  KeepLines(lines, listBoxLines, ParseListBoxLine, "list box");
}
void CSkinDialog::CreateDropDowns(const std::vector<std::string>& lines) {
  KeepLines(lines, dropDownLines, ParseDropDownLine, "drop-down");
}

void CSkinDialog::CreatePaintedStrings(const std::vector<std::string>& lines) {
  HFONT windowFont = m_hWnd ? reinterpret_cast<HFONT>(::SendMessageA(m_hWnd, WM_GETFONT, 0, 0))
                            : NULL;
  if (!windowFont) windowFont = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  LOGFONTA base = {};
  GetObjectA(windowFont, sizeof(base), &base);
  int pixelsPerInch = 96;
  {
    CClientDC dc(m_hWnd);
    if (dc) pixelsPerInch = GetDeviceCaps(dc, LOGPIXELSY);
  }
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
    if (fields.points > 0) font.lfHeight = -MulDiv(fields.points, pixelsPerInch, 72);
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
  for (auto& button : m_buttons) {
    if (!SameSkinName(button->name, name ? name : "")) continue;
    if ((IsWindowEnabled(button->m_hWnd) != FALSE) != (enabled != FALSE))
      EnableWindow(button->m_hWnd, enabled);
    return;
  }
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

void CSkinDialog::OnButtonClicked(int index) {
  if (index >= 0 && index < static_cast<int>(m_buttons.size()))
    OnSkinCommand(m_buttons[static_cast<size_t>(index)]->name.c_str());
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

void CSkinDialog::RelayoutControls() {
  for (auto& button : m_buttons) {
    RECT r;
    MapSkinRect(&r, &button->skinRect);
    SetWindowPos(button->m_hWnd, NULL, r.left, r.top, r.right - r.left, r.bottom - r.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(button->m_hWnd, NULL, FALSE);
  }
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
