#include "ui/SkinAppDialog.h"

#include <commctrl.h>
#include <shellapi.h>
#include <string.h>

#include <SkinScrollBar.h>

#include "base/LogClient.h"
#include "base/Paths.h"
#include "base/Strings.h"
#include "ui/SkinData.h"
#include "ui/SkinLines.h"
#include "winfx/ViewHelpers.h"

namespace {

// The translator's contract: texts cross in 260-byte buffers.
enum { kTextRoom = 260, kToolTipRoom = 512, kViewNameRoom = 128 };
// No text lives below this address; smaller values are numbers.
const INT_PTR kLowestTextAddress = 0x10000;
const int kTrackEnded = 8;  // TB_ENDTRACK

PFN_LoadScrollBarSkin g_loadScrollBarSkin = NULL;
// Process-wide and unlocked: only the user-interface thread applies skins.
bool g_scrollBarSkinLoaded = false;

BOOL LoadScrollBarSkin(const char* skinFile, const char* section) {
  return g_loadScrollBarSkin ? g_loadScrollBarSkin(skinFile, section)
                             : SkinSB_LoadSkin(skinFile, section);
}

bool SameText(const std::string& a, const char* b) { return lstrcmpiA(a.c_str(), b ? b : "") == 0; }

int PieceWidth(const RECT& r) { return r.right - r.left; }
int PieceHeight(const RECT& r) { return r.bottom - r.top; }

}  // namespace

void SetScrollBarSkinLoaderSeam(PFN_LoadScrollBarSkin fn) {
  g_loadScrollBarSkin = fn;
  g_scrollBarSkinLoaded = false;
}

LocalCommand ParseLocalCommand(const char* name, const std::string& section) {
  if (!name) return kNotLocal;
  const char* period = strchr(name, '.');
  if (!period) return kNotLocal;
  const std::string object(name, period);
  if (lstrcmpiA(object.c_str(), "this") != 0 && !SameText(object, section.c_str()))
    return kNotLocal;
  const char* word = period + 1;
  if (lstrcmpiA(word, "show") == 0) return kLocalShow;
  if (lstrcmpiA(word, "Hide") == 0) return kLocalHide;
  if (lstrcmpiA(word, "Minimize") == 0) return kLocalMinimize;
  return kNotLocal;
}

const char* ControlValueText(INT_PTR value) {
  return value >= kLowestTextAddress ? reinterpret_cast<const char*>(value) : NULL;
}

SIZE MinimumFrameSize(const SkinFrameLayout& layout) {
  int top = 0, bottom = 0, left = 0, right = 0;
  for (int i = 0; i < 5; ++i) {
    top += PieceWidth(layout.top.pieces[i]);
    bottom += PieceWidth(layout.bottom.pieces[i]);
    left += PieceHeight(layout.left.pieces[i]);
    right += PieceHeight(layout.right.pieces[i]);
  }
  const int edges = layout.top.height + layout.bottom.height;
  SIZE size = {top > bottom ? top : bottom, (left > right ? left : right) + edges};
  return size;
}

CSkinAppDialog::CSkinAppDialog() : CSkinAppDialog(kPageTemplate, NULL) {}

CSkinAppDialog::CSkinAppDialog(UINT templateId, HWND)
    : CSkinDialog(WinFxModuleInstance(), templateId),
      m_margins(),
      m_skinUIPart(this),
      m_viewPart(this) {}

CSkinAppDialog::~CSkinAppDialog() {
  // The views go through the factory while this window still exists.
  if (m_hWnd && IsWindow(m_hWnd)) ::DestroyWindow(m_hWnd);
}

BOOL CSkinAppDialog::CreateInParent(const RECT& rect, HWND parent, const char*, UINT templateId) {
  m_nTemplateId = templateId;
  if (!CreateModeless(parent)) return FALSE;
  m_margins = MarginsToParent(rect, parent);
  return TRUE;
}

BOOL CSkinAppDialog::CreateFromTemplate(UINT templateId) {
  m_nTemplateId = templateId;
  return CreateModeless(NULL);
}

