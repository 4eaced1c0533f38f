#include "tests/ui/SkinWindowSet.h"

#include "tests/ui/SkinTemplates.h"
#include "ui/SkinData.h"
#include "ui/SkinLines.h"

BOOL CSkinWindowSet::Open(const std::string& ini, const std::string& section, int shown) {
  Close();
  HINSTANCE instance = GetModuleHandleA(NULL);
  m_window.reset(new CSkinDialog(instance, IDD_SKIN_WINDOW));
  m_window->SetSkinFiles(ini.c_str(), section.c_str());
  if (!m_window->CreateModeless(NULL)) return FALSE;
  CSkinIniReader reader(ini);
  std::string initSize = reader.ReadString(section.c_str(), "InitSize", "");
  if (!initSize.empty()) {
    RECT r = ParseSkinRect(initSize);
    SetWindowPos(*m_window, HWND_TOP, 0, 0, r.right - r.left, r.bottom - r.top, SWP_NOMOVE);
  }
  const int inset = m_window->GetBorderWidth();
  for (const std::string& line : reader.ReadLinesUntilGap((section + "/APPVIEWS").c_str())) {
    SkinViewLine view;
    if (!ParseViewLine(line, &view)) continue;
    std::unique_ptr<CSkinDialog> page(new CSkinDialog(instance, IDD_SKIN_PAGE));
    page->SetSkinFiles(ini.c_str(), view.view.c_str());
    if (!page->CreateModeless(*m_window)) continue;
    SetWindowPos(*page, NULL, view.rect.left - inset, view.rect.top - inset,
                 view.rect.right - view.rect.left, view.rect.bottom - view.rect.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(*page, static_cast<int>(m_pages.size()) == shown ? SW_SHOW : SW_HIDE);
    m_pages.push_back(std::move(page));
  }
  ShowWindow(*m_window, SW_SHOW);
  UpdateWindow(*m_window);
  return TRUE;
}

void CSkinWindowSet::Close() {
  m_pages.clear();
  m_window.reset();
}
