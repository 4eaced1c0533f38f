// A menu loaded from a module's own resources, destroyed with the holder.
#pragma once
#include <windows.h>

class CMenu {
 public:
  CMenu() : m_hMenu(NULL) {}
  ~CMenu() { DestroyMenu(); }
  CMenu(const CMenu&) = delete;
  CMenu& operator=(const CMenu&) = delete;

  // The menu resource id of the module whose instance handle is given.
  BOOL LoadMenu(HINSTANCE instance, UINT id) {
    DestroyMenu();
    m_hMenu = ::LoadMenuA(instance, MAKEINTRESOURCEA(id));
    return m_hMenu != NULL;
  }
  // A popup of this menu; it lives as long as this menu.
  HMENU GetSubMenu(int position) const { return m_hMenu ? ::GetSubMenu(m_hMenu, position) : NULL; }
  void DestroyMenu() {
    if (m_hMenu) ::DestroyMenu(m_hMenu);
    m_hMenu = NULL;
  }
  HMENU GetHandle() const { return m_hMenu; }

 private:
  HMENU m_hMenu;
};