BOOL CSkinAppDialog::OnInit() {
  CSkinDialog::OnInit();
  LONG_PTR style = GetWindowLongPtrA(m_hWnd, GWL_STYLE);
  SetWindowLongPtrA(m_hWnd, GWL_STYLE, style | WS_CLIPCHILDREN | WS_CLIPSIBLINGS);
  DragAcceptFiles(m_hWnd, TRUE);
  return TRUE;
}

void CSkinAppDialog::ApplySkin(const char* section) {
  if (!m_pIConfigEx) return;
  if (m_pITranslater && m_hWnd) {
    char caption[kTextRoom] = {0};
    GetWindowTextA(m_hWnd, caption, kTextRoom);
    m_pITranslater->TranslateString(caption, "MiscStrings");
    caption[kTextRoom - 1] = '\0';
    SetWindowTextA(m_hWnd, caption);
  }
  char folder[kTextRoom] = {0};
  m_pIConfigEx->GetString("SkinPath", folder, kTextRoom, 0);
  folder[kTextRoom - 1] = '\0';
  // The configuration keeps the folder without its trailing backslash.
  const std::string skinFile = JoinPath(folder, "skin.ini");
  SetSkinFiles(skinFile.c_str(), section);
  if (!g_scrollBarSkinLoaded) {
    g_scrollBarSkinLoaded = true;
    LoadScrollBarSkin(skinFile.c_str(), "ScrollBar");
  }
  LoadSkin();
  std::string initSize = m_reader.ReadString(m_section.c_str(), "InitSize", "");
  if (!initSize.empty() && m_hWnd) {
    // x, y, w, h: only the size is used.
    std::string fields = initSize;
    CSkinDataReader reader(fields);
    reader.NextInt();
    reader.NextInt();
    SIZE size = {reader.NextInt(), 0};
    size.cy = reader.NextInt();
    const SIZE screen = SkinScreenSize();
    if (size.cx <= 0 || size.cy <= 0) {
      PassOver("InitSize " + initSize, "no size");
    } else {
      // A window larger than the screen cannot be seen whole and costs its
      // surface's memory: it is cut to the screen.
      if (size.cx > screen.cx || size.cy > screen.cy)
        CutToLimit("InitSize " + initSize, "the screen");
      if (size.cx > screen.cx) size.cx = screen.cx;
      if (size.cy > screen.cy) size.cy = screen.cy;
      SetWindowPos(m_hWnd, HWND_TOP, 0, 0, size.cx, size.cy, SWP_NOMOVE);
    }
  }
  CreateViews();
}

void CSkinAppDialog::DestroyViews() {
  // Copied first: a view's destruction may come back here.
  std::vector<IConverterView*> views;
  views.swap(m_views);
  if (!m_pIViewFactory) return;
  for (IConverterView* view : views) m_pIViewFactory->DestroyView(view);
}

void CSkinAppDialog::CreateViews() {
  if (!m_pIViewFactory) return;
  DestroyViews();
  const int inset = GetBorderWidth();
  const std::string section = m_section + "/APPVIEWS";
  for (const std::string& line : m_reader.ReadLinesUntilGap(section.c_str())) {
    SkinViewLine view;
    if (!ParseViewLine(line, &view)) {
      PassOver("view line \"" + line + "\"", "too few fields");
      continue;
    }
    OffsetRect(&view.rect, -inset, -inset);
    IConverterView* made = NULL;
    HRESULT hr = m_pIViewFactory->CreateView(view.view.c_str(), m_hWnd, &view.rect,
                                            view.param.c_str(), &made);
    if (SUCCEEDED(hr) && made)
      m_views.push_back(made);
    else
      LogPrint(LOG_WARNING, "Skin view %s not made! hr=0x%x\n", view.view.c_str(), hr);
  }
}

BOOL CSkinAppDialog::HandleLocalCommand(const char* name) {
  switch (ParseLocalCommand(name, m_section)) {
    case kLocalShow:
      ShowWindow(m_hWnd, SW_SHOW);
      SetForegroundWindow(m_hWnd);
      return TRUE;
    case kLocalHide:
      ShowWindow(m_hWnd, SW_HIDE);
      return TRUE;
    case kLocalMinimize:
      ShowWindow(m_hWnd, SW_MINIMIZE);
      return TRUE;
    default:
      return FALSE;
  }
}

