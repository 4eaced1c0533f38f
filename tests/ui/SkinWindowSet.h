// A skin's window section shown as the program shows it: the window from the
// top-level template and the pages that its APPVIEWS lines name as child
// pages in their places. For the viewer and the benchmark; the program's own
// application dialog does this through its view factory.
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "ui/SkinDialog.h"

class CSkinWindowSet {
 public:
  // Loads and shows the window and its pages; page `shown` is visible, the
  // others hidden. FALSE when the window could not be made.
  BOOL Open(const std::string& ini, const std::string& section, int shown);
  void Close();
  CSkinDialog* Window() { return m_window.get(); }
  const std::vector<std::unique_ptr<CSkinDialog>>& Pages() const { return m_pages; }

 private:
  std::unique_ptr<CSkinDialog> m_window;
  std::vector<std::unique_ptr<CSkinDialog>> m_pages;
};