SkinCommandParam CSkinAppDialog::MakeParam(bool withCursor) const {
  SkinCommandParam param = {};
  param.hWnd = m_hWnd;
  if (withCursor) {
    POINT cursor = {0, 0};
    GetCursorPos(&cursor);
    param.x = cursor.x;
    param.y = cursor.y;
  }
  return param;
}

void CSkinAppDialog::OnProgressCommand(const char* name, int value) {
  if (!m_pISkinCommand) return;
  SkinCommandParam param = MakeParam(false);
  param.nForce3 = value;
  m_pISkinCommand->ExecuteSkinCommand(name, 0, &param);
}

void CSkinAppDialog::OnSkinCommand(const char* name) {
  if (!m_pISkinCommand) return;
  SkinCommandParam param = MakeParam(true);
  if (HandleLocalCommand(name)) return;
  m_pISkinCommand->ExecuteSkinCommand(name, 0, &param);
}

void CSkinAppDialog::OnTrackbarCommand(const char* name, int code, int position) {
  if (!m_pISkinCommand) return;
  SkinCommandParam param = MakeParam(false);
  param.nForce3 = position;
  m_pISkinCommand->ExecuteSkinCommand(name, code == kTrackEnded ? 4 : 2, &param);
}

void CSkinAppDialog::OnDropDownCommand(const char* name, int selection) {
  if (!m_pISkinCommand) return;
  SkinCommandParam param = MakeParam(false);
  param.nForce3 = selection;
  m_pISkinCommand->ExecuteSkinCommand(name, 0, &param);
}

void CSkinAppDialog::TranslateToolTip(std::string& text) {
  if (!m_pITranslater) return;
  char buffer[kToolTipRoom] = {0};
  CopyBounded(buffer, kToolTipRoom, text.c_str());
  m_pITranslater->TranslateString(buffer, "ToolTips");
  buffer[kToolTipRoom - 1] = '\0';
  text = buffer;
  if (!m_pIConfigEx) return;
  char appName[kTextRoom] = {0};
  if (!m_pIConfigEx->GetString("OEMAppName", appName, kTextRoom, 0)) return;
  appName[kTextRoom - 1] = '\0';
  text = ReplaceAll(text, "APPNAME", appName);
}

void CSkinAppDialog::EnableByName(const char* name, int enabled) {
  const BOOL on = enabled ? TRUE : FALSE;
  EnableButtonByName(name, on);
  for (int kind = kSkinTrackbar; kind < kSkinValueKindCount; ++kind) {
    std::vector<ISkinValueControl*> controls;
    GetValueControls(static_cast<SkinValueKind>(kind), &controls);
    for (ISkinValueControl* control : controls) {
      if (!SameText(control->GetControlName(), name)) continue;
      if (kind == kSkinEdit) {
        control->SetReadOnly(!enabled);
        continue;
      }
      if ((IsWindowEnabled(control->GetControlWnd()) != FALSE) != (on != FALSE))
        EnableWindow(control->GetControlWnd(), on);
      // Only the first trackbar of a name, as with push buttons.
      if (kind == kSkinTrackbar) break;
    }
  }
}

void CSkinAppDialog::SetButtonToolTip(CSkinPushButton& button, const std::string& text) {
  button.tooltip = text;
  if (!m_hToolTip) return;
  TTTOOLINFOA tool = {};
  tool.cbSize = TTTOOLINFOA_V1_SIZE;
  tool.hwnd = button.m_hWnd;
  tool.uId = 1;
  tool.lpszText = const_cast<char*>(button.tooltip.c_str());  // copied by the control
  ::SendMessageA(m_hToolTip, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&tool));
}

bool CSkinAppDialog::RefreshButton(CSkinPushButton& button, int value) {
  if (value == button.lastValue) return false;
  if (!button.imageEnum.empty()) {
    std::string image;
    GetEnumText(&image, button.imageEnum.c_str(), value);
    SetButtonImage(button.name.c_str(), image.c_str());
  } else {
    button.SetLatched(value == 1 ? 1 : 0);
    InvalidateRect(button.m_hWnd, NULL, FALSE);
  }
  std::string text;
  if (!button.tooltipEnum.empty()) {
    GetEnumText(&text, button.tooltipEnum.c_str(), value);
    if (!text.empty()) {
      TranslateToolTip(text);
      SetButtonToolTip(button, text);
    }
  }
  if (!button.captionEnum.empty()) {
    text.clear();
    GetEnumText(&text, button.captionEnum.c_str(), value);
    if (!text.empty()) {
      TranslateToolTip(text);
      SetWindowTextA(button.m_hWnd, text.c_str());
      InvalidateRect(button.m_hWnd, NULL, FALSE);
    }
  }
  button.lastValue = value;
  return true;
}

void CSkinAppDialog::RefreshByName(const char* name) {
  const INT_PTR value = m_pISkinCommand->GetControlValue(name);
  for (auto& button : m_buttons)
    if (SameText(button->name, name) && RefreshButton(*button, static_cast<int>(value))) return;
  for (int kind = kSkinTrackbar; kind < kSkinValueKindCount; ++kind) {
    std::vector<ISkinValueControl*> controls;
    GetValueControls(static_cast<SkinValueKind>(kind), &controls);
    for (ISkinValueControl* control : controls) {
      if (!SameText(control->GetControlName(), name)) continue;
      switch (kind) {
        case kSkinLabel:
          if (const char* text = ControlValueText(value)) {
            std::string shown = text;
            TranslateToolTip(shown);
            if (!SameText(control->GetText(), shown.c_str())) control->SetText(shown.c_str());
          }
          break;
        case kSkinEdit:
          if (value == -1) {
            control->SetText("");
          } else if (const char* text = ControlValueText(value)) {
            if (!SameText(control->GetText(), text)) control->SetText(text);
          }
          break;
        default:
          if (control->GetValue() != static_cast<int>(value)) control->SetValue(static_cast<int>(value));
          break;
      }
      return;
    }
  }
}

void CSkinAppDialog::CheckPage(const char* name) {
  if (SameText(m_section, name)) {
    const int show = static_cast<int>(m_pISkinCommand->GetControlValue(name));
    ShowWindow(m_hWnd, show);
    if (show == SW_SHOW) SetForegroundWindow(m_hWnd);
  }
  for (IConverterView* view : m_views) {
    char viewName[kViewNameRoom] = {0};
    if (FAILED(view->GetViewName(viewName, kViewNameRoom - 1))) continue;
    if (lstrcmpiA(viewName, name) != 0) continue;
    view->UpdateUI(0, NULL);
    return;
  }
}

void CSkinAppDialog::UpdateControls(const char* names) {
  if (!m_pISkinCommand || !m_hWnd) return;
  if (names && *names) {
    std::string rest = names;
    while (!rest.empty()) {
      const std::string name = NextSkinField(rest);
      if (name.empty()) continue;
      EnableByName(name.c_str(), m_pISkinCommand->IsControlEnabled(name.c_str()));
      RefreshByName(name.c_str());
      CheckPage(name.c_str());
    }
    return;
  }
  // Every control by its own name; names copied first, since a refresh may
  // change the lists.
  std::vector<std::string> all;
  for (auto& button : m_buttons) all.push_back(button->name);
  for (int kind = kSkinTrackbar; kind < kSkinValueKindCount; ++kind) {
    std::vector<ISkinValueControl*> controls;
    GetValueControls(static_cast<SkinValueKind>(kind), &controls);
    for (ISkinValueControl* control : controls) {
      if (kind == kSkinEdit) {
        RefreshByName(control->GetControlName().c_str());
        continue;
      }
      const BOOL on = m_pISkinCommand->IsControlEnabled(control->GetControlName().c_str()) ? TRUE : FALSE;
      if ((IsWindowEnabled(control->GetControlWnd()) != FALSE) != (on != FALSE))
        EnableWindow(control->GetControlWnd(), on);
      RefreshByName(control->GetControlName().c_str());
    }
  }
  for (const std::string& name : all) {
    EnableButtonByName(name.c_str(), m_pISkinCommand->IsControlEnabled(name.c_str()) ? TRUE : FALSE);
    RefreshByName(name.c_str());
  }
}

int CSkinAppDialog::OnParentEvent(int message, INT_PTR parent, INT_PTR, INT_PTR) {
  if (message != WM_SIZE || m_windowType == 1 || !m_hWnd) return 0;
  RECT r = {};
  GetWindowRect(reinterpret_cast<HWND>(parent), &r);
  const int w = r.right - r.left, h = r.bottom - r.top;
  MoveWindow(m_hWnd, m_margins.left, m_margins.top, w - m_margins.right - m_margins.left,
             h - m_margins.bottom - m_margins.top, TRUE);
  return 0;
}

HRESULT CSkinAppDialog::CViewPart::GetViewName(char* buffer, int length) {
  return CopyViewName(m_pOwner->m_section.c_str(), buffer, length);
}

void CSkinAppDialog::ForwardToViews(UINT message, WPARAM wParam, LPARAM lParam) {
  // A copy: a view may change the list while it handles the message.
  const std::vector<IConverterView*> views = m_views;
  for (IConverterView* view : views)
    view->OnParentEvent(static_cast<int>(message), reinterpret_cast<INT_PTR>(m_hWnd),
                        static_cast<INT_PTR>(wParam), static_cast<INT_PTR>(lParam));
}

BOOL CSkinAppDialog::OnCommand(int code, int itemId, LPARAM lParam) {
  ForwardToViews(WM_COMMAND, MAKEWPARAM(itemId, code), lParam);
  return CSkinDialog::OnCommand(code, itemId, lParam);
}

BOOL CSkinAppDialog::OnNotify(UINT controlId, NMHDR* header, LRESULT* result) {
  ForwardToViews(WM_NOTIFY, controlId, reinterpret_cast<LPARAM>(header));
  return CSkinDialog::OnNotify(controlId, header, result);
}

BOOL CSkinAppDialog::OnTimer(WPARAM timerId, LPARAM callback) {
  ForwardToViews(WM_TIMER, timerId, callback);
  return CSkinDialog::OnTimer(timerId, callback);
}

INT_PTR CSkinAppDialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  ForwardToViews(message, wParam, lParam);
  switch (message) {
    case WM_DROPFILES: {
      HDROP drop = reinterpret_cast<HDROP>(wParam);
      if (!m_pISkinCommand) {
        DragFinish(drop);  // no one else will give it back
        return TRUE;
      }
      SkinCommandParam param = MakeParam(false);
      param.nForce1 = reinterpret_cast<INT_PTR>(m_section.c_str());
      param.nForce2 = reinterpret_cast<INT_PTR>(drop);
      m_pISkinCommand->ExecuteSkinCommand("DropFiles", 0, &param);
      return TRUE;
    }
    case WM_GETMINMAXINFO:
      if (m_windowType == 0 && lParam) {
        SIZE least = MinimumFrameSize(m_frame.layout);
        MINMAXINFO* info = reinterpret_cast<MINMAXINFO*>(lParam);
        info->ptMinTrackSize.x = least.cx;
        info->ptMinTrackSize.y = least.cy;
      }
      return FALSE;
    case WM_LBUTTONUP:
      // A release on the page's own background names the page; sent only
      // where the executive has an enabled row of that name to take it.
      if (m_pISkinCommand && m_pISkinCommand->IsControlEnabled(m_section.c_str())) {
        SkinCommandParam param = MakeParam(false);
        m_pISkinCommand->ExecuteSkinCommand(m_section.c_str(), 0, &param);
      }
      return CSkinDialog::OnMessage(message, wParam, lParam);
    // WM_USER + 2000 once ran lParam as a command name from any sender; no
    // one in the suite sends it and a foreign pointer cannot be checked, so
    // it is not answered.
    case WM_DESTROY:
      CSkinDialog::OnMessage(message, wParam, lParam);
      DestroyViews();
      return FALSE;
    default:
      return CSkinDialog::OnMessage(message, wParam, lParam);
  }
}
